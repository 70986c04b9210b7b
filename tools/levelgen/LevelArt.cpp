#include "tools/levelgen/LevelArt.h"

#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "tools/levelgen/CollisionRaster.h"

namespace {

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

Palette ThemePalette(const std::string& theme)
{
    // Defaults: a green meadow over warm soil.
    Palette p{{0.33, 0.66, 0.20}, {0.55, 0.84, 0.32}, {0.52, 0.36, 0.20}, {0.42, 0.28, 0.16}, {0.22, 0.14, 0.09},
              {0.10, 0.07, 0.04}, {0.55, 0.46, 0.36}, {0.72, 0.52, 0.30}, {0.40, 0.26, 0.13}, {0.30, 0.05, 0.20},
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
        p.rim = {0.62, 0.36, 0.62};
        p.body = {0.48, 0.26, 0.52};
        p.deep = {0.24, 0.12, 0.30};
        p.outline = {0.10, 0.04, 0.12};
        p.stone = {0.70, 0.52, 0.78};
        p.plank = {0.98, 0.82, 0.45};
        p.plankDark = {0.60, 0.42, 0.20};
        p.tuft = {0.95, 0.55, 0.75};
        p.flower = {1.0, 1.0, 0.7};
    } else if (theme == "metal") {
        p.top = {0.62, 0.64, 0.66};
        p.topLight = {0.85, 0.87, 0.90};
        p.rim = {0.45, 0.46, 0.48};
        p.body = {0.34, 0.35, 0.37};
        p.deep = {0.17, 0.17, 0.19};
        p.outline = {0.05, 0.05, 0.06};
        p.stone = {0.50, 0.40, 0.28};
        p.topDepth = 8;
        p.tufts = false;
    } else if (theme == "dusk") {
        p.top = {0.45, 0.50, 0.22};
        p.topLight = {0.68, 0.66, 0.30};
        p.rim = {0.50, 0.28, 0.25};
        p.body = {0.38, 0.20, 0.20};
        p.deep = {0.18, 0.08, 0.10};
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

// Smooth value noise in 0..1.
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

uint32_t Pack(const Rgb& c, double alpha = 1.0)
{
    auto ch = [&](double v) {
        v = std::clamp(v, 0.0, 1.0) * alpha;
        return static_cast<uint32_t>(v * 255.0 + 0.5);
    };
    const uint32_t a = static_cast<uint32_t>(std::clamp(alpha, 0.0, 1.0) * 255.0 + 0.5);
    return a << 24 | ch(c.r) << 16 | ch(c.g) << 8 | ch(c.b);
}

// Colour of a ground pixel; `seed` varies the texture per level.
uint32_t GroundPixel(const Palette& p, const TerrainField& f, int x, int y, uint32_t seed)
{
    const size_t i = static_cast<size_t>(y) * f.width + x;
    const int d = f.depth[i];
    const int up = f.topRun[i];
    const double n1 = ValueNoise(x, y, 23.0, seed), n2 = ValueNoise(x, y, 7.0, seed + 17);
    const int topDepth = p.topDepth + static_cast<int>(ValueNoise(x, 0, 41.0, seed + 3) * 8.0);
    if (up <= topDepth) {
        if (up <= 2) return Pack(Mix(p.topLight, p.outline, up == 1 ? 0.55 : 0.2));
        const double t = static_cast<double>(up) / topDepth;
        Rgb c = Mix(p.topLight, p.top, std::min(1.0, t * 1.4));
        c = Scale(c, 0.92 + 0.12 * n2);
        if (up >= topDepth - 2) c = Mix(c, p.outline, 0.35);
        return Pack(c);
    }
    if (d <= 2) return Pack(Mix(p.outline, p.rim, d == 2 ? 0.45 : 0.0));
    const double t = std::min(1.0, (d - 2) / 110.0);
    Rgb c = Mix(p.rim, p.body, std::min(1.0, t * 2.0));
    c = Mix(c, p.deep, std::max(0.0, t - 0.3));
    c = Scale(c, 0.86 + 0.2 * n1 + 0.08 * n2);
    // Stones: one per 56-pixel cell at a hashed spot, away from the edges.
    if (d > 14) {
        const int cx = static_cast<int>(std::floor(x / 56.0)), cy = static_cast<int>(std::floor(y / 56.0));
        for (int oy = -1; oy <= 1; ++oy)
            for (int ox = -1; ox <= 1; ++ox) {
                const uint32_t h = Hash2(cx + ox, cy + oy, seed + 99);
                if ((h & 3) == 0) continue;
                const double sx = (cx + ox) * 56.0 + Unit(h) * 56.0, sy = (cy + oy) * 56.0 + Unit(Hash(h)) * 56.0;
                const double rx = 6 + Unit(Hash(h + 1)) * 10, ry = rx * (0.55 + 0.3 * Unit(Hash(h + 2)));
                const double dx = (x - sx) / rx, dy = (y - sy) / ry, q = dx * dx + dy * dy;
                if (q <= 1.0) {
                    Rgb s = Mix(p.stone, p.deep, t * 0.6);
                    if (q > 0.7) s = Mix(s, p.outline, 0.5);
                    else if (dy < -0.3 && dx < 0.2) s = Mix(s, Rgb{1, 1, 1}, 0.18);
                    return Pack(s);
                }
            }
    }
    return Pack(c);
}

uint32_t HazardPixel(const Palette& p, const TerrainField& f, int x, int y, uint32_t seed)
{
    // Depth below the hazard's own top, for a glow that fades downward.
    int k = 0;
    while (k < 40 && y - k - 1 >= 0 && (*f.coll)[static_cast<size_t>(y - k - 1) * f.width + x] == collDeadly) ++k;
    const double glow = std::max(0.0, 1.0 - k / 40.0);
    Rgb c = Mix(p.hazard, p.hazardGlow, glow * 0.55);
    c = Scale(c, 0.85 + 0.3 * ValueNoise(x, y, 9.0, seed + 5));
    return Pack(c);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min(r, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void SetRgb(cairo_t* cr, const Rgb& c, double a = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

void PaintPlatforms(cairo_t* cr, const LevelDesign& d, const Palette& p)
{
    for (const TerrainShape& s : d.shapes) {
        if (s.material != Material::Platform) continue;
        double x0 = s.xs[0], x1 = s.xs[0], y0 = s.ys[0];
        for (size_t i = 0; i < s.xs.size(); ++i) {
            x0 = std::min(x0, s.xs[i]);
            x1 = std::max(x1, s.xs[i]);
            y0 = std::min(y0, s.ys[i]);
        }
        const double w = x1 - x0;
        // Posts under the ends, then the plank (its top is the standing row).
        SetRgb(cr, p.plankDark);
        cairo_rectangle(cr, x0 + 10, y0 + 10, 8, 26);
        cairo_rectangle(cr, x1 - 18, y0 + 10, 8, 26);
        cairo_fill(cr);
        RoundedRect(cr, x0, y0, w, 16, 5);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y0 + 16);
        cairo_pattern_add_color_stop_rgb(g, 0, p.plank.r * 1.15, p.plank.g * 1.15, p.plank.b * 1.15);
        cairo_pattern_add_color_stop_rgb(g, 1, p.plankDark.r, p.plankDark.g, p.plankDark.b);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        SetRgb(cr, p.outline);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (double x = x0 + 40; x < x1 - 20; x += 48) {
            cairo_move_to(cr, x, y0 + 3);
            cairo_line_to(cr, x, y0 + 14);
        }
        SetRgb(cr, p.plankDark, 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void PaintSpikes(cairo_t* cr, const LevelDesign& d, const Palette& p)
{
    for (const TerrainShape& s : d.shapes) {
        if (s.material != Material::Deadly) continue;
        double x0 = s.xs[0], x1 = s.xs[0], y0 = s.ys[0], y1 = s.ys[0];
        for (size_t i = 0; i < s.xs.size(); ++i) {
            x0 = std::min(x0, s.xs[i]);
            x1 = std::max(x1, s.xs[i]);
            y0 = std::min(y0, s.ys[i]);
            y1 = std::max(y1, s.ys[i]);
        }
        const double h = std::min(34.0, y1 - y0);
        const int n = std::max(1, static_cast<int>((x1 - x0) / 22));
        const double step = (x1 - x0) / n;
        for (int i = 0; i < n; ++i) {
            const double bx = x0 + i * step;
            cairo_move_to(cr, bx, y0 + h);
            cairo_line_to(cr, bx + step / 2, y0);
            cairo_line_to(cr, bx + step, y0 + h);
            cairo_close_path(cr);
        }
        cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y0 + h);
        cairo_pattern_add_color_stop_rgb(g, 0, p.hazardGlow.r, p.hazardGlow.g, p.hazardGlow.b);
        cairo_pattern_add_color_stop_rgb(g, 1, p.hazard.r, p.hazard.g, p.hazard.b);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        SetRgb(cr, p.outline);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void Tuft(cairo_t* cr, const Palette& p, double x, double y, double s, uint32_t h)
{
    const int blades = 4 + static_cast<int>(h % 4);
    SetRgb(cr, Mix(p.tuft, p.topLight, Unit(h) * 0.4));
    for (int i = 0; i < blades; ++i) {
        const double bx = x + (i - blades / 2.0) * 4 * s;
        const double lean = (Unit(Hash(h + i)) - 0.5) * 10 * s;
        const double len = (10 + Unit(Hash(h + 7 * i)) * 14) * s;
        cairo_move_to(cr, bx - 2 * s, y + 3);
        cairo_curve_to(cr, bx, y - len * 0.5, bx + lean, y - len * 0.8, bx + lean * 1.3, y - len);
        cairo_curve_to(cr, bx + lean * 0.6, y - len * 0.6, bx + 2 * s, y - len * 0.3, bx + 2 * s, y + 3);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

void Flower(cairo_t* cr, const Palette& p, double x, double y, double s)
{
    SetRgb(cr, p.tuft);
    cairo_set_line_width(cr, 2 * s);
    cairo_move_to(cr, x, y + 2);
    cairo_line_to(cr, x, y - 22 * s);
    cairo_stroke(cr);
    SetRgb(cr, p.flower);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        cairo_arc(cr, x + std::cos(a) * 5 * s, y - 22 * s + std::sin(a) * 5 * s, 4 * s, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_arc(cr, x, y - 22 * s, 2.5 * s, 0, 2 * M_PI);
    cairo_fill(cr);
}

void PaintProp(cairo_t* cr, const Palette& p, const Prop& pr, uint32_t seed)
{
    const double s = pr.scale, x = pr.x, y = pr.y;
    const uint32_t h = Hash2(static_cast<int>(x), static_cast<int>(y), seed);
    if (pr.kind == "tuft") {
        Tuft(cr, p, x, y, s, h);
    } else if (pr.kind == "flower") {
        Flower(cr, p, x, y, s);
    } else if (pr.kind == "rock") {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, s, s);
        cairo_move_to(cr, -30, 2);
        cairo_curve_to(cr, -34, -20, -10, -34, 6, -30);
        cairo_curve_to(cr, 26, -26, 34, -10, 30, 2);
        cairo_close_path(cr);
        cairo_restore(cr);
        SetRgb(cr, p.stone);
        cairo_fill_preserve(cr);
        SetRgb(cr, p.outline);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    } else if (pr.kind == "post" || pr.kind == "sign") {
        SetRgb(cr, p.plankDark);
        cairo_rectangle(cr, x - 4 * s, y - 70 * s, 8 * s, 72 * s);
        cairo_fill(cr);
        if (pr.kind == "sign") {
            RoundedRect(cr, x - 34 * s, y - 78 * s, 68 * s, 30 * s, 5 * s);
            SetRgb(cr, p.plank);
            cairo_fill_preserve(cr);
            SetRgb(cr, p.outline);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            // an arrow pointing right
            cairo_move_to(cr, x - 20 * s, y - 63 * s);
            cairo_line_to(cr, x + 14 * s, y - 63 * s);
            cairo_move_to(cr, x + 6 * s, y - 70 * s);
            cairo_line_to(cr, x + 16 * s, y - 63 * s);
            cairo_line_to(cr, x + 6 * s, y - 56 * s);
            cairo_set_line_width(cr, 4 * s);
            cairo_stroke(cr);
        }
    } else if (pr.kind == "signleft") {
        SetRgb(cr, p.plankDark);
        cairo_rectangle(cr, x - 4 * s, y - 70 * s, 8 * s, 72 * s);
        cairo_fill(cr);
        RoundedRect(cr, x - 34 * s, y - 78 * s, 68 * s, 30 * s, 5 * s);
        SetRgb(cr, p.plank);
        cairo_fill_preserve(cr);
        SetRgb(cr, p.outline);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_move_to(cr, x + 20 * s, y - 63 * s);
        cairo_line_to(cr, x - 14 * s, y - 63 * s);
        cairo_move_to(cr, x - 6 * s, y - 70 * s);
        cairo_line_to(cr, x - 16 * s, y - 63 * s);
        cairo_line_to(cr, x - 6 * s, y - 56 * s);
        cairo_set_line_width(cr, 4 * s);
        cairo_stroke(cr);
    } else if (pr.kind == "crystal") {
        for (int i = -1; i <= 1; ++i) {
            const double hx = x + i * 12 * s, hh = (40 - 12 * std::abs(i)) * s;
            cairo_move_to(cr, hx - 8 * s, y + 2);
            cairo_line_to(cr, hx - 5 * s + i * 6 * s, y - hh);
            cairo_line_to(cr, hx + 5 * s + i * 6 * s, y - hh - 6 * s);
            cairo_line_to(cr, hx + 8 * s, y + 2);
            cairo_close_path(cr);
        }
        SetRgb(cr, p.hazardGlow, 0.85);
        cairo_fill_preserve(cr);
        SetRgb(cr, p.outline);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    } else if (pr.kind == "icicle") {
        cairo_move_to(cr, x - 9 * s, y - 1);
        cairo_line_to(cr, x, y + 46 * s);
        cairo_line_to(cr, x + 9 * s, y - 1);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 0.85, 0.95, 1.0, 0.9);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 0.3, 0.45, 0.6, 1);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    } else if (pr.kind == "lamp") {
        SetRgb(cr, p.outline);
        cairo_rectangle(cr, x - 3 * s, y - 90 * s, 6 * s, 92 * s);
        cairo_fill(cr);
        cairo_pattern_t* g = cairo_pattern_create_radial(x, y - 96 * s, 2, x, y - 96 * s, 34 * s);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.6, 0.95);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.4, 0);
        cairo_set_source(cr, g);
        cairo_arc(cr, x, y - 96 * s, 34 * s, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    } else if (pr.kind == "bush") {
        SetRgb(cr, Scale(p.tuft, 0.8));
        for (int i = 0; i < 5; ++i) {
            const double bx = x + (i - 2) * 16 * s, r = (18 + Unit(Hash(h + i)) * 10) * s;
            cairo_arc(cr, bx, y - r * 0.7, r, 0, 2 * M_PI);
        }
        cairo_fill(cr);
    }
}

// Automatic tufts and flowers along exposed ground tops (never on snow).
void PaintSurfaceDetail(cairo_t* cr, const LevelDesign& d, const TerrainField& f, const Palette& p, double x0,
                        double y0, double x1, double y1, uint32_t seed)
{
    if (!p.tufts) return;
    for (size_t i = 0; i < f.surfaceX.size(); ++i) {
        const double x = f.surfaceX[i], y = f.surfaceY[i];
        if (x < x0 - 40 || x > x1 + 40 || y < y0 - 40 || y > y1 + 40) continue;
        const uint32_t h = Hash2(static_cast<int>(x), static_cast<int>(y), seed + 1234);
        if ((h & 7) == 0) Flower(cr, p, x, y + 2, 0.8 + Unit(h) * 0.4);
        else Tuft(cr, p, x, y + 2, 0.8 + Unit(Hash(h)) * 0.5, h);
    }
    (void)d;
}

cairo_surface_t* WrapBuffer(std::vector<uint32_t>& out, int w, int h)
{
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, w);
    return cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(out.data()), CAIRO_FORMAT_ARGB32, w,
                                               h, stride);
}

uint32_t LevelSeed(const LevelDesign& d) { return Hash(static_cast<uint32_t>(d.record) * 7919U + 17U); }

}  // namespace

TerrainField AnalyseTerrain(const LevelDesign& d, const std::vector<uint32_t>& coll)
{
    TerrainField f;
    f.width = d.width;
    f.height = d.height;
    f.coll = &coll;
    const size_t n = static_cast<size_t>(d.width) * d.height;
    f.depth.assign(n, 0);
    f.topRun.assign(n, 255);
    const int W = d.width, H = d.height;
    // Chamfer distance (3-4 weights, divided by 3) from non-solid pixels; the
    // world's outside counts as solid so that borders get no rim.
    std::vector<uint16_t> dist(n, 0);
    const uint16_t far = 60000;
    for (size_t i = 0; i < n; ++i) dist[i] = coll[i] == collSolid ? far : 0;
    auto at = [&](int x, int y) -> uint16_t { return (x < 0 || y < 0 || x >= W || y >= H) ? far : dist[static_cast<size_t>(y) * W + x]; };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            uint16_t& v = dist[static_cast<size_t>(y) * W + x];
            if (!v) continue;
            int m = v;
            m = std::min(m, at(x - 1, y) + 3);
            m = std::min(m, at(x, y - 1) + 3);
            m = std::min(m, at(x - 1, y - 1) + 4);
            m = std::min(m, at(x + 1, y - 1) + 4);
            v = static_cast<uint16_t>(m);
        }
    for (int y = H - 1; y >= 0; --y)
        for (int x = W - 1; x >= 0; --x) {
            uint16_t& v = dist[static_cast<size_t>(y) * W + x];
            if (!v) continue;
            int m = v;
            m = std::min(m, at(x + 1, y) + 3);
            m = std::min(m, at(x, y + 1) + 3);
            m = std::min(m, at(x + 1, y + 1) + 4);
            m = std::min(m, at(x - 1, y + 1) + 4);
            v = static_cast<uint16_t>(m);
        }
    for (size_t i = 0; i < n; ++i) f.depth[i] = static_cast<uint8_t>(std::min<int>(255, (dist[i] + 2) / 3));
    // Solid runs from an exposed top downward.
    for (int x = 0; x < W; ++x) {
        int run = 255;
        for (int y = 0; y < H; ++y) {
            const size_t i = static_cast<size_t>(y) * W + x;
            if (coll[i] != collSolid) {
                run = -1;
                continue;
            }
            if (run < 0) run = 0;  // a top exposed to air
            if (run < 255) ++run;
            f.topRun[i] = static_cast<uint8_t>(run);
            if (run == 1 && y > 0 && x % 23 == 0) {
                f.surfaceX.push_back(x);
                f.surfaceY.push_back(y);
            }
        }
    }
    return f;
}

std::string TileFileName(int record, const std::string& folder, int row, int column)
{
    char name[64];
    if (record == 1 || record == 13 || record == 14)
        std::snprintf(name, sizeof name, "%s/world_%d_%d.png", folder.c_str(), row, column);
    else if (record >= 29)
        std::snprintf(name, sizeof name, "%s/world-%d-%d.png", folder.c_str(), column, row);
    else
        std::snprintf(name, sizeof name, "%s/world_%d.png", folder.c_str(), column);
    return name;
}

void PaintTile(const LevelDesign& d, const TerrainField& f, int row, int column, std::vector<uint32_t>& out)
{
    const int T = 1024;
    out.assign(static_cast<size_t>(T) * T, 0);
    const Palette p = ThemePalette(d.theme);
    const uint32_t seed = LevelSeed(d);
    const int ox = column * T, oy = row * T;
    for (int y = 0; y < T; ++y) {
        const int wy = oy + y;
        if (wy >= d.height) break;
        for (int x = 0; x < T; ++x) {
            const int wx = ox + x;
            if (wx >= d.width) break;
            const uint32_t c = (*f.coll)[static_cast<size_t>(wy) * d.width + wx];
            uint32_t& o = out[static_cast<size_t>(y) * T + x];
            if (c == collSolid) o = GroundPixel(p, f, wx, wy, seed);
            else if (c == collDeadly) o = HazardPixel(p, f, wx, wy, seed);
        }
    }
    cairo_surface_t* s = WrapBuffer(out, T, T);
    cairo_t* cr = cairo_create(s);
    cairo_translate(cr, -ox, -oy);
    PaintSurfaceDetail(cr, d, f, p, ox, oy, ox + T, oy + T, seed);
    PaintPlatforms(cr, d, p);
    PaintSpikes(cr, d, p);
    for (const Prop& pr : d.props) PaintProp(cr, p, pr, seed);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    cairo_surface_destroy(s);
}

void PaintDecor(const LevelDesign& d, const TerrainField& f, const DecorPicture& dec, std::vector<uint32_t>& out,
                int& width, int& height)
{
    width = dec.w;
    height = dec.h;
    out.assign(static_cast<size_t>(width) * height, 0);
    const Palette p = ThemePalette(d.theme);
    const uint32_t seed = LevelSeed(d);
    if (dec.style == "cover" || dec.style == "back") {
        // Rock over (cover) or behind (back) a passage: in each column of the
        // box, the stretch from the highest to the lowest solid pixel.
        for (int x = 0; x < width; ++x) {
            const int wx = dec.x + x;
            if (wx < 0 || wx >= d.width) continue;
            int top = -1, bottom = -1;
            for (int y = 0; y < height; ++y) {
                const int wy = dec.y + y;
                if (wy < 0 || wy >= d.height) continue;
                if ((*f.coll)[static_cast<size_t>(wy) * d.width + wx] == collSolid) {
                    if (top < 0) top = y;
                    bottom = y;
                }
            }
            if (top < 0) continue;
            for (int y = top; y <= bottom; ++y) {
                const int wy = dec.y + y;
                const bool solid = (*f.coll)[static_cast<size_t>(wy) * d.width + wx] == collSolid;
                uint32_t& o = out[static_cast<size_t>(y) * width + x];
                if (dec.style == "cover") {
                    o = solid ? GroundPixel(p, f, wx, wy, seed)
                              : Pack(Scale(Mix(p.body, p.deep, 0.5), 0.9 + 0.2 * ValueNoise(wx, wy, 17, seed)));
                } else if (!solid) {
                    o = Pack(Scale(p.deep, 0.8 + 0.4 * ValueNoise(wx, wy, 31, seed)));
                }
            }
        }
        return;
    }
    cairo_surface_t* s = WrapBuffer(out, width, height);
    cairo_t* cr = cairo_create(s);
    if (dec.style == "tree") {
        // A round-crowned tree whose trunk foot is the picture's lower middle.
        const double cx = width / 2.0, base = height - 4;
        SetRgb(cr, Scale(p.plankDark, 0.9));
        cairo_move_to(cr, cx - 26, base);
        cairo_curve_to(cr, cx - 14, base - height * 0.3, cx - 16, base - height * 0.5, cx - 10, base - height * 0.55);
        cairo_line_to(cr, cx + 10, base - height * 0.55);
        cairo_curve_to(cr, cx + 16, base - height * 0.5, cx + 14, base - height * 0.3, cx + 26, base);
        cairo_close_path(cr);
        cairo_fill(cr);
        const uint32_t h = Hash(seed + dec.slot * 31);
        for (int i = 0; i < 9; ++i) {
            const double a = i * 2 * M_PI / 9 + Unit(Hash(h + i));
            const double r = width * (0.16 + 0.08 * Unit(Hash(h + 3 * i)));
            const double bx = cx + std::cos(a) * width * 0.22, by = height * 0.36 + std::sin(a) * height * 0.16;
            SetRgb(cr, Mix(p.tuft, p.topLight, Unit(Hash(h + 5 * i)) * 0.5));
            cairo_arc(cr, bx, by, r, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    } else if (dec.style == "letters") {
        // Lettering boards are not drawn by the game; keep a plain board.
        RoundedRect(cr, 4, 4, width - 8, height - 8, 12);
        SetRgb(cr, p.plank, 0.9);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    cairo_surface_flush(s);
    cairo_surface_destroy(s);
}

bool WriteArgbPng(const std::string& path, const uint32_t* pixels, int width, int height)
{
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
    if (stride != width * 4) return false;
    cairo_surface_t* s = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(pixels)), CAIRO_FORMAT_ARGB32, width, height, stride);
    const std::string temp = path + ".part" + std::to_string(static_cast<long>(getpid()));
    const bool ok = cairo_surface_write_to_png(s, temp.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
