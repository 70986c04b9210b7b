#include "platform/Display.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/SfmlErrors.h"

// Xlib is reached through dlopen: it is only needed for this probe, and the
// window system library loads it anyway.
namespace {

using OpenDisplayFn = void* (*)(const char*);
using InitThreadsFn = int (*)();

int probeResult = -1;  // -1 not asked yet, 0 no display, 1 display
// The probe's connection stays open for the process (Xlib stays loaded too):
// closing and at once reopening connections is what a loaded X server
// refuses most, and the Caps Lock query reuses it.
void* probeConnection = nullptr;

bool OpenAndCloseDisplay() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || name[0] == '\0') return false;
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (xlib == nullptr) return false;
    auto openDisplay = reinterpret_cast<OpenDisplayFn>(dlsym(xlib, "XOpenDisplay"));
    if (openDisplay == nullptr) return false;
    // Should a library ever call Xlib from a thread of its own, Xlib must
    // have been told before its first connection.
    auto initThreads = reinterpret_cast<InitThreadsFn>(dlsym(xlib, "XInitThreads"));
    if (initThreads != nullptr) initThreads();
    // A busy X server may refuse a connection now and then; ask a few times
    // before telling the player there is no display.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0) usleep(200000);
        probeConnection = openDisplay(nullptr);
        if (probeConnection != nullptr) return true;
    }
    return false;
}

}  // namespace

bool DisplayAvailable() {
    if (probeResult < 0) {
        RouteSfmlErrors();  // before any window or GPU call can complain
        probeResult = OpenAndCloseDisplay() ? 1 : 0;
    }
    return probeResult == 1;
}

bool ProbeDisplay() {
    if (DisplayAvailable()) return true;
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || name[0] == '\0') {
        std::fprintf(stderr,
                     "FlorpVops needs a graphical display, but DISPLAY is not set.\n"
                     "Start it from a desktop session (or under xvfb-run).\n");
    } else {
        std::fprintf(stderr,
                     "FlorpVops cannot open the display \"%s\".\n"
                     "Check that the X server is running and that you may use it.\n",
                     name);
    }
    return false;
}

// Caps Lock has no key code in the window system's key events, so its
// physical state is read from the X server directly (one round trip per
// update, only while the game window has the focus).
namespace {

using KeysymToKeycodeFn = unsigned char (*)(void*, unsigned long);
using QueryKeymapFn = int (*)(void*, char*);

void* keymapDisplay = nullptr;
QueryKeymapFn queryKeymap = nullptr;
int capsLockKeycode = 0;
bool keymapTried = false;

void OpenKeymapDisplay() {
    keymapTried = true;
    if (!DisplayAvailable()) return;
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (xlib == nullptr) return;
    auto keysymToKeycode = reinterpret_cast<KeysymToKeycodeFn>(dlsym(xlib, "XKeysymToKeycode"));
    queryKeymap = reinterpret_cast<QueryKeymapFn>(dlsym(xlib, "XQueryKeymap"));
    if (keysymToKeycode == nullptr || queryKeymap == nullptr) return;
    keymapDisplay = probeConnection;
    if (keymapDisplay == nullptr) return;
    const unsigned long capsLockKeysym = 0xFFE5;
    capsLockKeycode = keysymToKeycode(keymapDisplay, capsLockKeysym);
}

}  // namespace

bool QueryCapsLockHeld() {
    if (!keymapTried) OpenKeymapDisplay();
    if (keymapDisplay == nullptr || capsLockKeycode == 0) return false;
    char keys[32] = {};
    queryKeymap(keymapDisplay, keys);
    return (keys[capsLockKeycode / 8] & (1 << (capsLockKeycode % 8))) != 0;
}

namespace {

using CurrentDisplayFn = void* (*)();
using UngrabPointerFn = int (*)(void*, unsigned long);
using GrabPointerFn = int (*)(void*, unsigned long, int, unsigned int, int, int, unsigned long,
                              unsigned long, unsigned long);
using FlushFn = int (*)(void*);

}  // namespace

void SetPointerGrab(bool grab, unsigned long window) {
    if (!DisplayAvailable()) return;
    // Both libraries are loaded already (the window system library uses them).
    void* gl = dlopen("libGL.so.1", RTLD_LAZY | RTLD_LOCAL | RTLD_NOLOAD);
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL | RTLD_NOLOAD);
    if (gl == nullptr || xlib == nullptr) return;
    auto currentDisplay = reinterpret_cast<CurrentDisplayFn>(dlsym(gl, "glXGetCurrentDisplay"));
    auto ungrab = reinterpret_cast<UngrabPointerFn>(dlsym(xlib, "XUngrabPointer"));
    auto grabPointer = reinterpret_cast<GrabPointerFn>(dlsym(xlib, "XGrabPointer"));
    auto flush = reinterpret_cast<FlushFn>(dlsym(xlib, "XFlush"));
    if (currentDisplay == nullptr || ungrab == nullptr || grabPointer == nullptr || flush == nullptr)
        return;
    void* display = currentDisplay();
    if (display == nullptr) return;
    const unsigned long currentTime = 0, noCursor = 0;
    if (grab) {
        const int ownerEvents = 1, grabModeAsync = 1;
        grabPointer(display, window, ownerEvents, 0, grabModeAsync, grabModeAsync, window, noCursor,
                    currentTime);
    } else {
        ungrab(display, currentTime);
    }
    flush(display);
}
