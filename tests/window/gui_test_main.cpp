// Runs GUI tests inside a real wxWidgets application on the X display of the test (Xvfb in CI).
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>

namespace {

class GuiTestApp : public wxApp {
public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        return true;
    }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new GuiTestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "no display for the GUI tests (run them under xvfb-run)\n");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
