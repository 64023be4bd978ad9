// Opens the real main window with its own settings folder and drives it through its controls.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "settings/app_settings.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"
#include "window/almanax_dlg.h"

class wxWindow;

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the window in an interface language, as a start of the program does.
    CAlmanaxDlg& Open(const char* language = "en", const std::string& programFolder = std::string());
    // Closes it through its close box (which saves the settings) and destroys it.
    void Close();
    CAlmanaxDlg& Window() { return *window_; }

    // What a user does, as the controls report it.
    void Select(int listId, int position);
    int SelectText(int listId, const std::wstring& text);  // the position chosen, -1 if absent
    void Click(int buttonId);
    void SetDate(int year, int month, int day);
    void TypeInto(int editId, const std::wstring& text);
    void LeaveField(int editId);
    void PressKey(int keyCode);
    static void Pump();

    // What the window shows.
    std::wstring TextOf(int controlId);
    std::wstring ListText(int listId);
    int ListCount(int listId);
    int ListSelection(int listId);
    wxRect RectOf(int controlId);
    bool IsShown(int controlId);

    test_support::TempFolder settingsFolder_;
    test_support::ScopedEnvironment environment_;
    settings::SettingsFiles files_;
    CAlmanaxDlg* window_ = nullptr;
};
