#pragma once
// The screen the game shows, the state of the screen transition between
// screens, and the in-game requests to that transition that gameplay writes.
// The transition's steps are the main program's (game/ScreenTransition.h).
#include <cstdint>

enum GameState : int {
    IntroPresents = 0,
    IntroAuthor = 1,
    MainMenu = 2,
    OptionsMenu = 3,
    Credits = 4,
    LevelPage1 = 5,
    LevelPage2 = 6,
    LevelPage3 = 8,
    LevelPage4 = 9,
    LevelPage5 = 10,
    InGame = 15,
};

// Requests of the level to the transition (fadeState).
enum FadeRequest : int {
    FadeNone = 0,
    FadeLeaveLevel = 1,
    FadeRestartAfterDeath = 2,
    FadeRestartKey = 4,
};

constexpr int levelTitleSize = 300;

extern int gameState;
extern int nextState;          // entered when the running transition completes
extern int returnPage;         // level page entered after leaving a level (5)
extern uint8_t transitionIdle; // 0 while a transition is closing the bars
extern uint8_t barsOpen;       // 1 once the bars have reopened after a switch
extern int transitionCurtain;  // 0 open .. screenHeight/2 closed
extern int chosenLevel;        // level record chosen on a level page
extern uint8_t levelStartPending;
extern int pageCameraTarget;   // x of the last pressed level button
extern int fadeState;
extern char levelTitle[levelTitleSize];
extern uint8_t levelTitleVisible;

// Music volume before ducking, the volume set at every level start, and the
// ducking offset (-20..0) added to it.
extern int musicVolume;
extern int levelMusicVolume;
extern int musicDuck;

// True for a value the game ever stores in gameState.
bool IsKnownGameState(int state);
// The main menu and the five level pages: the screens that show the total.
bool ShowsTotalScore(int state);
// The five level pages.
bool IsLevelPage(int state);
