// The month table opened from the main window: its rows are the days' own reports, it moves by
// months, a row chosen there becomes the main window's date, its export is the CLI's CSV, and it
// opens again where it was left.
#include <wx/dataview.h>

#include "almanac/span_csv.h"
#include "dialog_watcher.h"
#include "main_window_fixture.h"
#include "support/file_contents.h"
#include "window/month_table_dlg.h"
#include "zones/zone_names_icu.h"

namespace {

std::wstring Cell(MonthTableDlg& table, int row, int column) {
    return table.List()->GetTextValue(static_cast<unsigned>(row), static_cast<unsigned>(column)).ToStdWstring();
}

class MonthTable : public MainWindowTest {
protected:
    // Runs the action on the table while it is open from the main window's button, then closes it.
    void WithTable(const std::function<void(MonthTableDlg&)>& act) {
        bool seen = false;
        DialogWatcher<MonthTableDlg> watcher([&](MonthTableDlg& table) {
            seen = true;
            act(table);
            table.EndModal(wxID_CANCEL);
        });
        Click(kTableButton);
        EXPECT_TRUE(seen) << "the month table opened";
    }
};

TEST_F(MonthTable, RowsMonthsChoiceExportAndPlace) {
    Open("en");
    SetDate(2024, 2, 10);
    const std::wstring sunrise = TextOf(kSunriseValue);
    const std::string csv = (settingsFolder_.Path() / "february.csv").string();
    wxRect placed;
    WithTable([&](MonthTableDlg& table) {
        // One row a day; the selected date's row selected, with the main window's texts.
        EXPECT_EQ(table.List()->GetItemCount(), 29);
        EXPECT_EQ(table.List()->GetSelectedRow(), 9);
        EXPECT_EQ(Cell(table, 9, 1), sunrise);
        EXPECT_NE(Cell(table, 9, 0).find(L"02/10/2024"), std::wstring::npos) << Cell(table, 9, 0);
        // The export is the CLI's CSV of the month, written whole.
        ASSERT_TRUE(table.ExportTo(csv, false));
        const places::Observer berlin{Window().Latitude(), Window().Longitude(),
                                      *zones::FindZone(zones::LoadZoneCatalogue("en"), "Europe/Berlin"), ""};
        EXPECT_EQ(test_support::ReadWholeFile(csv),
                  almanac::SpanCsv(almanac::ComputeSpan({{2024, 2, 1}, {2024, 2, 29}}, berlin, {})));
        // Months on and back; a row chosen becomes the main window's date.
        table.GoOn();
        EXPECT_EQ(table.List()->GetItemCount(), 31);
        EXPECT_EQ(table.List()->GetSelectedRow(), -1) << "the selected date lies in February";
        table.GoBack();
        table.GoBack();
        EXPECT_EQ(table.List()->GetItemCount(), 31);
        wxDataViewEvent activated(wxEVT_DATAVIEW_ITEM_ACTIVATED, table.List(), table.List()->RowToItem(4));
        table.List()->ProcessWindowEvent(activated);
        EXPECT_EQ(Window().SelectedDate(), (astro::CalendarDate{2024, 1, 5}));
        table.SetSize(40, 30, 700, 500);
        placed = table.GetRect();
    });
    // Where it stood is kept, and it opens there again.
    EXPECT_EQ(settings::ReadSettingDword(settings::kSettingMonthTablePosLeft), placed.x);
    EXPECT_EQ(settings::ReadSettingDword(settings::kSettingMonthTablePosBottom), placed.y + placed.height);
    WithTable([&](MonthTableDlg& table) {
        EXPECT_EQ(table.GetRect(), placed);
        EXPECT_EQ(table.List()->GetSelectedRow(), 4) << "opens at the main window's date";
    });
}

}  // namespace
