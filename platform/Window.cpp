#include "platform/Window.h"

#include <cstring>

#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/DoubleClick.h"
#include "platform/Keyboard.h"
#include "platform/SfmlContext.h"

sf::RenderWindow* gameWindow = nullptr;

namespace {

bool windowHasFocus = false;
// Alt+"/" pressed as a key already opened the About box; the character
// event of the same press must not open it again.
bool aboutTakenByKey = false;
MouseState mouseAccumulated = {};
int lastMouseX = 0, lastMouseY = 0;
bool mousePositionKnown = false;
DoubleClickRule doubleClickRule = {400, 5};
PressHistory leftPresses = {};

bool AltHeld() { return (liveKeyState[DIK_LMENU] | liveKeyState[DIK_RMENU]) & kKeyDown; }

int MouseButtonIndex(sf::Mouse::Button button) {
    switch (button) {
        case sf::Mouse::Left: return 0;
        case sf::Mouse::Right: return 1;
        case sf::Mouse::Middle: return 2;
        case sf::Mouse::XButton1: return 3;
        case sf::Mouse::XButton2: return 4;
        default: return -1;
    }
}

void NoteMousePosition(int x, int y) {
    if (mousePositionKnown) {
        mouseAccumulated.lX += x - lastMouseX;
        mouseAccumulated.lY += y - lastMouseY;
    }
    lastMouseX = x;
    lastMouseY = y;
    mousePositionKnown = true;
}

int64_t NowMs() { return ClockTicks() / (ClockFrequency() / 1000); }

void LoseFocus() {
    windowHasFocus = false;
    ForgetPresses(&leftPresses);
    ReleaseAllKeys();
    std::memset(mouseAccumulated.rgbButtons, 0, sizeof mouseAccumulated.rgbButtons);
}

}  // namespace

void HoldGraphicsConnection() {
    static sf::Texture* holder = nullptr;
    if (holder == nullptr) holder = new sf::Texture;  // never released, on purpose
}

bool OpenGameWindow(int width, int height, bool windowed, const char* title) {
    if (gameWindow != nullptr) return true;
    if (width <= 0 || height <= 0 || !DisplayAvailable()) return false;
    HoldGraphicsConnection();
    gameWindow = new sf::RenderWindow;
    const sf::VideoMode mode(static_cast<unsigned>(width), static_cast<unsigned>(height), 32);
    const sf::String sfTitle = sf::String::fromUtf8(title, title + std::strlen(title));
    gameWindow->create(mode, sfTitle,
                       windowed ? (sf::Style::Titlebar | sf::Style::Close) : sf::Style::Fullscreen);
    if (!gameWindow->isOpen()) {
        delete gameWindow;
        gameWindow = nullptr;
        return false;
    }
    if (windowed) gameWindow->setPosition(sf::Vector2i(50, 50));
    gameWindow->setVerticalSyncEnabled(windowed);
    // Hidden over the client area only: outside it the desktop's arrow shows.
    gameWindow->setMouseCursorVisible(false);
    gameWindow->setKeyRepeatEnabled(false);
    windowHasFocus = gameWindow->hasFocus();
    ReleaseAllKeys();
    // Read now rather than at the first click, which must not wait for GTK.
    doubleClickRule = DesktopDoubleClickRule();
    ForgetPresses(&leftPresses);
    return true;
}

void CloseGameWindow() {
    FlushSpriteBatch();
    if (gameWindow == nullptr) return;
    gameWindow->close();
    delete gameWindow;
    gameWindow = nullptr;
    LoseFocus();
}

bool GameWindowOpen() { return gameWindow != nullptr && gameWindow->isOpen(); }

void GameWindowClientSize(int* width, int* height) {
    *width = 0;
    *height = 0;
    if (gameWindow == nullptr) return;
    const sf::Vector2u size = gameWindow->getSize();
    *width = static_cast<int>(size.x);
    *height = static_cast<int>(size.y);
}

void GameWindowPosition(int* x, int* y) {
    *x = 0;
    *y = 0;
    if (gameWindow == nullptr) return;
    const sf::Vector2i position = gameWindow->getPosition();
    *x = position.x;
    *y = position.y;
}

