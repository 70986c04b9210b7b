#include "engine/MainWindow.h"

#include <cstdio>

#include "engine/InputDevices.h"
#include "engine/Settings.h"
#include "platform/AboutDialog.h"
#include "platform/Display.h"
#include "platform/Keyboard.h"
#include "platform/Window.h"
#include "shared/AuthorLine.h"

int mouseX = 0, mouseY = 0;
uint8_t mouseClicked = 0;
uint8_t mainLoopStarted = 0;
uint8_t quitPosted = 0;

namespace {

void HandleWindowEvent(const WindowEvent& event) {
    switch (event.type) {
        case WindowEventType::Closed:
            DestroyMainWindow();
            break;
        case WindowEventType::FocusGained:
        case WindowEventType::FocusLost:
            // A windowed game re-creates its input on every focus change, as
            // the player may have switched windows with keys still down.
            if (windowed != 0 && mainLoopStarted == 1) {
                ReleaseDirectInput();
                InitDirectInput();
            }
            break;
        case WindowEventType::MouseMoved:
            mouseX = static_cast<uint16_t>(event.x);
            mouseY = static_cast<uint16_t>(event.y);
            break;
        case WindowEventType::LeftButtonDown:
            mouseClicked = 1;
            break;
        case WindowEventType::AboutRequested:
            ShowAboutDialog(WindowTitle());
            // The dialog took the key releases of its own accelerator.
            ReleaseAllKeys();
            break;
    }
}

}  // namespace

bool CreateMainWindow() {
    if (!DisplayAvailable()) return false;
    return OpenGameWindow(screenWidth, screenHeight, windowed != 0, WindowTitle());
}

const char* WindowTitle() {
    static char title[128];
    if (title[0] == '\0') std::snprintf(title, sizeof title, "FlorpVops - A game by %s", gameAuthorLine);
    return title;
}

bool ProcessWindowMessages() {
    WindowEvent event;
    while (quitPosted == 0 && PollWindowEvent(&event)) HandleWindowEvent(event);
    return quitPosted == 0;
}

void DestroyMainWindow() {
    CloseGameWindow();
    quitPosted = 1;
}
