#pragma once
// Reaching the goal: play ends, the enemies clear, the best score and the
// unlocked levels are updated and saved; then the end screen counts the
// score up.
#include <cstdint>

extern int endScreenTimer;   // ticks of the end screen (counted by the in-game update)
extern int goalScoreFade;    // fade-in of the score drawn at the goal
extern uint8_t scoreEndLatch;

// Once, in the tick the Vop enters the goal box.
void LevelCompleted();
// Once per tick while levelDone is set.
void UpdateScoreCounter();
