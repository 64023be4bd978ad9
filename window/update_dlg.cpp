#include "update_dlg.h"

#include "resources/string_ids.h"

namespace {

enum : int { kIntroText = 1016, kInstalledVersion = 1026, kLatestVersion = 1027 };

constexpr resources::CaptionText kCaptions[] = {
    {framework::kIdOk, resources::kTextUpdateNow},
    {kIntroText, resources::kTextNewVersionIntro},
    {1089, resources::kCaptionInstalledVersion},
    {1088, resources::kCaptionLatestVersion},
};

}  // namespace

UpdateDlg::UpdateDlg(std::wstring installedVersion, std::wstring latestVersion)
    : CLocalizableDialog(resources::kUpdateDialog),
      m_installedVersionText(std::move(installedVersion)),
      m_latestVersionText(std::move(latestVersion)) {
    BindText(kInstalledVersion, &m_installedVersionText);
    BindText(kLatestVersion, &m_latestVersionText);
    BindCaptions(kCaptions);
}

bool UpdateDlg::OnInitDialog() {
    SetLocalizedTitle(resources::kTextNewVersionTitle);
    LoadCaptions();
    return true;
}
