// The new-version dialog: the installed and the latest version, "Update now" and Cancel (the
// default button, so Enter declines).
#pragma once

#include <string>

#include "localizable_dialog.h"

class UpdateDlg : public CLocalizableDialog {
public:
    UpdateDlg(std::wstring installedVersion, std::wstring latestVersion);

protected:
    bool OnInitDialog() override;

private:
    std::wstring m_installedVersionText;
    std::wstring m_latestVersionText;
};
