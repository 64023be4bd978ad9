// The settings store over real files: user file, machine file, defaults; kinds, limits, writes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <map>
#include <functional>

#include "settings/app_settings.h"
#include "settings/window_session.h"
#include "settings/registry_file.h"
#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace {

using test_support::ReadWholeFile;
namespace fs = std::filesystem;
using namespace settings;

// A file made unreadable by its mode (0000). Root reads any file whatever its mode; for the life of
// this object the thread gives up the two capabilities that let it (its permitted set keeps them,
// so they come back), and obeys modes as any user does. So the case runs as root too, on a real
// mode on disk, with nothing pretended.
class UnreadableFile {
public:
    explicit UnreadableFile(const std::string& path) : path_(path) {
        ::chmod(path_.c_str(), 0);
        if (::geteuid() != 0) return;
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~UnreadableFile() {
        if (lowered_) ::syscall(SYS_capset, &header_, saved_);
        ::chmod(path_.c_str(), 0600);
    }
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;
    // Whether the file truly cannot be read now (access() would ask with the permitted set).
    bool Active() const {
        const int descriptor = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor >= 0) ::close(descriptor);
        return descriptor < 0;
    }

private:
    std::string path_;
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
    bool lowered_ = false;
};

class SettingsTest : public testing::Test {
protected:
    void SetUp() override {
        files_.user = folder_ / "config/Qelt/Almanaxium2.reg";
        files_.machine = folder_ / "etc/Qelt/Almanaxium2.reg";
        UseSettingsFiles(files_);
    }
    void TearDown() override { UseSettingsFiles(SettingsFiles::FromEnvironment()); }

    void WriteUser(const std::string& contents) { folder_.Write("config/Qelt/Almanaxium2.reg", contents); }
    void WriteMachine(const std::string& contents) { folder_.Write("etc/Qelt/Almanaxium2.reg", contents); }

    test_support::TempFolder folder_;
    SettingsFiles files_;
};

TEST(GetSettingKey, PathsAndNamesOfTheTable) {
    EXPECT_EQ(GetSettingKey(kSettingContinent)->path, "Software\\Qelt\\Almanaxium2");
    EXPECT_EQ(GetSettingKey(kSettingContinent)->valueName, "Continent");
    EXPECT_EQ(GetSettingKey(kSettingLogLevel)->path, "Software\\Qelt\\Almanaxium2\\Logging");
    EXPECT_EQ(GetSettingKey(kSettingMaxLogFileSize)->valueName, "MaxLogFileSize");
    EXPECT_EQ(GetSettingKey(kSettingWindowPosBottom)->path, "Software\\Qelt\\Almanaxium2\\GUI");
    EXPECT_EQ(GetSettingKey(kSettingGuiLanguage)->valueName, "GUILanguage");
    EXPECT_EQ(GetSettingKey(kSettingListLoadedDlls)->valueName, "ListLoadedDLLs");
    EXPECT_FALSE(GetSettingKey(100).has_value());
    EXPECT_FALSE(GetSettingKey(0).has_value());
    EXPECT_EQ(GetSettingKey(kSettingMonthTablePosBottom)->valueName, "MonthTablePosBottom");
    EXPECT_EQ(GetSettingKey(kSettingMonthTablePosLeft)->path, "Software\\Qelt\\Almanaxium2\\GUI");
    EXPECT_FALSE(GetSettingKey(310).has_value());
}

