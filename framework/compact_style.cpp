#include "compact_style.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace framework {

namespace {

constexpr const char* kStyleClass = "almanaxium-compact";
constexpr const char* kLightListClass = "almanaxium-light-lists";

constexpr const char* kCompactCss = R"css(
.almanaxium-compact button {
    padding: 0 4px;
    min-height: 0;
    min-width: 0;
}
.almanaxium-compact entry {
    padding: 0 4px;
    min-height: 0;
}
.almanaxium-compact combobox button,
.almanaxium-compact combobox entry {
    padding-top: 0;
    padding-bottom: 0;
    min-height: 0;
}
/* A white window's lists: the light theme's button face, border and text. */
.almanaxium-light-lists combobox button {
    background-image: none;
    background-color: #f6f5f4;
    border-color: #cdc7c2;
    color: #2e3436;
    box-shadow: none;
}
.almanaxium-light-lists combobox button:focus {
    border-color: #3584e4;
}
)css";

void InstallStyleOnce() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCompactCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

void AddStyleClass(wxWindow* topLevelWindow, const char* styleClass) {
    InstallStyleOnce();
    GtkWidget* widget = static_cast<GtkWidget*>(topLevelWindow->GetHandle());
    if (widget != nullptr) gtk_style_context_add_class(gtk_widget_get_style_context(widget), styleClass);
}

}  // namespace

void ApplyCompactStyle(wxWindow* topLevelWindow) { AddStyleClass(topLevelWindow, kStyleClass); }

void KeepTemplateWidth(wxWindow* dropDownList) {
    auto* widget = static_cast<GtkWidget*>(dropDownList->GetHandle());
    if (widget == nullptr || !GTK_IS_COMBO_BOX(widget)) return;
    GtkWidget* shown = gtk_bin_get_child(GTK_BIN(widget));
    if (shown != nullptr && GTK_IS_CELL_VIEW(shown)) gtk_cell_view_set_fit_model(GTK_CELL_VIEW(shown), FALSE);
}

void ApplyLightListStyle(wxWindow* topLevelWindow) { AddStyleClass(topLevelWindow, kLightListClass); }

}  // namespace framework
