#pragma once
// The screen the game shows, and the in-game requests to the screen
// transition that gameplay writes.

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

extern int gameState;
extern int nextState;
extern int fadeState;

// Music volume before ducking, the volume set at every level start, and the
// ducking offset (-20..0) added to it.
extern int musicVolume;
extern int levelMusicVolume;
extern int musicDuck;
