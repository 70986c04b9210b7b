#include "platform/AboutDialog.h"

#include <gtk/gtk.h>

#include "platform/GtkStart.h"

void ShowAboutDialog() {
    if (!StartGtk()) return;

    GtkWidget* dialog = gtk_dialog_new_with_buttons("Info über Projekt", nullptr, GTK_DIALOG_MODAL,
                                                    "OK", GTK_RESPONSE_OK, nullptr);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(dialog));
    GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(row), 12);
    GtkWidget* icon = gtk_image_new_from_icon_name("dialog-information", GTK_ICON_SIZE_DIALOG);
    GtkWidget* lines = gtk_box_new(GTK_ORIENTATION_VERTICAL, 6);
    GtkWidget* first = gtk_label_new("Projekt, Version 1.0");
    GtkWidget* second = gtk_label_new("FlorpVops – ein Physik-Jump'n'Run mit Vops");
    gtk_widget_set_halign(first, GTK_ALIGN_START);
    gtk_widget_set_halign(second, GTK_ALIGN_START);
    gtk_box_pack_start(GTK_BOX(lines), first, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(lines), second, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(row), icon, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(row), lines, TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(content), row, TRUE, TRUE, 0);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    gtk_widget_show_all(dialog);

    gtk_dialog_run(GTK_DIALOG(dialog));  // OK, Escape and the close button all end it
    gtk_widget_destroy(dialog);
    // Let GTK take the dialog off the screen before the game draws again.
    while (gtk_events_pending()) gtk_main_iteration();
}
