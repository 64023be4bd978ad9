// Acts on a dialog once it is on the screen: a modal dialog's run blocks the test, so a timer of
// the event loop looks for it among the top-level windows.
#pragma once

#include <wx/timer.h>
#include <wx/toplevel.h>

#include <functional>

template <typename Dialog>
class DialogWatcher : public wxTimer {
public:
    explicit DialogWatcher(std::function<void(Dialog&)> act) : act_(std::move(act)) { Start(20); }
    bool Seen() const { return seen_; }
    void Notify() override {
        if (seen_) return;
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<Dialog*>(window);
            if (dialog == nullptr || !dialog->IsShown()) continue;
            seen_ = true;
            Stop();
            act_(*dialog);
            return;
        }
    }

private:
    std::function<void(Dialog&)> act_;
    bool seen_ = false;
};
