#include "accessible_names.h"

#include <gtk/gtk.h>
#include <wx/datectrl.h>
#include <wx/event.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/utf8_text.h"
#include "framework/framework_dialog.h"
#include "resources/caption_targets.h"

namespace framework {

namespace {

// The first field inside a control made of several windows (the date picker's).
wxTextCtrl* InnerField(wxWindow* control) {
    for (wxWindow* child : control->GetChildren()) {
        if (auto* field = dynamic_cast<wxTextCtrl*>(child)) return field;
        if (wxTextCtrl* field = InnerField(child)) return field;
    }
    return nullptr;
}

// The widget that takes the focus for a control: the date picker's field is inside the picker.
GtkWidget* FocusWidget(wxWindow* control) {
    if (dynamic_cast<wxDatePickerCtrl*>(control) != nullptr) {
        if (wxTextCtrl* field = InnerField(control)) return static_cast<GtkWidget*>(field->GetHandle());
    }
    return static_cast<GtkWidget*>(control->GetHandle());
}

// The button inside a toolkit drop-down list, which is what takes the focus: a screen reader
// announces it, so it carries the list's name.
GtkWidget* InnerButton(GtkWidget* list) {
    GtkWidget* button = nullptr;
    gtk_container_forall(
        GTK_CONTAINER(list),
        [](GtkWidget* child, gpointer found) {
            auto* button = static_cast<GtkWidget**>(found);
            if (*button != nullptr) return;
            if (GTK_IS_TOGGLE_BUTTON(child)) {
                *button = child;
            } else if (GTK_IS_CONTAINER(child)) {
                *button = InnerButton(child);
            }
        },
        &button);
    return button;
}

AtkObject* AccessibleOf(GtkWidget* widget) {
    return widget != nullptr ? gtk_widget_get_accessible(widget) : nullptr;
}

AtkObject* AccessibleOf(wxWindow* control) {
    return control != nullptr ? AccessibleOf(static_cast<GtkWidget*>(control->GetHandle())) : nullptr;
}

// "Countr&y:" is read "Country".
std::string CaptionName(const wxStaticText& caption) {
    wxString name = caption.GetLabelText();
    name.Trim();
    if (name.EndsWith(":")) name.RemoveLast();
    return name.Trim().utf8_string();
}

}  // namespace

void NameControlsByCaptions(CDialog& dialog) {
    for (const resources::CaptionTarget& target : resources::CaptionTargets(dialog.Template())) {
        auto* caption = dynamic_cast<wxStaticText*>(dialog.Control(target.captionId));
        wxWindow* control = dialog.Control(target.controlId);
        if (caption == nullptr || control == nullptr) continue;
        auto* label = static_cast<GtkWidget*>(caption->GetHandle());
        if (dynamic_cast<wxStaticText*>(control) != nullptr) {
            // A value: read with its caption, which stays its own text.
            AtkObject* value = AccessibleOf(control);
            AtkObject* captionObject = AccessibleOf(label);
            if (value == nullptr || captionObject == nullptr) continue;
            atk_object_add_relationship(value, ATK_RELATION_LABELLED_BY, captionObject);
            atk_object_add_relationship(captionObject, ATK_RELATION_LABEL_FOR, value);
            continue;
        }
        GtkWidget* field = FocusWidget(control);
        if (field == nullptr) continue;
        // The mnemonic widget gives the caption's Alt+letter the focus of the field, and the
        // accessibility objects the labelled-by relation.
        if (GTK_IS_LABEL(label) && gtk_label_get_mnemonic_widget(GTK_LABEL(label)) == nullptr) {
            gtk_label_set_mnemonic_widget(GTK_LABEL(label), field);
        }
        const std::string name = CaptionName(*caption);
        if (AtkObject* object = AccessibleOf(field)) atk_object_set_name(object, name.c_str());
        if (field != control->GetHandle()) {
            if (AtkObject* object = AccessibleOf(control)) atk_object_set_name(object, name.c_str());
        }
        if (GTK_IS_COMBO_BOX(field)) {
            if (AtkObject* button = AccessibleOf(InnerButton(field))) {
                atk_object_set_name(button, name.c_str());
                atk_object_add_relationship(button, ATK_RELATION_LABELLED_BY, AccessibleOf(label));
            }
        }
    }
}

bool ActivateMnemonic(wxWindow& dialog, const wxKeyEvent& key) {
    if (!key.AltDown() || key.ControlDown()) return false;
    auto* window = static_cast<GtkWidget*>(dialog.GetHandle());
    if (window == nullptr || !GTK_IS_WINDOW(window)) return false;
    const guint keyval = gdk_keyval_to_lower(key.GetRawKeyCode());
    return gtk_window_mnemonic_activate(GTK_WINDOW(window), keyval, GDK_MOD1_MASK) != FALSE;
}

void SetAccessibleName(wxWindow* control, const std::wstring& name) {
    if (control == nullptr) return;
    const std::string text = common::WideToUtf8(name);
    auto* widget = static_cast<GtkWidget*>(control->GetHandle());
    if (AtkObject* object = AccessibleOf(widget)) atk_object_set_name(object, text.c_str());
    // A scrolled table is read as the table inside.
    if (widget != nullptr && GTK_IS_SCROLLED_WINDOW(widget)) {
        if (AtkObject* inner = AccessibleOf(gtk_bin_get_child(GTK_BIN(widget)))) {
            atk_object_set_name(inner, text.c_str());
        }
    }
}

void SetAccessibleDescription(wxWindow* control, const std::wstring& description) {
    if (AtkObject* object = AccessibleOf(control)) {
        atk_object_set_description(object, common::WideToUtf8(description).c_str());
    }
}

}  // namespace framework
