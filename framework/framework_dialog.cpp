#include "framework_dialog.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/datectrl.h>
#include <wx/gauge.h>
#include <wx/msgdlg.h>
#include <wx/dateevt.h>
#include <wx/frame.h>
#include <wx/generic/msgdlgg.h>
#include <wx/choice.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <exception>

#include "framework/accessible_names.h"
#include "framework/compact_style.h"
#include "framework/sorted_drop_down_list.h"
#include "resources/caption_targets.h"
#include "resources/mnemonics.h"
#include "framework/resource_bitmaps.h"
#include "common/utf8_text.h"

namespace framework {

namespace {

long StaticAlignment(const resources::ControlTemplate& control) {
    if (control.Has("right")) return wxALIGN_RIGHT | wxST_NO_AUTORESIZE;
    if (control.Has("center")) return wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE;
    return wxALIGN_LEFT | wxST_NO_AUTORESIZE;
}

// A caption's or a button's "&" marks its mnemonic ("&&" is an "&"); other texts show their "&".
wxString Label(const resources::ControlTemplate& control) {
    const bool mnemonic = (control.kind == resources::ControlKind::kCaption ||
                           control.kind == resources::ControlKind::kButton ||
                           control.kind == resources::ControlKind::kGroupBox) &&
                          !control.Has("noprefix");
    return mnemonic ? wxString(control.text) : wxControl::EscapeMnemonics(wxString(control.text));
}

}  // namespace

void ShowErrorBox(wxWindow* parent, const std::wstring& text) {
    // The generic box is a window of the program's own, so that the program (and its tests) can
    // find it among the top-level windows.
    wxGenericMessageDialog box(parent, wxString(text), "Almanaxium", wxOK | wxICON_ERROR);
    box.ShowModal();
}

void ShowMessageBox(wxWindow* parent, const std::wstring& text) {
    wxGenericMessageDialog box(parent, wxString(text), "Almanaxium", wxOK);
    box.ShowModal();
}

CDialog::CDialog(int templateId) : template_(resources::LoadDialogTemplate(templateId)) {}

CDialog::~CDialog() {
    for (auto& [id, timer] : timers_) timer->Stop();
}

wxRect CDialog::DialogUnitsToPixels(int x, int y, int width, int height) const {
    const wxPoint origin = ConvertDialogToPixels(wxPoint(x, y));
    const wxSize size = ConvertDialogToPixels(wxSize(width, height));
    return wxRect(origin, size);
}

bool CDialog::Build(wxWindow* parent) {
    if (built_) return true;
    long style = wxCAPTION;
    if (template_.styles.count("sysmenu")) style |= wxSYSTEM_MENU | wxCLOSE_BOX;
    if (template_.styles.count("minimizebox")) style |= wxMINIMIZE_BOX;
    if (!template_.styles.count("appwindow")) style |= wxFRAME_NO_TASKBAR;
    if (!Create(parent, wxID_ANY, wxString(template_.title), wxDefaultPosition, wxDefaultSize, style)) {
        return false;
    }
    built_ = true;
    ApplyCompactStyle(this);
    SetClientSize(ConvertDialogToPixels(wxSize(template_.width, template_.height)));
    RunHandler([this] { OnCreatingControls(); });
    CreateControls();
    BindMessageMap();
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { RunHandler([this] { OnCloseBox(); }); });
    Bind(wxEVT_CHAR_HOOK, &CDialog::OnStandardKeys, this);

    WriteBoundTexts();
    bool setFocus = true;
    RunHandler([&] { setFocus = OnInitDialog(); });
    NameControlsByCaptions(*this);
    if (setFocus) {
        for (const resources::ControlTemplate& control : template_.controls) {
            wxWindow* window = Control(control.id);
            if (window != nullptr && window->IsShown() && window->IsEnabled() && window->AcceptsFocus()) {
                window->SetFocus();
                break;
            }
        }
    }
    return true;
}

