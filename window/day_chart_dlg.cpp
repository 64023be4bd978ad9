#include "day_chart_dlg.h"

#include <memory>

#include <wx/dcbuffer.h>
#include <wx/graphics.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "almanac/day_light_rows.h"
#include "chart/chart_drawing.h"
#include "framework/accessible_names.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

DayChartDlg::DayChartDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxString(resources::LoadLocalizedString(resources::kTextChartTitle)),
               wxDefaultPosition, wxSize(1000, 460), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    m_drawing = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxSize(760, 400), wxFULL_REPAINT_ON_RESIZE);
    m_drawing->SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_drawing->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
    m_keyTimes = new wxStaticText(this, wxID_ANY, "");
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(m_drawing, 1, wxEXPAND | wxALL, 8);
    row->Add(m_keyTimes, 0, wxTOP | wxRIGHT | wxBOTTOM, 12);
    SetSizer(row);
    SetMinSize(wxSize(560, 300));
    SetEscapeId(wxID_CANCEL);
    framework::SetAccessibleName(m_drawing, resources::LoadLocalizedString(resources::kTextChartTitle));
}

void DayChartDlg::ShowDay(const almanac::AlmanacDay& day, const almanac::DayLight& light,
                          const zones::Zone& zone, const report::TextStyle& style) {
    m_chart = chart::MakeDayChart(day, light, zone, style, almanac::NowUt());
    std::wstring text;
    for (const almanac::LightRow& row : almanac::DayLightRows(light, style)) {
        text += (row.indented ? L"    " : L"") + row.caption;
        if (!row.value.empty()) text += L" " + row.value;
        if (!row.second.empty()) text += L" \u2013 " + row.second;
        text += L"\n";
    }
    m_keyTimes->SetLabel(wxControl::EscapeMnemonics(wxString(text)));
    Layout();
    m_drawing->Refresh();
}

std::wstring DayChartDlg::KeyTimes() const { return wxControl::RemoveMnemonics(m_keyTimes->GetLabel()).ToStdWstring(); }

// The toolkit draws with cairo: the chart's own drawing goes straight into the window's context.
void DayChartDlg::OnPaint() {
    wxAutoBufferedPaintDC dc(m_drawing);
    std::unique_ptr<wxGraphicsContext> graphics(wxGraphicsContext::Create(dc));
    if (!graphics) return;
    auto* context = static_cast<cairo_t*>(graphics->GetNativeContext());
    const wxSize size = m_drawing->GetClientSize();
    if (context != nullptr) chart::DrawDayChart(context, size.x, size.y, m_chart);
}
