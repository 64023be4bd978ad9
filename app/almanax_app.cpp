#include "almanax_app.h"

#include <wx/image.h>

#include "app/log_stream.h"
#include "app/platform_paths.h"
#include "common/utf8_text.h"
#include "places/app_settings.h"
#include "ui/almanax_dlg.h"

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
    const std::wstring folder = common::Utf8ToWide(app::TemporaryFolder());
    std::wstring fileName = places::ReadSettingString(places::kSettingLogFileName);
    if (fileName.empty()) fileName = L"Tail.log";
    const std::wstring logPath = folder + fileName;
    const auto level = static_cast<std::uint16_t>(places::ReadSettingDword(places::kSettingLogLevel));
    const std::int32_t maxSize = places::ReadSettingDword(places::kSettingMaxLogFileSize);
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
