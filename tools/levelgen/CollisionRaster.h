#pragma once
// Turns a design's terrain shapes into the level's collision picture: exact
// colours, no anti-aliasing, one pixel per world pixel.
#include <cstdint>
#include <vector>

#include "tools/levelgen/LevelSource.h"

constexpr uint32_t collSolid = 0xFFFFFFFFu;
constexpr uint32_t collPlatform = 0xFFC0C0C0u;
constexpr uint32_t collDeadly = 0xFF000080u;
constexpr uint32_t collEmpty = 0x00000000u;

uint32_t CollisionColour(Material m);

// Fills one polygon (nonzero winding, sampled at pixel centres) into a
// width x height ARGB buffer.
void FillPolygon(std::vector<uint32_t>& pixels, int width, int height, const std::vector<double>& xs,
                 const std::vector<double>& ys, uint32_t colour);

// The whole collision picture of a design, shapes painted in source order.
std::vector<uint32_t> RasteriseCollision(const LevelDesign& design);
