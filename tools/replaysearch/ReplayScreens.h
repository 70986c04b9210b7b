#pragma once
// The screen sizes a level replay is proven at. Walkers and bouncers move
// only while they are on screen, cannon balls test the view, and the camera
// follows with the screen's size, so a level plays differently at every size
// the launcher offers (800 x 600 up to 1920 x 1080, the default).
#include <string>
#include <vector>

struct ScreenSize {
    int width = 1920;  // the game's default size
    int height = 1080;
};

inline bool operator==(const ScreenSize& a, const ScreenSize& b) { return a.width == b.width && a.height == b.height; }
inline bool operator!=(const ScreenSize& a, const ScreenSize& b) { return !(a == b); }

// Every level must pass at each of these, one script proving one or more.
constexpr int proofScreenCount = 9;
extern const ScreenSize proofScreenSizes[proofScreenCount];

// "1920x1080".
std::string ScreenName(const ScreenSize& screen);
// One "WxH" within the sizes a display can have (320..16384 by 200..16384).
bool ParseScreenSize(const std::string& text, ScreenSize& screen);
// A comma-separated list of "WxH" words and "proof" (the nine proof sizes).
// False with a message for anything else or an empty list.
bool ParseScreenList(const std::string& text, std::vector<ScreenSize>& screens, std::string& error);
