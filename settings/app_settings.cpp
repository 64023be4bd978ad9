#include "app_settings.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "common/replace_file.h"
#include "registry_file.h"

namespace settings {

namespace {

enum class Kind { kDword, kString };

struct GroupRow {
    int id;
    int parent;  // 0: none
    const char* keyName;
};

struct SettingRow {
    int id;
    int group;
    const char* valueName;
    Kind kind;
    std::int32_t dwordDefault;
    const wchar_t* stringDefault;
};

constexpr GroupRow kGroups[] = {
    {1, 0, "Software\\Qelt"},
    {100, 1, "Almanaxium2"},
    {200, 100, "Logging"},
    {300, 100, "GUI"},
};

constexpr SettingRow kSettings[] = {
    {kSettingContinent, 100, "Continent", Kind::kDword, 0, nullptr},
    {kSettingCountry, 100, "Country", Kind::kDword, 0, nullptr},
    {kSettingCity, 100, "City", Kind::kDword, 0, nullptr},
    {kSettingState, 100, "State", Kind::kDword, 0, nullptr},
    {kSettingTimeZone, 100, "TimeZone", Kind::kDword, -1, nullptr},
    {kSettingLatitude, 100, "Latitude", Kind::kString, 0, L"52"},
    {kSettingLongitude, 100, "Longitude", Kind::kString, 0, L"13"},
    {kSettingLogFileName, 200, "LogFileName", Kind::kString, 0, L"Almanaxium.log"},
    {kSettingLogLevel, 200, "LogLevel", Kind::kDword, 1, nullptr},
    {kSettingMaxLogFileSize, 200, "MaxLogFileSize", Kind::kDword, 1048576, nullptr},
    {kSettingListLoadedDlls, 200, "ListLoadedDLLs", Kind::kDword, 1, nullptr},
    {kSettingWindowPosLeft, 300, "WindowPosLeft", Kind::kDword, 0, nullptr},
    {kSettingWindowPosTop, 300, "WindowPosTop", Kind::kDword, 0, nullptr},
    {kSettingWindowPosRight, 300, "WindowPosRight", Kind::kDword, 0, nullptr},
    {kSettingWindowPosBottom, 300, "WindowPosBottom", Kind::kDword, 0, nullptr},
    {kSettingGuiLanguage, 300, "GUILanguage", Kind::kString, 0, L""},
    {kSettingMonthTablePosLeft, 300, "MonthTablePosLeft", Kind::kDword, 0, nullptr},
    {kSettingMonthTablePosTop, 300, "MonthTablePosTop", Kind::kDword, 0, nullptr},
    {kSettingMonthTablePosRight, 300, "MonthTablePosRight", Kind::kDword, 0, nullptr},
    {kSettingMonthTablePosBottom, 300, "MonthTablePosBottom", Kind::kDword, 0, nullptr},
};

// Paths are built in a 260-character buffer; a longer path is cut to fit.
constexpr std::size_t kMaxKeyPath = 259;
// A string read takes at most 260 bytes of UTF-16, terminator included.
constexpr std::size_t kMaxStringUnits = 129;
// A settings file is a few hundred bytes; a far larger one is not ours.
constexpr std::uintmax_t kLargestSettingsFile = 1 << 20;
// Copies of damaged files kept aside; past them a write over another damaged file is refused.
constexpr int kMostDamagedCopies = 1000;

const SettingRow* FindSetting(int id) {
    for (const SettingRow& row : kSettings) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

const GroupRow* FindGroup(int id) {
    for (const GroupRow& row : kGroups) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

std::string GroupPath(int groupId) {
    const GroupRow* group = FindGroup(groupId);
    if (group == nullptr) return std::string();
    if (group->parent == 0) return group->keyName;
    return GroupPath(group->parent) + "\\" + group->keyName;
}

std::size_t Utf16Length(std::wstring_view text) {
    std::size_t units = 0;
    for (const wchar_t ch : text) units += static_cast<char32_t>(ch) > 0xFFFF ? 2 : 1;
    return units;
}

// What a read of a settings file found. A file that cannot be read (its mode, an I/O error) is
// told apart from a damaged one: its text may be whole, so a write must not take its place.
struct LoadedFile {
    enum class State { kAbsent, kUnreadable, kDamaged, kRead };
    State state = State::kAbsent;
    std::optional<RegistryFile> file;  // for kRead
};

LoadedFile LoadFile(const std::string& path) {
    using State = LoadedFile::State;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return {error == std::errc::no_such_file_or_directory ? State::kAbsent : State::kUnreadable, {}};
    }
    if (size > kLargestSettingsFile) return {State::kDamaged, {}};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return {errno == ENOENT ? State::kAbsent : State::kUnreadable, {}};
    std::string contents(static_cast<std::size_t>(size), '\0');
    const std::size_t got = std::fread(contents.data(), 1, contents.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return {State::kUnreadable, {}};
    contents.resize(got);
    auto parsed = RegistryFile::Parse(contents);
    if (!parsed) return {State::kDamaged, {}};
    return {State::kRead, std::move(parsed)};
}

std::optional<RegistryValue> FindValue(const SettingRow& row, const SettingKey& key) {
    const SettingsFiles& files = CurrentSettingsFiles();
    for (const std::string* path : {&files.user, &files.machine}) {
        const auto file = LoadFile(*path).file;
        if (!file) continue;
        const auto value = file->Find(key.path, key.valueName);
        if (!value) continue;
        if (row.kind == Kind::kDword && value->kind == RegistryValue::Kind::kDword) return value;
        if (row.kind == Kind::kString && value->kind == RegistryValue::Kind::kString &&
            Utf16Length(value->text) <= kMaxStringUnits) {
            return value;
        }
    }
    return std::nullopt;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/tmp";
}

// Serialises writers of the same file across processes for the read-change-replace of one value.
class FileLock {
public:
    explicit FileLock(const std::string& path)
        : m_descriptor(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (m_descriptor >= 0) {
            while (flock(m_descriptor, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~FileLock() {
        if (m_descriptor >= 0) ::close(m_descriptor);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int m_descriptor;
};

// The new file keeps the permissions of the old one; a new file is the user's alone, since it
// holds the coordinates of their home.
bool ReplaceFile(const std::string& path, const std::string& contents) {
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0600;
    return common::ReplaceFileWhole(path, contents, mode);
}

// The file a write replaces: the settings file, or the file its links lead to (a settings file
// kept in a dotfiles folder), so that the links stay. Empty for a loop of links.
std::string WriteTarget(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path target = path;
    std::error_code error;
    for (int hop = 0; hop < 40 && fs::is_symlink(target, error); ++hop) {
        const fs::path next = fs::read_symlink(target, error);
        if (error) return std::string();
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    if (fs::is_symlink(target, error)) return std::string();
    return target.lexically_normal().string();
}

// Keeps a damaged file aside as "<file>.damaged", or, when that name is taken, as the first free
// one of "<file>.damaged.1", "<file>.damaged.2", ...: a copy kept earlier is never overwritten, as
// each may be the only copy of the user's values. The name is taken without replacing anything
// (a rename that refuses an existing name, or a hard link where the file system lacks it).
bool KeepDamagedFileAside(const std::string& path) {
    for (int number = 0; number < kMostDamagedCopies; ++number) {
        const std::string aside = path + ".damaged" + (number == 0 ? "" : "." + std::to_string(number));
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) return true;
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) return false;
        // The file stays under its name as well; the write's rename then takes that name over.
        if (::link(path.c_str(), aside.c_str()) == 0) return true;
        if (errno != EEXIST) return false;
    }
    return false;
}

template <typename Change>
bool WriteSetting(int id, Change change) {
    const auto key = GetSettingKey(id);
    if (!key) return false;
    const std::string path = WriteTarget(CurrentSettingsFiles().user);
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);

    FileLock lock(path);
    std::optional<RegistryFile> file;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status)) {
        // A device, a pipe or a folder in the file's place is not a settings file: it is left
        // alone and nothing is written.
        if (!std::filesystem::is_regular_file(status)) return false;
        LoadedFile loaded = LoadFile(path);
        // A file that cannot be read may hold every value whole: it is left as it is.
        if (loaded.state == LoadedFile::State::kUnreadable) return false;
        // A damaged file is kept aside rather than lost, and a new one begins; when it cannot be
        // kept, nothing is written.
        if (loaded.state == LoadedFile::State::kDamaged && !KeepDamagedFileAside(path)) return false;
        file = std::move(loaded.file);
    }
    if (!file) file = RegistryFile::Parse("");
    change(*file, *key);
    const std::string contents = file->Serialize();
    // A write that would make the file too large to be read again is refused: the file stays as
    // it was, every value in it readable, rather than judged damaged by the next read.
    if (contents.size() > kLargestSettingsFile) return false;
    return ReplaceFile(path, contents);
}

std::mutex filesMutex;
std::optional<SettingsFiles> chosenFiles;

}  // namespace

std::optional<SettingKey> GetSettingKey(int id) {
    const SettingRow* row = FindSetting(id);
    if (row == nullptr) return std::nullopt;
    std::string path = GroupPath(row->group);
    if (path.size() > kMaxKeyPath) path.resize(kMaxKeyPath);
    if (path.empty()) return std::nullopt;
    return SettingKey{path, row->valueName};
}

SettingsFiles SettingsFiles::FromEnvironment() {
    SettingsFiles files;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // By XDG's base-directory rules a relative XDG_CONFIG_HOME is ignored.
    const std::string base =
        config != nullptr && config[0] == '/' ? std::string(config) : HomeFolder() + "/.config";
    files.user = base + "/Qelt/Almanaxium2.reg";
    files.machine = "/etc/xdg/Qelt/Almanaxium2.reg";
    return files;
}

const SettingsFiles& CurrentSettingsFiles() {
    std::lock_guard<std::mutex> guard(filesMutex);
    if (!chosenFiles) chosenFiles = SettingsFiles::FromEnvironment();
    return *chosenFiles;
}

void UseSettingsFiles(const SettingsFiles& files) {
    std::lock_guard<std::mutex> guard(filesMutex);
    chosenFiles = files;
}

std::int32_t ReadSettingDword(int id) {
    const SettingRow* row = FindSetting(id);
    const auto key = GetSettingKey(id);
    if (row == nullptr || !key) return 0;
    if (const auto value = FindValue(*row, *key)) return static_cast<std::int32_t>(value->dword);
    return row->dwordDefault;
}

std::wstring ReadSettingString(int id) {
    const SettingRow* row = FindSetting(id);
    const auto key = GetSettingKey(id);
    if (row == nullptr || !key) return std::wstring();
    if (const auto value = FindValue(*row, *key)) return value->text;
    return row->stringDefault != nullptr ? row->stringDefault : L"";
}

bool WriteSettingDword(int id, std::int32_t value) {
    return WriteSetting(id, [&](RegistryFile& file, const SettingKey& key) {
        file.SetDword(key.path, key.valueName, static_cast<std::uint32_t>(value));
    });
}

bool WriteSettingString(int id, const std::wstring& text) {
    return WriteSetting(id, [&](RegistryFile& file, const SettingKey& key) {
        file.SetString(key.path, key.valueName, text);
    });
}

}  // namespace settings
