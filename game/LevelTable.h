#pragma once
// The 50 level record slots, filled once at start-up from the level
// definitions (records 0 to 45; 46 to 49 stay cleared), and the music pass
// that settles music, kind requirements, sprint flags and object phases.
#include "shared/LevelRecord.h"

// Zeroes every number and flag of a record; leaves the names and objects.
void ClearLevelRecord(LevelRecord& record);
// Constructs every object, clears and fills the table from the definitions.
// Draws no random numbers.
void InitLevelTable();
// Music per record, required kinds, sprint flags, snow flags, sprint
// thresholds, and a random phase for every used object slot (from the
// simulation's random sequence, in record and slot order).
void MusicChoice();