TEST_F(SettingsTest, DefaultsWithoutAnyFile) {
    EXPECT_EQ(ReadSettingDword(kSettingContinent), 0);
    EXPECT_EQ(ReadSettingDword(kSettingCountry), 0);
    EXPECT_EQ(ReadSettingDword(kSettingCity), 0);
    EXPECT_EQ(ReadSettingDword(kSettingState), 0);
    EXPECT_EQ(ReadSettingDword(kSettingTimeZone), -1);
    EXPECT_EQ(ReadSettingString(kSettingLatitude), L"52");
    EXPECT_EQ(ReadSettingString(kSettingLongitude), L"13");
    EXPECT_EQ(ReadSettingString(kSettingLogFileName), L"Almanaxium.log");
    EXPECT_EQ(ReadSettingDword(kSettingLogLevel), 1);
    EXPECT_EQ(ReadSettingDword(kSettingMaxLogFileSize), 1048576);
    EXPECT_EQ(ReadSettingDword(kSettingListLoadedDlls), 1);
    for (const int id : {kSettingWindowPosLeft, kSettingWindowPosTop, kSettingWindowPosRight,
                         kSettingWindowPosBottom}) {
        EXPECT_EQ(ReadSettingDword(id), 0) << id;
    }
    EXPECT_EQ(ReadSettingString(kSettingGuiLanguage), L"");
    EXPECT_EQ(ReadSettingDword(999), 0);
    EXPECT_EQ(ReadSettingString(999), L"");
    EXPECT_FALSE(fs::exists(files_.user)) << "reading never creates the file";
}

TEST_F(SettingsTest, UserThenMachineThenDefault) {
    WriteMachine("[Software\\Qelt\\Almanaxium2]\n\"Country\"=dword:00000007\n\"City\"=dword:00000003\n"
                 "\"Latitude\"=\"48.1\"\n");
    WriteUser("[software\\qelt\\ALMANAXIUM2]\n\"city\"=dword:0000000b\n");
    EXPECT_EQ(ReadSettingDword(kSettingCity), 11);      // the user's, names compared without case
    EXPECT_EQ(ReadSettingDword(kSettingCountry), 7);    // the machine's, absent for the user
    EXPECT_EQ(ReadSettingString(kSettingLatitude), L"48.1");
    EXPECT_EQ(ReadSettingDword(kSettingState), 0);      // the default
}

TEST_F(SettingsTest, ValueOfTheWrongKindDoesNotCount) {
    WriteMachine("[Software\\Qelt\\Almanaxium2]\n\"TimeZone\"=dword:0000002a\n");
    WriteUser("[Software\\Qelt\\Almanaxium2]\n\"TimeZone\"=\"17\"\n\"Latitude\"=dword:00000005\n"
              "\"Country\"=hex:01,00,00,00\n\"State\"=dword:zz\n");
    EXPECT_EQ(ReadSettingDword(kSettingTimeZone), 42);
    EXPECT_EQ(ReadSettingString(kSettingLatitude), L"52");
    EXPECT_EQ(ReadSettingDword(kSettingCountry), 0);
    EXPECT_EQ(ReadSettingDword(kSettingState), 0);
    // All 32 bits count, read as a signed number.
    WriteUser("[Software\\Qelt\\Almanaxium2]\n\"TimeZone\"=dword:ffffffff\n");
    EXPECT_EQ(ReadSettingDword(kSettingTimeZone), -1);
}

TEST_F(SettingsTest, StringsOf129CharactersAreReadOf130Ignored) {
    const std::string text129(129, '7');
    const std::string text130(130, '8');
    WriteMachine("[Software\\Qelt\\Almanaxium2]\n\"Longitude\"=\"13.5\"\n");
    WriteUser("[Software\\Qelt\\Almanaxium2]\n\"Latitude\"=\"" + text129 + "\"\n\"Longitude\"=\"" +
              text130 + "\"\n");
    EXPECT_EQ(ReadSettingString(kSettingLatitude), std::wstring(129, L'7'));
    EXPECT_EQ(ReadSettingString(kSettingLongitude), L"13.5");  // the long one does not count
    // The limit counts UTF-16 units: 64 characters outside the BMP and one more make 129.
    std::string wide;
    for (int i = 0; i < 64; ++i) wide += "\xf0\x9f\x8c\x95";
    WriteUser("[Software\\Qelt\\Almanaxium2]\n\"Latitude\"=\"" + wide + "x\"\n\"Longitude\"=\"" + wide +
              "xy\"\n");
    EXPECT_EQ(ReadSettingString(kSettingLatitude).size(), 65u);
    EXPECT_EQ(ReadSettingString(kSettingLongitude), L"13.5");
}

