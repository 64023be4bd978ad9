#include "interface_language.h"

#include <clocale>
#include <cstdlib>
#include <string_view>

#include "common/utf8_text.h"
#include "log_stream.h"
#include "resources/string_table.h"

namespace program {

namespace {

struct KnownLanguage {
    std::string_view code;
    std::string_view homeCountry;
};

constexpr KnownLanguage kLanguages[] = {
    {"en", "US"}, {"de", "DE"}, {"es", "ES"}, {"fr", "FR"}, {"el", "GR"},
};

// The locale of a known language in its home country, "de_DE.UTF-8"; empty for any other code.
std::string HomeLocaleOf(std::string_view code) {
    for (const KnownLanguage& known : kLanguages) {
        if (known.code == code) return std::string(code) + "_" + std::string(known.homeCountry) + ".UTF-8";
    }
    return std::string();
}

bool IsLower(char ch) { return ch >= 'a' && ch <= 'z'; }
bool IsUpper(char ch) { return ch >= 'A' && ch <= 'Z'; }

}  // namespace

InterfaceLanguage InterfaceLanguageFromName(const std::string& value) {
    // LANGUAGE may hold a list ("de:en"); its first entry counts. A name is
    // language[_COUNTRY][.codeset][@modifier].
    const std::string_view name = std::string_view(value).substr(0, value.find(':'));
    std::string language;
    std::string country;
    if (name.size() >= 2 && IsLower(name[0]) && IsLower(name[1]) &&
        (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@')) {
        language = std::string(name.substr(0, 2));
        if (name.size() >= 5 && name[2] == '_' && IsUpper(name[3]) && IsUpper(name[4])) {
            country = std::string(name.substr(3, 2));
        }
    }

    InterfaceLanguage result;
    result.languageCode = "en";
    for (const KnownLanguage& known : kLanguages) {
        if (language == known.code) {
            result.languageCode = language;
            if (country.empty()) country = known.homeCountry;
        }
    }
    if (language.empty()) {
        // "C", "POSIX" or nothing usable: the English (United States) interface.
        language = "en";
        country = "US";
    }
    result.localeName = language + (country.empty() ? "" : "_" + country) + ".UTF-8";
    return result;
}

InterfaceLanguage InterfaceLanguageFromEnvironment(const EnvironmentLookup& environment) {
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(variable);
        if (value != nullptr && value[0] != '\0') return InterfaceLanguageFromName(value);
    }
    return InterfaceLanguageFromName("");
}

std::string ApplyInterfaceLanguage(const InterfaceLanguage& language) {
    resources::SelectStringTable(language.languageCode);
    for (const std::string& name : {language.localeName, HomeLocaleOf(language.languageCode)}) {
        if (!name.empty() && std::setlocale(LC_ALL, name.c_str()) != nullptr) return name;
    }
    return std::string();
}

InterfaceLanguage ChooseInterfaceLanguage() {
    InterfaceLanguage language =
        InterfaceLanguageFromEnvironment([](const char* name) { return std::getenv(name); });
    const std::string used = ApplyInterfaceLanguage(language);
    theLog.SetLineLevel(3);
    theLog << LogTimestamp << L"Interface language " << common::Utf8ToWide(language.languageCode)
           << L", locale " << common::Utf8ToWide(used.empty() ? "unchanged: " + language.localeName + " is missing" : used)
           << std::endl;
    if (!used.empty()) language.localeName = used;
    return language;
}

}  // namespace program
