#pragma once
// The colours of each level look and the small colour, noise and drawing
// helpers the level art shares (tiles, props, decorations).
#include <cairo.h>

#include <cstdint>
#include <string>

namespace art {

struct Rgb {
    double r, g, b;
};

// Colours of one look. Ground is lit from above: a top layer (grass, snow,
// sand, moss), the rim just under it, and a body that darkens with depth.
struct Palette {
    Rgb top, topLight, rim, body, deep, outline, stone, plank, plankDark, hazard, hazardGlow, tuft, flower;
    int topDepth;
    bool tufts;
};

Palette ThemePalette(const std::string& theme);

uint32_t Hash(uint32_t x);
uint32_t Hash2(int x, int y, uint32_t seed);
double Unit(uint32_t h);
// Smooth value noise in 0..1.
double ValueNoise(double x, double y, double cell, uint32_t seed);
Rgb Mix(const Rgb& a, const Rgb& b, double t);
Rgb Scale(const Rgb& a, double f);
// Premultiplied ARGB32 of a colour at an opacity.
uint32_t Pack(const Rgb& c, double alpha = 1.0);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void SetRgb(cairo_t* cr, const Rgb& c, double a = 1.0);

}  // namespace art
