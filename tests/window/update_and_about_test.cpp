// The About box, the store buttons and the update service, driven through the main window against
// a real HTTP server on 127.0.0.1. Addresses and the installer are opened through a recording
// launcher: no test reaches beyond this computer.
#include <wx/msgdlg.h>
#include <wx/gauge.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>
#include <wx/generic/msgdlgg.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "framework/launcher.h"
#include "common/utf8_text.h"
#include "dialog_watcher.h"
#include "main_window_fixture.h"
#include "support/local_http_server.h"
#include "window/about_dlg.h"
#include "window/update_dlg.h"
#include "window/update_download_progress.h"

namespace {

using test_support::HttpAnswer;
using test_support::LocalHttpServer;

class RecordingLauncher : public framework::Launcher {
public:
    bool OpenAddress(const std::wstring& address) override {
        addresses.push_back(address);
        return true;
    }
    bool OpenFile(const std::wstring& path) override {
        files.push_back(path);
        return true;
    }
    std::vector<std::wstring> addresses;
    std::vector<std::wstring> files;
};

class UpdateAndAbout : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        framework::UseLauncher(&launcher_);
        environment_.Set("TMPDIR", temp_.Path().c_str());
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        framework::UseLauncher(nullptr);
    }
    void PointAtServer(const std::string& versionAnswer) {
        HttpAnswer answer;
        answer.body = versionAnswer;
        server_.Answer("/cur/versions/updatecheck.php", answer);
        Window().UpdateService().SetQueryBase(
            common::Utf8ToWide(server_.Url("/cur/versions/updatecheck.php?product=")));
        Window().UpdateService().SetCaFile(LocalHttpServer::CaFile());
    }
    static std::wstring LabelOf(wxWindow& dialog, int id) {
        wxWindow* control = dialog.FindWindow(id);
        return control != nullptr ? control->GetLabel().ToStdWstring() : std::wstring();
    }
    // Waits, pumping events, until the condition holds or the time is up.
    template <typename Condition>
    static bool WaitFor(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
        const auto until = std::chrono::steady_clock::now() + limit;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > until) return false;
            Pump();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    RecordingLauncher launcher_;
    LocalHttpServer server_;
    test_support::TempFolder temp_;
};

TEST_F(UpdateAndAbout, AboutBoxShowsTheVersionAndClosesWithEnterAndEscape) {
    Open("en");
    for (const int key : {WXK_RETURN, WXK_ESCAPE}) {
        std::wstring product, title, close;
        DialogWatcher<CAboutDlg> watcher([&](CAboutDlg& about) {
            product = LabelOf(about, 1016);
            title = about.GetTitle().ToStdWstring();
            close = LabelOf(about, 1092);
            about.Raise();
            about.FindWindow(1092)->SetFocus();
            Pump();
            wxUIActionSimulator().Char(key);
        });
        Click(kAboutButton);  // returns once the box has closed
        EXPECT_TRUE(watcher.Seen());
        EXPECT_EQ(product, L"Almanaxium - 2.5.0.5012");
        EXPECT_EQ(title, L"About Almanaxium ");
        EXPECT_EQ(close, L"Close");
    }
}

TEST_F(UpdateAndAbout, AboutBoxInGermanWithItsLinks) {
    Open("de");
    std::map<int, std::wstring> texts;
    std::wstring title;
    bool handOverLink = false, handElsewhere = true;
    std::wstring linkAtRightOfText;
    DialogWatcher<CAboutDlg> watcher([&](CAboutDlg& about) {
        title = about.GetTitle().ToStdWstring();
        for (const int id : {1016, 1017, 1060, 1061, 1062, 1063, 1064, 1065, 1066, 1067, 1092}) {
            texts[id] = LabelOf(about, id);
        }
        // The whole rectangle of the place-data link is the link, also right of its text.
        const wxRect places = about.FindWindow(1060)->GetRect();
        const wxPoint rightEnd(places.GetRight() - 1, places.y + places.height / 2);
        about.OnMouseMove(rightEnd);
        handOverLink = about.HandCursorShown();
        about.OnMouseMove(wxPoint(2, 2));
        handElsewhere = about.HandCursorShown();
        about.OnLButtonDown(rightEnd);
        about.OnLButtonDown(wxPoint(2, 2));  // no link there
        about.Close();
    });
    Click(kAboutButton);
    ASSERT_TRUE(watcher.Seen());
    EXPECT_EQ(title, L"\u00dcber Almanaxium ");
    EXPECT_EQ(texts[1092], L"Schlie\u00dfen");
    EXPECT_EQ(texts[1062], L"Kontakt:");
    EXPECT_EQ(texts[1064], L"Quelle der Ortsdaten: ");
    // The lines that stay the same in every language; the credits name what the program ships.
    EXPECT_EQ(texts[1060], L"GeoNames, CC BY 4.0");
    EXPECT_EQ(texts[1066], L"Drawn for Almanaxium by Qelt");
    EXPECT_NE(texts[1017].find(L"Qelt"), std::wstring::npos);
    EXPECT_TRUE(handOverLink);
    EXPECT_FALSE(handElsewhere);
    EXPECT_EQ(launcher_.addresses, std::vector<std::wstring>{CAboutDlg::kPlaceDataPage});
}

