// What the main window keeps between runs, written and read back over real settings files.
#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "settings/window_session.h"
#include "support/temp_folder.h"

namespace {

using namespace settings;

class WindowSessionTest : public testing::Test {
protected:
    void SetUp() override {
        files_.user = folder_ / "config/Qelt/Almanaxium2.reg";
        files_.machine = folder_ / "etc/Qelt/Almanaxium2.reg";
        UseSettingsFiles(files_);
    }
    void TearDown() override { UseSettingsFiles(SettingsFiles::FromEnvironment()); }

    test_support::TempFolder folder_;
    SettingsFiles files_;
};

TEST_F(WindowSessionTest, WritesEveryValueAndTheRectangleOnlyWhenAsked) {
    EXPECT_FALSE(ReadWindowSession().HasRectangle());
    const WindowSession first{2, 5, 7, 3, 41, L"52.524370", L"13.410530", 123, 77, 800, 600};
    WriteWindowSession(first, true);
    const WindowSession minimized{1, 0, 4, 0, 9, L"-33.9", L"18.4", -32000, -32000, -31840, -31972};
    struct Case {
        const char* name;
        int WindowSession::*field;
        int afterFirst;
        int afterMinimized;
        int settingId;
    };
    const Case cases[] = {
        {"continent", &WindowSession::continent, 2, 1, kSettingContinent},
        {"country", &WindowSession::country, 5, 0, kSettingCountry},
        {"city", &WindowSession::city, 7, 4, kSettingCity},
        {"state", &WindowSession::state, 3, 0, kSettingState},
        {"zone", &WindowSession::timeZone, 41, 9, kSettingTimeZone},
        {"left", &WindowSession::left, 123, 123, kSettingWindowPosLeft},
        {"top", &WindowSession::top, 77, 77, kSettingWindowPosTop},
        {"right", &WindowSession::right, 800, 800, kSettingWindowPosRight},
        {"bottom", &WindowSession::bottom, 600, 600, kSettingWindowPosBottom},
    };
    const WindowSession read = ReadWindowSession();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(read.*c.field, c.afterFirst);
        EXPECT_EQ(ReadSettingDword(c.settingId), c.afterFirst);
    }
    EXPECT_EQ(read.latitude, L"52.524370");
    EXPECT_EQ(read.longitude, L"13.410530");
    EXPECT_TRUE(read.HasRectangle());

    WriteWindowSession(minimized, false);
    const WindowSession again = ReadWindowSession();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(again.*c.field, c.afterMinimized);
    }
    EXPECT_EQ(ReadSavedCoordinates().latitude, L"-33.9");
    EXPECT_EQ(ReadSavedCoordinates().longitude, L"18.4");
}

}  // namespace
