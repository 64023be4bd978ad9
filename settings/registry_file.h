// Settings files in the syntax of a registry export:
//
//   [Software\Qelt\Almanaxium2\GUI]
//   "WindowPosLeft"=dword:0000002a
//   "Latitude"="52.5"
//
// A "[path]" line opens a key; the value lines below it belong to it. Key paths and value names are
// compared without regard to ASCII case, as the registry does. Only the DWORD and string kinds are
// read; every other line (other kinds, comments, the export header, lines we cannot parse) is kept
// unchanged when a value is written. A UTF-8 byte-order mark before the first line is the start of
// the file, not a part of its first line, and is written back with it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

struct RegistryValue {
    enum class Kind { kDword, kString, kOther };
    Kind kind = Kind::kOther;
    std::uint32_t dword = 0;
    std::wstring text;
};

class RegistryFile {
public:
    // Parses a file's contents. A file that is not UTF-8 text gives nothing: it counts as damaged.
    static std::optional<RegistryFile> Parse(std::string_view contents);

    std::optional<RegistryValue> Find(std::string_view keyPath, std::string_view valueName) const;

    // Sets a value, replacing the line that held it (with the lines it continued on) or adding one
    // right after its key's line (the key is added at the end of the file when missing). Every
    // other line stays as it was.
    void SetDword(std::string_view keyPath, std::string_view valueName, std::uint32_t value);
    void SetString(std::string_view keyPath, std::string_view valueName, std::wstring_view text);

    std::string Serialize() const;

private:
    struct Line {
        std::string text;       // the line as in the file, without its line end
        bool endsWithCrLf = false;  // its line end had a CR: kept, so that the file reads back the same
        std::string key;        // the key the line belongs to ("" before the first key line)
        std::string valueName;  // for a value line, its name; else empty
        bool isValue = false;
        bool isKeyLine = false;
        bool isContinuation = false;  // a further line of a value whose line ends in "\"
    };

    void Set(std::string_view keyPath, std::string_view valueName, std::string line);

    std::vector<Line> m_lines;
    bool m_endsWithLineFeed = true;
    bool m_byteOrderMark = false;
};

// The value line of a DWORD or string, with the export's escapes (\\ and \"; line breaks as \n).
// A string keeps what comes before its first NUL.
std::string DwordValueLine(std::string_view valueName, std::uint32_t value);
std::string StringValueLine(std::string_view valueName, std::wstring_view text);

}  // namespace settings