void CDialog::CreateControls() {
    for (const resources::ControlTemplate& control : template_.controls) {
        const int id = control.id >= 0 ? control.id : wxID_ANY;
        const int height =
            control.kind == resources::ControlKind::kDropDown ? resources::kClosedDropDownHeight
                                                             : control.height;
        const wxRect rect = DialogUnitsToPixels(control.x, control.y, control.width, height);
        wxWindow* window = nullptr;
        switch (control.kind) {
            case resources::ControlKind::kButton: {
                auto* button = new wxButton(this, id, Label(control), rect.GetPosition(),
                                            rect.GetSize());
                if (control.Has("default")) button->SetDefault();
                window = button;
                break;
            }
            case resources::ControlKind::kDatePicker:
                window = new wxDatePickerCtrl(this, id, wxDefaultDateTime, rect.GetPosition(),
                                              rect.GetSize(), wxDP_DROPDOWN | wxDP_SHOWCENTURY);
                break;
            case resources::ControlKind::kDropDown: {
                auto* list = new wxChoice(this, id, rect.GetPosition(), rect.GetSize());
                EnableTypeAhead(list);
                KeepTemplateWidth(list);
                window = list;
                break;
            }
            case resources::ControlKind::kEdit:
                window = new wxTextCtrl(this, id, wxString(control.text), rect.GetPosition(),
                                        rect.GetSize(),
                                        (control.Has("right") ? wxTE_RIGHT : 0) |
                                            (control.Has("border") ? wxBORDER_THEME : wxBORDER_NONE));
                break;
            case resources::ControlKind::kCaption:
            case resources::ControlKind::kText:
            case resources::ControlKind::kValue:
            case resources::ControlKind::kLink:
                window = new wxStaticText(this, id, Label(control), rect.GetPosition(),
                                          rect.GetSize(), StaticAlignment(control));
                break;
            case resources::ControlKind::kGroupBox:
                window = new wxStaticBox(this, id, Label(control), rect.GetPosition(),
                                         rect.GetSize());
                break;
            case resources::ControlKind::kBitmap: {
                const wxBitmap bitmap = LoadResourceBitmap(control.bitmap);
                wxPoint position = rect.GetPosition();
                wxSize size = bitmap.IsOk() ? bitmap.GetSize() : rect.GetSize();
                if (control.Has("centerimage") && bitmap.IsOk()) {
                    position += wxPoint((rect.width - size.x) / 2, (rect.height - size.y) / 2);
                }
                window = new wxStaticBitmap(this, id, bitmap, position, size);
                break;
            }
            case resources::ControlKind::kIcon: {
                const wxIconBundle icons = LoadProgramIcons();
                const wxIcon icon = icons.GetIcon(wxSize(32, 32), wxIconBundle::FALLBACK_NEAREST_LARGER);
                wxBitmap bitmap;
                if (icon.IsOk()) bitmap.CopyFromIcon(icon);
                const wxSize size = bitmap.IsOk() ? bitmap.GetSize() : rect.GetSize();
                const wxPoint position =
                    rect.GetPosition() + wxPoint((rect.width - size.x) / 2, (rect.height - size.y) / 2);
                window = new wxStaticBitmap(this, id, bitmap, position, size);
                break;
            }
            case resources::ControlKind::kProgressBar:
                window = new wxGauge(this, id, 100, rect.GetPosition(), rect.GetSize());
                break;
        }
        if (control.Has("hidden")) window->Hide();
        if (control.id >= 0) controls_[control.id] = window;
    }
}

void CDialog::BindMessageMap() {
    std::vector<Route> routes = MessageMap();
    // OK and Cancel buttons that the dialog does not route end it with their command.
    for (const int standard : {kIdOk, kIdCancel}) {
        bool routed = false;
        for (const Route& route : routes) {
            routed |= route.notification == Notification::kButtonClicked && route.controlId == standard;
        }
        if (!routed && Control(standard) != nullptr) {
            routes.push_back({Notification::kButtonClicked, standard, [this, standard] {
                                  if (standard == kIdCancel) {
                                      OnCloseBox();
                                  } else {
                                      EndDialog(kIdOk);
                                  }
                              }});
        }
    }
    for (Route& route : routes) {
        wxWindow* control = Control(route.controlId);
        if (control == nullptr) continue;
        auto handler = route.handler;
        auto run = [this, handler](wxEvent& event) {
            event.Skip();
            if (WritingBoundTexts()) return;
            RunHandler(handler);
        };
        switch (route.notification) {
            case Notification::kButtonClicked:
                control->Bind(wxEVT_BUTTON, run);
                break;
            case Notification::kSelectionChanged:
                control->Bind(wxEVT_CHOICE, run);
                break;
            case Notification::kEditChanged:
                // Only the user's changes: the framework writes texts with ChangeValue, which sends
                // no notification.
                control->Bind(wxEVT_TEXT, run);
                break;
            case Notification::kEditLostFocus:
                control->Bind(wxEVT_KILL_FOCUS, run);
                break;
            case Notification::kDateChanged:
                control->Bind(wxEVT_DATE_CHANGED, run);
                break;
        }
    }
}

