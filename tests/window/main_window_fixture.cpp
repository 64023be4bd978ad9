#include "main_window_fixture.h"

#include <wx/app.h>
#include <wx/combobox.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/choice.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <ctime>

void MainWindowTest::SetUp() {
    files_.user = settingsFolder_ / "config/Qelt/Almanaxium2.reg";
    files_.machine = settingsFolder_ / "machine/Qelt/Almanaxium2.reg";
    settings::UseSettingsFiles(files_);
    environment_.Set("TZ", "Europe/Berlin");
    environment_.Set("LC_ALL", nullptr);
    environment_.Set("LC_TIME", "C");
    tzset();
}

void MainWindowTest::TearDown() {
    if (window_ != nullptr) {
        window_->Destroy();
        window_ = nullptr;
        Pump();
    }
    settings::UseSettingsFiles(settings::SettingsFiles::FromEnvironment());
}

void MainWindowTest::Pump() {
    for (int i = 0; i < 5; ++i) wxTheApp->Yield(true);
}

CAlmanaxDlg& MainWindowTest::Open(const char* language, const std::string& programFolder) {
    environment_.Set("LANGUAGE", language);
    window_ = new CAlmanaxDlg(programFolder);
    EXPECT_TRUE(window_->CreateModeless(nullptr));
    Pump();
    return *window_;
}

void MainWindowTest::Close() {
    window_->Close();
    Pump();
    window_->Destroy();
    window_ = nullptr;
    Pump();
}

void MainWindowTest::Select(int listId, int position) {
    auto* list = window_->ControlAs<wxChoice>(listId);
    ASSERT_NE(list, nullptr) << listId;
    list->SetSelection(position);
    wxCommandEvent event(wxEVT_CHOICE, listId);
    event.SetEventObject(list);
    event.SetInt(position);
    list->ProcessWindowEvent(event);
    Pump();
}

int MainWindowTest::SelectText(int listId, const std::wstring& text) {
    auto* list = window_->ControlAs<wxChoice>(listId);
    const int position = list != nullptr ? list->FindString(wxString(text), true) : wxNOT_FOUND;
    if (position != wxNOT_FOUND) Select(listId, position);
    return position == wxNOT_FOUND ? -1 : position;
}

void MainWindowTest::Click(int buttonId) {
    wxWindow* button = window_->Control(buttonId);
    ASSERT_NE(button, nullptr) << buttonId;
    wxCommandEvent event(wxEVT_BUTTON, buttonId);
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
    Pump();
}

void MainWindowTest::SetDate(int year, int month, int day) {
    auto* picker = window_->ControlAs<wxDatePickerCtrl>(kDatePicker);
    ASSERT_NE(picker, nullptr);
    const wxDateTime date(static_cast<wxDateTime::wxDateTime_t>(day),
                          static_cast<wxDateTime::Month>(month - 1), year);
    picker->SetValue(date);
    wxDateEvent event(picker, date, wxEVT_DATE_CHANGED);
    picker->ProcessWindowEvent(event);
    Pump();
}

// Real keystrokes through the X server into the focused field.
void MainWindowTest::TypeInto(int editId, const std::wstring& text) {
    auto* edit = window_->ControlAs<wxTextCtrl>(editId);
    ASSERT_NE(edit, nullptr);
    edit->SetFocus();
    Pump();
    edit->SelectAll();
    Pump();
    wxUIActionSimulator simulator;
    for (const wchar_t ch : text) {
        simulator.Char(ch);
        Pump();
    }
}

void MainWindowTest::LeaveField(int editId) {
    (void)editId;
    window_->Control(kTodayButton)->SetFocus();
    Pump();
}

void MainWindowTest::PressKey(int keyCode) {
    wxUIActionSimulator simulator;
    simulator.Char(keyCode);
    Pump();
}

std::wstring MainWindowTest::TextOf(int controlId) {
    wxWindow* control = window_->Control(controlId);
    if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) return edit->GetValue().ToStdWstring();
    // As shown: a caption's mnemonic mark is no part of its text.
    return control != nullptr ? wxControl::RemoveMnemonics(control->GetLabel()).ToStdWstring() : std::wstring();
}

std::wstring MainWindowTest::ListText(int listId) {
    auto* list = window_->ControlAs<wxChoice>(listId);
    if (list == nullptr || list->GetSelection() == wxNOT_FOUND) return std::wstring();
    return list->GetString(static_cast<unsigned>(list->GetSelection())).ToStdWstring();
}

int MainWindowTest::ListCount(int listId) {
    auto* list = window_->ControlAs<wxChoice>(listId);
    return list != nullptr ? static_cast<int>(list->GetCount()) : -1;
}

int MainWindowTest::ListSelection(int listId) {
    auto* list = window_->ControlAs<wxChoice>(listId);
    return list != nullptr ? list->GetSelection() : -2;
}

wxRect MainWindowTest::RectOf(int controlId) {
    wxWindow* control = window_->Control(controlId);
    return control != nullptr ? control->GetRect() : wxRect();
}

bool MainWindowTest::IsShown(int controlId) {
    wxWindow* control = window_->Control(controlId);
    return control != nullptr && control->IsShown();
}
