#pragma once
// Runs the real game code tick by tick inside a test process: no window
// (the sprite batch records), silent audio, and scripted raw input put where
// the devices' state would be (key codes into keyboardState, the pad state,
// pointer and clicks). A test can start at any screen or directly in a level.
//
//   HarnessConfig config;             // screen size, kind, options, home dir
//   HarnessInit(config);              // start-up without window and dialog
//   HarnessStartLevel(3);             // or HarnessStartAtState(MainMenu)
//   HarnessKeyDown(DIK_RIGHT);
//   HarnessTicks(60);                 // 60 whole ticks (render + update)
#include <cstdint>

#include "platform/GamePad.h"
#include "shared/LevelRecord.h"

struct HarnessConfig {
    int screenWidth = 1024;
    int screenHeight = 768;
    int vopKind = 1;            // beginner
    int difficulty = 1;
    int limitTo30Fps = 0;
    int shaderEnabled = 0;
    int soundEnabled = 1;       // voices are silent either way
    uint8_t checkpointsEnabled = 1;
    int unlockedLevels = 1;
    // Load every picture, font and sound of the catalogue (needs data/ for
    // real content; missing files load as empty records).
    bool loadResources = false;
    // Load the levels' tile and decoration pictures at a level start.
    bool loadLevelPictures = false;
    // Render each tick into the recording batch (the real render pass).
    bool render = true;
    // Open the real game window and draw with the real sprite batch (display
    // tests only; needs an X display). HarnessInit returns false without one.
    bool window = false;
    // When set, HOME points here (and XDG_DOCUMENTS_DIR is dropped), so the
    // settings and progress files are written inside it.
    const char* homeDir = nullptr;
};

// Brings the game up as start-up does, minus the dialog and the window, and
// puts every screen and transition value back to its start. May be called
// again to start afresh. False only when a window was asked for and could
// not be opened.
bool HarnessInit(const HarnessConfig& config);
const HarnessConfig& HarnessCurrentConfig();

// Starts at a screen with the bars closed and no transition running (as the
// game starts its intro).
void HarnessStartAtState(int state);
// Starts level record `record` as a level page's switch does. False for a
// record outside the table.
bool HarnessStartLevel(int record);
// Puts a level record into a free table slot (46 to 49 are never filled by
// the game) so a test can play a level of its own; sets its recordId.
void HarnessInstallLevel(int slot, const LevelRecord& record);
// A plain test level: the given size, start, goal and no objects, its
// collision file left empty (use ProvideCollisionPicture for the ground).
LevelRecord HarnessPlainLevel(int width, int height, int startX, int startY, int goalX,
                              int goalY);

// Scripted input, kept until changed.
void HarnessKeyDown(uint8_t code);
void HarnessKeyUp(uint8_t code);
void HarnessReleaseAllKeys();
void HarnessSetPad(const XInputGamepad& pad);  // the pad connected in this state
void HarnessDisconnectPad();
void HarnessSetPointer(int x, int y);
// A click seen by the next tick only (the tick clears it).
void HarnessClick();

// Whole ticks of the main loop (device test, render, update once or twice,
// click cleared); the silent audio clock advances by one tick's time.
void HarnessTick();
void HarnessTicks(int count);
// Ticks until `done` answers true or `maxTicks` ran; returns the ticks run,
// or -1 when it never answered true.
int HarnessRunUntil(bool (*done)(), int maxTicks);
// Ticks run since HarnessInit.
int HarnessTickCount();