TEST_F(SettingsTest, WriteCreatesTheFolderAndReadsBack) {
    EXPECT_TRUE(WriteSettingDword(kSettingTimeZone, 123));
    EXPECT_TRUE(WriteSettingString(kSettingLatitude, L"-33,9 \"quoted\" back\\slash \u00e9"));
    EXPECT_TRUE(WriteSettingDword(kSettingWindowPosLeft, -20));
    EXPECT_EQ(ReadSettingDword(kSettingTimeZone), 123);
    EXPECT_EQ(ReadSettingString(kSettingLatitude), L"-33,9 \"quoted\" back\\slash \u00e9");
    EXPECT_EQ(ReadSettingDword(kSettingWindowPosLeft), -20);
    const std::string contents = ReadWholeFile(files_.user);
    EXPECT_EQ(contents.find("[Software\\Qelt\\Almanaxium2]\n"), 0u) << contents;
    EXPECT_NE(contents.find("\n\"TimeZone\"=dword:0000007b\n"), std::string::npos) << contents;
    EXPECT_NE(contents.find("\"WindowPosLeft\"=dword:ffffffec"), std::string::npos) << contents;
    EXPECT_FALSE(fs::exists(files_.machine)) << "the machine file is never written";
}

TEST_F(SettingsTest, WriteKeepsEveryOtherLineOfTheFile) {
    const std::string original =
        "Windows Registry Editor Version 5.00\n"
        "\n"
        "; kept comment\n"
        "[Software\\Qelt\\Almanaxium2]\n"
        "\"Continent\"=dword:00000002\n"
        "\"Unknown\"=hex(2):41,00,42,00,\\\n"
        "  43,00,00,00\n"
        "\"TimeZone\"=dword:00000005\n"
        "\n"
        "[Software\\Other\\Program]\n"
        "\"Setting\"=\"value\"\n";
    WriteUser(original);
    ASSERT_TRUE(WriteSettingDword(kSettingTimeZone, 9));
    ASSERT_TRUE(WriteSettingDword(kSettingWindowPosTop, 77));
    ASSERT_TRUE(WriteSettingString(kSettingLongitude, L"13.4"));
    const std::string expected =
        "Windows Registry Editor Version 5.00\n"
        "\n"
        "; kept comment\n"
        "[Software\\Qelt\\Almanaxium2]\n"
        "\"Longitude\"=\"13.4\"\n"
        "\"Continent\"=dword:00000002\n"
        "\"Unknown\"=hex(2):41,00,42,00,\\\n"
        "  43,00,00,00\n"
        "\"TimeZone\"=dword:00000009\n"
        "\n"
        "[Software\\Other\\Program]\n"
        "\"Setting\"=\"value\"\n"
        "\n"
        "[Software\\Qelt\\Almanaxium2\\GUI]\n"
        "\"WindowPosTop\"=dword:0000004d\n";
    EXPECT_EQ(ReadWholeFile(files_.user), expected);
    EXPECT_EQ(ReadSettingDword(kSettingContinent), 2);
}

