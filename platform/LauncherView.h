#pragma once
// The launcher window (GTK 3) and the two display questions it needs
// answered before any game window exists. The dialog only shows and edits
// a LauncherDialog record; what goes into it and what is taken out of it
// belongs to the engine's launcher.
#include <cstdint>

struct VideoModeInfo {
    int32_t width, height, bitsPerPixel;
};

constexpr int kMaxLauncherEntries = 256;

struct LauncherEntry {
    char text[32];      // "%i x %i"
    int32_t modeIndex;  // index into the launcher's mode list
};

struct LauncherDialog {
    const char* resolutionCaption;
    const char* windowedCaption;
    const char* shaderCaption;
    const char* fpsCaption;
    const char* soundCaption;
    const char* musicCaption;
    const char* startCaption;
    const char* quitCaption;
    const char* bannerPath;  // shown when the file exists
    LauncherEntry entries[kMaxLauncherEntries];  // in the order shown
    int32_t entryCount;
    int32_t selectedEntry;  // -1 for none
    bool windowedChecked, shaderChecked, fpsChecked, soundChecked, musicChecked;
    bool shaderSensitive;  // false: the shader box cannot be changed
    // Called once the dialog has been drawn (or when Start is chosen
    // before): work that may run while the player reads, and the shader
    // question, which settles shaderChecked and shaderSensitive. Null: they
    // stand as set.
    void (*whenShown)(LauncherDialog* dialog);
};

// The display's full-screen modes, best first, as the window system lists
// them; 0 when there is no display.
int ListFullscreenModes(VideoModeInfo* out, int maxModes);
// True when the display can run the bloom shaders.
bool ProbePixelShaders();
// Shows the dialog modally. True when the player chose Start (the record
// then holds the chosen entry and boxes); false for Quit, Escape, the close
// box, or when no window can be opened.
bool ShowLauncherDialog(LauncherDialog* dialog);
