#include "tools/levelgen/LevelPalette.h"

#include <algorithm>
#include <cmath>

#include "tools/datagen/PaintKit.h"

namespace art {

Palette ThemePalette(const std::string& theme)
{
    // Defaults: a green meadow over warm soil. The soils stay mid tones down
    // to their depths: the goal's messages and some hint lines are black and
    // are written over the ground.
    Palette p{{0.33, 0.66, 0.20}, {0.55, 0.84, 0.32}, {0.62, 0.45, 0.27}, {0.58, 0.42, 0.26}, {0.42, 0.30, 0.19},
              {0.10, 0.07, 0.04}, {0.72, 0.62, 0.50}, {0.72, 0.52, 0.30}, {0.40, 0.26, 0.13}, {0.30, 0.05, 0.20},
              {0.95, 0.30, 0.55}, {0.30, 0.62, 0.18}, {0.98, 0.86, 0.30}, 16, true};
    if (theme == "snow") {
        p.top = {0.90, 0.94, 1.00};
        p.topLight = {1.0, 1.0, 1.0};
        p.rim = {0.55, 0.62, 0.74};
        p.body = {0.40, 0.46, 0.58};
        p.deep = {0.20, 0.23, 0.33};
        p.outline = {0.08, 0.10, 0.18};
        p.stone = {0.62, 0.70, 0.82};
        p.plank = {0.62, 0.50, 0.40};
        p.plankDark = {0.35, 0.27, 0.22};
        p.hazard = {0.10, 0.22, 0.45};
        p.hazardGlow = {0.55, 0.85, 1.00};
        p.tuft = {0.85, 0.92, 1.0};
        p.topDepth = 20;
        p.tufts = false;
    } else if (theme == "cave") {
        p.top = {0.36, 0.44, 0.30};
        p.topLight = {0.50, 0.60, 0.40};
        p.rim = {0.42, 0.40, 0.40};
        p.body = {0.32, 0.30, 0.31};
        p.deep = {0.14, 0.13, 0.15};
        p.outline = {0.05, 0.05, 0.06};
        p.stone = {0.48, 0.46, 0.46};
        p.tuft = {0.35, 0.45, 0.28};
        p.topDepth = 10;
    } else if (theme == "desert") {
        p.top = {0.93, 0.78, 0.45};
        p.topLight = {1.0, 0.90, 0.62};
        p.rim = {0.80, 0.55, 0.30};
        p.body = {0.70, 0.44, 0.24};
        p.deep = {0.42, 0.24, 0.13};
        p.outline = {0.20, 0.10, 0.05};
        p.stone = {0.85, 0.62, 0.40};
        p.tuft = {0.55, 0.62, 0.25};
        p.topDepth = 18;
    } else if (theme == "autumn") {
        p.top = {0.80, 0.45, 0.12};
        p.topLight = {0.95, 0.65, 0.22};
        p.tuft = {0.78, 0.40, 0.10};
        p.flower = {0.95, 0.25, 0.15};
    } else if (theme == "night") {
        p.top = {0.16, 0.38, 0.40};
        p.topLight = {0.28, 0.56, 0.56};
        p.rim = {0.22, 0.20, 0.32};
        p.body = {0.16, 0.14, 0.25};
        p.deep = {0.06, 0.05, 0.10};
        p.outline = {0.02, 0.02, 0.04};
        p.stone = {0.30, 0.28, 0.42};
        p.tuft = {0.20, 0.50, 0.50};
        p.flower = {0.60, 0.90, 1.00};
    } else if (theme == "mr") {
        // The alternative picture set: candy-coloured clay with a pink icing top.
        p.top = {0.95, 0.50, 0.70};
        p.topLight = {1.0, 0.75, 0.86};
        p.rim = {0.76, 0.48, 0.80};
        p.body = {0.66, 0.40, 0.74};
        p.deep = {0.52, 0.30, 0.62};
        p.outline = {0.10, 0.04, 0.12};
        p.stone = {0.84, 0.66, 0.92};
        p.plank = {0.98, 0.82, 0.45};
        p.plankDark = {0.60, 0.42, 0.20};
        p.tuft = {0.95, 0.55, 0.75};
        p.flower = {1.0, 1.0, 0.7};
    } else if (theme == "metal") {
        p.top = {0.62, 0.64, 0.66};
        p.topLight = {0.85, 0.87, 0.90};
        p.rim = {0.60, 0.61, 0.64};
        p.body = {0.50, 0.51, 0.54};
        p.deep = {0.36, 0.36, 0.39};
        p.outline = {0.05, 0.05, 0.06};
        p.stone = {0.50, 0.40, 0.28};
        p.topDepth = 8;
        p.tufts = false;
    } else if (theme == "dusk") {
        p.top = {0.45, 0.50, 0.22};
        p.topLight = {0.68, 0.66, 0.30};
        p.rim = {0.64, 0.42, 0.38};
        p.body = {0.56, 0.36, 0.34};
        p.deep = {0.40, 0.24, 0.24};
        p.tuft = {0.50, 0.52, 0.22};
        p.flower = {1.0, 0.55, 0.25};
    }
    return p;
}

uint32_t Hash(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

uint32_t Hash2(int x, int y, uint32_t seed)
{
    return Hash(static_cast<uint32_t>(x) * 73856093U ^ static_cast<uint32_t>(y) * 19349663U ^ seed);
}

double Unit(uint32_t h) { return (h & 0xFFFFFF) / 16777216.0; }

double ValueNoise(double x, double y, double cell, uint32_t seed)
{
    const double fx = x / cell, fy = y / cell;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    double tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = Unit(Hash2(ix, iy, seed)), b = Unit(Hash2(ix + 1, iy, seed));
    const double c = Unit(Hash2(ix, iy + 1, seed)), d = Unit(Hash2(ix + 1, iy + 1, seed));
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

Rgb Mix(const Rgb& a, const Rgb& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(const Rgb& a, double f) { return {a.r * f, a.g * f, a.b * f}; }

uint32_t Pack(const Rgb& c, double alpha)
{
    auto ch = [&](double v) {
        v = std::clamp(v, 0.0, 1.0) * alpha;
        return static_cast<uint32_t>(v * 255.0 + 0.5);
    };
    const uint32_t a = static_cast<uint32_t>(std::clamp(alpha, 0.0, 1.0) * 255.0 + 0.5);
    return a << 24 | ch(c.r) << 16 | ch(c.g) << 8 | ch(c.b);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    RoundedRectPath(cr, x, y, w, h, std::min(r, std::min(w, h) / 2));
}

void SetRgb(cairo_t* cr, const Rgb& c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

}  // namespace art
