#include "platform/LauncherView.h"

#include <SFML/Graphics/Shader.hpp>
#include <SFML/Window/VideoMode.hpp>
#include <cstdio>
#include <gtk/gtk.h>
#include <string>

#include "platform/Display.h"
#include "platform/FileAccess.h"
#include "platform/GtkStart.h"
#include "platform/SfmlContext.h"

int ListFullscreenModes(VideoModeInfo* out, int maxModes)
{
    // Without a display SFML's mode query would end the process.
    if (!DisplayAvailable()) return 0;
    const std::vector<sf::VideoMode>& modes = sf::VideoMode::getFullscreenModes();
    int n = 0;
    for (const sf::VideoMode& mode : modes) {
        if (n >= maxModes) break;
        out[n].width = static_cast<int32_t>(mode.width);
        out[n].height = static_cast<int32_t>(mode.height);
        out[n].bitsPerPixel = static_cast<int32_t>(mode.bitsPerPixel);
        ++n;
    }
    return n;
}

bool ProbePixelShaders()
{
    if (!DisplayAvailable()) return false;
    // The graphics context the probe makes stays for the game window: without
    // a resource held, SFML would close it and its X connection at once, and
    // the window would load the driver anew.
    HoldGraphicsConnection();
    return sf::Shader::isAvailable();
}

namespace {

// The banner is a small picture; anything larger is not the game's.
constexpr size_t maxBannerBytes = 8u << 20;

// The banner read through the game's guarded open (a FIFO there would keep
// the launcher from ever showing) and decoded from memory; null, after a
// message naming it, when it cannot be shown. A missing banner is just left
// out.
GtkWidget* BannerImage(const char* path)
{
    std::string bytes;
    const FileRead read = ReadRegularFile(path, maxBannerBytes, &bytes);
    if (read != FileRead::Ok) {
        if (read != FileRead::Missing)
            std::fprintf(stderr, "FlorpVops: the launcher's banner %s %s; the launcher shows without it\n", path,
                         DescribeFileRead(read));
        return nullptr;
    }
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    bool decoded = gdk_pixbuf_loader_write(loader, reinterpret_cast<const guchar*>(bytes.data()), bytes.size(),
                                           nullptr) != FALSE;
    decoded = gdk_pixbuf_loader_close(loader, nullptr) != FALSE && decoded;
    GdkPixbuf* picture = decoded ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    GtkWidget* image = picture != nullptr ? gtk_image_new_from_pixbuf(picture) : nullptr;
    g_object_unref(loader);
    if (image == nullptr)
        std::fprintf(stderr, "FlorpVops: the launcher's banner %s cannot be decoded; the launcher shows without it\n",
                     path);
    return image;
}

GtkWidget* CheckBox(const char* caption, bool checked, bool sensitive)
{
    GtkWidget* box = gtk_check_button_new_with_label(caption ? caption : "");
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(box), checked);
    gtk_widget_set_sensitive(box, sensitive);
    return box;
}

bool Checked(GtkWidget* box) { return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(box)) != FALSE; }

// GTK shows a button pressed from the keyboard for a quarter of a second
// before it counts as clicked; the dialog answers at the press instead, so
// Return starts the game at once.
void AnswerAtOnce(GtkButton* button, gpointer response)
{
    GtkWidget* top = gtk_widget_get_toplevel(GTK_WIDGET(button));
    if (GTK_IS_DIALOG(top)) gtk_dialog_response(GTK_DIALOG(top), GPOINTER_TO_INT(response));
}

void AddAnswerButton(GtkWidget* window, const char* caption, int response)
{
    GtkWidget* button = gtk_dialog_add_button(GTK_DIALOG(window), caption ? caption : "", response);
    g_signal_connect(button, "activate", G_CALLBACK(AnswerAtOnce), GINT_TO_POINTER(response));
}

// What can wait until the dialog is on screen waits for it (the catalogue's
// decoding, and settling the shader box, which asks the slow shader
// question): it runs once the dialog has been drawn, so the dialog shows
// first, or when the player starts before that.
struct FirstShow {
    LauncherDialog* dialog;
    GtkWidget* shaderBox;
    guint idle;
    bool done;
};

