// The version text and the program's folders.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

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

TEST(TemporaryFolder, TmpdirThenThePrivateRuntimeFolderThenTmp) {
    test_support::TempFolder folder;
    const std::string tmpdir = folder.Path().string();
    const std::string runtime = folder / "runtime";
    const std::string open = folder / "open";
    const std::string foreign = folder / "foreign";
    for (const std::string& made : {runtime, open, foreign}) std::filesystem::create_directory(made);
    ::chmod(runtime.c_str(), 0700);
    ::chmod(open.c_str(), 0755);
    ::chmod(foreign.c_str(), 0700);
    const bool canGiveAway = ::geteuid() == 0 && ::chown(foreign.c_str(), 12345, 12345) == 0;
    const std::string file = folder.Write("a-file", "x");
    struct Case {
        const char* name;
        std::optional<std::string> tmpdir;  // nothing: unset
        std::optional<std::string> runtime;
        std::string expected;
    };
    const Case cases[] = {
        {"TMPDIR", tmpdir, runtime, tmpdir + "/"},
        {"TMPDIR ending in /", tmpdir + "/", std::nullopt, tmpdir + "/"},
        {"TMPDIR missing: the runtime folder", folder / "missing", runtime, runtime + "/"},
        {"TMPDIR a file: the runtime folder", file, runtime + "/", runtime + "/"},
        {"no TMPDIR: the runtime folder", std::nullopt, runtime, runtime + "/"},
        {"a runtime folder others may enter", std::nullopt, open, "/tmp/"},
        {"a relative runtime folder", std::nullopt, "runtime", "/tmp/"},
        {"a runtime folder that is missing", std::nullopt, folder / "gone", "/tmp/"},
        {"neither", std::nullopt, std::nullopt, "/tmp/"},
        {"an empty TMPDIR", "", std::nullopt, "/tmp/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test_support::ScopedEnvironment environment;
        environment.Set("TMPDIR", c.tmpdir ? c.tmpdir->c_str() : nullptr);
        environment.Set("XDG_RUNTIME_DIR", c.runtime ? c.runtime->c_str() : nullptr);
        EXPECT_EQ(program::TemporaryFolder(), c.expected);
    }
    // Another user's runtime folder is not this user's.
    if (canGiveAway) {
        test_support::ScopedEnvironment environment;
        environment.Set("TMPDIR", nullptr);
        environment.Set("XDG_RUNTIME_DIR", foreign.c_str());
        EXPECT_EQ(program::TemporaryFolder(), "/tmp/");
    }
}

TEST(ProgramFolder, TheFolderOfTheRunningProgram) {
    const std::string folder = program::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(folder, ALMANAXIUM_TEST_BINARY_FOLDER);
}

}  // namespace
