#include "string_table.h"

#include <array>
#include <atomic>
#include <charconv>

#include "common/utf8_text.h"
#include "embedded_resources.h"

namespace resources {

namespace {

constexpr std::array<std::string_view, 5> kLanguages = {"en", "de", "es", "fr", "el"};

std::atomic<std::size_t> selectedLanguage{0};

// Decodes the quoted text that starts at `text`; false when the quotes are not closed.
bool Unquote(std::string_view text, std::string& decoded) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return false;
    text = text.substr(1, text.size() - 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (ch == '"') return false;
        if (ch == '\\') {
            if (++i == text.size()) return false;
            switch (text[i]) {
                case 'n': ch = '\n'; break;
                case '"': ch = '"'; break;
                case '\\': ch = '\\'; break;
                default: return false;
            }
        }
        decoded.push_back(ch);
    }
    return true;
}

std::size_t LanguageIndex(std::string_view code) {
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        if (kLanguages[i] == code) return i;
    }
    return kLanguages.size();
}

}  // namespace

StringTable ParseStringTable(std::string_view utf8) {
    StringTable table;
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8 = end == std::string_view::npos ? std::string_view() : utf8.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        unsigned id = 0;
        const auto [idEnd, error] = std::from_chars(line.data(), line.data() + line.size(), id);
        if (error != std::errc() || idEnd == line.data() + line.size() || *idEnd != ' ') continue;
        std::string text;
        if (!Unquote(line.substr(static_cast<std::size_t>(idEnd - line.data()) + 1), text)) continue;
        table[id] = common::Utf8ToWide(text);
    }
    return table;
}

const StringTable& StringTableOf(std::string_view languageCode) {
    static const std::array<StringTable, 5> tables = [] {
        std::array<StringTable, 5> loaded;
        for (std::size_t i = 0; i < kLanguages.size(); ++i) {
            const std::string name = "strings/" + std::string(kLanguages[i]) + ".txt";
            if (const auto file = FindEmbeddedFile(name)) loaded[i] = ParseStringTable(*file);
        }
        return loaded;
    }();
    static const StringTable none;
    const std::size_t index = LanguageIndex(languageCode);
    return index < tables.size() ? tables[index] : none;
}

void SelectStringTable(std::string_view languageCode) {
    const std::size_t index = LanguageIndex(languageCode);
    selectedLanguage = index < kLanguages.size() ? index : 0;
}

std::string_view SelectedLanguageCode() { return kLanguages[selectedLanguage]; }

namespace {

std::wstring TextOf(const StringTable& table, unsigned id) {
    const auto found = table.find(id);
    return found != table.end() ? found->second : std::wstring();
}

// The table of a code; a code of none of the five languages reads English, as SelectStringTable
// chooses it.
const StringTable& TableOrEnglish(std::string_view languageCode) {
    const std::size_t index = LanguageIndex(languageCode);
    return StringTableOf(kLanguages[index < kLanguages.size() ? index : 0]);
}

}  // namespace

std::wstring LoadPlainString(unsigned id) { return PlainStringIn(SelectedLanguageCode(), id); }

std::wstring PlainStringIn(std::string_view languageCode, unsigned id) {
    return TextOf(TableOrEnglish(languageCode), id);
}

std::wstring LocalizedStringIn(std::string_view languageCode, unsigned id) {
    return LocalizedStringFrom(TableOrEnglish(languageCode), StringTableOf("en"), id);
}

std::wstring LocalizedStringFrom(const StringTable& selected, const StringTable& english,
                                 unsigned id) {
    std::wstring text = TextOf(selected, id);
    return !text.empty() ? text : TextOf(english, id);
}

std::wstring LoadLocalizedString(unsigned id) { return LocalizedStringIn(SelectedLanguageCode(), id); }

}  // namespace resources
