// The string tables of the five languages and their lookups.
#include <gtest/gtest.h>

#include "resources/string_table.h"
#include "resources/string_ids.h"

namespace {

using resources::StringTableOf;

TEST(StringTables, AllFiveHoldEveryIdWithText) {
    for (const char* language : {"en", "de", "es", "fr", "el"}) {
        const resources::StringTable& table = StringTableOf(language);
        // Every named id of both ranges, and nothing else.
        const std::pair<unsigned, unsigned> ranges[] = {
            {resources::kFirstStringId, resources::kLastStringId},
            {resources::kFirstAddedStringId, resources::kLastAddedStringId}};
        std::size_t named = 0;
        for (const auto& [first, last] : ranges) {
            named += last - first + 1;
            for (unsigned id = first; id <= last; ++id) {
                const auto found = table.find(id);
                ASSERT_NE(found, table.end()) << language << " " << id;
                EXPECT_FALSE(found->second.empty()) << language << " " << id;
            }
        }
        EXPECT_EQ(table.size(), named) << language;
    }
    EXPECT_TRUE(StringTableOf("pt").empty());
}

TEST(StringTables, TextsExactlyAsWritten) {
    EXPECT_EQ(StringTableOf("en").at(150), L"About Almanaxium ");
    EXPECT_EQ(StringTableOf("en").at(103), L"Update failed.\nError code: %1!d!");
    EXPECT_EQ(StringTableOf("en").at(101), L"&About Almanaxium...");
    EXPECT_EQ(StringTableOf("de").at(108), L"Erstes Viertel");
    EXPECT_EQ(StringTableOf("de").at(140), L"Land:");
    EXPECT_EQ(StringTableOf("de").at(129), L"D\u00e4mmerungsbeginn / D\u00e4mmerungsende:");
    EXPECT_EQ(StringTableOf("es").at(152), L"Im\u00e1genes:");
    EXPECT_EQ(StringTableOf("fr").at(103), L"La mise \u00e0 jour a \u00e9chou\u00e9.\nCode d\u2019erreur: %1!d!");
    EXPECT_EQ(StringTableOf("fr").at(104), L"Il n'ya pas de nouvelle version disponible.");
    EXPECT_EQ(StringTableOf("el").at(110), L"\u03a0\u03b1\u03bd\u03c3\u03ad\u03bb\u03b7\u03bd\u03bf\u03c2");
    EXPECT_EQ(StringTableOf("el").at(147).substr(0, 6), L"\u0388\u03bb\u03b5\u03c7\u03bf\u03c2");
}

TEST(StringTables, AddressesPerTable) {
    const std::pair<const char*, const wchar_t*> storeCountry[] = {
        {"en", L"/en/"}, {"de", L"/de/"}, {"es", L"/es/"}, {"fr", L"/fr/"}, {"el", L"/de/"}};
    for (const auto& [language, path] : storeCountry) {
        const std::wstring apple = StringTableOf(language).at(169);
        EXPECT_NE(apple.find(std::wstring(path) + L"app/almanaxium/"), std::wstring::npos) << language;
        EXPECT_EQ(apple.substr(apple.size() - 5), L"?mt=8") << language;
        EXPECT_EQ(StringTableOf(language).at(170), StringTableOf("en").at(170));
        EXPECT_NE(StringTableOf(language).at(170).find(L"/details?id="), std::wstring::npos);
        EXPECT_NE(StringTableOf(language).at(170).find(L"&feature=search_result"), std::wstring::npos);
        EXPECT_NE(StringTableOf(language).at(171).find(L"/windows/app/almanaxium/"), std::wstring::npos);
    }
    for (const char* german : {"de", "el"}) {
        EXPECT_NE(StringTableOf(german).at(105).find(L"/cur/de/products/Almanaxium/feedback.html"),
                  std::wstring::npos);
    }
    for (const char* english : {"en", "es", "fr"}) {
        EXPECT_NE(StringTableOf(english).at(105).find(L"/cur/en/products/Almanaxium/feedback.html"),
                  std::wstring::npos);
    }
    EXPECT_EQ(StringTableOf("es").at(164).substr(0, 19), L"Algunos iconos de  ");
}

TEST(LoadLocalizedString, SelectedTableWithTheEnglishFallback) {
    resources::SelectStringTable("de");
    EXPECT_EQ(resources::SelectedLanguageCode(), "de");
    EXPECT_EQ(resources::LoadLocalizedString(120), L"Heute");
    EXPECT_EQ(resources::LoadPlainString(120), L"Heute");
    EXPECT_EQ(resources::LoadLocalizedString(999), L"");
    resources::SelectStringTable("pt");
    EXPECT_EQ(resources::SelectedLanguageCode(), "en");
    EXPECT_EQ(resources::LoadLocalizedString(120), L"Today");

    const resources::StringTable english = {{1, L"One"}, {2, L"Two"}, {3, L"Three"}};
    const resources::StringTable partial = {{1, L"Eins"}, {2, L""}};
    EXPECT_EQ(resources::LocalizedStringFrom(partial, english, 1), L"Eins");
    EXPECT_EQ(resources::LocalizedStringFrom(partial, english, 2), L"Two");    // empty
    EXPECT_EQ(resources::LocalizedStringFrom(partial, english, 3), L"Three");  // missing
    EXPECT_EQ(resources::LocalizedStringFrom(partial, english, 4), L"");
}

TEST(ParseStringTable, EscapesCommentsAndDamagedLines) {
    const resources::StringTable table = resources::ParseStringTable(
        "# comment\n"
        "101 \"plain\"\r\n"
        "102 \"two\\nlines \\\"quoted\\\" back\\\\slash \"\n"
        "\n"
        "103 \"\xc3\xa4\"\n"
        "104 unquoted\n"
        "105 \"open\n"
        "106\"no blank\"\n"
        "x107 \"bad id\"\n"
        "108 \"bad \\q escape\"\n"
        "109 \"last line without line feed\"");
    EXPECT_EQ(table.at(101), L"plain");
    EXPECT_EQ(table.at(102), L"two\nlines \"quoted\" back\\slash ");
    EXPECT_EQ(table.at(103), L"\u00e4");
    EXPECT_EQ(table.at(109), L"last line without line feed");
    for (const unsigned bad : {104u, 105u, 106u, 107u, 108u}) {
        EXPECT_EQ(table.count(bad), 0u) << bad;
    }
}

}  // namespace