TEST(LinkColour, FromTheBrightnessOfTheButtonFace) {
    EXPECT_EQ(framework::DrawnLinks::LinkColour(wxColour(100, 100, 190)), wxColour(153, 153, 255));  // 295
    EXPECT_EQ(framework::DrawnLinks::LinkColour(wxColour(100, 100, 200)), wxColour(0, 51, 255));    // 300
    EXPECT_EQ(framework::DrawnLinks::LinkColour(wxColour(239, 239, 239)), wxColour(0, 51, 255));
}

TEST_F(UpdateAndAbout, StoreButtonsOpenTheirPages) {
    Open("el");
    Click(kAppleStoreButton);
    Click(kAndroidStoreButton);
    Click(kWindowsStoreButton);
    ASSERT_EQ(launcher_.addresses.size(), 3u);
    EXPECT_NE(launcher_.addresses[0].find(L"/de/app/almanaxium/"), std::wstring::npos);
    EXPECT_NE(launcher_.addresses[1].find(L"/details?id="), std::wstring::npos);
    EXPECT_NE(launcher_.addresses[2].find(L"/windows/app/almanaxium/"), std::wstring::npos);
}

// Only the service's answer says there is no new version; a check that reached nothing says so.
TEST_F(UpdateAndAbout, TheCheckSaysThereIsNoNewVersionOrWhyItCouldNotAsk) {
    Open("en");
    const struct {
        bool serviceListens;
        const char* message;
    } cases[] = {
        {true, "There is no new version available."},
        {false, "The update service could not be reached: no connection to the service"},
    };
    for (const auto& c : cases) {
        PointAtServer("<version>2.5.0.5012</version><url>https://127.0.0.1/x</url>");
        if (!c.serviceListens) {
            Window().UpdateService().SetQueryBase(
                L"https://127.0.0.1:" + std::to_wstring(LocalHttpServer::RefusingPort()) + L"/x?product=");
        }
        std::string message;
        DialogWatcher<wxGenericMessageDialog> watcher([&](wxGenericMessageDialog& box) {
            message = box.GetMessage().utf8_string();
            box.EndModal(wxID_OK);
        });
        Click(kUpdateButton);
        EXPECT_EQ(message, c.message);
    }
}

// An installer address that is not https is a failed download, and no progress window stays.
TEST_F(UpdateAndAbout, AnInstallerAddressThatIsNotHttpsFails) {
    Open("en");
    PointAtServer("<version>9.0</version><url>http://127.0.0.1:1/installer</url>");
    DialogWatcher<UpdateDlg> accept([&](UpdateDlg& dialog) { dialog.EndDialog(framework::kIdOk); });
    std::string message;
    DialogWatcher<wxGenericMessageDialog> watcher([&](wxGenericMessageDialog& box) {
        message = box.GetMessage().utf8_string();
        box.EndModal(wxID_OK);
    });
    Click(kUpdateButton);
    ASSERT_TRUE(accept.Seen());
    EXPECT_EQ(message, "Update failed.\nError code: 1");
    EXPECT_EQ(Window().ProgressWindow(), nullptr);
    Pump();
    for (wxWindow* window : wxTopLevelWindows) {
        EXPECT_FALSE(dynamic_cast<UpdateDownloadProgress*>(window) != nullptr && window->IsShown());
    }
    EXPECT_FALSE(Window().UpdateService().DownloadRunning());
}

TEST_F(UpdateAndAbout, TheNewVersionDialogDeclinesOnEnter) {
    Open("en");
    PointAtServer("<version>2.6.0.1</version><url>" + server_.Url("/installer") + "</url>");
    std::wstring installed, latest, updateNow, title;
    bool cancelIsDefault = false;
    DialogWatcher<UpdateDlg> watcher([&](UpdateDlg& dialog) {
        installed = LabelOf(dialog, 1026);
        latest = LabelOf(dialog, 1027);
        updateNow = LabelOf(dialog, 1);
        title = dialog.GetTitle().ToStdWstring();
        cancelIsDefault = dialog.GetDefaultItem() == dialog.FindWindow(2);
        dialog.Raise();
        dialog.FindWindow(1)->SetFocus();
        Pump();
        wxUIActionSimulator().Char(WXK_RETURN);
    });
    Click(kUpdateButton);
    ASSERT_TRUE(watcher.Seen());
    EXPECT_EQ(installed, L"2.5.0.5012");
    EXPECT_EQ(latest, L"2.6.0.1");
    EXPECT_EQ(updateNow, L"Update now");
    EXPECT_EQ(title, L"Almanaxium - New Version available");
    EXPECT_TRUE(cancelIsDefault);
    // Enter declined: no download.
    EXPECT_EQ(Window().ProgressWindow(), nullptr);
    EXPECT_TRUE(Window().IsShown());
}

