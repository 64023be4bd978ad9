// A settings write that fails or is interrupted leaves the previous file whole; two programs
// writing at once lose neither's value.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "settings/app_settings.h"
#include "settings/registry_file.h"
#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace {

using test_support::ReadWholeFile;
namespace fs = std::filesystem;
using namespace settings;

class SettingsFaults : public testing::Test {
protected:
    void UseFolder(const fs::path& folder) {
        files_.user = (folder / "Almanaxium2.reg").string();
        files_.machine = (folder / "machine.reg").string();
        UseSettingsFiles(files_);
    }
    void SetUp() override { UseFolder(folder_.Path()); }
    void TearDown() override { UseSettingsFiles(SettingsFiles::FromEnvironment()); }

    // A file with values of its own and one of another program.
    void WriteKnownFile() {
        ASSERT_TRUE(WriteSettingDword(kSettingContinent, 3));
        ASSERT_TRUE(WriteSettingString(kSettingLatitude, L"48.137430"));
        std::ofstream(files_.user, std::ios::app) << "\n[Software\\Other]\n\"Kept\"=\"yes\"\n";
        known_ = ReadWholeFile(files_.user);
    }
    void ExpectKnownFileWhole() {
        EXPECT_EQ(ReadWholeFile(files_.user), known_);
        EXPECT_EQ(ReadSettingDword(kSettingContinent), 3);
        EXPECT_EQ(ReadSettingString(kSettingLatitude), L"48.137430");
        // No temporary file is left beside it.
        for (const auto& entry : fs::directory_iterator(fs::path(files_.user).parent_path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "Almanaxium2.reg" || name == "Almanaxium2.reg.lock" || name == "filler")
                << "left behind: " << name;
        }
    }

    test_support::TempFolder folder_;
    SettingsFiles files_;
    std::string known_;
};

TEST_F(SettingsFaults, FailedWriteOfTheNewFile) {
    WriteKnownFile();
    // Files of this process may hold at most 64 bytes: writing the new file fails half-way.
    {
        test_support::ScopedFileSizeLimit limit(64);
        ASSERT_TRUE(limit.Active());
        EXPECT_FALSE(WriteSettingString(kSettingLongitude, std::wstring(200, L'7')));
    }
    ExpectKnownFileWhole();
}

TEST_F(SettingsFaults, FailedRename) {
    WriteKnownFile();
    // The file's place is taken by a folder: the new file cannot be renamed onto it.
    const std::string file = files_.user;
    fs::rename(file, file + ".saved");
    fs::create_directories(file);
    EXPECT_FALSE(WriteSettingDword(kSettingCountry, 8));
    fs::remove(file);
    fs::rename(file + ".saved", file);
    ExpectKnownFileWhole();
}

// A folder on a file system of its own: a small tmpfs, which only root can mount.
class MountedFolder {
public:
    explicit MountedFolder(const fs::path& where, const char* options) : where_(where) {
        fs::create_directories(where_);
        mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", 0, options) == 0;
    }
    ~MountedFolder() {
        if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    bool RemountReadOnly() {
        return ::mount("tmpfs", where_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    fs::path where_;
    bool mounted_ = false;
};

TEST_F(SettingsFaults, FullDisk) {
    MountedFolder disk(folder_.Path() / "disk", "size=64k");
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
    UseFolder(folder_.Path() / "disk");
    WriteKnownFile();
    // Fill the rest of the disk.
    {
        std::ofstream filler(folder_.Path() / "disk" / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        for (int i = 0; i < 64 && filler; ++i) filler.write(block.data(), block.size());
    }
    EXPECT_FALSE(WriteSettingString(kSettingLongitude, std::wstring(8000, L'5')));
    ExpectKnownFileWhole();
}

TEST_F(SettingsFaults, ReadOnlyFolder) {
    MountedFolder disk(folder_.Path() / "ro", "size=64k");
    if (!disk.Mounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
    UseFolder(folder_.Path() / "ro");
    WriteKnownFile();
    ASSERT_TRUE(disk.RemountReadOnly());
    EXPECT_FALSE(WriteSettingDword(kSettingCountry, 8));
    ExpectKnownFileWhole();
}

TEST_F(SettingsFaults, WriterKilledAtAnyPoint) {
    WriteKnownFile();
    std::mt19937 random(12345);
    for (int round = 0; round < 25; ++round) {
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (int i = 0;; ++i) {
                const auto length = static_cast<std::size_t>(100 + i % 900);
                WriteSettingString(kSettingLongitude, std::wstring(length, L'1'));
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        // Whatever moment the writer died at, the file is the old one or a new one, whole.
        const std::string contents = ReadWholeFile(files_.user);
        ASSERT_TRUE(RegistryFile::Parse(contents).has_value()) << "round " << round;
        EXPECT_EQ(ReadSettingDword(kSettingContinent), 3) << "round " << round;
        EXPECT_EQ(ReadSettingString(kSettingLatitude), L"48.137430") << "round " << round;
        EXPECT_NE(contents.find("\"Kept\"=\"yes\""), std::string::npos) << "round " << round;
    }
}

TEST_F(SettingsFaults, TwoProgramsWritingAtOnceLoseNoValue) {
    WriteKnownFile();
    constexpr int kWrites = 150;
    auto writer = [](int id) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (int i = 1; i <= kWrites; ++i) WriteSettingDword(id, i);
            _exit(0);
        }
        return pid;
    };
    const pid_t first = writer(kSettingCountry);
    const pid_t second = writer(kSettingCity);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    int status = 0;
    waitpid(first, &status, 0);
    EXPECT_EQ(status, 0);
    waitpid(second, &status, 0);
    EXPECT_EQ(status, 0);
    // Each program's last value for its own key is there, and so is everything else.
    EXPECT_EQ(ReadSettingDword(kSettingCountry), kWrites);
    EXPECT_EQ(ReadSettingDword(kSettingCity), kWrites);
    EXPECT_EQ(ReadSettingDword(kSettingContinent), 3);
    EXPECT_NE(ReadWholeFile(files_.user).find("\"Kept\"=\"yes\""), std::string::npos);
}

}  // namespace
