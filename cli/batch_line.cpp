#include "batch_line.h"

#include <optional>
#include <set>
#include <vector>

#include "almanac/almanac_day.h"
#include "common/utf8_text.h"

namespace cli {

namespace {

// What a member holds. `word` is a bare token that is no JSON value (NaN, Infinity, 0x10, +1):
// refused where a value is needed, so that the message can name the member.
enum class ValueKind { string, number, boolean, null, word };

struct Member {
    std::string name;
    ValueKind kind = ValueKind::null;
    std::string text;  // a string's decoded UTF-8, or a number's or word's token as written
};

void AppendUtf8(std::string& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xc0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3f));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xe0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (codePoint & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (codePoint & 0x3f));
    }
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Reads the members of one flat object; every fault is a message, never an exception.
class ObjectReader {
public:
    explicit ObjectReader(std::string_view line) : m_line(line) {}

    // The members in their order, or the reason the line is not such an object.
    std::string Read(std::vector<Member>& members) {
        SkipSpace();
        if (AtEnd()) return "empty line";
        if (Peek() != '{') return "not a JSON object";
        ++m_at;
        SkipSpace();
        if (!AtEnd() && Peek() == '}') {
            ++m_at;
        } else {
            for (;;) {
                Member member;
                SkipSpace();
                if (AtEnd() || Peek() != '"') return NotJson("a member name in quotes");
                if (std::string error = ReadString(member.name); !error.empty()) return error;
                SkipSpace();
                if (AtEnd() || Peek() != ':') return NotJson("':' after the member name");
                ++m_at;
                SkipSpace();
                if (std::string error = ReadValue(member); !error.empty()) return error;
                members.push_back(std::move(member));
                SkipSpace();
                if (AtEnd()) return NotJson("',' or '}'");
                const char separator = m_line[m_at++];
                if (separator == '}') break;
                if (separator != ',') {
                    --m_at;
                    return NotJson("',' or '}'");
                }
            }
        }
        SkipSpace();
        if (!AtEnd()) return NotJson("the end of the line after the object");
        return std::string();
    }

private:
    bool AtEnd() const { return m_at >= m_line.size(); }
    char Peek() const { return m_line[m_at]; }

    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r' || Peek() == '\n')) ++m_at;
    }

    std::string NotJson(std::string_view expected) const {
        return "not JSON: expected " + std::string(expected) + " at column " + std::to_string(m_at + 1);
    }

    // The next four hex digits of a \u escape.
    std::optional<unsigned> ReadHex4() {
        if (m_at + 4 > m_line.size()) return std::nullopt;
        unsigned value = 0;
        for (int k = 0; k < 4; ++k) {
            const char ch = m_line[m_at++];
            value <<= 4;
            if (IsDigit(ch)) {
                value |= static_cast<unsigned>(ch - '0');
            } else if (ch >= 'a' && ch <= 'f') {
                value |= static_cast<unsigned>(ch - 'a' + 10);
            } else if (ch >= 'A' && ch <= 'F') {
                value |= static_cast<unsigned>(ch - 'A' + 10);
            } else {
                return std::nullopt;
            }
        }
        return value;
    }

    // A quoted string at m_at, decoded; the line is known to be valid UTF-8.
    std::string ReadString(std::string& out) {
        ++m_at;  // the opening quote
        for (;;) {
            if (AtEnd()) return NotJson("the closing '\"' of a string");
            const char ch = m_line[m_at];
            if (ch == '"') {
                ++m_at;
                return std::string();
            }
            if (static_cast<unsigned char>(ch) < 0x20) {
                return AtColumn("a control character in a string", m_at);
            }
            if (ch != '\\') {
                out += ch;
                ++m_at;
                continue;
            }
            const std::size_t escape = m_at++;
            if (AtEnd()) return NotJson("an escape after '\\'");
            const char kind = m_line[m_at++];
            switch (kind) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    std::optional<unsigned> unit = ReadHex4();
                    if (!unit) return AtColumn("a \\u escape needs four hex digits", escape);
                    unsigned codePoint = *unit;
                    if (codePoint >= 0xdc00 && codePoint <= 0xdfff) {
                        return AtColumn("a \\u escape is half of a surrogate pair", escape);
                    }
                    if (codePoint >= 0xd800 && codePoint <= 0xdbff) {
                        // Only the pair stands for a character; a half alone would not be UTF-8.
                        if (m_line.substr(m_at, 2) != "\\u") {
                            return AtColumn("a \\u escape is half of a surrogate pair", escape);
                        }
                        m_at += 2;
                        const std::optional<unsigned> second = ReadHex4();
                        if (!second || *second < 0xdc00 || *second > 0xdfff) {
                            return AtColumn("a \\u escape is half of a surrogate pair", escape);
                        }
                        codePoint = 0x10000 + ((codePoint - 0xd800) << 10) + (*second - 0xdc00);
                    }
                    AppendUtf8(out, codePoint);
                    break;
                }
                default:
                    return AtColumn("unknown escape in a string", escape);
            }
        }
    }

    std::string AtColumn(std::string_view what, std::size_t at) const {
        return "not JSON: " + std::string(what) + " at column " + std::to_string(at + 1);
    }

    // The length of a JSON number at m_at, or 0 when the text there is none.
    std::size_t NumberLength() const {
        std::size_t i = m_at;
        auto digits = [&] {
            const std::size_t start = i;
            while (i < m_line.size() && IsDigit(m_line[i])) ++i;
            return i - start;
        };
        if (i < m_line.size() && m_line[i] == '-') ++i;
        if (i < m_line.size() && m_line[i] == '0') {
            ++i;
        } else if (digits() == 0) {
            return 0;
        }
        if (i < m_line.size() && m_line[i] == '.') {
            ++i;
            if (digits() == 0) return 0;
        }
        if (i < m_line.size() && (m_line[i] == 'e' || m_line[i] == 'E')) {
            ++i;
            if (i < m_line.size() && (m_line[i] == '+' || m_line[i] == '-')) ++i;
            if (digits() == 0) return 0;
        }
        return i - m_at;
    }

    std::string ReadValue(Member& member) {
        if (AtEnd()) return NotJson("a value");
        const char first = Peek();
        if (first == '"') {
            member.kind = ValueKind::string;
            return ReadString(member.text);
        }
        if (first == '{' || first == '[') {
            return QuoteArgument(member.name) +
                   " holds an object or an array; a batch line is one flat object";
        }
        // A bare token runs to the next space or separator: a number, a literal, or a word.
        std::size_t end = m_at;
        while (end < m_line.size() && std::string_view(" \t\r\n,}]:{[\"").find(m_line[end]) ==
                                          std::string_view::npos) {
            ++end;
        }
        if (end == m_at) return NotJson("a value");
        const std::string_view token = m_line.substr(m_at, end - m_at);
        if (NumberLength() == token.size()) {
            member.kind = ValueKind::number;
        } else if (token == "true" || token == "false") {
            member.kind = ValueKind::boolean;
        } else if (token == "null") {
            member.kind = ValueKind::null;
        } else {
            member.kind = ValueKind::word;
        }
        member.text = std::string(token);
        m_at = end;
        return std::string();
    }

    std::string_view m_line;
    std::size_t m_at = 0;
};

