#pragma once
// Placement rules shared by every level record; the generated
// game/LevelPlacements.cpp calls them.
#include "shared/LevelRecord.h"

// Records without a design source: the kinds still missing, in kind order,
// spread evenly between the start and the goal.
void PlaceholderPlacement(int rec, LevelRecord& r, const bool given[]);

// The marks the definitions count but the placements did not set go to the
// first live objects that lack them.
void AddVariantMarks(LevelRecord& r, int wanted);
void AddColourMarks(LevelRecord& r, int wanted);
void AddDrawnWithObjects(LevelRecord& r, int wanted);
void AddPreHeat(LevelRecord& r, int heat, int wanted);
void ApplyCountedMarks(int rec, LevelRecord& r);

void SetColourOf(LevelObject& o, float r, float g, float b);
