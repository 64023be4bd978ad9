#include "registry_file.h"

#include "common/utf8_text.h"

namespace settings {

namespace {

char LowerAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool IsValidUtf8Text(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return false;
    return common::WideToUtf8(common::Utf8ToWide(bytes)) == bytes;
}

// A quoted string at the start of `text`: its decoded contents and the rest after the closing quote.
bool ReadQuoted(std::string_view text, std::string& decoded, std::string_view& rest) {
    if (text.empty() || text.front() != '"') return false;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '"') {
            rest = text.substr(i + 1);
            return true;
        }
        if (ch == '\\') {
            if (++i == text.size()) return false;
            switch (text[i]) {
                case '\\': decoded.push_back('\\'); break;
                case '"': decoded.push_back('"'); break;
                case 'n': decoded.push_back('\n'); break;
                case 'r': decoded.push_back('\r'); break;
                default: return false;
            }
            continue;
        }
        decoded.push_back(ch);
    }
    return false;
}

std::string Quote(std::string_view utf8) {
    std::string quoted = "\"";
    for (const char ch : utf8) {
        switch (ch) {
            case '\\': quoted += "\\\\"; break;
            case '"': quoted += "\\\""; break;
            case '\n': quoted += "\\n"; break;
            case '\r': quoted += "\\r"; break;
            default: quoted.push_back(ch);
        }
    }
    return quoted + "\"";
}

struct ParsedValue {
    std::string name;
    RegistryValue value;
};

// `"Name"=dword:0000002a`, `"Name"="text"`, or another kind (`"Name"=hex:...`): the name and what
// the value is. Nothing when the line is not a value line.
std::optional<ParsedValue> ParseValueLine(std::string_view line) {
    ParsedValue parsed;
    std::string_view rest;
    if (line.empty()) return std::nullopt;
    if (line.front() == '@') {
        parsed.name.clear();  // the key's default value
        rest = line.substr(1);
    } else if (!ReadQuoted(line, parsed.name, rest)) {
        return std::nullopt;
    }
    if (rest.empty() || rest.front() != '=') return std::nullopt;
    rest.remove_prefix(1);
    if (rest.rfind("dword:", 0) == 0) {
        const std::string_view digits = rest.substr(6);
        if (digits.empty() || digits.size() > 8) return parsed;
        std::uint32_t value = 0;
        for (const char ch : digits) {
            int digit = -1;
            if (ch >= '0' && ch <= '9') digit = ch - '0';
            if (ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;
            if (ch >= 'A' && ch <= 'F') digit = ch - 'A' + 10;
            if (digit < 0) return parsed;  // a damaged value: of no kind we read
            value = value * 16 + static_cast<std::uint32_t>(digit);
        }
        parsed.value.kind = RegistryValue::Kind::kDword;
        parsed.value.dword = value;
        return parsed;
    }
    if (!rest.empty() && rest.front() == '"') {
        std::string text;
        std::string_view after;
        if (ReadQuoted(rest, text, after) && after.empty()) {
            parsed.value.kind = RegistryValue::Kind::kString;
            parsed.value.text = common::Utf8ToWide(text);
        }
    }
    return parsed;
}

}  // namespace

std::string DwordValueLine(std::string_view valueName, std::uint32_t value) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line = Quote(valueName) + "=dword:";
    for (int shift = 28; shift >= 0; shift -= 4) line.push_back(kHex[(value >> shift) & 0xF]);
    return line;
}

std::string StringValueLine(std::string_view valueName, std::wstring_view text) {
    // A string value ends at its first NUL, as the registry's do; a NUL in the file would make the
    // whole file unreadable.
    return Quote(valueName) + "=" + Quote(common::WideToUtf8(text.substr(0, text.find(L'\0'))));
}