// Escape gives the Cancel command; Enter gives the default button's; Alt and a letter the
// caption's or button's that carries it.
void CDialog::OnStandardKeys(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (ActivateMnemonic(*this, event)) return;
    if (key == WXK_ESCAPE) {
        if (auto* cancel = dynamic_cast<wxButton*>(Control(kIdCancel))) {
            wxCommandEvent click(wxEVT_BUTTON, kIdCancel);
            click.SetEventObject(cancel);
            cancel->ProcessWindowEvent(click);
        } else {
            RunHandler([this] { OnCloseBox(); });
        }
        return;
    }
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        for (const resources::ControlTemplate& control : template_.controls) {
            auto* button = dynamic_cast<wxButton*>(Control(control.id));
            if (button == nullptr || !control.Has("default")) continue;
            wxCommandEvent click(wxEVT_BUTTON, control.id);
            click.SetEventObject(button);
            button->ProcessWindowEvent(click);
            return;
        }
    }
    event.Skip();
}

void CDialog::StartTimer(int timerId, int periodMs) {
    auto& timer = timers_[timerId];
    if (!timer) {
        timer = std::make_unique<wxTimer>(this, timerId);
        Bind(
            wxEVT_TIMER, [this, timerId](wxTimerEvent&) { RunHandler([this, timerId] { OnTimer(timerId); }); },
            timerId);
    }
    timer->Start(periodMs);
}

wxWindow* CDialog::Control(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? found->second : nullptr;
}

void CDialog::BindText(int controlId, std::wstring* member) { boundTexts_.emplace_back(controlId, member); }

void CDialog::WriteBoundTexts() {
    ++writingBoundTexts_;
    for (const auto& [id, member] : boundTexts_) {
        wxWindow* control = Control(id);
        // A caption in the interface language keeps the mnemonic its template gives it.
        const resources::ControlTemplate* shape = Template().Find(id);
        const bool mnemonic = shape != nullptr && (shape->kind == resources::ControlKind::kCaption ||
                                                   shape->kind == resources::ControlKind::kButton);
        const wxString text(mnemonic ? resources::WithTemplateMnemonic(*member, shape->text) : *member);
        if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) {
            if (edit->GetValue() != text) edit->ChangeValue(text);
        } else if (auto* label = dynamic_cast<wxStaticText*>(control)) {
            if (label->GetLabel() != text) {
                label->SetLabel(text);
                if (shape != nullptr && shape->Has("wrap")) {
                    label->Wrap(label->GetSize().x);
                }
            }
        } else if (control != nullptr) {
            if (control->GetLabel() != text) control->SetLabel(text);
        }
    }
    --writingBoundTexts_;
}

void CDialog::ReadBoundTexts() {
    for (const auto& [id, member] : boundTexts_) {
        if (auto* edit = dynamic_cast<wxTextCtrl*>(Control(id))) *member = edit->GetValue().ToStdWstring();
    }
}

void CDialog::SendAndWait(std::function<void()> function, const std::function<bool()>& released) {
    struct Delivery {
        std::mutex mutex;
        std::condition_variable done;
        bool ran = false;
    };
    auto delivery = std::make_shared<Delivery>();
    CallAfter([function = std::move(function), delivery] {
        function();
        std::lock_guard<std::mutex> guard(delivery->mutex);
        delivery->ran = true;
        delivery->done.notify_all();
    });
    std::unique_lock<std::mutex> lock(delivery->mutex);
    while (!delivery->ran && !released()) delivery->done.wait_for(lock, std::chrono::milliseconds(10));
}

void CDialog::RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorBox(this, common::Utf8ToWide(error.what()));
    }
}

int CDialog::DoModal(wxWindow* parent) {
    if (!Build(parent)) return wxID_CANCEL;
    return ShowModal();
}

bool CDialog::CreateModeless(wxWindow* parent) {
    if (!Build(parent)) return false;
    Show();
    return true;
}

void CDialog::EndDialog(int code) {
    if (IsModal()) {
        EndModal(code);
    } else {
        SetReturnCode(code);
        Hide();
    }
}

}  // namespace framework
