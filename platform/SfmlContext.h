#pragma once
// Private to platform/: the SFML objects behind the opaque records, shared
// by the window, batch, texture, target and effect files.
#include <SFML/Graphics.hpp>

#include <cstdint>

#include "platform/SfmlErrors.h"

struct PlatformTexture {
    sf::Texture* gpu;     // null with the recording backend
    int32_t width, height;  // power-of-two size
    uint32_t id;
    char path[512];
};

struct RenderTarget {
    sf::RenderTexture target;
    int32_t width, height;
};

struct PlatformFont;

// The game window, null until OpenGameWindow.
extern sf::RenderWindow* gameWindow;

// Where the Sfml backend draws now: the window, an offscreen target, or
// null when there is neither.
sf::RenderTarget* CurrentSfmlTarget();

// Paths may come with Windows separators; SFML and the C library want '/'
// (defined with the picture decoding, the lowest file that needs it).
void CopyPathWithSlashes(char* out, int capacity, const char* path);

inline sf::Color ColourFromArgb(uint32_t argb) {
    return sf::Color(static_cast<sf::Uint8>(argb >> 16), static_cast<sf::Uint8>(argb >> 8),
                     static_cast<sf::Uint8>(argb), static_cast<sf::Uint8>(argb >> 24));
}


// The drawing of a text box by the Sfml backend (Font.cpp): its glyphs go
// through the same gathered quads as pictures.
struct AffineTransform;
void DrawFontText(sf::RenderTarget* target, const PlatformFont* font, const char* text,
                  int boxWidth, const AffineTransform& transform, sf::Color colour);

// Queues one textured quad for the batch (SpriteBatch.cpp): the rectangle
// (x, y, width, height) in sprite space, mapped by the transform, showing the
// texture's pixels from (left, top) on, modulated by the colour.
void QueueQuad(sf::RenderTarget* target, const sf::Texture* texture, const AffineTransform& t,
               float x, float y, float width, float height, float left, float top,
               sf::Color colour);

// Grabs the pointer for `window` (confined to it, as a full-screen window
// holds it) or lets it go, on the X connection of the current drawing
// context (Display.cpp). Does nothing without one.
void SetPointerGrab(bool grab, unsigned long window);

// Physical state of the Caps Lock key (Display.cpp); false without X.
bool QueryCapsLockHeld();

// Lends the pointer to a dialog over the game window and takes it back
// (Window.cpp): a full-screen window holds the pointer, which would keep
// every click from the dialog; while lent the pointer shows over the game.
void LendPointerToDialog(bool lend);

// Paints the window black beside the game's frame when the window has
// another size than the frame (Window.cpp); called just before showing.
void PaintLetterboxBars();

// Sends the pictures the batch has gathered (SpriteBatch.cpp); called before
// anything else touches a target or a texture the batch may still use.
void FlushSpriteBatch();

// Keeps one graphics resource alive for the rest of the process (Window.cpp),
// so SFML's shared context and its X connection stay open: without it every
// last-target-released closes the connection and the next target reopens
// it, and a reopen that a busy X server refuses makes SFML abort. Call only
// once the display probe succeeded.
void HoldGraphicsConnection();
