// The About box: the product and its version, the maker's copyright line and contact, the credits
// of the pictures, the icons and the place data. Two lines are links, drawn by the dialog in blue
// and underlined, with the hand cursor over them.
#pragma once

#include <memory>
#include <string>

#include "framework/drawn_links.h"
#include "localizable_dialog.h"

class CAboutDlg : public CLocalizableDialog {
public:
    explicit CAboutDlg(std::wstring productText);

    // The addresses of the two links.
    static constexpr const wchar_t* kMakerHomePage = L"https://www.qelt.com/";
    static constexpr const wchar_t* kPlaceDataPage = L"https://www.geonames.org/about.html";

    const framework::DrawnLinks* Links() const { return m_links.get(); }
    bool HandCursorShown() const { return m_links && m_links->HandCursorShown(); }
    void OnMouseMove(const wxPoint& point) { m_links->OnMouseMove(point); }
    void OnLButtonDown(const wxPoint& point) { m_links->OnLButtonDown(point); }

protected:
    std::vector<Route> MessageMap() override;
    bool OnInitDialog() override;

private:
    std::wstring m_productText;
    std::unique_ptr<framework::DrawnLinks> m_links;
};
