#include "tools/levelgen/LevelArt.h"

#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "screens/LevelDecorations.h"
#include "tools/levelgen/CollisionRaster.h"
#include "tools/levelgen/LevelPalette.h"
#include "tools/levelgen/LevelProps.h"

using namespace art;

namespace {

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

// Fills the current path with a vertical shade from `top` at y0 to `bottom`
// at y1, then strokes its outline.
void FillShadedAndOutline(cairo_t* cr, double y0, double y1, const Rgb& top, const Rgb& bottom, const Palette& p,
                          double lineWidth)
{
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetRgb(cr, p.outline);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

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
        const Rgb lit = {p.plank.r * 1.15, p.plank.g * 1.15, p.plank.b * 1.15};
        FillShadedAndOutline(cr, y0, y0 + 16, lit, p.plankDark, p, 2);
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
        FillShadedAndOutline(cr, y0, y0 + h, p.hazardGlow, p.hazard, p, 1.5);
    }
}
cairo_surface_t* WrapBuffer(std::vector<uint32_t>& out, int w, int h)
{
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, w);
    return cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(out.data()), CAIRO_FORMAT_ARGB32, w,
                                               h, stride);
}

// The deepened sky over an open pixel at world row y: full at the top,
// easing out to nothing at the shade's depth.
uint32_t SkyPixel(const SkyShade& s, int y)
{
    const double t = std::min(1.0, static_cast<double>(y) / s.depth);
    const double a = s.alpha * (1.0 - t * t * (3.0 - 2.0 * t));
    return Pack(Rgb{s.r / 255.0, s.g / 255.0, s.b / 255.0}, a);
}

uint32_t LevelSeed(const LevelDesign& d) { return Hash(static_cast<uint32_t>(d.record) * 7919U + 17U); }

// Inside the box of a picture drawn over a tunnel (the Vop rolls in front of
// the tiles there, so the passage can be dark behind it).
bool InTunnelCover(const LevelDesign& d, int x, int y)
{
    int drawnX = 0, drawnY = 0;
    for (const DecorPicture& dec : d.decor)
        if (dec.style == "cover" && x >= dec.x && x < dec.x + dec.w && y >= dec.y && y < dec.y + dec.h &&
            LevelDecorationPosition(d.record, dec.slot, &drawnX, &drawnY))
            return true;
    return false;
}

}  // namespace

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
            else if (f.firstSolid[wx] < wy && InTunnelCover(d, wx, wy)) o = PassageColour(d, wx, wy);
            else if (wy < d.sky.depth && wy < f.firstSolid[wx]) o = SkyPixel(d.sky, wy);
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

uint32_t GroundColour(const LevelDesign& d, const TerrainField& f, int x, int y)
{
    return GroundPixel(ThemePalette(d.theme), f, x, y, LevelSeed(d));
}

uint32_t PassageColour(const LevelDesign& d, int x, int y)
{
    const Palette p = ThemePalette(d.theme);
    return Pack(Scale(p.deep, 0.8 + 0.4 * ValueNoise(x, y, 31, LevelSeed(d))));
}

DecorLook ThemeDecorLook(const std::string& theme)
{
    const Palette p = ThemePalette(theme);
    // Trees stand back from the play: leaves a shade deeper than the grass
    // tufts, so they neither glare under the bloom nor hide the Vop.
    const Rgb leaf = Mix(p.tuft, p.deep, 0.35), light = Mix(p.tuft, p.topLight, 0.15);
    const Rgb bark = Mix(p.plankDark, p.deep, 0.3);
    return {{leaf.r, leaf.g, leaf.b}, {light.r, light.g, light.b}, {bark.r, bark.g, bark.b},
            {p.plank.r, p.plank.g, p.plank.b}, {p.plankDark.r, p.plankDark.g, p.plankDark.b},
            {p.outline.r, p.outline.g, p.outline.b}};
}

uint32_t LevelArtSeed(const LevelDesign& d) { return LevelSeed(d); }

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
