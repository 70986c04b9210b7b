#include "platform/AboutDialog.h"

// SFML first: Xlib's macros (None, ...) would break its headers.
#include "platform/SfmlContext.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include "platform/GtkStart.h"

namespace {

// The game window as GDK sees it, so the dialog can stand above it and
// hand the focus back to it; null without a game window.
GdkWindow* GameWindowForGdk() {
    if (gameWindow == nullptr) return nullptr;
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return nullptr;
    return gdk_x11_window_foreign_new_for_display(display, gameWindow->getSystemHandle());
}

// A window system time for focus requests: window managers refuse to move
// the focus on a request without one.
guint32 ServerTime(GtkWidget* widget) {
    GdkWindow* window = gtk_widget_get_window(widget);
    return window != nullptr ? gdk_x11_get_server_time(window) : GDK_CURRENT_TIME;
}

// Once the dialog is on the screen it takes the keyboard: in full screen
// nothing else would give it the focus, and Escape or Enter must reach it.
gboolean FocusWhenShown(GtkWidget* widget, GdkEvent*, gpointer) {
    gdk_window_focus(gtk_widget_get_window(widget), ServerTime(widget));
    return FALSE;
}

}  // namespace

void ShowAboutDialog(const char* byLine) {
    if (!StartGtk()) return;

    GtkWidget* dialog = gtk_dialog_new_with_buttons("Info über Projekt", nullptr, GTK_DIALOG_MODAL,
                                                    "OK", GTK_RESPONSE_OK, nullptr);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_type_hint(GTK_WINDOW(dialog), GDK_WINDOW_TYPE_HINT_DIALOG);
    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(dialog));
    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(row), 12);
    GtkWidget* icon = gtk_image_new_from_icon_name("dialog-information", GTK_ICON_SIZE_DIALOG);
    GtkWidget* lines = gtk_box_new(GTK_ORIENTATION_VERTICAL, 6);
    GtkWidget* first = gtk_label_new("Projekt, Version 1.0");
    GtkWidget* second = gtk_label_new(byLine != nullptr ? byLine : "");
    gtk_widget_set_halign(first, GTK_ALIGN_START);
    gtk_widget_set_halign(second, GTK_ALIGN_START);
    gtk_box_pack_start(GTK_BOX(lines), first, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(lines), second, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(row), icon, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(row), lines, TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(content), row, TRUE, TRUE, 0);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);

    // Transient for the game window, so the window manager keeps it above
    // a full-screen game instead of behind it.
    GdkWindow* game = GameWindowForGdk();
    gtk_widget_realize(dialog);
    if (game != nullptr) gdk_window_set_transient_for(gtk_widget_get_window(dialog), game);
    g_signal_connect(dialog, "map-event", G_CALLBACK(FocusWhenShown), nullptr);
    LendPointerToDialog(true);
    gtk_widget_show_all(dialog);

    gtk_dialog_run(GTK_DIALOG(dialog));  // OK, Escape and the close button all end it
    const guint32 closedAt = ServerTime(dialog);
    gtk_widget_destroy(dialog);
    LendPointerToDialog(false);
    // The keyboard goes back to the game (without a window manager nobody
    // else would give it back).
    if (game != nullptr) {
        gdk_window_focus(game, closedAt);
        g_object_unref(game);
    }
    // Let GTK take the dialog off the screen before the game draws again.
    while (gtk_events_pending()) gtk_main_iteration();
}
