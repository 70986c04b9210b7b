#include "game/UpdateStep.h"

#include "engine/AudioWrappers.h"
#include "engine/InputActions.h"
#include "engine/InputDevices.h"
#include "engine/Settings.h"
#include "game/InGameUpdate.h"
#include "game/MenuScreens.h"
#include "game/Resources.h"
#include "gameplay/AnimationPhases.h"
#include "platform/Audio.h"
#include "platform/GamePad.h"
#include "platform/Keyboard.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

namespace {

constexpr int musicDuckFloor = -20;

void DuckMusic()
{
    // The level-pass jingle pushes the music down while it plays.
    if (levelPassSound.GetStatus() == SoundStatus::Playing) {
        musicDuck -= 2;
        if (musicDuck < musicDuckFloor)
            musicDuck = musicDuckFloor;
    } else {
        musicDuck += 1;
        if (musicDuck > 0)
            musicDuck = 0;
    }
}

}  // namespace

void (*inputPollHook)() = nullptr;

bool CheckDeveloperUnlock()
{
    const bool ctrl = KeyDown(DIK_LCONTROL) || KeyDown(DIK_RCONTROL);
    if (!ctrl || !KeyDown(DIK_F) || !KeyDown(DIK_V))
        return false;
    unlockedLevels = maxLevelRecords;
    // Lifts every level to its pass mark, but a better stored score stays.
    for (LevelRecord& record : levelTable)
        if (record.bestScore < record.thresholdPoints)
            record.bestScore = record.thresholdPoints;
    WriteGameXml();
    SaveProgress();
    return true;
}

void RunUpdateStep()
{
    PollDirectInput();
    PollGamepad();
    if (inputPollHook)
        inputPollHook();
    DuckMusic();
    DecayFlashes();
    musicStream.SetVolume(static_cast<float>(musicVolume + musicDuck));
    MapInputActions();
    CheckDeveloperUnlock();

    UpdateInGameBlock();
    UpdateMainMenu();
    UpdateOptionsMenu();
    UpdateLevelPages();
    UpdateIntroScreen();

    if (ShowsTotalScore(gameState))
        SumBestScores();

    UpdateCreditsScreen();

    // Outside the game nothing drives the motors; PollGamepad cleared the
    // vibration, and sending it stops them.
    if (!rumbleSent)
        SetPadRumble(padVibration.wLeftMotorSpeed, padVibration.wRightMotorSpeed);
}

void RunTickUpdates()
{
    RunUpdateStep();
    if (limitTo30Fps != 0)
        RunUpdateStep();
}
