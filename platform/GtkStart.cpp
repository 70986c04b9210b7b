#include "platform/GtkStart.h"

#include <gtk/gtk.h>

#include "platform/Display.h"

bool StartGtk() {
    static int started = -1;  // -1 not tried yet
    if (started < 0) {
        gtk_disable_setlocale();
        // The game's window lives on X (under Wayland too, through its X
        // server); its dialogs must be there as well to stand above it.
        gdk_set_allowed_backends("x11");
        started = DisplayAvailable() && gtk_init_check(nullptr, nullptr) ? 1 : 0;
    }
    return started == 1;
}