void PlaceGameWindow(int x, int y, int width, int height) {
    if (gameWindow == nullptr || width <= 0 || height <= 0) return;
    const sf::Vector2u size = gameWindow->getSize();
    if (size.x != static_cast<unsigned>(width) || size.y != static_cast<unsigned>(height)) {
        gameWindow->setSize(sf::Vector2u(static_cast<unsigned>(width), static_cast<unsigned>(height)));
        gameWindow->setView(sf::View(sf::FloatRect(0.f, 0.f, static_cast<float>(width),
                                                   static_cast<float>(height))));
    }
    gameWindow->setPosition(sf::Vector2i(x, y));
}

bool PollWindowEvent(WindowEvent* event) {
    if (gameWindow == nullptr) return false;
    sf::Event e;
    while (gameWindow->pollEvent(e)) {
        switch (e.type) {
            case sf::Event::Closed:
                *event = WindowEvent{WindowEventType::Closed, 0, 0};
                return true;
            case sf::Event::GainedFocus:
                windowHasFocus = true;
                *event = WindowEvent{WindowEventType::FocusGained, 0, 0};
                return true;
            case sf::Event::LostFocus:
                LoseFocus();
                *event = WindowEvent{WindowEventType::FocusLost, 0, 0};
                return true;
            case sf::Event::MouseMoved:
                NoteMousePosition(e.mouseMove.x, e.mouseMove.y);
                *event = WindowEvent{WindowEventType::MouseMoved, e.mouseMove.x, e.mouseMove.y};
                return true;
            case sf::Event::MouseButtonPressed: {
                const int index = MouseButtonIndex(e.mouseButton.button);
                // The button is down either way, as the device sees it.
                if (index >= 0) mouseAccumulated.rgbButtons[index] = kKeyDown;
                if (e.mouseButton.button != sf::Mouse::Left) {
                    ForgetPresses(&leftPresses);
                    break;
                }
                if (IsSecondPressOfDoubleClick(&leftPresses, doubleClickRule, NowMs(),
                                               e.mouseButton.x, e.mouseButton.y))
                    break;
                *event = WindowEvent{WindowEventType::LeftButtonDown, e.mouseButton.x,
                                     e.mouseButton.y};
                return true;
            }
            case sf::Event::MouseButtonReleased: {
                const int index = MouseButtonIndex(e.mouseButton.button);
                if (index >= 0) mouseAccumulated.rgbButtons[index] = 0;
                break;
            }
            case sf::Event::MouseWheelScrolled:
                if (e.mouseWheelScroll.wheel == sf::Mouse::VerticalWheel) {
                    mouseAccumulated.lZ += static_cast<int32_t>(e.mouseWheelScroll.delta * 120.f);
                }
                break;
            case sf::Event::KeyPressed:
                KeyboardKeyEvent(e.key.code, true);
                aboutTakenByKey = false;
                if (e.key.alt && e.key.code == sf::Keyboard::Slash) {
                    aboutTakenByKey = true;
                    *event = WindowEvent{WindowEventType::AboutRequested, 0, 0};
                    return true;
                }
                break;
            case sf::Event::KeyReleased:
                KeyboardKeyEvent(e.key.code, false);
                break;
            case sf::Event::TextEntered:
                // The About accelerator goes by character, so "?" works on
                // every keyboard layout.
                if ((e.text.unicode == '?' || e.text.unicode == '/') && AltHeld()) {
                    if (aboutTakenByKey) {
                        aboutTakenByKey = false;
                        break;
                    }
                    *event = WindowEvent{WindowEventType::AboutRequested, 0, 0};
                    return true;
                }
                break;
            default:
                break;
        }
    }
    // Caps Lock reaches us without a key number; read it while focused.
    if (windowHasFocus) liveKeyState[DIK_CAPITAL] = QueryCapsLockHeld() ? kKeyDown : 0;
    return false;
}

void TakeMouseState(MouseState* state) {
    *state = mouseAccumulated;
    mouseAccumulated.lX = 0;
    mouseAccumulated.lY = 0;
    mouseAccumulated.lZ = 0;
}
