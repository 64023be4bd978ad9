#include "update_dlg.h"

#include "resources/string_table.h"
#include "resources/string_ids.h"

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
    : CLocalizableDialog(resources::kUpdateDialog),
      m_installedVersionText(std::move(installedVersion)),
      m_latestVersionText(std::move(latestVersion)) {
    BindText(kInstalledVersion, &m_installedVersionText);
    BindText(kLatestVersion, &m_latestVersionText);
    BindText(kIntroText, &m_introText);
    BindText(kInstalledCaption, &m_installedCaption);
    BindText(kLatestCaption, &m_latestCaption);
}

bool UpdateDlg::OnInitDialog() {
    m_introText = resources::LoadLocalizedString(resources::kTextNewVersionIntro);
    m_installedCaption = resources::LoadLocalizedString(resources::kCaptionInstalledVersion);
    m_latestCaption = resources::LoadLocalizedString(resources::kCaptionLatestVersion);
    SetLocalizedText(Control(kUpdateNowButton), resources::kTextUpdateNow);
    SetLocalizedTitle(resources::kTextNewVersionTitle);
    WriteBoundTexts();
    return true;
}