TEST_F(SettingsTest, DamagedEmptyAndHugeFilesReadAsAbsent) {
    WriteMachine("[Software\\Qelt\\Almanaxium2]\n\"City\"=dword:00000004\n");
    for (const std::string& damaged :
         {std::string("\xff\xfe[\x00S\x00", 6), std::string("garbage\0garbage", 15), std::string(""),
          std::string("[Software\\Qelt\\Almanaxium2\n\"City\"=dword:"), std::string("\xc3\x28 bad utf-8")}) {
        WriteUser(damaged);
        EXPECT_EQ(ReadSettingDword(kSettingCity), 4);
        EXPECT_EQ(ReadSettingDword(kSettingCountry), 0);
        EXPECT_EQ(ReadWholeFile(files_.user), damaged) << "reading leaves the file alone";
    }
    std::string huge = "[Software\\Qelt\\Almanaxium2]\n\"City\"=dword:00000009\n";
    huge += std::string(2 << 20, ';');
    WriteUser(huge);
    EXPECT_EQ(ReadSettingDword(kSettingCity), 4);
    // An unreadable file, and a folder where the file should be, read as absent as well.
    WriteUser(huge);
    {
        UnreadableFile unreadable(files_.user);
        ASSERT_TRUE(unreadable.Active());
        EXPECT_EQ(ReadSettingDword(kSettingCity), 4);
    }
    fs::remove(files_.user);
    fs::create_directories(files_.user);
    EXPECT_EQ(ReadSettingDword(kSettingCity), 4);
}

// Each damaged file is kept under a name of its own: a copy kept before is never overwritten.
TEST_F(SettingsTest, WriteOverADamagedFileKeepsItAside) {
    const std::string huge = "[Software\\Qelt\\Almanaxium2]\n" + std::string((1 << 20) + 1, ';');
    const struct {
        std::string damaged;
        const char* keptAs;
    } cases[] = {
        {std::string("\x00\x01\x02 not text", 12), ".damaged"},
        {"\xc3\x28 bad utf-8", ".damaged.1"},
        {huge, ".damaged.2"},
    };
    std::int32_t city = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keptAs);
        WriteUser(c.damaged);
        ASSERT_TRUE(WriteSettingDword(kSettingCity, ++city));
        EXPECT_EQ(ReadSettingDword(kSettingCity), city);
        EXPECT_EQ(ReadWholeFile(files_.user + c.keptAs), c.damaged);
    }
    EXPECT_EQ(ReadWholeFile(files_.user + ".damaged"), cases[0].damaged);
    EXPECT_EQ(ReadWholeFile(files_.user + ".damaged.1"), cases[1].damaged);
    EXPECT_FALSE(fs::exists(files_.user + ".damaged.3"));
}

// A file that cannot be read is not damaged: its values may all be whole. The write fails and
// leaves it as it is, kept nowhere else.
TEST_F(SettingsTest, WriteOverAFileThatCannotBeReadFails) {
    const std::string contents = "[Software\\Qelt\\Almanaxium2]\n\"City\"=dword:00000001\n";
    WriteUser(contents);
    {
        UnreadableFile unreadable(files_.user);
        ASSERT_TRUE(unreadable.Active());
        EXPECT_FALSE(WriteSettingDword(kSettingCity, 2));
        EXPECT_FALSE(WriteSettingString(kSettingLatitude, L"1"));
    }
    EXPECT_EQ(ReadWholeFile(files_.user), contents);
    EXPECT_FALSE(fs::exists(files_.user + ".damaged"));
}

// A UTF-8 byte-order mark, as some editors begin a file with, comes before the first key line: the
// key is read, and the mark stays when the file is written back.
TEST_F(SettingsTest, AByteOrderMarkBeginsTheFile) {
    for (const std::string end : {"\n", "\r\n"}) {
        WriteUser("\xEF\xBB\xBF[Software\\Qelt\\Almanaxium2]" + end + "\"City\"=dword:00000004" + end);
        EXPECT_EQ(ReadSettingDword(kSettingCity), 4);
        ASSERT_TRUE(WriteSettingDword(kSettingCity, 5));
        EXPECT_EQ(ReadWholeFile(files_.user),
                  "\xEF\xBB\xBF[Software\\Qelt\\Almanaxium2]" + end + "\"City\"=dword:00000005" + end);
        EXPECT_FALSE(fs::exists(files_.user + ".damaged"));
    }
}

