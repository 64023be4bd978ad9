#include "update_dlg.h"

#include "resources/string_table.h"

namespace {

enum : int {
    kUpdateNowButton = framework::kIdOk,
    kIntroText = 1016,
    kInstalledVersion = 1026,
    kLatestVersion = 1027,
    kLatestCaption = 1088,
    kInstalledCaption = 1089,
};

}  // namespace

UpdateDlg::UpdateDlg(std::wstring installedVersion, std::wstring latestVersion)
    : CLocalizableDialog(105),
      m_installedVersionText(std::move(installedVersion)),
      m_latestVersionText(std::move(latestVersion)) {
    BindText(kInstalledVersion, &m_installedVersionText);
    BindText(kLatestVersion, &m_latestVersionText);
    BindText(kIntroText, &m_introText);
    BindText(kInstalledCaption, &m_installedCaption);
    BindText(kLatestCaption, &m_latestCaption);
}

bool UpdateDlg::OnInitDialog() {
    m_introText = resources::LoadLocalizedString(161);
    m_installedCaption = resources::LoadLocalizedString(159);
    m_latestCaption = resources::LoadLocalizedString(160);
    SetLocalizedText(Control(kUpdateNowButton), 158);
    SetLocalizedTitle(157);
    WriteBoundTexts();
    return true;
}
