#pragma once
// The update of a level being played (gameState 15): the gameplay of one
// tick, the Vop's looping sounds, the bars of the in-game transition with the
// restart and leave paths, the end screen, the back and restart keys, the
// time bonus and rumble.

// The in-game block of the update step; does nothing outside the game.
void UpdateInGameBlock();

// The Vop's anger loop and the level's ambience loop.
void UpdateVopLoopSounds();
// Bars of the in-game transition: reopen to 5, close by 8 while a request
// runs, and at the switch restart the level or leave it.
void UpdateInGameTransition();
// The switch work of leaving a level: back to the page it was chosen from,
// the next page after a boss, or the credits after the final boss.
void LeaveLevel();
