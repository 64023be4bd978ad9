#include "month_table_dlg.h"

#include <wx/button.h>
#include <wx/dataview.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/menuitem.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/settings.h>
#include <wx/stattext.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "almanac/export_target.h"
#include "almanac/span_csv.h"
#include "calendar/span_calendar.h"
#include "common/replace_file.h"
#include "common/utf8_text.h"
#include "framework/accessible_names.h"
#include "framework/framework_dialog.h"
#include "report/value_formatting.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "settings/app_settings.h"
#include "update/update_flow.h"

// The list's own rows, with today's in bold and the days of a principal phase in italics.
class MarkedRowsStore : public wxDataViewListStore {
public:
    int todayRow = -1;
    std::vector<bool> phaseRows;

    bool GetAttrByRow(unsigned row, unsigned, wxDataViewItemAttr& attr) const override {
        const bool today = static_cast<int>(row) == todayRow;
        const bool phase = row < phaseRows.size() && phaseRows[row];
        if (today) attr.SetBold(true);
        if (phase) attr.SetItalic(true);
        return today || phase;
    }
};

namespace {

wxString Text(unsigned id) { return wxString(resources::LoadPlainString(id)); }

constexpr int kRectangleSettings[] = {settings::kSettingMonthTablePosLeft, settings::kSettingMonthTablePosTop,
                                      settings::kSettingMonthTablePosRight, settings::kSettingMonthTablePosBottom};

}  // namespace

MonthTableDlg::MonthTableDlg(wxWindow* parent, places::Observer observer, report::TextStyle style,
                             const astro::CalendarDate& selected, ShowDay showDay)
    : wxDialog(parent, wxID_ANY, Text(resources::kTextMonthTableTitle), wxDefaultPosition, wxSize(980, 640),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_observer(std::move(observer)),
      m_style(std::move(style)),
      m_table(selected, almanac::Today()),
      m_showDay(std::move(showDay)) {
    m_backButton = new wxButton(this, wxID_BACKWARD, Text(resources::kTextPreviousMonth));
    m_monthText = new wxStaticText(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL);
    m_onButton = new wxButton(this, wxID_FORWARD, Text(resources::kTextNextMonth));
    m_list = new wxDataViewListCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                    wxDV_ROW_LINES | wxDV_SINGLE | wxDV_VERT_RULES);
    m_store = new MarkedRowsStore;
    m_list->AssociateModel(m_store);
    m_store->DecRef();
    for (const std::wstring& heading : almanac::SpanTableHeadings(m_style)) {
        m_list->AppendTextColumn(wxString(heading), wxDATAVIEW_CELL_INERT, wxCOL_WIDTH_AUTOSIZE);
    }
    m_list->SetName(Text(resources::kTextMonthTableTitle));
    // The mnemonics of the buttons ("&Previous Month") reach them before the table's keys do.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (!framework::ActivateMnemonic(*this, event)) event.Skip();
    });
    auto* exportButton = new wxButton(this, wxID_SAVE, Text(resources::kTextExport));
    auto* closeButton = new wxButton(this, wxID_CANCEL, Text(resources::kTextClose));

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(m_backButton);
    top->Add(m_monthText, 1, wxALIGN_CENTRE_VERTICAL | wxLEFT | wxRIGHT, 12);
    top->Add(m_onButton);
    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    bottom->Add(exportButton);
    bottom->AddStretchSpacer();
    bottom->Add(closeButton);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(top, 0, wxEXPAND | wxALL, 8);
    column->Add(m_list, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    column->Add(bottom, 0, wxEXPAND | wxALL, 8);
    SetSizer(column);
    SetMinSize(wxSize(480, 320));

    m_backButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { GoBack(); });
    m_onButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { GoOn(); });
    exportButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnExport(); });
    // A double click and Enter both activate a row.
    m_list->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, &MonthTableDlg::OnActivated, this);
    SetEscapeId(wxID_CANCEL);
    ShowMonth();
    FitColumns();
    RestoreRectangle();
    m_list->SetFocus();
}

MonthTableDlg::~MonthTableDlg() {
    const wxRect rect = GetRect();
    const int edges[] = {rect.GetLeft(), rect.GetTop(), rect.GetRight() + 1, rect.GetBottom() + 1};
    for (int i = 0; i < 4; ++i) settings::WriteSettingDword(kRectangleSettings[i], edges[i]);
}