void RunWhenShown(FirstShow* show)
{
    if (show->done) return;
    show->done = true;
    if (show->idle != 0) g_source_remove(show->idle);
    show->idle = 0;
    if (show->dialog->whenShown == nullptr) return;
    show->dialog->shaderChecked = Checked(show->shaderBox);  // the player may have changed it
    show->dialog->whenShown(show->dialog);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(show->shaderBox), show->dialog->shaderChecked);
    gtk_widget_set_sensitive(show->shaderBox, show->dialog->shaderSensitive);
}

gboolean RunWhenIdle(gpointer data)
{
    FirstShow* show = static_cast<FirstShow*>(data);
    show->idle = 0;
    // What was drawn reaches the screen before the wait.
    gdk_display_flush(gdk_display_get_default());
    RunWhenShown(show);
    return G_SOURCE_REMOVE;
}

gboolean AfterFirstDraw(GtkWidget* window, cairo_t*, gpointer data)
{
    FirstShow* show = static_cast<FirstShow*>(data);
    g_signal_handlers_disconnect_by_func(window, reinterpret_cast<gpointer>(AfterFirstDraw), data);
    if (!show->done && show->idle == 0) show->idle = g_idle_add(RunWhenIdle, show);
    return FALSE;
}

}  // namespace

bool ShowLauncherDialog(LauncherDialog* dialog)
{
    if (!StartGtk()) {
        std::fprintf(stderr, "FlorpVops: cannot open the launcher window (no display?)\n");
        return false;
    }
    GtkWidget* window = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(window), "FlorpVops");
    gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_container_set_border_width(GTK_CONTAINER(window), 6);
    AddAnswerButton(window, dialog->quitCaption, GTK_RESPONSE_CANCEL);
    AddAnswerButton(window, dialog->startCaption, GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(window), GTK_RESPONSE_OK);

    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), 6);
    gtk_grid_set_column_spacing(GTK_GRID(grid), 18);
    gtk_container_set_border_width(GTK_CONTAINER(grid), 10);

    if (GtkWidget* banner = dialog->bannerPath ? BannerImage(dialog->bannerPath) : nullptr)
        gtk_grid_attach(GTK_GRID(grid), banner, 0, 0, 3, 1);

    GtkWidget* fps = CheckBox(dialog->fpsCaption, dialog->fpsChecked, true);
    GtkWidget* sound = CheckBox(dialog->soundCaption, dialog->soundChecked, true);
    GtkWidget* music = CheckBox(dialog->musicCaption, dialog->musicChecked, true);
    GtkWidget* windowed = CheckBox(dialog->windowedCaption, dialog->windowedChecked, true);
    GtkWidget* shader = CheckBox(dialog->shaderCaption, dialog->shaderChecked, dialog->shaderSensitive);
    GtkWidget* label = gtk_label_new(dialog->resolutionCaption ? dialog->resolutionCaption : "");
    gtk_widget_set_halign(label, GTK_ALIGN_START);
    GtkWidget* combo = gtk_combo_box_text_new();
    for (int i = 0; i < dialog->entryCount; ++i)
        gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(combo), dialog->entries[i].text);
    gtk_combo_box_set_active(GTK_COMBO_BOX(combo), dialog->selectedEntry);

    gtk_grid_attach(GTK_GRID(grid), fps, 0, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), sound, 0, 2, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), music, 0, 3, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), windowed, 1, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), shader, 1, 2, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), label, 2, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), combo, 2, 2, 1, 1);
    gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(window))), grid);
    FirstShow show = {dialog, shader, 0, false};
    g_signal_connect_after(window, "draw", G_CALLBACK(AfterFirstDraw), &show);
    gtk_widget_show_all(window);

    // Escape and the close box answer as Quit does.
    const bool start = gtk_dialog_run(GTK_DIALOG(window)) == GTK_RESPONSE_OK;
    g_signal_handlers_disconnect_by_func(window, reinterpret_cast<gpointer>(AfterFirstDraw), &show);
    if (show.idle != 0) g_source_remove(show.idle);
    show.idle = 0;
    if (start) {
        RunWhenShown(&show);
        dialog->selectedEntry = gtk_combo_box_get_active(GTK_COMBO_BOX(combo));
        dialog->fpsChecked = Checked(fps);
        dialog->soundChecked = Checked(sound);
        dialog->musicChecked = Checked(music);
        dialog->windowedChecked = Checked(windowed);
        dialog->shaderChecked = Checked(shader);
    }
    gtk_widget_destroy(window);
    // Let the window really disappear before the game window opens.
    while (gtk_events_pending()) gtk_main_iteration();
    return start;
}
