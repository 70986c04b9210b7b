#include "platform/GtkStart.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/Display.h"

namespace {

// setenv and unsetenv may move the environment under a getenv on another
// thread (a graphics driver reads its settings there), so the environment
// is only changed while the process runs on one thread.
bool OnlyThread() {
    std::FILE* status = std::fopen("/proc/self/status", "re");
    if (status == nullptr) return false;
    char line[128];
    int threads = 0;
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::strncmp(line, "Threads:", 8) == 0) threads = std::atoi(line + 8);
    std::fclose(status);
    return threads == 1;
}

}  // namespace

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
        // programs started later (a link opened in the browser). Started
        // beside other threads, GTK chooses its visuals as usual; should GTK
        // itself leave a thread running, the setting stays (the game starts
        // no other program).
        const bool setGl = std::getenv("GDK_GL") == nullptr && OnlyThread();
        if (setGl) setenv("GDK_GL", "disable", 1);
        started = DisplayAvailable() && gtk_init_check(nullptr, nullptr) ? 1 : 0;
        if (setGl && OnlyThread()) unsetenv("GDK_GL");
    }
    return started == 1;
}