// Each column as wide as its widest text in bold (today's row), and the dialog as wide as the
// columns, within the screen: a heading in Greek is twice an English one.
void MonthTableDlg::FitColumns() {
    wxClientDC dc(m_list);
    dc.SetFont(m_list->GetFont().Bold());
    const int padding = FromDIP(8);
    int total = 0;
    for (unsigned column = 0; column < m_list->GetColumnCount(); ++column) {
        int width = dc.GetTextExtent(m_list->GetColumn(column)->GetTitle()).x;
        for (unsigned row = 0; row < static_cast<unsigned>(m_list->GetItemCount()); ++row) {
            width = std::max(width, dc.GetTextExtent(m_list->GetTextValue(row, column)).x);
        }
        m_list->GetColumn(column)->SetWidth(width + padding);
        total += width + padding;
    }
    const int screen = wxDisplay(wxDisplay::GetFromWindow(this) == wxNOT_FOUND ? 0u : static_cast<unsigned>(wxDisplay::GetFromWindow(this)))
                           .GetClientArea().GetWidth();
    const int wanted = total + FromDIP(16) + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this) + FromDIP(8);
    SetSize(std::min(wanted, screen - FromDIP(20)), GetSize().y);
}

void MonthTableDlg::RestoreRectangle() {
    int edges[4];
    for (int i = 0; i < 4; ++i) edges[i] = settings::ReadSettingDword(kRectangleSettings[i]);
    if (edges[2] <= edges[0] || edges[3] <= edges[1]) return;  // never saved, or not a rectangle
    SetSize(edges[0], edges[1], edges[2] - edges[0], edges[3] - edges[1], wxSIZE_ALLOW_MINUS_ONE);
}

void MonthTableDlg::GoBack() {
    if (m_table.GoBack()) ShowMonth();
}

void MonthTableDlg::GoOn() {
    if (m_table.GoOn()) ShowMonth();
}

void MonthTableDlg::ShowMonth() {
    m_days = almanac::ComputeSpan(m_table.Span(), m_observer, m_style);
    const std::vector<almanac::SpanTableRow> rows = almanac::MonthTableRows(m_days, m_style);
    m_list->DeleteAllItems();
    m_store->todayRow = m_table.TodayRow();
    m_store->phaseRows.clear();
    for (const almanac::SpanTableRow& row : rows) {
        wxVector<wxVariant> values;
        for (const std::wstring& cell : row.cells) values.push_back(wxVariant(wxString(cell)));
        m_list->AppendItem(values);
        m_store->phaseRows.push_back(row.principalPhase);
    }
    const std::wstring month = report::FormatMonthYear(m_table.Year(), m_table.Month());
    m_monthText->SetLabel(wxControl::EscapeMnemonics(wxString(month)));
    framework::SetAccessibleName(m_list, month);
    m_backButton->Enable(m_table.CanGoBack());
    m_onButton->Enable(m_table.CanGoOn());
    if (const int selected = m_table.SelectedRow(); selected >= 0) {
        m_list->SelectRow(static_cast<unsigned>(selected));
        m_list->EnsureVisible(m_list->RowToItem(selected));
    }
    Layout();
}

void MonthTableDlg::OnActivated(wxDataViewEvent& event) {
    const int row = m_list->ItemToRow(event.GetItem());
    if (row < 0) return;
    const astro::CalendarDate date = m_table.DateOfRow(row);
    m_table.Select(date);
    if (m_showDay) m_showDay(date);
}

bool MonthTableDlg::ExportTo(const std::string& path, bool calendar) const {
    const std::string text =
        calendar ? calendar::SpanCalendar(m_days, m_observer, {"sunrise", "sunset", "phases"}, m_style)
                 : almanac::SpanCsv(m_days);
    return common::ReplaceFileWhole(path, text, 0644);
}

void MonthTableDlg::OnExport() {
    char name[32];
    std::snprintf(name, sizeof name, "almanaxium-%04d-%02d.csv", m_table.Year(), m_table.Month());
    const wxString types = Text(resources::kTextSpreadsheetFiles) + " (*.csv)|*.csv|" +
                           Text(resources::kTextCalendarFiles) + " (*.ics)|*.ics";
    wxFileDialog chooser(this, wxStripMenuCodes(Text(resources::kTextExport)).BeforeFirst('.'), "", name, types,
                         wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (chooser.ShowModal() != wxID_OK) return;
    const bool calendar = chooser.GetFilterIndex() == 1;
    const almanac::ExportTarget target = almanac::ExportTargetOf(chooser.GetPath().utf8_string(), calendar);
    const std::string& path = target.path;
    // The dialog asked about the name as typed; the file written has the format's ending.
    if (target.askToReplace) {
        const std::wstring question = update::WithText(resources::LoadPlainString(resources::kTextReplaceFile),
                                                       common::Utf8ToWide(path));
        wxMessageDialog ask(this, wxString(question), wxStripMenuCodes(Text(resources::kTextExport)).BeforeFirst('.'),
                            wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
        if (ask.ShowModal() != wxID_YES) return;
    }
    errno = 0;
    if (!ExportTo(path, calendar)) {
        const int error = errno;
        framework::ShowMessageBox(this, update::WithText(resources::LoadPlainString(resources::kTextFileNotWritten),
                                                         common::Utf8ToWide(std::strerror(error != 0 ? error : EIO))));
    }
}