TEST_F(SettingsTest, WhatIsNotAFileInThePlaceOfTheFileIsLeftAlone) {
    // A folder, a pipe (which a read must not wait on), a link to a device and a loop of links:
    // each reads as absent, and a write writes nothing and leaves it as it was.
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
        fs::file_type type;
    } cases[] = {
        {"folder", [](const std::string& path) { fs::create_directories(path); }, fs::file_type::directory},
        {"pipe", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }, fs::file_type::fifo},
        {"link to /dev/zero", [](const std::string& path) { fs::create_symlink("/dev/zero", path); },
         fs::file_type::symlink},
        {"loop of links", [](const std::string& path) { fs::create_symlink(path, path); }, fs::file_type::symlink},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(files_.user);
        fs::create_directories(fs::path(files_.user).parent_path());
        c.make(files_.user);
        EXPECT_EQ(ReadSettingDword(kSettingCity), 0);
        EXPECT_FALSE(WriteSettingDword(kSettingCity, 2));
        EXPECT_EQ(fs::symlink_status(files_.user).type(), c.type);
        EXPECT_FALSE(fs::exists(files_.user + ".damaged"));
    }
}

TEST_F(SettingsTest, ALinkStaysALinkAndANewFileIsTheUsersAlone) {
    // A new file: mode 0600, as it holds the home coordinates; an existing file keeps its mode.
    ASSERT_TRUE(WriteSettingString(kSettingLatitude, L"52.5"));
    EXPECT_EQ(fs::status(files_.user).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(files_.user, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteSettingString(kSettingLatitude, L"52.6"));
    EXPECT_EQ(fs::status(files_.user).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // The settings file as a link into a dotfiles folder, through a second link: the file at the
    // end is replaced, the links stay, and every write lands there.
    const std::string dotfiles = folder_ / "dotfiles/qelt/Almanaxium2.reg";
    fs::create_directories(fs::path(dotfiles).parent_path());
    fs::rename(files_.user, dotfiles);
    fs::create_symlink("qelt/Almanaxium2.reg", folder_ / "dotfiles/current.reg");
    fs::create_symlink(fs::relative(folder_ / "dotfiles/current.reg", fs::path(files_.user).parent_path()), files_.user);
    for (const std::int32_t city : {5, 6}) {
        ASSERT_TRUE(WriteSettingDword(kSettingCity, city));
        EXPECT_TRUE(fs::is_symlink(files_.user));
        EXPECT_TRUE(fs::is_symlink(folder_ / "dotfiles/current.reg"));
        EXPECT_EQ(ReadSettingDword(kSettingCity), city);
        EXPECT_EQ(ReadSettingString(kSettingLatitude), L"52.6");
    }
    EXPECT_NE(ReadWholeFile(dotfiles).find("\"City\"=dword:00000006"), std::string::npos);
    // A link whose file does not exist yet: the file is made at its end.
    fs::remove(dotfiles);
    ASSERT_TRUE(WriteSettingDword(kSettingCity, 7));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dotfiles)));
    EXPECT_TRUE(fs::is_symlink(files_.user));
}

