#pragma once
// The gameplay half of one in-game update, shared by the game's in-game
// update step and the headless replay and benchmark tools, so that all of
// them simulate a level identically.
//
// The in-game update step runs, per tick:
//   1. SimulateLevelTick()        -- physics (with or without steering) and
//      score counter, camera, end sequence, level objects, danger and goal,
//      boss test, trail, colour cycle, animation phases, eye blink;
//   2. its own sounds (angry loop, ambience) and the screen transition, the
//      end screen, the back and restart requests;
//   3. AdvanceLevelTime()         -- the time-bonus countdown;
//   4. rumble.
// DecayFlashes() runs before all of it, once per update step on every screen.

// Steps 1 to 7 of the in-game block, in order.
void SimulateLevelTick();
// levelTickCounter += 1; one point of time bonus per 80 ticks before the goal.
void AdvanceLevelTime();
// End screen: after 205 ticks (and once the score has counted up, where it
// counts) the level asks to be left (fadeState 1). Only while fadeState is 0.
void UpdateEndScreen();
