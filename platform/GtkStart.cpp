#include "platform/GtkStart.h"

#include <gtk/gtk.h>

#include "platform/Display.h"

bool StartGtk() {
    static int started = -1;  // -1 not tried yet
    if (started < 0) {
        gtk_disable_setlocale();
        started = DisplayAvailable() && gtk_init_check(nullptr, nullptr) ? 1 : 0;
    }
    return started == 1;
}
