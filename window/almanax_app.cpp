#include "almanax_app.h"

#include <wx/image.h>

#include "program/program_log.h"
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
    m_productName = L"Almanaxium";
    program::OpenProgramLog(m_productName);
    {
        CAlmanaxDlg dialog;
        SetTopWindow(&dialog);
        dialog.DoModal();
        SetTopWindow(nullptr);
    }
    return false;
}

int CAlmanaxApp::ExitInstance() {
    program::CloseProgramLog();
    return 0;
}
