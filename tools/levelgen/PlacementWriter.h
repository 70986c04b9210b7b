#pragma once
// Writes game/LevelPlacements.cpp, the object placements of every design
// source, as plain C++ the level table's fill calls.
#include <string>
#include <vector>

#include "tools/levelgen/LevelSource.h"

std::string GeneratePlacementSource(const std::vector<LevelDesign>& designs);
