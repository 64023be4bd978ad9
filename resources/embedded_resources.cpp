#include "embedded_resources.h"

namespace resources {

std::optional<std::string_view> FindEmbeddedFile(std::string_view name) {
    for (std::size_t i = 0; i < kEmbeddedFileCount; ++i) {
        if (name == kEmbeddedFiles[i].name) {
            return std::string_view(reinterpret_cast<const char*>(kEmbeddedFiles[i].bytes),
                                    kEmbeddedFiles[i].size);
        }
    }
    return std::nullopt;
}

}  // namespace resources
