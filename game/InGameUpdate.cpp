#include "game/InGameUpdate.h"

#include "engine/AudioWrappers.h"
#include "engine/InputActions.h"
#include "engine/Settings.h"
#include "game/MenuScreens.h"
#include "game/Resources.h"
#include "game/ScreenTransition.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/LevelTick.h"
#include "platform/Audio.h"
#include "screens/FocusNavigation.h"
#include "shared/LevelRecord.h"

namespace {

// Level records whose win opens a later page instead of returning to the one
// the level was chosen from: the boss of each chapter.
struct BossExit {
    int record;
    int page;
    int menuFocus;
};
constexpr BossExit bossExits[] = {
    {24, LevelPage2, 8},
    {26, LevelPage3, 9},
    {27, LevelPage4, 10},
    {25, LevelPage5, 11},
};
constexpr int finalBossRecord = 28;
// The level pages are 2000 pixels wide; the page camera never shows past them.
constexpr int pageWidth = 2000;
constexpr int pageCameraMin = -51;

bool IsPlaying(const Sound& sound)
{
    return sound.GetStatus() == SoundStatus::Playing;
}

void StopLevelSounds()
{
    rollLoopSound.Stop();
    normalMoveLoopSound.Stop();
    airRollLoopSound.Stop();
    airMoveLoopSound.Stop();
    stoneRollLoopSound.Stop();
    angrySound.Stop();
    scoreLoopSound.Stop();
    lightAmbience.Stop();
    darkAmbience.Stop();
    for (ObjectSoundSet& set : objectSounds) {
        set.spareVoice.Stop();
        set.cannonTurnVoice.Stop();
    }
}

}  // namespace

void UpdateVopLoopSounds()
{
    // The Vop growls while it is hot, higher the hotter it is; a fall into
    // deadly ground and the end screen silence it.
    if (dangerMeter != 0.0f && endState != EndFalling && levelDone == 0) {
        if (!IsPlaying(angrySound)) {
            angrySound.Play();
            angrySound.SetLoop(true);
        }
        angrySound.SetVolume(dangerMeter < 100.0f ? dangerMeter : 100.0f);
        angrySound.SetPitch(dangerMeter / 255.0f * 4.0f);
    } else {
        angrySound.Stop();
    }

    const bool dark = currentLevel.levelColour[0] == 225.0f ||
                      (currentLevel.mrVariant != 0 && currentLevel.followAmbient == 0);
    Sound& chosen = dark ? darkAmbience : lightAmbience;
    Sound& other = dark ? lightAmbience : darkAmbience;
    if (!IsPlaying(chosen)) {
        chosen.Play();
        other.Stop();
    }
}

void LeaveLevel()
{
    const bool won = levelDone != 0;
    RestartLevel();
    fadeState = FadeNone;
    SetMenuColourCycle();

    const int record = currentLevel.recordId;
    if (won) {
        for (const BossExit& exit : bossExits) {
            if (exit.record == record) {
                returnPage = exit.page;
                mainMenuFocus = exit.menuFocus;
                pageCameraTarget = 100;
            }
        }
    }

    cameraX = pageCameraTarget - screenWidth / 2;
    if (cameraX < pageCameraMin)
        cameraX = pageCameraMin;
    if (cameraX + screenWidth > pageWidth)
        cameraX = pageWidth - screenWidth;

    StopLevelSounds();

    // A damaged returnPage must not strand the player on a screen that
    // does not exist.
    gameState = IsLevelPage(returnPage) ? returnPage : LevelPage1;
    if (won && record == finalBossRecord) {
        gameState = Credits;
        OnArriveAtCredits();
    }
}

void UpdateInGameTransition()
{
    OpenBarsStep(inGameBarsOpenTarget);
    if (!CloseBarsStep())
        return;
    // The bars are closed: the request that closed them is carried out.
    if (fadeState == FadeRestartAfterDeath || fadeState == FadeRestartKey) {
        fadeState = FadeNone;
        RestartLevel();
    } else if (fadeState == FadeLeaveLevel) {
        LeaveLevel();
    }
}

void UpdateInGameBlock()
{
    if (gameState != InGame)
        return;

    // Physics, camera, end sequence, objects, danger and goal, boss test,
    // trail, colours, phases and blink, in their fixed order.
    SimulateLevelTick();

    UpdateVopLoopSounds();

    UpdateInGameTransition();
    if (gameState != InGame)
        return;  // the level was left; the page's block takes over

    if (ButtonsLive()) {
        levelTitleVisible = 0;
        if (fadeState == FadeLeaveLevel || fadeState == FadeRestartAfterDeath ||
            fadeState == FadeRestartKey)
            transitionIdle = 0;
    }

    if (levelDone)
        goalScoreFade += 1;

    UpdateEndScreen();

    if (actionBack && fadeState == FadeNone && endState == EndAlive)
        fadeState = FadeLeaveLevel;

    // The restart key always starts from the level's beginning.
    if (actionRestart && fadeState == FadeNone && levelDone == 0 && endState == EndAlive) {
        fadeState = FadeRestartKey;
        checkpointReached = 0;
    }

    AdvanceLevelTime();

    UpdateRumble(dangerMeter);
}
