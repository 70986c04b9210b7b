#pragma once
// Putting the live level into a known state: a level start from a record, a
// new attempt (from the start or the last checkpoint), and the checkpoint
// snapshot that such an attempt resumes from.
#include <cstdint>

#include "shared/LevelRecord.h"

struct SpriteTexture;

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

// The level's pictures, replaced by every level start.
extern SpriteTexture levelTiles[maxTileRows][maxTileCols];
extern SpriteTexture levelDecor[maxDecorFiles];
extern SpriteTexture collTexture;

// Headless seams. With levelPicturesEnabled 0 the tiles and decorations are
// not loaded (no display needed). collisionPathOverride, when set, is the
// collision picture file loaded instead of the record's. A picture provided
// with ProvideCollisionPicture is used by every level start instead of any
// file, until it is withdrawn with ProvideCollisionPicture(nullptr, 0, 0, 0).
extern uint8_t levelPicturesEnabled;
extern const char* collisionPathOverride;
void ProvideCollisionPicture(const uint32_t* pixels, int pitch, int width, int height);

// The time bonus a record starts with for the current kind and difficulty.
int StartingTimeBonus(const LevelRecord& record);

void LoadLevel(LevelRecord record);
// Loads and locks the record's collision picture (or the override or the
// provided picture) and points the probes at it; a missing picture or one
// whose size is not the level's plays as an empty picture of the level's
// size. LoadLevel calls it; a device rebuild may call it again.
void LoadCollisionPicture(const LevelRecord& record);
void RestartLevel();
void SaveCheckpoint(int objectIndex);