TEST_F(UpdateAndAbout, UpdateNowDownloadsStartsTheInstallerAndCloses) {
    Open("en");
    HttpAnswer installer;
    installer.body = std::string(300000, 'I');
    installer.pieceSize = 30000;
    server_.Answer("/get/almanaxium_9.0_amd64.deb", installer);
    PointAtServer("<version>9.0</version><url>" + server_.Url("/get/almanaxium_9.0_amd64.deb") + "</url>");
    DialogWatcher<UpdateDlg> watcher([&](UpdateDlg& dialog) {
        wxCommandEvent click(wxEVT_BUTTON, framework::kIdOk);
        click.SetEventObject(dialog.FindWindow(framework::kIdOk));
        dialog.FindWindow(framework::kIdOk)->ProcessWindowEvent(click);
    });
    Click(kUpdateButton);
    ASSERT_TRUE(watcher.Seen());
    UpdateDownloadProgress* progress = Window().ProgressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->GetTitle(), "Almanaxium - New Version available");
    // The package is saved under its own name and opened, and the main window closes (saving its
    // settings).
    ASSERT_TRUE(WaitFor([&] { return !launcher_.files.empty() && !Window().IsShown(); }));
    const std::string path = (temp_.Path() / "almanaxium_9.0_amd64.deb").string();
    EXPECT_EQ(launcher_.files, std::vector<std::wstring>{common::Utf8ToWide(path)});
    EXPECT_EQ(std::filesystem::file_size(path), 300000u);
    EXPECT_FALSE(progress->IsShown());
    EXPECT_TRUE(std::filesystem::exists(files_.user)) << "the close saved the settings";
}

TEST_F(UpdateAndAbout, ProgressWindowShowsPercentagesAndCancels) {
    Open("en");
    HttpAnswer slow;
    slow.body = std::string(200000, 'S');
    slow.pieceSize = 2000;
    slow.pauseBetweenPieces = std::chrono::milliseconds(10);
    server_.Answer("/installer", slow);
    PointAtServer("<version>9.0</version><url>" + server_.Url("/installer") + "</url>");
    DialogWatcher<UpdateDlg> accept([&](UpdateDlg& dialog) { dialog.EndDialog(framework::kIdOk); });
    Click(kUpdateButton);
    UpdateDownloadProgress* progress = Window().ProgressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(LabelOf(*progress, 1016), L"Downloading new version...");
    EXPECT_EQ(LabelOf(*progress, 2), L"Abbrechen");
    // "Update now" again while it runs starts no second download.
    DialogWatcher<UpdateDlg> again([&](UpdateDlg& dialog) { dialog.EndDialog(framework::kIdOk); });
    Click(kUpdateButton);
    EXPECT_EQ(Window().ProgressWindow(), progress);
    // Escape on the progress window cancels.
    ASSERT_TRUE(WaitFor([&] { return LabelOf(*progress, 1024) != L"Connecting..."; }));
    const std::wstring percentage = LabelOf(*progress, 1024);
    EXPECT_NE(percentage.find(L" %"), std::wstring::npos);
    // The bar stands at the number the text shows.
    EXPECT_EQ(progress->ControlAs<wxGauge>(1029)->GetValue(), std::stoi(percentage)) << percentage;
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    progress->ProcessWindowEvent(escape);
    EXPECT_TRUE(progress->Cancelled());
    EXPECT_FALSE(progress->IsShown());
    ASSERT_TRUE(WaitFor([&] { return !Window().UpdateService().DownloadRunning(); }, std::chrono::seconds(3)));
    EXPECT_FALSE(Window().UpdateService().InstallerReady());
    EXPECT_TRUE(launcher_.files.empty());
    EXPECT_TRUE(Window().IsShown());
}

TEST_F(UpdateAndAbout, ClosingTheWindowStopsARunningDownload) {
    Open("en");
    HttpAnswer endless;
    endless.neverAnswer = true;
    server_.Answer("/installer", endless);
    PointAtServer("<version>9.0</version><url>" + server_.Url("/installer") + "</url>");
    DialogWatcher<UpdateDlg> accept([&](UpdateDlg& dialog) { dialog.EndDialog(framework::kIdOk); });
    Click(kUpdateButton);
    ASSERT_TRUE(Window().UpdateService().DownloadRunning());
    const auto start = std::chrono::steady_clock::now();
    Close();  // cancels, waits for the worker, then the progress window goes with the main window
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

}  // namespace
