// UTF-8 to wide text and back, and the order of the sorted lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "common/text_compare.h"
#include "common/type_ahead.h"
#include "common/utf8_text.h"

namespace {

using common::Utf8ToWide;
using common::WideToUtf8;

TEST(Utf8ToWide, ValidTextAndEveryKindOfDamage) {
    EXPECT_EQ(Utf8ToWide("Z\xc3\xbcrich \xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1 \xf0\x9f\x8c\x95"),
              L"Z\u00fcrich \u0391\u03b8\u03ae\u03bd\u03b1 \U0001F315");
    // One replacement per bad byte; the text after the damage survives.
    EXPECT_EQ(Utf8ToWide("a\xff" "b"), L"a\ufffdb");
    EXPECT_EQ(Utf8ToWide("a\xc3"), L"a\ufffd");             // cut short at the end
    EXPECT_EQ(Utf8ToWide("\xc3" "a"), L"\ufffda");           // missing continuation
    EXPECT_EQ(Utf8ToWide("\xc0\xaf"), L"\ufffd\ufffd");      // overlong "/"
    EXPECT_EQ(Utf8ToWide("\xed\xa0\x80"), L"\ufffd\ufffd\ufffd");  // a surrogate
    EXPECT_EQ(Utf8ToWide("\xf4\x90\x80\x80"), L"\ufffd\ufffd\ufffd\ufffd");  // beyond U+10FFFF
    EXPECT_EQ(Utf8ToWide(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

// The edges of each range of the second byte, where one byte more or less turns the verdict.
TEST(FirstInvalidUtf8, TheEdgesOfWellFormedSequences) {
    const struct {
        std::string text;
        std::optional<std::size_t> bad;
    } cases[] = {
        {"\x7f\xc2\x80\xdf\xbf", std::nullopt},
        {"\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80\xef\xbf\xbf", std::nullopt},  // U+0800, U+D7FF, U+E000, U+FFFF
        {"\xf0\x90\x80\x80\xf4\x8f\xbf\xbf", std::nullopt},                  // U+10000, U+10FFFF
        {"ab\xc1\xbf", 2},          // overlong
        {"a\xe0\x9f\xbf", 1},        // overlong
        {"a\xed\xa0\x80", 1},        // a surrogate
        {"\xf0\x8f\xbf\xbf", 0},      // overlong
        {"\xf4\x90\x80\x80", 0},      // past U+10FFFF
        {"\xf5\x80\x80\x80", 0},
        {"ok\xe2\x82", 2},           // cut short
        {"\xc3\xa4\x80", 2},         // a lone continuation byte
        {"\xe2\x28\xa1", 0},         // a continuation byte missing
    };
    for (const auto& c : cases) EXPECT_EQ(common::FirstInvalidUtf8(c.text), c.bad) << c.text;
}

TEST(WideToUtf8, RoundTripAndUnencodableCharacters) {
    const std::wstring text = L"Reykjav\u00edk \u039a\u03c1\u03ae\u03c4\u03b7 \u6771\u4eac \U0001F311";
    EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
    EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xef\xbf\xbd");
    EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))), "\xef\xbf\xbd");
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return common::CompareWithoutCase(a, b) < 0;
    });
    return names;
}

TEST(CompareWithoutCase, AccentsBesideTheirBaseLettersAndCaseIgnored) {
    EXPECT_EQ(Sorted({L"Normandie", L"\u00cele-de-France", L"Hauts-de-France", L"Bretagne"}),
              (std::vector<std::wstring>{L"Bretagne", L"Hauts-de-France", L"\u00cele-de-France",
                                         L"Normandie"}));
    EXPECT_EQ(Sorted({L"zebra", L"Apple", L"banana", L"\u00c4rzen"}),
              (std::vector<std::wstring>{L"Apple", L"\u00c4rzen", L"banana", L"zebra"}));
    // Greek with and without its accents and final sigma.
    EXPECT_EQ(Sorted({L"\u0392\u03cc\u03bb\u03bf\u03c2", L"\u0386\u03c1\u03c4\u03b1",
                      L"\u0391\u03b8\u03ae\u03bd\u03b1"}),
              (std::vector<std::wstring>{L"\u0391\u03b8\u03ae\u03bd\u03b1",
                                         L"\u0386\u03c1\u03c4\u03b1",
                                         L"\u0392\u03cc\u03bb\u03bf\u03c2"}));
    // Zone names: + before -, offsets in order of their digits.
    EXPECT_LT(common::CompareWithoutCase(L"(UTC+01:00) Europe/Berlin", L"(UTC-01:00) Atlantic/Azores"), 0);
    EXPECT_LT(common::CompareWithoutCase(L"(UTC+01:00) Europe/Berlin", L"(UTC+02:00) Africa/Cairo"), 0);
    // Only equal texts are equal; otherwise the order is strict and total.
    EXPECT_EQ(common::CompareWithoutCase(L"Paris", L"Paris"), 0);
    EXPECT_NE(common::CompareWithoutCase(L"Paris", L"paris"), 0);
    EXPECT_EQ(common::CompareWithoutCase(L"Paris", L"paris"), -common::CompareWithoutCase(L"paris", L"Paris"));
    EXPECT_NE(common::CompareWithoutCase(L"Cote", L"C\u00f4te"), 0);
    EXPECT_LT(common::CompareWithoutCase(L"Cote", L"C\u00f4ted"), 0);
    EXPECT_LT(common::CompareWithoutCase(L"abc", L"ABCD"), 0);
    EXPECT_EQ(common::FoldCase(L'\u00c9'), L'\u00e9');
    EXPECT_EQ(common::FoldCase(L'\u0394'), L'\u03b4');
    EXPECT_EQ(common::FoldCase(L'7'), L'7');
}

}  // namespace

namespace {

// Letters typed into a list, each after a pause in milliseconds from the one before.
TEST(TypeAhead, SelectsByTypedPrefix) {
    const std::vector<std::wstring> cities = {L"Aachen", L"Berlin", L"Bern", L"Bonn",
                                              L"\u00cele-de-France", L"Innsbruck"};
    struct Keys {
        const wchar_t* letters;
        int pauseMs;
        int current;
        int expected;  // the position the last letter selects
    };
    const Keys cases[] = {
        {L"b", 0, -1, 1},       // the first item with the letter
        {L"ber", 100, -1, 1},   // a prefix typed quickly
        {L"bern", 100, -1, 2},   // the prefix moves on when the selected item no longer fits
        {L"b", 0, 1, 2},        // a letter again moves past the selected item
        {L"bbb", 100, -1, 3},   // the same letter cycles through its items
        {L"b", 0, 3, 1},        // wrapping round past the end
        {L"be", 2000, -1, -1},  // after a pause a letter starts a new prefix
        {L"il", 100, -1, 4},    // without regard to case and accents
        {L"x", 0, 2, -1},       // nothing begins with it
    };
    for (const Keys& keys : cases) {
        common::TypeAhead typeAhead;
        auto now = common::TypeAhead::Clock::now();
        int selected = keys.current;
        for (const wchar_t* letter = keys.letters; *letter != 0; ++letter) {
            now += std::chrono::milliseconds(keys.pauseMs);
            const int found = typeAhead.Type(*letter, now, static_cast<int>(cities.size()),
                                             [&](int i) { return std::wstring_view(cities[i]); }, selected);
            if (found >= 0) selected = found;
            if (letter[1] == 0) {
                EXPECT_EQ(found, keys.expected) << keys.letters;
            }
        }
    }
}

}  // namespace
