#include "flat_json_object.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include <nlohmann/json.hpp>

#include "option_values.h"

namespace cli {

namespace {

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

std::size_t SkipSpace(std::string_view line, std::size_t at) {
    while (at < line.size() && IsSpace(line[at])) ++at;
    return at;
}

// A bare token's kind by the JSON grammar; what is none of them is a word.
JsonKind KindOf(std::string_view token) {
    if (token == "true" || token == "false") return JsonKind::boolean;
    if (token == "null") return JsonKind::null;
    std::size_t i = token.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < token.size() && token[i] >= '0' && token[i] <= '9') ++i;
        return i > from;
    };
    if (token.substr(i, 1) == "0") {
        ++i;
    } else if (!digits()) {
        return JsonKind::word;
    }
    if (token.substr(i, 1) == ".") {
        ++i;
        if (!digits()) return JsonKind::word;
    }
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        i += token.substr(i + 1, 1) == "+" || token.substr(i + 1, 1) == "-" ? 2 : 1;
        if (!digits()) return JsonKind::word;
    }
    return i == token.size() ? JsonKind::number : JsonKind::word;
}

struct BareValue {
    std::size_t member;  // which member holds it, counted from 0
    std::size_t at;
    std::string_view text;
};

// nlohmann's reader knows no words such as NaN, gives 1e999 no value and "-0" no sign, and ends a
// line at a NUL byte: so each bare token after a ':' is kept as written and stands in the reader's
// copy as a string (or a 0) of its length, and a NUL elsewhere outside strings as another control
// character, which keeps the reader's columns the line's. Up to the first fault, which the reader
// finds, the n-th ':' outside strings follows the n-th member's name.
std::vector<BareValue> TakeBareValues(std::string_view line, std::string& forReader) {
    std::vector<BareValue> bare;
    std::size_t colons = 0;
    char before = 0;  // the last character outside strings and spaces
    for (std::size_t i = SkipSpace(line, 0); i < line.size(); i = SkipSpace(line, i)) {
        constexpr std::string_view kSeparators = ",}]:{[\"";
        if (line[i] == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) i += line[i] == '\\';
            i = std::min(i + 1, line.size());
            before = '"';
        } else if (kSeparators.find(line[i]) != kSeparators.npos) {
            colons += line[i] == ':';
            before = line[i++];
        } else {
            std::size_t end = i;
            while (end < line.size() && !IsSpace(line[end]) && kSeparators.find(line[end]) == kSeparators.npos) ++end;
            if (before == ':') {
                bare.push_back({colons - 1, i, line.substr(i, end - i)});
                forReader.replace(i, end - i, end - i == 1 ? "0" : '"' + std::string(end - i - 2, ' ') + '"');
            }
            std::replace(forReader.begin() + static_cast<std::ptrdiff_t>(i),
                         forReader.begin() + static_cast<std::ptrdiff_t>(end), '\0', '\x01');
            before = 0;
            i = end;
        }
    }
    return bare;
}

// The reader's copy of the line, counting the bytes the reader has taken.
struct CountedChars {
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;
    const char* at;
    std::size_t* taken;
    reference operator*() const { return *at; }
    CountedChars& operator++() {
        ++at;
        ++*taken;
        return *this;
    }
    bool operator==(const CountedChars& other) const { return at == other.at; }
};

// Takes the members of one flat object from nlohmann's reader in their order, and words a fault as
// the line's own: what was expected at which column, from where the last thing taken ended.
class MemberReader {
public:
    using json = nlohmann::json;

    MemberReader(std::string_view line, std::vector<BareValue> bare) : m_line(line), m_bare(std::move(bare)) {}

    std::size_t taken = 0;
    std::vector<JsonMember> members;
    std::string error;

    bool null() { return Value(std::string()); }
    bool boolean(bool) { return Value(std::string()); }
    bool number_integer(json::number_integer_t) { return Value(std::string()); }
    bool number_unsigned(json::number_unsigned_t) { return Value(std::string()); }
    bool number_float(json::number_float_t, const std::string&) { return Value(std::string()); }
    bool string(std::string& text) { return Value(std::move(text)); }
    bool binary(json::binary_t&) { return true; }
    bool start_array(std::size_t) { return start_object(0); }
    bool end_array() { return true; }
    bool start_object(std::size_t) {
        if (m_expect != Expect::colon) return Took(Expect::name, taken);
        error = QuoteArgument(members.back().name) + " holds an object or an array; a batch line is one flat object";
        return false;
    }
    bool end_object() { return Took(Expect::end, taken); }
    bool key(std::string& name) {
        members.push_back({std::move(name), JsonKind::string, std::string()});
        return Took(Expect::colon, taken);
    }