const Member* Find(const std::vector<Member>& members, std::string_view name) {
    for (const Member& member : members) {
        if (member.name == name) return &member;
    }
    return nullptr;
}

BatchLineResult Refused(std::string error) {
    BatchLineResult result;
    result.error = std::move(error);
    return result;
}

}  // namespace

BatchLineResult ParseBatchLine(std::string_view line) {
    if (line.size() > kLongestBatchLine) return Refused("line too long");
    if (const auto bad = common::FirstInvalidUtf8(line)) {
        return Refused("not valid UTF-8 at byte " + std::to_string(*bad + 1));
    }
    std::vector<Member> members;
    if (std::string error = ObjectReader(line).Read(members); !error.empty()) {
        return Refused(std::move(error));
    }
    std::set<std::string_view> names;  // a line of 64 KiB holds thousands of members
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (!names.insert(members[i].name).second) {
            return Refused(QuoteArgument(members[i].name) + " is given twice");
        }
        if (members[i].kind == ValueKind::word) {
            // A known member's word is refused below under its own name, as "not a number".
            const std::string_view name = members[i].name;
            if (name != "date" && name != "lat" && name != "lon" && name != "zone" &&
                name != "offset" && name != "lang") {
                return Refused("not JSON: " + QuoteArgument(members[i].text) + " in " +
                               QuoteArgument(name) + " is not a value");
            }
        }
    }

    BatchLineResult result;
    CliOptions& request = result.request;
    const Member* zone = Find(members, "zone");
    const Member* offset = Find(members, "offset");
    struct Field {
        const char* name;
        CliValue value;
        ValueKind kind;
        bool required;
    };
    static constexpr Field kFields[] = {
        {"date", CliValue::date, ValueKind::string, true},
        {"lat", CliValue::latitude, ValueKind::number, true},
        {"lon", CliValue::longitude, ValueKind::number, true},
        {"offset", CliValue::offset, ValueKind::number, false},
        {"lang", CliValue::language, ValueKind::string, false},
    };
    for (const Field& field : kFields) {
        const Member* member = Find(members, field.name);
        if (!member) {
            if (field.required) return Refused(std::string("missing ") + field.name);
            if (field.value == CliValue::offset && !zone) return Refused("missing zone or offset");
            continue;
        }
        if (member->kind != field.kind) {
            return Refused(std::string(field.name) +
                           (field.kind == ValueKind::number ? " is not a number" : " is not a string"));
        }
        const std::string reason = TakeCliValue(field.value, member->text, request);
        if (!reason.empty()) {
            return Refused(std::string(field.name) + " " + QuoteArgument(member->text) + " " + reason);
        }
    }
    if (zone) {
        if (offset) return Refused("give exactly one of zone and offset");
        if (zone->kind != ValueKind::string) return Refused("zone is not a string");
        if (zone->text.empty()) return Refused("zone is empty");
        request.zoneName = zone->text;
    }
    // The options take any year and print what the engine cannot give as null; a batch line asks
    // for an answer, so a year without one is the request's fault.
    if (request.year < almanac::kFirstDate.year || request.year > almanac::kLastDate.year) {
        return Refused("date " + QuoteArgument(Find(members, "date")->text) +
                       " is outside the years 1901 to 2099");
    }
    result.ok = true;
    return result;
}

}  // namespace cli
