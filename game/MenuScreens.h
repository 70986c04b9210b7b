#pragma once
// The menu screens' blocks of the render pass and the update step. Each block
// takes no arguments and tests gameState itself, so the chains can call every
// block unconditionally in their fixed order:
//   render: ... RenderMainMenu, RenderOptionsMenu, RenderLevelPages,
//           RenderCreditsScreen, <common overlays>, RenderIntroScreen ...
//   update: ... UpdateMainMenu, UpdateOptionsMenu, UpdateLevelPages,
//           UpdateIntroScreen, <SumBestScores>, UpdateCreditsScreen ...
//
// The menu update blocks (states 2, 3, 4 and the five level pages) run their
// own screen transition: they open the bars to 20, close them after a press,
// switch gameState at the closed curtain and do the arrival work of the
// screen they lead to (page camera and focus, progress reset, the level
// start with LoadLevel). The chains must not move the curtain for these
// states. The intro blocks switch directly, without the bars.
//
// Arrival work the in-game block needs when a level is left for the credits
// after the final boss: OnArriveAtCredits().
//
// This dispatcher stands above the screens; what they share is in
// game/MenuKit.h.

// States 0 and 1: the two timed intro screens (drawn over the closed bars).
void RenderIntroScreen();
void UpdateIntroScreen();

// State 2: the main menu.
void RenderMainMenu();
void UpdateMainMenu();

// State 3: the options.
void RenderOptionsMenu();
void UpdateOptionsMenu();

// State 4: the credits roll.
void RenderCreditsScreen();
void UpdateCreditsScreen();

// States 5, 6, 8, 9, 10: the five level pages.
void RenderLevelPages();
void UpdateLevelPages();

// Places the credits roll at its start (screenHeight - 200) and the menu
// camera at 0; for entering the credits from the game.
void OnArriveAtCredits();

// Puts every menu value back to its start: intro clock and alphas, focus and
// mouse mode, reset arming, credits roll, kind hint (a fresh game; tests).
void ResetMenuState();
