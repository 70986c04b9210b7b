#pragma once
// The screen the game shows, the screen transition that closes the black bars,
// switches the screen while it is covered and opens them again, and the
// in-game requests to that transition that gameplay writes.
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

// How far the bars stay in once open: a thin frame on the menus, almost
// nothing in game. They close and open by barsStep pixels per update.
constexpr int menuBarsOpenTarget = 20;
constexpr int inGameBarsOpenTarget = 5;
constexpr int barsStep = 8;

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

// The state blocks' share of the transition. One update of the bars opening
// towards openTarget: 8 pixels a step while not yet open, then barsOpen = 1.
void OpenBarsStep(int openTarget);
// Screen buttons react only while no transition runs and the bars are open.
bool ButtonsLive();
// A press that changes the screen: remembers the target and starts closing.
void StartTransition(int target);
// One update of the bars closing while a transition runs. Returns true in the
// update in which the curtain, already closed, lets the screen switch
// (transitionIdle back to 1, barsOpen 0); the caller then sets gameState and
// does the arrival work. Otherwise moves the curtain 8 pixels further in.
bool CloseBarsStep();
// The integer half of the screen height: the closed curtain.
int ClosedCurtain();
