// The version text and the program's folders.
#include <gtest/gtest.h>

#include "program/platform_paths.h"
#include "program/program_version.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace {

TEST(GetProgramVersion, TheProjectsVersionStampedAtBuildTime) {
    EXPECT_EQ(program::GetProgramVersion(), L"2.5.0.5012");
}

TEST(FormatProgramVersion, FourthNumberHasFourDigitsAndTheFallback) {
    EXPECT_EQ(program::FormatProgramVersion(program::FileVersion{2, 5, 0, 12}), L"2.5.0.0012");
    EXPECT_EQ(program::FormatProgramVersion(program::FileVersion{3, 0, 1, 7}), L"3.0.1.0007");
    EXPECT_EQ(program::FormatProgramVersion(program::FileVersion{10, 20, 30, 12345}), L"10.20.30.12345");
    EXPECT_EQ(program::FormatProgramVersion(std::nullopt), L"65535.65535.65535.65535");
}

TEST(TemporaryFolder, FromTmpdirWhenItIsAFolder) {
    test_support::TempFolder folder;
    test_support::ScopedEnvironment environment;
    environment.Set("TMPDIR", folder.Path().c_str());
    EXPECT_EQ(program::TemporaryFolder(), folder.Path().string() + "/");
    environment.Set("TMPDIR", (folder.Path().string() + "/").c_str());
    EXPECT_EQ(program::TemporaryFolder(), folder.Path().string() + "/");
    environment.Set("TMPDIR", (folder / "missing").c_str());
    EXPECT_EQ(program::TemporaryFolder(), "/tmp/");
    environment.Set("TMPDIR", folder.Write("a-file", "x").c_str());
    EXPECT_EQ(program::TemporaryFolder(), "/tmp/");
    environment.Set("TMPDIR", nullptr);
    EXPECT_EQ(program::TemporaryFolder(), "/tmp/");
}

TEST(ProgramFolder, TheFolderOfTheRunningProgram) {
    const std::string folder = program::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(folder, ALMANAXIUM_TEST_BINARY_FOLDER);
}

}  // namespace
