#pragma once
// Paints a level's world tiles and decoration pictures from its design and
// its collision picture, so that what the player sees lines up with what the
// Vop touches: textured ground with a grass or snow top, an outline, stones,
// plank platforms, spikes over deadly ground, and props.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/levelgen/LevelSource.h"
#include "tools/levelgen/TerrainField.h"

// The tile file of row r, column c as the record names it (no "data//").
std::string TileFileName(int record, const std::string& folder, int row, int column);

// Paints tile (row, column) into a 1024 x 1024 ARGB32 premultiplied buffer.
// The passages under a tunnel cover are painted as the tunnel's dark
// inside; elsewhere open pixels stay clear for the scenery behind.
void PaintTile(const LevelDesign& design, const TerrainField& field, int row, int column,
               std::vector<uint32_t>& out);

// The colour the tiles give the solid pixel (x, y) (before platforms and
// props), so a picture drawn over the tiles can repeat them exactly.
uint32_t GroundColour(const LevelDesign& design, const TerrainField& field, int x, int y);
// The dark inside of a tunnel at (x, y).
uint32_t PassageColour(const LevelDesign& design, int x, int y);

// Colours of a level's look for its standalone decoration pictures.
struct DecorLook {
    struct Colour {
        double r, g, b;
    };
    Colour leaf, leafLight, bark, plank, plankDark, outline;
};
DecorLook ThemeDecorLook(const std::string& theme);
// The per-level seed of the art's noise and scatter.
uint32_t LevelArtSeed(const LevelDesign& design);

// Writes ARGB32 premultiplied pixels as a PNG (through a temporary file, so
// readers never see half a file). False on failure.
bool WriteArgbPng(const std::string& path, const uint32_t* pixels, int width, int height);
