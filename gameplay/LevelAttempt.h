#pragma once
// How the attempt in progress stands: the Vop's heat and whether it lives,
// the score and the time bonus, the goal and the boss, and the checkpoint it
// resumes from. A level start and every restart begin an attempt with
// ResetAttempt; the checkpoint outlives attempts until the next level start.
#include <cstdint>

#include "shared/LevelRecord.h"

// The Vop's heat: 0..255 after each tick's clamp (the trail update clamps
// it); may leave that range inside the danger update.
extern float dangerMeter;

// 0 alive, 1 exploded, 2 falling into a deadly area, 3 explosion risen.
enum EndState : int {
    EndAlive = 0,
    EndExploded = 1,
    EndFalling = 2,
    EndRisen = 3,
};
extern int endState;
extern float playerAlpha;  // the Vop's opacity 0..255

// Checkpoint of the attempt in progress.
extern int checkpointX, checkpointY;  // where the Vop reappears (from the record)
extern uint8_t checkpointReached;     // a snapshot exists for this level
extern int checkpointTimeBonus;
extern int checkpointKillScore;
extern float checkpointDanger;        // restored for the elite kind only

// Per-attempt state.
extern uint8_t levelDone;             // the goal has been reached
extern uint8_t bossBeaten;
extern int thresholdPoints;
extern int timeBonus;                 // counts down; the time limit in boss and sprint levels
extern int killScore;
extern int shownScore;                // the score counted up on the end screen
extern int levelTickCounter;
extern uint8_t newLevelUnlocked, levelNotPassed, newKindUnlocked;
extern int vopBlinkLid, vopBlinkTimer, vopBlinkState;

// Time-bonus factor per Vop kind (index 0 = no kind).
extern const float kindFactor[7];

// The time bonus a record starts with for the current kind and difficulty.
int StartingTimeBonus(const LevelRecord& record);

// Begins an attempt at the record: alive, cool and fully visible, nothing
// scored, the record's threshold and starting time bonus. LoadLevel and
// RestartLevel both call it; a restart from the checkpoint then puts back the
// checkpoint's bonus, score and heat.
void ResetAttempt(const LevelRecord& record);

// Keeps the attempt's standing and the live level (with the checkpoint object
// at objectIndex spent) for restarts from here on.
void SaveCheckpoint(int objectIndex);
