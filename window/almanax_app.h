// The application: opens the log with the settings, writes its start line, runs the main window
// modally, and when that closes writes the end line and closes the log.
#pragma once

#include <string>

#include <wx/app.h>

#include "framework/toolkit_start.h"

class CAlmanaxApp : public wxApp {
public:
    // The application is made before the toolkit starts.
    CAlmanaxApp() { framework::KeepToolkitFromOpenGl(); }
    // The toolkit is ready; the program's own start follows in OnRun.
    bool OnInit() override;
    // Runs InitInstance, which holds the whole life of the windows, then ExitInstance.
    int OnRun() override;

    // Always false: the program ends when the main window's modal run returns.
    bool InitInstance();
    int ExitInstance();

    const std::wstring& ProductName() const { return m_productName; }

private:
    std::wstring m_productName;
};

wxDECLARE_APP(CAlmanaxApp);
