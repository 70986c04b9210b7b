#include "game/GameStates.h"

int gameState = IntroPresents;
int nextState = 0;
int fadeState = FadeNone;

int musicVolume = 50;
int levelMusicVolume = 50;
int musicDuck = 0;
