#pragma once
// The screen transition: it closes the black bars, switches the screen while
// they cover it and opens them again.
#include "shared/GameStates.h"

// How far the bars stay in once open: a thin frame on the menus, almost
// nothing in game. They close and open by barsStep pixels per update.
constexpr int menuBarsOpenTarget = 20;
constexpr int inGameBarsOpenTarget = 5;
constexpr int barsStep = 8;

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
