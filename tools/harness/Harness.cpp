#include "tools/harness/Harness.h"

#include <cstdlib>
#include <cstring>

#include "engine/GraphicsDevice.h"
#include "engine/InputActions.h"
#include "engine/InputDevices.h"
#include "engine/LanguageTables.h"
#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/LevelTable.h"
#include "game/MainLoop.h"
#include "game/MenuScreens.h"
#include "game/Resources.h"
#include "game/ScreenTransition.h"
#include "game/StartUp.h"
#include "game/UpdateStep.h"
#include "gameplay/LevelLoading.h"
#include "platform/Audio.h"
#include "platform/SpriteBatch.h"
#include "platform/Window.h"

namespace {

HarnessConfig current;
int ticksRun = 0;

// The scripted devices.
uint8_t scriptedKeys[256] = {};
XInputGamepad scriptedPad = {};
bool scriptedPadConnected = false;

// Puts the scripted input where the polls just left the devices' state.
void ApplyScriptedInput()
{
    std::memcpy(keyboardState, scriptedKeys, sizeof scriptedKeys);
    if (scriptedPadConnected)
        TakePadReading(scriptedPad);
    else
        TakeNoPadReading();
}

void ResetScreenState()
{
    gameState = IntroPresents;
    nextState = 0;
    returnPage = LevelPage1;
    transitionIdle = 1;
    barsOpen = 0;
    transitionCurtain = ClosedCurtain();
    chosenLevel = 0;
    levelStartPending = 0;
    pageCameraTarget = 0;
    fadeState = FadeNone;
    levelTitle[0] = '\0';
    levelTitleVisible = 0;
    musicVolume = levelMusicVolume;
    musicDuck = 0;
}

}  // namespace

bool HarnessInit(const HarnessConfig& config)
{
    current = config;
    ticksRun = 0;
    // A fresh game: the intro clock, focus and the reset's first press start
    // afresh, so a test never inherits the menus' state from the one before.
    ResetMenuState();
    SetSilentAudio(true);
    batchBackend = BatchBackend::Recording;
    if (config.homeDir) {
        setenv("HOME", config.homeDir, 1);
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DOCUMENTS_DIR");
    }

    SelectLanguage();
    BuildSettingsPaths();
    SetDefaultSettings();
    screenWidth = config.screenWidth;
    screenHeight = config.screenHeight;
    screenYOffset = ScreenYOffsetFor(screenHeight);
    windowed = 1;
    limitTo30Fps = config.limitTo30Fps;
    shaderEnabled = config.shaderEnabled;
    soundEnabled = config.soundEnabled;
    musicEnabled = 0;
    checkpointsEnabled = config.checkpointsEnabled;
    difficulty = config.difficulty;
    vopKind = config.vopKind;
    unlockedLevels = config.unlockedLevels;
    ticksPerSecond = limitTo30Fps ? 30 : 60;

    quitPosted = 0;
    if (config.window && !GameWindowOpen() && !CreateMainWindow())
        return false;
    graphicsContext.CreateGraphicsDevice();
    InitDirectInput();
    levelPicturesEnabled = config.loadLevelPictures ? 1 : 0;

    InitLevelsAndProgress();
    if (config.loadResources)
        LoadResources();

    mainLoopStarted = 1;
    mouseClicked = 0;
    quitPosted = 0;
    HarnessReleaseAllKeys();
    HarnessDisconnectPad();
    inputPollHook = ApplyScriptedInput;
    ResetScreenState();
    ResetBatchLog();
    return true;
}

const HarnessConfig& HarnessCurrentConfig()
{
    return current;
}

void HarnessStartAtState(int state)
{
    ResetScreenState();
    gameState = state;
}

bool HarnessStartLevel(int record)
{
    ResetScreenState();
    if (record < 0 || record >= maxLevelRecords)
        return false;
    chosenLevel = record;
    musicVolume = levelMusicVolume;
    gameState = InGame;
    LoadLevel(levelTable[record]);
    return true;
}

void HarnessInstallLevel(int slot, const LevelRecord& record)
{
    if (slot < 0 || slot >= maxLevelRecords)
        return;
    levelTable[slot] = record;
    levelTable[slot].recordId = slot;
}

LevelRecord HarnessPlainLevel(int width, int height, int startX, int startY, int goalX, int goalY)
{
    LevelRecord record;
    ClearLevelRecord(record);
    record.width = width;
    record.height = height;
    record.startX = startX;
    record.startY = startY;
    record.cameraBaseX = startX;
    record.cameraBaseY = startY;
    record.goalX = goalX;
    record.goalY = goalY;
    record.tileCols = 0;
    record.tileRows = 0;
    for (auto& key : record.colourKeys) {
        key[0] = 200.0f;
        key[1] = 200.0f;
        key[2] = 200.0f;
        key[3] = 255.0f;
    }
    for (int i = 0; i < 4; ++i)
        record.startColour[i] = record.colourKeys[0][i];
    record.colourFadeTicks = 100;
    record.colourHoldTicks = 100;
    record.levelColour[0] = 100.0f;
    record.levelColour[1] = 100.0f;
    record.levelColour[2] = 100.0f;
    record.trailBrightness = 255;
    record.playOrder = 1;
    record.requiredKind = 0;
    record.statusColourGain = 1;
    record.checkpointX = startX;
    record.checkpointY = startY;
    return record;
}

void HarnessKeyDown(uint8_t code)
{
    scriptedKeys[code] = 0x80;
}

void HarnessKeyUp(uint8_t code)
{
    scriptedKeys[code] = 0;
}

void HarnessReleaseAllKeys()
{
    std::memset(scriptedKeys, 0, sizeof scriptedKeys);
}

void HarnessSetPad(const XInputGamepad& pad)
{
    scriptedPad = pad;
    scriptedPadConnected = true;
}

void HarnessDisconnectPad()
{
    scriptedPad = XInputGamepad{};
    scriptedPadConnected = false;
}

void HarnessSetPointer(int x, int y)
{
    mouseX = x;
    mouseY = y;
}

void HarnessClick()
{
    mouseClicked = 1;
}

void HarnessTick()
{
    if (current.render) {
        ResetBatchLog();
        RunTick();
    } else {
        // The same tick without its render pass.
        RunTickUpdates();
        mouseClicked = 0;
    }
    tickCounter += 1;
    ticksRun += 1;
    AdvanceSilentAudio(1.0f / static_cast<float>(ticksPerSecond));
}

void HarnessTicks(int count)
{
    for (int i = 0; i < count; ++i)
        HarnessTick();
}

int HarnessRunUntil(bool (*done)(), int maxTicks)
{
    for (int i = 0; i < maxTicks; ++i) {
        if (done())
            return i;
        HarnessTick();
    }
    return done() ? maxTicks : -1;
}

int HarnessTickCount()
{
    return ticksRun;
}
