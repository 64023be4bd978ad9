// Opening addresses and files with the desktop's default application (xdg-open through the
// toolkit). The one real implementation; tests put a recording one in its place.
#pragma once

#include <string>

namespace framework {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Opens a web address in the user's browser; false when nothing could be started.
    virtual bool OpenAddress(const std::wstring& address);
    // Opens a file with its default application; false when it could not be started.
    virtual bool OpenFile(const std::wstring& path);
};

Launcher& CurrentLauncher();
// Replaces the launcher (nullptr puts the real one back).
void UseLauncher(Launcher* launcher);

}  // namespace framework
