#include "platform/GtkStart.h"

#include <gtk/gtk.h>

#include <cstdlib>

#include "platform/Display.h"

bool StartGtk() {
    static int started = -1;  // -1 not tried yet
    if (started < 0) {
        gtk_disable_setlocale();
        // The game's window lives on X (under Wayland too, through its X
        // server); its dialogs must be there as well to stand above it.
        gdk_set_allowed_backends("x11");
        // The dialogs draw no OpenGL; GDK would still load the whole driver at
        // start to choose its visuals, the longest step before the launcher
        // shows. The setting is read at start only and is not passed on to
        // programs started later (a link opened in the browser).
        const bool glChosen = std::getenv("GDK_GL") != nullptr;
        if (!glChosen) setenv("GDK_GL", "disable", 1);
        started = DisplayAvailable() && gtk_init_check(nullptr, nullptr) ? 1 : 0;
        if (!glChosen) unsetenv("GDK_GL");
    }
    return started == 1;
}
