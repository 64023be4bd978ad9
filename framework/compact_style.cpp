#include "compact_style.h"

#include <gtk/gtk.h>
#include <wx/window.h>

namespace framework {

namespace {

constexpr const char* kStyleClass = "almanaxium-compact";

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

}  // namespace

void ApplyCompactStyle(wxWindow* topLevelWindow) {
    InstallStyleOnce();
    GtkWidget* widget = static_cast<GtkWidget*>(topLevelWindow->GetHandle());
    if (widget != nullptr) gtk_style_context_add_class(gtk_widget_get_style_context(widget), kStyleClass);
}

}  // namespace framework
