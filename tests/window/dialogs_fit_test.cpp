// The texts of the About box, the new-version dialog and the progress window fit in all five
// languages.
#include "dialog_watcher.h"
#include "main_window_fixture.h"
#include "window/about_dlg.h"
#include "window/update_dlg.h"
#include "window/update_download_progress.h"

void ExpectEveryTextFits(wxWindow& dialog, const char* language);

namespace {

class DialogTextsFit : public MainWindowTest, public testing::WithParamInterface<const char*> {};

TEST_P(DialogTextsFit, AboutNewVersionAndProgress) {
    Open(GetParam());
    DialogWatcher<CAboutDlg> about([&](CAboutDlg& dialog) {
        ExpectEveryTextFits(dialog, GetParam());
        dialog.Close();
    });
    Click(kAboutButton);
    EXPECT_TRUE(about.Seen());

    UpdateDlg update(L"2.5.0.5012", L"2.6.0.12345");
    DialogWatcher<UpdateDlg> watcher([&](UpdateDlg& dialog) {
        ExpectEveryTextFits(dialog, GetParam());
        dialog.EndDialog(framework::kIdCancel);
    });
    update.DoModal(&Window());
    EXPECT_TRUE(watcher.Seen());

    auto* progress = new UpdateDownloadProgress;
    progress->CreateModeless(&Window());
    Pump();
    progress->OnDownloadProgress(100);
    ExpectEveryTextFits(*progress, GetParam());
    progress->Destroy();
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogTextsFit, testing::Values("en", "de", "es", "fr", "el"));

}  // namespace
