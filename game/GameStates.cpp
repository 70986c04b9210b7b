#include "game/GameStates.h"

#include "engine/Settings.h"

int gameState = IntroPresents;
int nextState = 0;
int returnPage = LevelPage1;
uint8_t transitionIdle = 1;
uint8_t barsOpen = 0;
int transitionCurtain = 0;   // closed at start-up, once the screen size is known
int chosenLevel = 0;
uint8_t levelStartPending = 0;
int pageCameraTarget = 0;
int fadeState = FadeNone;
char levelTitle[levelTitleSize] = {};
uint8_t levelTitleVisible = 0;

int musicVolume = 50;
int levelMusicVolume = 50;
int musicDuck = 0;

bool IsKnownGameState(int state)
{
    switch (state) {
    case IntroPresents: case IntroAuthor: case MainMenu: case OptionsMenu: case Credits:
    case LevelPage1: case LevelPage2: case LevelPage3: case LevelPage4: case LevelPage5:
    case InGame:
        return true;
    default:
        return false;
    }
}

bool IsLevelPage(int state)
{
    return state == LevelPage1 || state == LevelPage2 || state == LevelPage3 ||
           state == LevelPage4 || state == LevelPage5;
}

bool ShowsTotalScore(int state)
{
    return state == MainMenu || IsLevelPage(state);
}

int ClosedCurtain()
{
    return screenHeight / 2;
}

void OpenBarsStep(int openTarget)
{
    if (transitionCurtain > openTarget && barsOpen == 0)
        transitionCurtain -= barsStep;
    else
        barsOpen = 1;
}

bool ButtonsLive()
{
    return transitionIdle == 1 && barsOpen == 1;
}

void StartTransition(int target)
{
    nextState = target;
    transitionIdle = 0;
}

bool CloseBarsStep()
{
    if (transitionIdle != 0)
        return false;
    if (transitionCurtain >= ClosedCurtain()) {
        transitionIdle = 1;
        barsOpen = 0;
        return true;
    }
    transitionCurtain += barsStep;
    return false;
}
