// The dialog framework the program's windows stand on: a dialog built from a template of the
// program's resources, its controls keeping the template's ids; notifications of controls routed
// by id to member handlers through a message map; texts bound to controls, written in one pass that
// raises no notifications and read in one pass; an error that escapes a handler shown in a box.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <wx/dialog.h>
#include <wx/timer.h>

#include "resources/dialog_template.h"

namespace framework {

// What a control reports.
enum class Notification {
    kButtonClicked,
    kSelectionChanged,  // a drop-down list
    kEditChanged,       // the user changed an edit field's text
    kEditLostFocus,
    kDateChanged,       // the date picker
};

// Shows the text of an error that escaped a handler and waits for OK. The program's windows go on.
void ShowErrorBox(wxWindow* parent, const std::wstring& text);

// Shows a message with the caption "Almanaxium" and only an OK button, and waits for it.
void ShowMessageBox(wxWindow* parent, const std::wstring& text);

// The two standard commands of a dialog, by the ids of their buttons: OK (Enter on the default
// button when it is OK) and Cancel (Escape, the close box, and a button with this id).
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class CDialog : public wxDialog {
public:
    explicit CDialog(int templateId);
    ~CDialog() override;

    // Builds the dialog and its controls, runs the initialisation, and runs the dialog modally;
    // returns the code EndDialog was given (wxID_CANCEL for the close box and Escape).
    int DoModal(wxWindow* parent = nullptr);
    // Builds and initialises the dialog and shows it without waiting.
    bool CreateModeless(wxWindow* parent);
    // Ends a modal run with the code, or hides a modeless dialog.
    void EndDialog(int code);

    const resources::DialogTemplate& Template() const { return template_; }
    wxWindow* Control(int id) const;
    template <typename T>
    T* ControlAs(int id) const {
        return dynamic_cast<T*>(Control(id));
    }
    // A sent message: runs the function on the user-interface thread and waits, on the calling
    // thread, until it has run, or until released() turns true, so that a window that is closing
    // never waits on the caller.
    void SendAndWait(std::function<void()> function, const std::function<bool()>& released);

    // A rectangle of the template's dialog units in pixels of this dialog.
    wxRect DialogUnitsToPixels(int x, int y, int width, int height) const;

    // Copies every bound text into its control; the notifications that this causes are ignored.
    void WriteBoundTexts();
    // Copies every bound control's text into its member.
    void ReadBoundTexts();

protected:
    struct Route {
        Notification notification;
        int controlId;
        std::function<void()> handler;
    };
    // The dialog's notifications and their handlers.
    virtual std::vector<Route> MessageMap() { return {}; }
    // Runs once before the controls are made: a dialog whose controls format dates or numbers
    // chooses its locale here, since the toolkit's date picker takes its format when it is made.
    virtual void OnCreatingControls() {}
    // Runs once when the controls exist and the bound texts have been written. Returning true lets
    // the framework give the focus to the first control.
    virtual bool OnInitDialog() { return true; }
    // The close box, Escape and a Cancel button: by default end the dialog with kIdCancel.
    virtual void OnCloseBox() { EndDialog(kIdCancel); }
    // A timer the dialog started has run out once more.
    virtual void OnTimer(int /*timerId*/) {}

    // Starts (or restarts) a timer of the dialog: OnTimer(timerId) every periodMs milliseconds.
    void StartTimer(int timerId, int periodMs);

    // Binds a member text to a control: static texts, buttons and edit fields.
    void BindText(int controlId, std::wstring* member);
    bool WritingBoundTexts() const { return writingBoundTexts_ > 0; }

    // Runs a handler as the framework runs every notification's: an error that escapes it is shown
    // in the error box.
    void RunHandler(const std::function<void()>& handler);

private:
    bool Build(wxWindow* parent);
    void CreateControls();
    void BindMessageMap();

    void OnStandardKeys(wxKeyEvent& event);

    resources::DialogTemplate template_;
    std::map<int, wxWindow*> controls_;
    std::map<int, std::unique_ptr<wxTimer>> timers_;
    std::vector<std::pair<int, std::wstring*>> boundTexts_;
    int writingBoundTexts_ = 0;
    bool built_ = false;
};

}  // namespace framework
