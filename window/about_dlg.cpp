#include "about_dlg.h"

#include "framework/dialog_looks.h"
#include "resources/string_ids.h"

namespace {

enum : int { kProductText = 1016, kCopyrightLink = 1017, kPlaceDataLink = 1060, kCloseButton = 1092 };

constexpr resources::CaptionText kCaptions[] = {
    {1062, resources::kCaptionContact},         {1063, resources::kCaptionImageSource},
    {1064, resources::kCaptionLocationSource},  {1061, resources::kCaptionIcons},
    {1067, resources::kTextIconsCredit},        {kCloseButton, resources::kTextClose},
};

}  // namespace

CAboutDlg::CAboutDlg(std::wstring productText)
    : CLocalizableDialog(resources::kAboutDialog), m_productText(std::move(productText)) {
    BindText(kProductText, &m_productText);
    BindCaptions(kCaptions);
}

std::vector<framework::CDialog::Route> CAboutDlg::MessageMap() {
    // Close asks the dialog to close, which then ends like Cancel.
    return {{framework::Notification::kButtonClicked, kCloseButton, [this] { CallAfter([this] { Close(); }); }}};
}

bool CAboutDlg::OnInitDialog() {
    framework::UseWhiteBackground(*this, false);
    SetLocalizedTitle(resources::kTextAboutTitle);
    LoadCaptions();
    m_links = std::make_unique<framework::DrawnLinks>(
        *this, std::vector<framework::DrawnLinks::Link>{{kCopyrightLink, kMakerHomePage},
                                                        {kPlaceDataLink, kPlaceDataPage}});
    return true;
}