    bool parse_error(std::size_t position, const std::string&, const json::exception& fault) {
        // The reader takes a ':' or ',' with no word to us; the fault lies past it.
        std::size_t at = SkipSpace(m_line, m_end);
        Expect expect = m_expect;
        if (at < m_line.size() && ((expect == Expect::colon && m_line[at] == ':') ||
                                   (expect == Expect::comma && m_line[at] == ','))) {
            expect = expect == Expect::colon ? Expect::value : Expect::name;
            at = SkipSpace(m_line, at + 1);
        }
        const std::string_view what = fault.what();
        const std::string_view reason = what.substr(std::min(what.find(" - "), what.size()));
        if ((expect == Expect::name || expect == Expect::value) && reason.starts_with(" - invalid string: ")) {
            error = StringFault(reason.substr(19), at, position - 1);
        } else {
            static constexpr std::string_view kExpected[] = {
                "expected a member name in quotes", "expected ':' after the member name", "expected a value",
                "expected ',' or '}'", "expected the end of the line after the object"};
            error = NotJson(kExpected[static_cast<int>(expect)], at);
        }
        return false;
    }

private:
    enum class Expect { name, colon, value, comma, end };

    bool Took(Expect next, std::size_t end) {
        m_expect = next;
        m_end = end;
        return true;
    }

    bool Value(std::string text) {
        JsonMember& member = members.back();
        if (m_nextBare < m_bare.size() && m_bare[m_nextBare].member + 1 == members.size()) {
            const BareValue& bare = m_bare[m_nextBare++];
            member.kind = KindOf(bare.text);
            member.text = std::string(bare.text);
            return Took(Expect::comma, bare.at + bare.text.size());
        }
        member.text = std::move(text);
        return Took(Expect::comma, taken);
    }

    static std::string NotJson(std::string_view what, std::size_t at) {
        return "not JSON: " + std::string(what) + " at column " + std::to_string(at + 1);
    }

    // Whether a \u escape of the first half of a surrogate pair begins at `at`.
    bool HighHalfAt(std::size_t at) const {
        unsigned unit = 0;
        const char* digits = m_line.data() + std::min(at + 2, m_line.size());
        const char* end = std::from_chars(digits, std::min(digits + 4, m_line.data() + m_line.size()), unit, 16).ptr;
        return m_line.substr(at, 2) == "\\u" && end == digits + 4 && unit >= 0xd800 && unit <= 0xdbff;
    }

    // The fault in the string that begins at `start`, where the reader stopped at byte `stop` (the
    // line's length when the line ended first).
    std::string StringFault(std::string_view reason, std::size_t start, std::size_t stop) const {
        if (reason.starts_with("control")) return NotJson("a control character in a string", stop);
        if (reason.starts_with("missing")) return NotJson("expected the closing '\"' of a string", stop);
        if (reason.starts_with("forbidden")) {
            return stop < m_line.size() ? NotJson("unknown escape in a string", stop - 1)
                                        : NotJson("expected an escape after '\\'", stop);
        }
        // Where the \u escape begins; a pair of surrogates is one.
        std::size_t escape = start;
        for (std::size_t i = start + 1; i < stop; ++i) {
            if (m_line[i] != '\\') continue;
            if (i != escape + 6 || !HighHalfAt(escape)) escape = i;
            ++i;
        }
        return NotJson(reason.starts_with("'\\u'") && !HighHalfAt(escape) ? "a \\u escape needs four hex digits"
                                                                      : "a \\u escape is half of a surrogate pair",
                       escape);
    }

    std::string_view m_line;
    std::vector<BareValue> m_bare;
    std::size_t m_nextBare = 0;
    Expect m_expect = Expect::name;
    std::size_t m_end = 0;  // where the last thing taken ends
};

}  // namespace

FlatJsonObject ReadFlatJsonObject(std::string_view line) {
    const std::size_t first = SkipSpace(line, 0);
    if (first == line.size()) return {{}, "empty line"};
    if (line[first] != '{') return {{}, "not a JSON object"};
    std::string forReader(line);
    MemberReader reader(line, TakeBareValues(line, forReader));
    const CountedChars begin{forReader.data(), &reader.taken}, end{forReader.data() + forReader.size(), nullptr};
    if (!nlohmann::json::sax_parse(begin, end, &reader)) return {{}, std::move(reader.error)};
    return {std::move(reader.members), std::string()};
}

}  // namespace cli
