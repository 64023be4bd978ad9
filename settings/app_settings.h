// AppSettings: the values the program keeps between runs, each by a numeric id with its key
// group, value name, kind and default in one fixed table. A read looks in the user's settings file,
// then in the machine's, then takes the default; a write goes to the user's file only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace settings {

enum SettingId : int {
    kSettingContinent = 101,
    kSettingCountry = 102,
    kSettingCity = 103,
    kSettingState = 104,
    kSettingTimeZone = 105,
    kSettingLatitude = 106,
    kSettingLongitude = 107,
    kSettingLogFileName = 201,
    kSettingLogLevel = 202,
    kSettingMaxLogFileSize = 203,
    kSettingListLoadedDlls = 204,
    kSettingWindowPosLeft = 301,
    kSettingWindowPosTop = 302,
    kSettingWindowPosRight = 303,
    kSettingWindowPosBottom = 304,
    kSettingGuiLanguage = 305,
    // Added later: where the month table stood, as the main window's rectangle.
    kSettingMonthTablePosLeft = 306,
    kSettingMonthTablePosTop = 307,
    kSettingMonthTablePosRight = 308,
    kSettingMonthTablePosBottom = 309,
};

struct SettingKey {
    std::string path;       // "Software\Qelt\Almanaxium2\GUI"
    std::string valueName;  // "WindowPosLeft"
};

// The key path of the setting's group (parents first) and its value name; nothing for an id that is
// not in the table.
std::optional<SettingKey> GetSettingKey(int id);

// Where the two settings files are.
struct SettingsFiles {
    std::string user;     // $XDG_CONFIG_HOME/Qelt/Almanaxium2.reg (default ~/.config)
    std::string machine;  // /etc/xdg/Qelt/Almanaxium2.reg

    static SettingsFiles FromEnvironment();
};

// The settings files from the environment, or the ones a test gave (for this process).
const SettingsFiles& CurrentSettingsFiles();
void UseSettingsFiles(const SettingsFiles& files);

// A DWORD, as a signed 32-bit value: 0 for an id that is not in the table. A value stored with
// another kind does not count.
std::int32_t ReadSettingDword(int id);
// A text of at most 129 characters (a longer one does not count): empty for an unknown id.
std::wstring ReadSettingString(int id);

// Replaces the user's file at once (write a temporary file beside it, then rename), keeping every
// other line of it; creates its folder when missing, and a new file readable by the user alone.
// A settings file that is a link has the file it leads to replaced, and stays a link. Nothing is
// written, and false returned, when the write fails, when something other than a file (a device, a
// pipe, a folder) stands in the file's place, when the file exists but cannot be read (its mode, an
// I/O error), or when the file would grow past the size a read takes; the old file then stays as it
// was. A damaged file (not UTF-8 text, or too large) is kept aside as "<file>.damaged", or as
// "<file>.damaged.1", ".2", ... when that name is taken, and a new file begins: no kept copy is
// ever overwritten. Returns whether the value was written.
bool WriteSettingDword(int id, std::int32_t value);
bool WriteSettingString(int id, const std::wstring& text);

}  // namespace settings
