// The version text and the program's folders.
#include <gtest/gtest.h>

#include "app/platform_paths.h"
#include "app/program_version.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace {

TEST(GetProgramVersion, TheProjectsVersionStampedAtBuildTime) {
    EXPECT_EQ(app::GetProgramVersion(), L"2.5.0.5012");
}

TEST(FormatProgramVersion, FourthNumberHasFourDigitsAndTheFallback) {
    EXPECT_EQ(app::FormatProgramVersion(app::FileVersion{2, 5, 0, 12}), L"2.5.0.0012");
    EXPECT_EQ(app::FormatProgramVersion(app::FileVersion{3, 0, 1, 7}), L"3.0.1.0007");
    EXPECT_EQ(app::FormatProgramVersion(app::FileVersion{10, 20, 30, 12345}), L"10.20.30.12345");
    EXPECT_EQ(app::FormatProgramVersion(std::nullopt), L"65535.65535.65535.65535");
}

TEST(TemporaryFolder, FromTmpdirWhenItIsAFolder) {
    test_support::TempFolder folder;
    test_support::ScopedEnvironment environment;
    environment.Set("TMPDIR", folder.Path().c_str());
    EXPECT_EQ(app::TemporaryFolder(), folder.Path().string() + "/");
    environment.Set("TMPDIR", (folder.Path().string() + "/").c_str());
    EXPECT_EQ(app::TemporaryFolder(), folder.Path().string() + "/");
    environment.Set("TMPDIR", (folder / "missing").c_str());
    EXPECT_EQ(app::TemporaryFolder(), "/tmp/");
    environment.Set("TMPDIR", folder.Write("a-file", "x").c_str());
    EXPECT_EQ(app::TemporaryFolder(), "/tmp/");
    environment.Set("TMPDIR", nullptr);
    EXPECT_EQ(app::TemporaryFolder(), "/tmp/");
}

TEST(ProgramFolder, TheFolderOfTheRunningProgram) {
    const std::string folder = app::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(folder, ALMANAXIUM_TEST_BINARY_FOLDER);
}

}  // namespace