std::optional<RegistryFile> RegistryFile::Parse(std::string_view contents) {
    if (!IsValidUtf8Text(contents)) return std::nullopt;
    RegistryFile file;
    // An editor may begin a UTF-8 file with a byte-order mark; it would hide the first key line.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (contents.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        contents.remove_prefix(kByteOrderMark.size());
        file.m_byteOrderMark = true;
    }
    file.m_endsWithLineFeed = contents.empty() || contents.back() == '\n';
    std::string key;
    bool continuation = false;  // a hex value continued over several lines with a trailing "\"
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        std::string_view text = contents.substr(0, end);
        contents = end == std::string_view::npos ? std::string_view() : contents.substr(end + 1);
        Line line;
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
            line.endsWithCrLf = true;
        }
        line.text = std::string(text);
        if (continuation) {
            continuation = !text.empty() && text.back() == '\\';
            line.key = key;
            line.isContinuation = true;
            file.m_lines.push_back(std::move(line));
            continue;
        }
        if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
            key = std::string(text.substr(1, text.size() - 2));
            line.isKeyLine = true;
        } else if (const auto value = ParseValueLine(text)) {
            line.isValue = true;
            line.valueName = value->name;
            continuation = !text.empty() && text.back() == '\\';
        }
        line.key = key;
        file.m_lines.push_back(std::move(line));
    }
    return file;
}

std::optional<RegistryValue> RegistryFile::Find(std::string_view keyPath,
                                                std::string_view valueName) const {
    // The last line of a value counts, as a later line of a registry import overrides an earlier one.
    std::optional<RegistryValue> found;
    for (const Line& line : m_lines) {
        if (!line.isValue || !EqualNoCase(line.key, keyPath) ||
            !EqualNoCase(line.valueName, valueName)) {
            continue;
        }
        if (const auto parsed = ParseValueLine(line.text)) found = parsed->value;
    }
    return found;
}

void RegistryFile::Set(std::string_view keyPath, std::string_view valueName, std::string text) {
    // The last line of the value counts when reading, so it is the one replaced.
    for (std::size_t i = m_lines.size(); i-- > 0;) {
        Line& line = m_lines[i];
        if (!line.isValue || !EqualNoCase(line.key, keyPath) || !EqualNoCase(line.valueName, valueName)) {
            continue;
        }
        line.text = std::move(text);
        std::size_t end = i + 1;
        while (end < m_lines.size() && m_lines[end].isContinuation) ++end;
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(i + 1),
                     m_lines.begin() + static_cast<std::ptrdiff_t>(end));
        return;
    }
    Line line;
    line.text = std::move(text);
    line.key = std::string(keyPath);
    line.valueName = std::string(valueName);
    line.isValue = true;
    // A new line ends as the file's lines do.
    line.endsWithCrLf = !m_lines.empty() && m_lines.front().endsWithCrLf;
    // Right after the key's line: no line before it can continue into it.
    for (std::size_t i = m_lines.size(); i-- > 0;) {
        if (m_lines[i].isKeyLine && EqualNoCase(m_lines[i].key, keyPath)) {
            m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(i + 1), std::move(line));
            return;
        }
    }
    // A new key at the end; the blank line before it also ends any value left continuing.
    Line blank;
    blank.endsWithCrLf = line.endsWithCrLf;
    if (!m_lines.empty() && !m_lines.back().text.empty()) m_lines.push_back(blank);
    Line keyLine;
    keyLine.endsWithCrLf = line.endsWithCrLf;
    keyLine.text = "[" + std::string(keyPath) + "]";
    keyLine.key = std::string(keyPath);
    keyLine.isKeyLine = true;
    m_lines.push_back(std::move(keyLine));
    m_lines.push_back(std::move(line));
    m_endsWithLineFeed = true;
}

void RegistryFile::SetDword(std::string_view keyPath, std::string_view valueName,
                            std::uint32_t value) {
    Set(keyPath, valueName, DwordValueLine(valueName, value));
}

void RegistryFile::SetString(std::string_view keyPath, std::string_view valueName,
                             std::wstring_view text) {
    Set(keyPath, valueName, StringValueLine(valueName, text));
}

std::string RegistryFile::Serialize() const {
    std::string out = m_byteOrderMark ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        out += m_lines[i].text;
        if (m_lines[i].endsWithCrLf) out += '\r';
        if (i + 1 < m_lines.size() || m_endsWithLineFeed) out += '\n';
    }
    return out;
}

}  // namespace settings
