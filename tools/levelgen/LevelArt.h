#pragma once
// Paints a level's world tiles and decoration pictures from its design and
// its collision picture, so that what the player sees lines up with what the
// Vop touches: textured ground with a grass or snow top, an outline, stones,
// plank platforms, spikes over deadly ground, and props.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/levelgen/LevelSource.h"

// Per-pixel facts about the terrain, computed once per level.
struct TerrainField {
    int width = 0, height = 0;
    const std::vector<uint32_t>* coll = nullptr;
    std::vector<uint8_t> depth;   // distance into solid ground (chamfer, capped)
    std::vector<uint8_t> topRun;  // solid pixels above within the same run, 255 = far or unexposed
    std::vector<int> surfaceX, surfaceY;  // exposed ground tops, sampled for tufts
};

TerrainField AnalyseTerrain(const LevelDesign& design, const std::vector<uint32_t>& coll);

// The tile file of row r, column c as the record names it (no "data//").
std::string TileFileName(int record, const std::string& folder, int row, int column);

// Paints tile (row, column) into a 1024 x 1024 ARGB32 premultiplied buffer.
void PaintTile(const LevelDesign& design, const TerrainField& field, int row, int column,
               std::vector<uint32_t>& out);

// Paints one decoration picture (its own size) into `out`.
void PaintDecor(const LevelDesign& design, const TerrainField& field, const DecorPicture& decor,
                std::vector<uint32_t>& out, int& width, int& height);

// Writes ARGB32 premultiplied pixels as a PNG (through a temporary file, so
// readers never see half a file). False on failure.
bool WriteArgbPng(const std::string& path, const uint32_t* pixels, int width, int height);
