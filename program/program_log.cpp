#include "program_log.h"

#include "common/utf8_text.h"
#include "log_stream.h"
#include "platform_paths.h"
#include "settings/app_settings.h"

namespace program {

void OpenProgramLog(const std::wstring& productName) {
    const std::wstring folder = common::Utf8ToWide(TemporaryFolder());
    std::wstring fileName = settings::ReadSettingString(settings::kSettingLogFileName);
    if (fileName.empty()) fileName = L"Tail.log";
    const auto level = static_cast<std::uint16_t>(settings::ReadSettingDword(settings::kSettingLogLevel));
    const std::int32_t maxSize = settings::ReadSettingDword(settings::kSettingMaxLogFileSize);

    theLog.Open(folder + fileName, level, maxSize);
    theLog.SetLineLevel(3);
    theLog << std::wstring(77, L'-') << std::endl;
    theLog.SetLineLevel(3);
    theLog << LogTimestamp << productName << L" was started" << std::endl;
}

void CloseProgramLog() {
    theLog.SetLineLevel(3);
    theLog << LogTimestamp << L"ExitInstance" << std::endl;
    theLog.Close();
}

}  // namespace program
