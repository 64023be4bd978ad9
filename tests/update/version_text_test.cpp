// The version service's answer: elements and version numbers.
#include <gtest/gtest.h>

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

}  // namespace
