// The chart window: the day's light of the main window's date, place and zone, drawn, with its
// key times beside the drawing as text for every reader. It follows the main window as that
// changes; closing it hides it.
#pragma once

#include <wx/dialog.h>

#include "chart/day_chart.h"

class wxPanel;
class wxStaticText;

class DayChartDlg : public wxDialog {
public:
    explicit DayChartDlg(wxWindow* parent);

    // Shows the chart of a day and its key times.
    void ShowDay(const almanac::AlmanacDay& day, const almanac::DayLight& light,
                 const zones::Zone& zone, const report::TextStyle& style);

    const chart::DayChart& Chart() const { return m_chart; }
    std::wstring KeyTimes() const;
    wxPanel* Drawing() const { return m_drawing; }

private:
    void OnPaint();

    chart::DayChart m_chart;
    wxPanel* m_drawing = nullptr;
    wxStaticText* m_keyTimes = nullptr;
};
