#pragma once
// Paints the decoration pictures a level record names: tunnel covers (the
// hill over a passage, drawn in front of the Vop), tunnel backs (the dark
// inside of a passage, drawn behind the tiles), swaying trees and lettering
// boards.
//
// The game loads a picture into a texture whose sides are powers of two and
// scales a picture of any other size up to fill it, so every decoration is
// painted into a power-of-two canvas with its design box at the top-left
// corner and nothing around it: drawn at its place, the box lands exactly
// where it was designed, at its designed size.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/levelgen/LevelArt.h"
#include "tools/levelgen/LevelSource.h"

// Paints `decor` into `out` as a width x height ARGB32 premultiplied canvas.
// False with a message in `error` when the style is unknown or the box is
// empty or larger than a texture may be.
bool PaintDecor(const LevelDesign& design, const TerrainField& field, const DecorPicture& decor,
                std::vector<uint32_t>& out, int& width, int& height, std::string& error);
