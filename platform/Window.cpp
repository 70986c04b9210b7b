#include "platform/Window.h"

#include <cstdio>
#include <cstring>

#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/DoubleClick.h"
#include "platform/Keyboard.h"
#include "platform/Letterbox.h"
#include "platform/SfmlContext.h"

sf::RenderWindow* gameWindow = nullptr;

namespace {

bool windowHasFocus = false;
bool fullScreen = false;
// Alt+"/" pressed as a key already opened the About box; the character
// event of the same press must not open it again.
bool aboutTakenByKey = false;
MouseState mouseAccumulated = {};
int lastMouseX = 0, lastMouseY = 0;
bool mousePositionKnown = false;
// The frame the game draws (the size it asked for) and where it goes in the
// window, which may have another size.
int frameWidth = 0, frameHeight = 0;
FrameViewport frameViewport = {0, 0, 0, 0};
bool letterboxed = false;
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

// Points the window's view at the game's frame: the game always draws
// frameWidth x frameHeight pixels, and the viewport puts them in the window.
void UpdateFrameView() {
    if (gameWindow == nullptr) return;
    const sf::Vector2u size = gameWindow->getSize();
    const int windowWidth = static_cast<int>(size.x), windowHeight = static_cast<int>(size.y);
    const FrameViewport viewport = FitFrame(frameWidth, frameHeight, windowWidth, windowHeight);
    const bool changed = viewport.left != frameViewport.left || viewport.top != frameViewport.top ||
                         viewport.width != frameViewport.width ||
                         viewport.height != frameViewport.height;
    frameViewport = viewport;
    letterboxed = IsLetterboxed(viewport, frameWidth, frameHeight);
    sf::View view(sf::FloatRect(0.f, 0.f, static_cast<float>(frameWidth),
                                static_cast<float>(frameHeight)));
    view.setViewport(sf::FloatRect(static_cast<float>(viewport.left) / static_cast<float>(windowWidth),
                                   static_cast<float>(viewport.top) / static_cast<float>(windowHeight),
                                   static_cast<float>(viewport.width) / static_cast<float>(windowWidth),
                                   static_cast<float>(viewport.height) / static_cast<float>(windowHeight)));
    gameWindow->setView(view);
    // A player resizing the window knows why; a full screen of another size
    // is worth a line.
    if (changed && letterboxed && fullScreen) {
        std::fprintf(stderr,
                     "FlorpVops: the window is %d x %d instead of %d x %d; the picture is "
                     "scaled to %d x %d and centred on black.\n",
                     windowWidth, windowHeight, frameWidth, frameHeight, viewport.width,
                     viewport.height);
    }
}

void MapToFrame(int windowX, int windowY, int32_t* x, int32_t* y) {
    int fx = windowX, fy = windowY;
    if (letterboxed) WindowToFrame(frameViewport, frameWidth, frameHeight, windowX, windowY, &fx, &fy);
    *x = fx;
    *y = fy;
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
    // A window may be resized and maximised; the frame is then scaled into
    // it with black bars, as on a full screen of another size.
    gameWindow->create(mode, sfTitle, windowed ? sf::Style::Default : sf::Style::Fullscreen);
    if (!gameWindow->isOpen()) {
        delete gameWindow;
        gameWindow = nullptr;
        return false;
    }
    if (windowed) gameWindow->setPosition(sf::Vector2i(50, 50));
    fullScreen = !windowed;
    // Both modes wait for the display's refresh when presenting.
    gameWindow->setVerticalSyncEnabled(true);
    // A display that cannot switch to the size asked for gives another one.
    frameWidth = width;
    frameHeight = height;
    frameViewport = FrameViewport{0, 0, width, height};
    UpdateFrameView();
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
        UpdateFrameView();
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
            case sf::Event::Resized:
                UpdateFrameView();
                break;
            case sf::Event::MouseMoved:
                NoteMousePosition(e.mouseMove.x, e.mouseMove.y);
                *event = WindowEvent{WindowEventType::MouseMoved, 0, 0};
                MapToFrame(e.mouseMove.x, e.mouseMove.y, &event->x, &event->y);
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
                *event = WindowEvent{WindowEventType::LeftButtonDown, 0, 0};
                MapToFrame(e.mouseButton.x, e.mouseButton.y, &event->x, &event->y);
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

FrameViewport GameWindowFrameViewport() { return frameViewport; }

void LendPointerToDialog(bool lend) {
    if (gameWindow == nullptr) return;
    // A full-screen window holds a pointer grab, and the window system
    // library offers no way to lift it: it is lifted on that library's own
    // X connection, the one its drawing context runs on.
    if (fullScreen) {
        gameWindow->setActive(true);
        SetPointerGrab(!lend, gameWindow->getSystemHandle());
    }
    gameWindow->setMouseCursorVisible(lend);
    ForgetPresses(&leftPresses);
}

void PaintLetterboxBars() {
    if (gameWindow == nullptr || !letterboxed) return;
    // Clearing and the bloom pass may leave anything beside the frame; the
    // bars are painted black over it, in window pixels, just before showing.
    const sf::Vector2u size = gameWindow->getSize();
    const float w = static_cast<float>(size.x), h = static_cast<float>(size.y);
    const float left = static_cast<float>(frameViewport.left);
    const float top = static_cast<float>(frameViewport.top);
    const float right = left + static_cast<float>(frameViewport.width);
    const float bottom = top + static_cast<float>(frameViewport.height);
    const sf::FloatRect bars[4] = {{0.f, 0.f, w, top},
                                   {0.f, bottom, w, h - bottom},
                                   {0.f, top, left, bottom - top},
                                   {right, top, w - right, bottom - top}};
    sf::Vertex quads[16];
    int count = 0;
    for (const sf::FloatRect& bar : bars) {
        if (bar.width <= 0.f || bar.height <= 0.f) continue;
        quads[count++] = sf::Vertex(sf::Vector2f(bar.left, bar.top), sf::Color::Black);
        quads[count++] = sf::Vertex(sf::Vector2f(bar.left + bar.width, bar.top), sf::Color::Black);
        quads[count++] =
            sf::Vertex(sf::Vector2f(bar.left + bar.width, bar.top + bar.height), sf::Color::Black);
        quads[count++] = sf::Vertex(sf::Vector2f(bar.left, bar.top + bar.height), sf::Color::Black);
    }
    const sf::View frameView = gameWindow->getView();
    gameWindow->setView(sf::View(sf::FloatRect(0.f, 0.f, w, h)));
    gameWindow->draw(quads, static_cast<std::size_t>(count), sf::Quads,
                     sf::RenderStates(sf::BlendNone));
    gameWindow->setView(frameView);
}

void TakeMouseState(MouseState* state) {
    *state = mouseAccumulated;
    mouseAccumulated.lX = 0;
    mouseAccumulated.lY = 0;
    mouseAccumulated.lZ = 0;
}