// Any sequence of the program's own writes on a file of any size it reads: the user's own lines
// survive, what was written reads back, and the file never becomes one that reads as damaged (a
// write that would push it past the read limit is refused and changes nothing).
TEST_F(SettingsTest, TheProgramsWritesNeverLoseTheUsersLinesNearTheSizeLimit) {
    std::mt19937 random(15);
    const int ids[] = {kSettingContinent, kSettingCity, kSettingTimeZone, kSettingWindowPosLeft,
                       kSettingWindowPosBottom, kSettingLatitude, kSettingLongitude};
    const std::string own = "[Software\\Qelt\\Almanaxium2\\Mine]\n\"Own\"=\"kept\"\n";
    for (int round = 0; round < 12; ++round) {
        // Up to the limit, and in the last rounds within a few writes of it.
        const std::size_t limit = 1 << 20;
        const std::size_t size = round < 8 ? random() % limit : limit - 40 - random() % 200;
        std::string contents = own;
        while (contents.size() + 16 <= size) contents += "; the user's note\n";
        if (contents.size() < size) contents += std::string(size - contents.size() - 1, ';') + "\n";
        WriteUser(contents);
        std::map<int, std::wstring> written;
        for (int step = 0; step < 10; ++step) {
            const int id = ids[random() % std::size(ids)];
            const std::int32_t number = static_cast<std::int32_t>(random() % 100000);
            const bool text = id == kSettingLatitude || id == kSettingLongitude;
            const bool ok = text ? WriteSettingString(id, std::to_wstring(number))
                                 : WriteSettingDword(id, number);
            if (ok) written[id] = std::to_wstring(number);
            const std::string now = ReadWholeFile(files_.user);
            ASSERT_LE(now.size(), limit) << "round " << round << " step " << step;
            ASSERT_EQ(now.find(own), 0u) << "round " << round;
            ASSERT_NE(now.find("; the user's note\n"), std::string::npos);
            EXPECT_FALSE(fs::exists(files_.user + ".damaged"));
        }
        for (const auto& [id, value] : written) {
            const bool text = id == kSettingLatitude || id == kSettingLongitude;
            EXPECT_EQ(text ? ReadSettingString(id) : std::to_wstring(ReadSettingDword(id)), value)
                << "round " << round << " id " << id;
        }
    }
}

TEST_F(SettingsTest, FailedWriteLeavesTheOldFile) {
    WriteUser("[Software\\Qelt\\Almanaxium2]\n\"City\"=dword:00000001\n");
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const fs::path folder = fs::path(files_.user).parent_path();
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteSettingDword(kSettingCity, 2));
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(ReadSettingDword(kSettingCity), 1);
}

TEST(SettingsFiles, FollowXdgConfigHome) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(SettingsFiles::FromEnvironment().user, "/somewhere/config/Qelt/Almanaxium2.reg");
    setenv("XDG_CONFIG_HOME", "relative/path", 1);
    EXPECT_NE(SettingsFiles::FromEnvironment().user.find("/.config/Qelt/Almanaxium2.reg"),
              std::string::npos);
    EXPECT_EQ(SettingsFiles::FromEnvironment().machine, "/etc/xdg/Qelt/Almanaxium2.reg");
    if (old) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

TEST(RegistryFile, WritesNeverDisappearIntoAContinuedValue) {
    // A damaged value whose line ends in "\" continues on the next line: a value added after it
    // would be read as part of it. New values go right after their key's line instead.
    auto file = RegistryFile::Parse("[K]\n\"Broken\"=\"a \\\n");
    ASSERT_TRUE(file.has_value());
    file->SetDword("K", "Added", 7);
    auto again = RegistryFile::Parse(file->Serialize());
    ASSERT_TRUE(again.has_value());
    ASSERT_TRUE(again->Find("K", "Added").has_value());
    EXPECT_EQ(again->Find("K", "Added")->dword, 7u);
    // A new key after a file that ends inside a continued value.
    file = RegistryFile::Parse("[K]\n\"Hex\"=hex:01,\\");
    ASSERT_TRUE(file.has_value());
    file->SetDword("Other", "Value", 9);
    again = RegistryFile::Parse(file->Serialize());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->Find("Other", "Value")->dword, 9u);
    // Replacing a value given on several lines replaces all of them.
    file = RegistryFile::Parse("[K]\n\"V\"=hex:01,\\\n  02,\\\n  03\n\"W\"=dword:00000001\n");
    file->SetDword("K", "V", 5);
    EXPECT_EQ(file->Serialize(), "[K]\n\"V\"=dword:00000005\n\"W\"=dword:00000001\n");
    // A text keeps what comes before a NUL, and the file stays readable.
    file->SetString("K", "S", std::wstring(L"ab\0cd", 5));
    again = RegistryFile::Parse(file->Serialize());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->Find("K", "S")->text, L"ab");
}

