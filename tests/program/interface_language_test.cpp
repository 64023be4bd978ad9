// The interface language and the process locale chosen from the environment.
#include <gtest/gtest.h>

#include <ctime>

#include <clocale>
#include <cstdio>
#include <map>

#include "program/interface_language.h"
#include "resources/string_table.h"
#include "support/scoped_environment.h"

namespace {

program::InterfaceLanguage From(std::map<std::string, std::string> variables) {
    return program::InterfaceLanguageFromEnvironment([&](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found != variables.end() ? found->second.c_str() : nullptr;
    });
}

TEST(InterfaceLanguageFromEnvironment, FirstVariableThatIsSetCounts) {
    EXPECT_EQ(From({{"LANG", "de_DE.UTF-8"}}).languageCode, "de");
    EXPECT_EQ(From({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}).languageCode, "fr");
    EXPECT_EQ(From({{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "fr_FR"}})
                  .languageCode,
              "es");
    EXPECT_EQ(From({{"LC_ALL", "es_ES.UTF-8"}, {"LANGUAGE", "el:en"}}).languageCode, "el");
    // An empty variable counts as not set.
    EXPECT_EQ(From({{"LANGUAGE", ""}, {"LANG", "fr_FR.UTF-8"}}).languageCode, "fr");
    EXPECT_EQ(From({}).languageCode, "en");
}

TEST(InterfaceLanguageFromName, CodeAndLocale) {
    struct Case {
        const char* name;
        const char* code;
        const char* locale;
    };
    const Case cases[] = {
        {"de_DE.UTF-8", "de", "de_DE.UTF-8"}, {"de_AT.UTF-8", "de", "de_AT.UTF-8"},
        {"de", "de", "de_DE.UTF-8"},          {"el_GR", "el", "el_GR.UTF-8"},
        {"es", "es", "es_ES.UTF-8"},          {"fr_CA.ISO-8859-1@euro", "fr", "fr_CA.UTF-8"},
        {"en_GB.UTF-8", "en", "en_GB.UTF-8"}, {"en", "en", "en_US.UTF-8"},
        // Another language keeps its locale but reads the English texts.
        {"pt_BR.UTF-8", "en", "pt_BR.UTF-8"}, {"pt", "en", "pt.UTF-8"},
        {"C", "en", "en_US.UTF-8"},           {"POSIX", "en", "en_US.UTF-8"},
        {"C.UTF-8", "en", "en_US.UTF-8"},     {"DE_de", "en", "en_US.UTF-8"},
        {"de.UTF-8", "de", "de_DE.UTF-8"},    {"fr@euro", "fr", "fr_FR.UTF-8"},
    };
    for (const Case& c : cases) {
        const program::InterfaceLanguage language = program::InterfaceLanguageFromName(c.name);
        EXPECT_EQ(language.languageCode, c.code) << c.name;
        EXPECT_EQ(language.localeName, c.locale) << c.name;
    }
}

TEST(ApplyInterfaceLanguage, SetsTheLocaleAndTheTable) {
    test_support::ScopedLocale restore("C");
    ASSERT_EQ(program::ApplyInterfaceLanguage({"de", "de_DE.UTF-8"}), "de_DE.UTF-8")
        << "the locale is missing; scripts/test.sh generates it";
    char number[16];
    std::snprintf(number, sizeof number, "%.1f", 12.3);
    EXPECT_STREQ(number, "12,3");
    EXPECT_EQ(resources::SelectedLanguageCode(), "de");
    // A locale the system lacks gives way to the interface language's default one, whose dates
    // keep their four-digit years.
    const struct {
        program::InterfaceLanguage language;
        const char* used;
        const char* date;  // 2024-06-21 as %x
    } fallbacks[] = {
        {program::InterfaceLanguageFromName("tr_TR.UTF-8"), "en_US.UTF-8", "06/21/2024"},
        {program::InterfaceLanguageFromName("xx:de"), "en_US.UTF-8", "06/21/2024"},
        {{"en", "xx_NOWHERE.UTF-8"}, "en_US.UTF-8", "06/21/2024"},
        {{"de", "de_XX.UTF-8"}, "de_DE.UTF-8", "21.06.2024"},
    };
    for (const auto& c : fallbacks) {
        EXPECT_EQ(program::ApplyInterfaceLanguage(c.language), c.used) << c.language.localeName;
        std::tm day{};
        day.tm_year = 124;
        day.tm_mon = 5;
        day.tm_mday = 21;
        char text[32];
        std::strftime(text, sizeof text, "%x", &day);
        EXPECT_STREQ(text, c.date) << c.language.localeName;
    }
    EXPECT_EQ(resources::SelectedLanguageCode(), "de");
    // Without either locale the previous one stays.
    EXPECT_EQ(program::ApplyInterfaceLanguage({"xx", "xx_NOWHERE.UTF-8"}), "");
    std::snprintf(number, sizeof number, "%.1f", 12.3);
    EXPECT_STREQ(number, "12,3");
}

}  // namespace
