#pragma once
// What the art of a level reads from its collision picture, computed once.
#include <cstdint>
#include <vector>

#include "tools/levelgen/LevelSource.h"

// Per-pixel facts about the terrain, computed once per level.
struct TerrainField {
    int width = 0, height = 0;
    const std::vector<uint32_t>* coll = nullptr;
    std::vector<uint8_t> depth;   // distance into solid ground (chamfer, capped)
    std::vector<uint8_t> topRun;  // solid pixels above within the same run, 255 = far or unexposed
    std::vector<int> surfaceX, surfaceY;  // exposed ground tops, sampled for tufts
    std::vector<int> firstSolid;          // topmost solid row per column (height: none)
};

TerrainField AnalyseTerrain(const LevelDesign& design, const std::vector<uint32_t>& coll);
