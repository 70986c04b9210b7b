#pragma once
// Private to platform/: the SFML objects behind the opaque records, shared
// by the window, batch, texture, target and effect files.
#include <SFML/Graphics.hpp>

#include <cstdint>

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

// Paths may come with Windows separators; SFML and the C library want '/'.
void CopyPathWithSlashes(char* out, int capacity, const char* path);

inline sf::Color ColourFromArgb(uint32_t argb) {
    return sf::Color(static_cast<sf::Uint8>(argb >> 16), static_cast<sf::Uint8>(argb >> 8),
                     static_cast<sf::Uint8>(argb), static_cast<sf::Uint8>(argb >> 24));
}

// Silences SFML's error stream while a load may fail in the ordinary way
// (a missing picture is not an error the player needs to read about).
struct QuietSfmlErrors {
    std::streambuf* saved;
    QuietSfmlErrors() : saved(sf::err().rdbuf(nullptr)) {}
    ~QuietSfmlErrors() { sf::err().rdbuf(saved); }
};

// The drawing of a text box by the Sfml backend (Font.cpp).
void DrawFontText(sf::RenderTarget& target, const PlatformFont* font, const char* text,
                  int boxWidth, const sf::Transform& transform, sf::Color colour);

// Physical state of the Caps Lock key (Display.cpp); false without X.
bool QueryCapsLockHeld();

// Sends the pictures the batch has gathered (SpriteBatch.cpp); called before
// anything else touches a target or a texture the batch may still use.
void FlushSpriteBatch();
