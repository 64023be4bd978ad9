// The installer of an update, opened as any file is opened on the desktop.
#pragma once

#include <string>

#include "framework/launcher.h"
#include "update/update_flow.h"

class LauncherInstallerStarter : public update::InstallerStarter {
public:
    bool StartInstaller(const std::wstring& path) override { return framework::CurrentLauncher().OpenFile(path); }
};
