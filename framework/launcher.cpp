#include "launcher.h"

#include <wx/mimetype.h>
#include <wx/utils.h>

namespace framework {

namespace {

Launcher realLauncher;
Launcher* current = &realLauncher;

}  // namespace

bool Launcher::OpenAddress(const std::wstring& address) { return wxLaunchDefaultBrowser(wxString(address)); }

bool Launcher::OpenFile(const std::wstring& path) { return wxLaunchDefaultApplication(wxString(path)); }

Launcher& CurrentLauncher() { return *current; }

void UseLauncher(Launcher* launcher) { current = launcher != nullptr ? launcher : &realLauncher; }

}  // namespace framework
