#include "almanax_app.h"

#include <wx/image.h>

#include "program/log_stream.h"
#include "program/platform_paths.h"
#include "common/utf8_text.h"
#include "settings/app_settings.h"
#include "window/almanax_dlg.h"

bool CAlmanaxApp::OnInit() {
    // The window reads no command line: the toolkit's own options are all GTK takes.
    wxInitAllImageHandlers();
    SetAppName("Almanaxium");
    SetVendorName("Qelt");
    return true;
}

int CAlmanaxApp::OnRun() {
    InitInstance();
    return ExitInstance();
}

bool CAlmanaxApp::InitInstance() {
    const std::wstring folder = common::Utf8ToWide(program::TemporaryFolder());
    std::wstring fileName = settings::ReadSettingString(settings::kSettingLogFileName);
    if (fileName.empty()) fileName = L"Tail.log";
    const std::wstring logPath = folder + fileName;
    const auto level = static_cast<std::uint16_t>(settings::ReadSettingDword(settings::kSettingLogLevel));
    const std::int32_t maxSize = settings::ReadSettingDword(settings::kSettingMaxLogFileSize);
    m_productName = L"Almanaxium";

    theLog.Open(logPath, level, maxSize);
    theLog.SetLineLevel(3);
    theLog << std::wstring(77, L'-') << std::endl;
    theLog.SetLineLevel(3);
    theLog << LogTimestamp << m_productName << L" was started" << std::endl;

    {
        CAlmanaxDlg dialog;
        SetTopWindow(&dialog);
        dialog.DoModal();
        SetTopWindow(nullptr);
    }
    return false;
}

int CAlmanaxApp::ExitInstance() {
    theLog.SetLineLevel(3);
    theLog << LogTimestamp << L"ExitInstance" << std::endl;
    theLog.Close();
    return 0;
}
