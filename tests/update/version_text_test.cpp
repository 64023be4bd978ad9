// The version service's answer (elements and version numbers) and the installer's name.
#include <gtest/gtest.h>

#include "update/installer_name.h"
#include "update/version_text.h"

namespace {

using update::ExtractElement;
using update::ParseVersion;
using update::VersionNumbers;

TEST(ExtractElement, FirstExactElement) {
    EXPECT_EQ(ExtractElement(L"<a><version>2.6</version></a>", L"version"), L"2.6");
    EXPECT_EQ(ExtractElement(L"<url>x</url><version>1</version>", L"url"), L"x");
    EXPECT_EQ(ExtractElement(L"<version>1</version><version>2</version>", L"version"), L"1");
    EXPECT_EQ(ExtractElement(L"<version> 2.6 &amp;</version>", L"version"), L" 2.6 &amp;");
    EXPECT_EQ(ExtractElement(L"<version></version>", L"version"), L"");
    EXPECT_EQ(ExtractElement(L"<Version>1</Version>", L"version"), std::nullopt);
    EXPECT_EQ(ExtractElement(L"<version id=\"1\">1</version>", L"version"), std::nullopt);
    EXPECT_EQ(ExtractElement(L"<version >1</version>", L"version"), std::nullopt);
    EXPECT_EQ(ExtractElement(L"<version>1", L"version"), std::nullopt);
    EXPECT_EQ(ExtractElement(L"</version><version>", L"version"), std::nullopt);
    EXPECT_EQ(ExtractElement(L"", L"url"), std::nullopt);
}

TEST(ParseVersion, FourNumbersFromWhereTheLastDotLeftOff) {
    EXPECT_EQ(ParseVersion(L"2.5.0.5012"), (VersionNumbers{2, 5, 0, 5012}));
    EXPECT_EQ(ParseVersion(L"3"), (VersionNumbers{3, 3, 3, 3}));
    EXPECT_EQ(ParseVersion(L"2.6"), (VersionNumbers{2, 6, 6, 6}));
    EXPECT_EQ(ParseVersion(L"2.6.1"), (VersionNumbers{2, 6, 1, 1}));
    EXPECT_EQ(ParseVersion(L" 2.6.0.1"), (VersionNumbers{2, 6, 0, 1}));
    EXPECT_EQ(ParseVersion(L"beta"), (VersionNumbers{0, 0, 0, 0}));
    EXPECT_EQ(ParseVersion(L""), (VersionNumbers{0, 0, 0, 0}));
    EXPECT_EQ(ParseVersion(L"-1.+2.3x.4"), (VersionNumbers{-1, 2, 3, 4}));
    EXPECT_EQ(ParseVersion(L"99999999999.1"), (VersionNumbers{2147483647, 1, 1, 1}));
}

TEST(IsNewerVersion, FirstDifferenceDecides) {
    const VersionNumbers installed{2, 5, 0, 5012};
    EXPECT_TRUE(update::IsNewerVersion({2, 5, 1, 0}, installed));
    EXPECT_TRUE(update::IsNewerVersion({3, 3, 3, 3}, installed));
    EXPECT_FALSE(update::IsNewerVersion({2, 5, 0, 5012}, installed));
    EXPECT_FALSE(update::IsNewerVersion({2, 4, 9, 9999}, installed));
    EXPECT_FALSE(update::IsNewerVersion({-3, 9, 9, 9}, installed));
}

// The installer keeps the name of its download when that is a plain file name.
TEST(InstallerFileName, TheLastPathSegmentWhenPlain) {
    const struct {
        const char* address;
        const char* name;
    } cases[] = {
        {"https://example.org/get/almanaxium_2.6.0.0_amd64.deb", "almanaxium_2.6.0.0_amd64.deb"},
        {"https://example.org/almanaxium+x-1.deb?mirror=2#top", "almanaxium+x-1.deb"},
        {"https://example.org/installer", "installer"},
        {"https://example.org/get/", "Almanaxium_Update.exe"},
        {"https://example.org", "Almanaxium_Update.exe"},
        {"https://example.org?file=/a.deb", "Almanaxium_Update.exe"},
        {"https://example.org/a%20b.deb", "Almanaxium_Update.exe"},
        {"https://example.org/get/..", "Almanaxium_Update.exe"},
        {"https://example.org/.profile", "Almanaxium_Update.exe"},
        {"https://example.org/caf\xc3\xa9.deb", "Almanaxium_Update.exe"},
        {"https://example.org/a\\b.deb", "Almanaxium_Update.exe"},
    };
    for (const auto& c : cases) EXPECT_EQ(update::InstallerFileName(c.address), c.name) << c.address;
    EXPECT_EQ(update::InstallerFileName("https://e.org/" + std::string(255, 'a')), std::string(255, 'a'));
    EXPECT_EQ(update::InstallerFileName("https://e.org/" + std::string(256, 'a')), "Almanaxium_Update.exe");
}

}  // namespace
