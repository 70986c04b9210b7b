#pragma once
// Visual props painted into the tiles (no collision): grass tufts and
// flowers along exposed tops, and the props a design places.
#include <cairo.h>

#include <cstdint>

#include "tools/levelgen/LevelPalette.h"
#include "tools/levelgen/LevelSource.h"
#include "tools/levelgen/TerrainField.h"

namespace art {

// Tufts and flowers along the exposed ground tops inside (x0, y0)-(x1, y1).
void PaintSurfaceDetail(cairo_t* cr, const LevelDesign& d, const TerrainField& f, const Palette& p, double x0,
                        double y0, double x1, double y1, uint32_t seed);
// One placed prop at its foot point.
void PaintProp(cairo_t* cr, const Palette& p, const Prop& pr, uint32_t seed);

}  // namespace art
