// The files of resources/ that the build carries inside the program.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace resources {

struct EmbeddedFile {
    const char* name;  // path below resources/, for example "strings/de.txt"
    const unsigned char* bytes;
    std::size_t size;
};

extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

// The contents of an embedded file, or nothing when the program holds none of that name.
std::optional<std::string_view> FindEmbeddedFile(std::string_view name);

}  // namespace resources
