// The month table: one row a day of the selected place and zone for a month, the months before and
// after, and the export of the month to a spreadsheet or a calendar file.
#pragma once

#include <wx/dialog.h>

#include <functional>
#include <string>

#include "almanac/month_table.h"

class wxDataViewEvent;
class wxDataViewListCtrl;
class wxStaticText;
class wxButton;
class MarkedRowsStore;

class MonthTableDlg : public wxDialog {
public:
    using ShowDay = std::function<void(const astro::CalendarDate&)>;
    // showDay makes a date the main window's date.
    // The observer's name is a calendar event's location.
    MonthTableDlg(wxWindow* parent, places::Observer observer, report::TextStyle style,
                  const astro::CalendarDate& selected, ShowDay showDay);
    // Keeps where the table stood, for the next time it opens.
    ~MonthTableDlg() override;

    wxDataViewListCtrl* List() const { return m_list; }
    const almanac::MonthTable& Table() const { return m_table; }
    void GoBack();
    void GoOn();
    // The month as CSV or as an iCalendar file, written whole or not at all; false with errno set.
    bool ExportTo(const std::string& path, bool calendar) const;

private:
    void ShowMonth();
    void FitColumns();
    void OnActivated(wxDataViewEvent& event);
    void OnExport();
    void RestoreRectangle();

    places::Observer m_observer;
    report::TextStyle m_style;
    almanac::MonthTable m_table;
    std::vector<almanac::SpanDay> m_days;
    ShowDay m_showDay;
    wxDataViewListCtrl* m_list = nullptr;
    MarkedRowsStore* m_store = nullptr;
    wxStaticText* m_monthText = nullptr;
    wxButton* m_backButton = nullptr;
    wxButton* m_onButton = nullptr;
};
