// The log: levels, line format, the size limit and the single backup.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <regex>

#include "program/log_stream.h"
#include "program/program_log.h"
#include "settings/app_settings.h"
#include "common/utf8_text.h"
#include "support/file_contents.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace {

using test_support::ReadWholeFile;
namespace fs = std::filesystem;

// A run as start-up and shut-down write it: the separator, the start line, the end line.
void WriteRun(CLogStream& log) {
    log.SetLineLevel(3);
    log << std::wstring(77, L'-').c_str() << std::endl;
    log << LogTimestamp << L"Almanaxium was started" << std::endl;
    log << LogTimestamp << L"Almanaxium was ended" << std::endl;
}

class LogStreamTest : public testing::Test {
protected:
    std::wstring Path() const { return common::Utf8ToWide(folder_ / "Almanaxium.log"); }
    std::string NarrowPath() const { return folder_ / "Almanaxium.log"; }
    test_support::TempFolder folder_;
};

TEST_F(LogStreamTest, LevelsBelowThreeWriteNothingButCreateTheFile) {
    for (const std::uint16_t level : {0, 1, 2}) {
        CLogStream log;
        log.Open(Path(), level, 1048576);
        WriteRun(log);
        log.Close();
        EXPECT_TRUE(fs::exists(NarrowPath())) << level;
        EXPECT_EQ(fs::file_size(NarrowPath()), 0u) << level;
        // In a shared temporary folder a log is the user's to read alone.
        EXPECT_EQ(fs::status(NarrowPath()).permissions(), fs::perms::owner_read | fs::perms::owner_write) << level;
    }
}

TEST_F(LogStreamTest, LevelThreeWritesTheStampedLines) {
    test_support::ScopedEnvironment environment;
    environment.Set("LC_ALL", nullptr);
    environment.Set("LC_TIME", "de_DE.UTF-8");
    CLogStream log;
    log.Open(Path(), 3, 1048576);
    WriteRun(log);
    // Each end of line is on disk at once, before the stream closes.
    const std::string contents = ReadWholeFile(NarrowPath());
    const std::regex expected(
        "-{77}\n"
        "\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d \\d{3} : Almanaxium was started\n"
        "\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d \\d{3} : Almanaxium was ended\n");
    EXPECT_TRUE(std::regex_match(contents, expected)) << contents;
    // The next run appends.
    log.Open(Path(), 3, 1048576);
    WriteRun(log);
    log.Close();
    EXPECT_EQ(ReadWholeFile(NarrowPath()).size(), 2 * contents.size());
}

TEST_F(LogStreamTest, LevelsAreComparedOnTheirLowSixteenBits) {
    CLogStream log;
    log.Open(Path(), static_cast<std::uint16_t>(65539), 1048576);  // the setting 65539 acts as 3
    WriteRun(log);
    log.SetLineLevel(4);
    log << L"too detailed" << std::endl;
    log.Close();
    const std::string contents = ReadWholeFile(NarrowPath());
    EXPECT_NE(contents.find("was started"), std::string::npos);
    EXPECT_EQ(contents.find("too detailed"), std::string::npos);
}

TEST_F(LogStreamTest, RotatesOnlyAFileAboveTheLimit) {
    folder_.Write("Almanaxium.log", std::string(100, 'a'));
    folder_.Write("Almanaxium.log_1", "old backup");
    CLogStream log;
    log.Open(Path(), 3, 100);  // exactly the limit: stays
    log.Close();
    EXPECT_EQ(fs::file_size(NarrowPath()), 100u);
    EXPECT_EQ(ReadWholeFile(NarrowPath() + "_1"), "old backup");

    folder_.Write("Almanaxium.log", std::string(101, 'b'));  // one byte more: rotated
    log.Open(Path(), 3, 100);
    log.SetLineLevel(3);
    log << L"fresh" << std::endl;
    log.Close();
    EXPECT_EQ(ReadWholeFile(NarrowPath() + "_1"), std::string(101, 'b'));
    EXPECT_EQ(ReadWholeFile(NarrowPath()), "fresh\n");

    // A limit of 0 rotates any non-empty file; a negative one (2 GiB and more) never does.
    log.Open(Path(), 3, 0);
    log.Close();
    EXPECT_EQ(ReadWholeFile(NarrowPath() + "_1"), "fresh\n");
    EXPECT_EQ(fs::file_size(NarrowPath()), 0u);
    folder_.Write("Almanaxium.log", std::string(5000, 'c'));
    log.Open(Path(), 3, static_cast<std::int32_t>(0x80000000u));
    log.Close();
    EXPECT_EQ(fs::file_size(NarrowPath()), 5000u);
}

TEST_F(LogStreamTest, FileThatCannotBeOpenedFailsQuietly) {
    CLogStream log;
    log.Open(common::Utf8ToWide(folder_ / "no/such/folder/Almanaxium.log"), 3, 100);
    WriteRun(log);  // nothing to see, nothing thrown
    log.Close();
    EXPECT_FALSE(fs::exists(folder_ / "no"));
}