TEST(RegistryFile, LineEndsAreKeptSoThatAWriteChangesNoOtherLine) {
    // A file written on Windows keeps its CR LF line ends, new lines included; a file without a
    // final line end stays without one.
    const struct {
        const char* before;
        const char* valueName;
        const char* after;
    } writes[] = {
        {"[K]\r\n\"A\"=dword:00000001\r\n", "B", "[K]\r\n\"B\"=dword:00000002\r\n\"A\"=dword:00000001\r\n"},
        {"[K]\n\"A\"=dword:00000001", "A", "[K]\n\"A\"=dword:00000002"},
        {"[K]\n\"A\"=dword:00000001\n", "A", "[K]\n\"A\"=dword:00000002\n"},
        {"", "A", "[K]\n\"A\"=dword:00000002\n"},
        {"[J]", "A", "[J]\n\n[K]\n\"A\"=dword:00000002\n"},
    };
    for (const auto& w : writes) {
        auto written = RegistryFile::Parse(w.before);
        ASSERT_TRUE(written.has_value()) << w.before;
        written->SetDword("K", w.valueName, 2);
        EXPECT_EQ(written->Serialize(), w.after) << w.before;
    }
    // "[Other]" + CR CR LF is no key line (its text ends in CR), so V below it still belongs to K;
    // losing one CR on writing would turn it into a key line and hide V from its key.
    auto file = RegistryFile::Parse("[K]\n\"V\"=dword:00000001\n[Other]\r\r\n\"V\"=dword:00000002\n");
    file->SetDword("K", "V", 7);
    const auto again = RegistryFile::Parse(file->Serialize());
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->Find("K", "V")->dword, 7u);
    EXPECT_EQ(again->Find("Other", "V"), std::nullopt);
}

TEST(RegistryFile, ParsesValueLinesAndEscapes) {
    const auto file = RegistryFile::Parse(
        "[A\\B]\r\n\"n\"=\"a\\\\b \\\"c\\\" \\nd\"\r\n\"d\"=dword:0000ABCD\n@=\"default\"\n"
        "\"twice\"=dword:00000001\n\"twice\"=dword:00000002\n\"bad\"=\"unterminated\n");
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->Find("a\\b", "N")->text, L"a\\b \"c\" \nd");
    EXPECT_EQ(file->Find("A\\B", "d")->dword, 0xABCDu);
    EXPECT_EQ(file->Find("A\\B", "")->text, L"default");
    EXPECT_EQ(file->Find("A\\B", "twice")->dword, 2u);
    EXPECT_EQ(file->Find("A\\B", "bad")->kind, RegistryValue::Kind::kOther);  // damaged: no kind we read
    EXPECT_EQ(file->Find("A", "d"), std::nullopt);
    // A text with every escape survives a write and a read.
    RegistryFile copy = *file;
    copy.SetString("A\\B", "n", L"x\"y\\z\r\n");
    const auto reread = RegistryFile::Parse(copy.Serialize());
    ASSERT_TRUE(reread.has_value());
    EXPECT_EQ(reread->Find("A\\B", "n")->text, L"x\"y\\z\r\n");
}

