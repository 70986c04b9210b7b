#include "shared/GameStates.h"

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