// Planted in the temporary folder, a link or another user's file at the log's name would lead the
// log into a file that is not its own: such a file is neither rotated nor written, nor made.
TEST_F(LogStreamTest, ALinkOrAnotherUsersFileAtTheLogsNameIsLeftAlone) {
    const std::string target = folder_ / "target";
    struct Case {
        const char* name;
        bool needsRoot;  // giving a file away takes root
        std::function<void()> plant;
        fs::file_type type;  // of the log's path afterwards
        bool targetExists;
    };
    const Case cases[] = {
        {"a link to another file", false, [&] {
             folder_.Write("target", "keep");
             fs::create_symlink(target, NarrowPath());
         }, fs::file_type::symlink, true},
        {"a link to no file", false, [&] { fs::create_symlink(target, NarrowPath()); }, fs::file_type::symlink, false},
        {"a file of another user", true, [&] {
             folder_.Write("Almanaxium.log", "keep");
             ASSERT_EQ(::chown(NarrowPath().c_str(), 12345, 12345), 0);
         }, fs::file_type::regular, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && ::geteuid() != 0) continue;
        fs::remove(NarrowPath());
        fs::remove(target);
        c.plant();
        CLogStream log;
        log.Open(Path(), 3, 2);  // the file planted is above the limit: rotating it would move it
        WriteRun(log);
        log.Close();
        EXPECT_EQ(fs::symlink_status(NarrowPath()).type(), c.type);
        EXPECT_FALSE(fs::exists(fs::symlink_status(NarrowPath() + "_1")));
        EXPECT_EQ(fs::exists(target), c.targetExists);
        const std::string kept = c.targetExists ? target : NarrowPath();
        if (fs::exists(kept)) {
            EXPECT_EQ(ReadWholeFile(kept), "keep");
        }
    }
}

// The timestamp's date and time take a fixed text when strftime gives none: an empty result and
// one that does not fit leave its buffer undefined.
TEST(FormatLogTime, ATextThatIsEmptyOrDoesNotFitGivesTheFallback) {
    tm time {};
    time.tm_year = 126;
    time.tm_mon = 11;
    time.tm_mday = 9;
    const std::string fits(63, 'x');
    const std::string tooLong(64, 'x');
    const struct {
        const char* format;
        std::string expected;
    } cases[] = {
        {"%Y-%m-%d", "2026-12-09"},
        {"", kLogTimeFallback},
        {tooLong.c_str(), kLogTimeFallback},
        {fits.c_str(), fits},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatLogTime(c.format, time, static_cast<locale_t>(nullptr)), c.expected) << c.format;
    }
}

TEST_F(LogStreamTest, WideTextInTheLocalesCharacterSet) {
    test_support::ScopedLocale utf8("C.UTF-8");
    CLogStream log;
    log.Open(Path(), 3, 1048576);
    log.SetLineLevel(3);
    log << L"Z\u00fcrich \u0391\u03b8\u03ae\u03bd\u03b1" << std::endl;
    {
        test_support::ScopedLocale ascii("C");
        log << L"Z\u00fcrich" << std::endl;  // a character the set lacks becomes "?"
    }
    log.Close();
    EXPECT_EQ(ReadWholeFile(NarrowPath()), "Z\xc3\xbcrich \xce\x91\xce\xb8\xce\xae\xce\xbd\xce\xb1\nZ?rich\n");
}

// A run of the program: the log of the settings' name and level in the temporary folder, with the
// start line and the end line; below level 3 the file is made but nothing is written.
TEST_F(LogStreamTest, ARunWritesItsStartAndEndAtTheLevelOfTheSettings) {
    test_support::ScopedEnvironment environment;
    environment.Set("TMPDIR", folder_.Path().c_str());
    const settings::SettingsFiles previous = settings::CurrentSettingsFiles();
    settings::UseSettingsFiles({folder_ / "user.reg", folder_ / "machine.reg"});
    for (const std::int32_t level : {0, 3}) {
        ASSERT_TRUE(settings::WriteSettingDword(settings::kSettingLogLevel, level));
        ASSERT_TRUE(settings::WriteSettingString(settings::kSettingLogFileName, L"Run" + std::to_wstring(level) + L".log"));
        program::OpenProgramLog(L"Almanaxium");
        program::CloseProgramLog();
    }
    settings::UseSettingsFiles(previous);
    EXPECT_EQ(ReadWholeFile(folder_ / "Run0.log"), "");
    const std::regex expected(
        "-{77}\n"
        "\\S+ [\\d:]{8} \\d{3} : Almanaxium was started\n"
        "\\S+ [\\d:]{8} \\d{3} : ExitInstance\n");
    const std::string contents = ReadWholeFile(folder_ / "Run3.log");
    EXPECT_TRUE(std::regex_match(contents, expected)) << contents;
}

}  // namespace