// The edges of each value form: the longest dword, the digits beside the hex letters, each escape,
// names that differ in case only (ASCII letters from A to Z).
TEST(RegistryFile, TheEdgesOfEachValueForm) {
    using Kind = RegistryValue::Kind;
    const struct {
        const char* line;
        const char* name;
        Kind kind;
        std::uint32_t dword;
        const wchar_t* text;
    } cases[] = {
        {"\"V\"=dword:fFfFfFfF", "V", Kind::kDword, 0xffffffffu, L""},
        {"\"V\"=dword:a09A", "V", Kind::kDword, 0xa09au, L""},
        {"\"V\"=dword:000000001", "V", Kind::kOther, 0, L""},  // nine digits
        {"\"V\"=dword:", "V", Kind::kOther, 0, L""},
        {"\"V\"=dword:0000000g", "V", Kind::kOther, 0, L""},
        {"\"V\"=dword:0000000G", "V", Kind::kOther, 0, L""},
        {"\"timezone\"=dword:00000007", "TimeZone", Kind::kDword, 7, L""},
        {"\"TIMEZONE\"=dword:00000007", "timeZone", Kind::kDword, 7, L""},
        {"\"V\"=\"a\\rb\\nc\\\\\\\"\"", "V", Kind::kString, 0, L"a\rb\nc\\\""},
        {"\"V\"=\"a\\tb\"", "V", Kind::kOther, 0, L""},  // no such escape
        {"\"V\"=\"a\" ", "V", Kind::kOther, 0, L""},       // more after the closing quote
    };
    for (const auto& c : cases) {
        const auto file = RegistryFile::Parse(std::string("[K]\n") + c.line + "\n");
        ASSERT_TRUE(file.has_value()) << c.line;
        const auto value = file->Find("k", c.name);
        ASSERT_TRUE(value.has_value()) << c.line;
        EXPECT_EQ(value->kind, c.kind) << c.line;
        EXPECT_EQ(value->dword, c.dword) << c.line;
        EXPECT_EQ(value->text, c.text) << c.line;
    }
}

// What the main window keeps between runs, written and read back.
TEST_F(SettingsTest, WindowSessionWritesEveryValueAndTheRectangleOnlyWhenAsked) {
    EXPECT_FALSE(ReadWindowSession().HasRectangle());
    const WindowSession first{2, 5, 7, 3, 41, L"52.524370", L"13.410530", 123, 77, 800, 600};
    WriteWindowSession(first, true);
    const WindowSession minimized{1, 0, 4, 0, 9, L"-33.9", L"18.4", -32000, -32000, -31840, -31972};
    struct Case {
        const char* name;
        int WindowSession::*field;
        int afterFirst;
        int afterMinimized;
        int settingId;
    };
    const Case cases[] = {
        {"continent", &WindowSession::continent, 2, 1, kSettingContinent},
        {"country", &WindowSession::country, 5, 0, kSettingCountry},
        {"city", &WindowSession::city, 7, 4, kSettingCity},
        {"state", &WindowSession::state, 3, 0, kSettingState},
        {"zone", &WindowSession::timeZone, 41, 9, kSettingTimeZone},
        {"left", &WindowSession::left, 123, 123, kSettingWindowPosLeft},
        {"top", &WindowSession::top, 77, 77, kSettingWindowPosTop},
        {"right", &WindowSession::right, 800, 800, kSettingWindowPosRight},
        {"bottom", &WindowSession::bottom, 600, 600, kSettingWindowPosBottom},
    };
    const WindowSession read = ReadWindowSession();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(read.*c.field, c.afterFirst);
        EXPECT_EQ(ReadSettingDword(c.settingId), c.afterFirst);
    }
    EXPECT_EQ(read.latitude, L"52.524370");
    EXPECT_EQ(read.longitude, L"13.410530");
    EXPECT_TRUE(read.HasRectangle());
    WindowSession atTheCorner;  // a window at 0, 0 was saved too
    atTheCorner.right = 500;
    EXPECT_TRUE(atTheCorner.HasRectangle());

    WriteWindowSession(minimized, false);
    const WindowSession again = ReadWindowSession();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(again.*c.field, c.afterMinimized);
    }
    EXPECT_EQ(ReadSavedCoordinates().latitude, L"-33.9");
    EXPECT_EQ(ReadSavedCoordinates().longitude, L"18.4");
}

}  // namespace
