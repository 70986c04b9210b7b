#include "tools/levelgen/DecorArt.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/Texture.h"
#include "screens/LevelHints.h"
#include "tools/levelgen/CollisionRaster.h"
#include "tools/levelgen/LetteringArt.h"
#include "tools/levelgen/LevelPalette.h"

namespace {

// Largest canvas side: the texture size every graphics card takes.
constexpr int maxCanvasSide = 4096;

bool Solid(const TerrainField& f, int x, int y)
{
    return x >= 0 && y >= 0 && x < f.width && y < f.height &&
           (*f.coll)[static_cast<size_t>(y) * f.width + x] == collSolid;
}

// Inside a passage: not solid, with rock somewhere above (open sky is not).
bool Covered(const TerrainField& f, int x, int y)
{
    return x >= 0 && y >= 0 && x < f.width && y < f.height && !Solid(f, x, y) && f.firstSolid[x] < y;
}

uint32_t& At(std::vector<uint32_t>& out, int width, int x, int y)
{
    return out[static_cast<size_t>(y) * width + x];
}

// The hill over a passage: in each column of the box, the rock above the
// lowest passage pixel, in the tiles' own colours. The passage stays clear
// (the Vop rolls through it in view) and so does the ground under the road.
void PaintCover(const LevelDesign& d, const TerrainField& f, const DecorPicture& dec,
                std::vector<uint32_t>& out, int width)
{
    for (int x = 0; x < dec.w; ++x) {
        const int wx = dec.x + x;
        int lowestPassage = -1;
        for (int y = 0; y < dec.h; ++y)
            if (Covered(f, wx, dec.y + y)) lowestPassage = y;
        for (int y = 0; y < lowestPassage; ++y)
            if (Solid(f, wx, dec.y + y)) At(out, width, x, y) = GroundColour(d, f, wx, dec.y + y);
    }
}

// The dark inside of a passage. The game draws one back picture at several
// places: a pixel is dark where it falls into a passage at one of them and
// on rock or into a passage at all of them, so it shows the tunnel's inside
// wherever there is one and never a dark patch under open sky. A back the
// game never draws is painted for its own box.
void PaintBack(const LevelDesign& d, const TerrainField& f, const DecorPicture& dec,
               std::vector<uint32_t>& out, int width)
{
    std::vector<std::pair<int, int>> places;
    int slot = 0, px = 0, py = 0;
    for (int i = 0; LevelBackPicture(d.record, i, &slot, &px, &py); ++i)
        if (slot == dec.slot) places.emplace_back(px, py);
    if (places.empty()) places.emplace_back(dec.x, dec.y);
    for (int y = 0; y < dec.h; ++y)
        for (int x = 0; x < dec.w; ++x) {
            bool inPassage = false, hidden = true;
            int wx = 0, wy = 0;
            for (const auto& p : places) {
                const int ox = p.first + x, oy = p.second + y;
                const bool covered = Covered(f, ox, oy);
                if (covered && !inPassage) {
                    wx = ox;
                    wy = oy;
                    inPassage = true;
                }
                hidden = hidden && (covered || Solid(f, ox, oy));
            }
            if (inPassage && hidden) At(out, width, x, y) = PassageColour(d, wx, wy);
        }
}

void SetColour(cairo_t* cr, const DecorLook::Colour& c, double a = 1.0)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, a);
}

using art::Hash;

double Unit(uint32_t h) { return (h & 0xFFFFFF) / 16777216.0; }

// A round-crowned tree standing on its trunk foot at the lower edge of the
// box, under the point the game sways it about, so it sways on its foot;
// the foot reaches a little under the ground it stands on. The crown is
// sized in world pixels (the game draws the picture scaled), about 460
// across and 600 above the foot, and leans over when the sway point is off
// the box's middle.
void PaintTree(cairo_t* cr, const LevelDesign& d, const DecorPicture& dec)
{
    float centreX = static_cast<float>(dec.w) / 2, centreY = 0, scale = 1;
    int slot = 0;
    for (int i = 0; LevelSwayingPicture(d.record, i, &slot, &centreX, &centreY, &scale); ++i)
        if (slot == dec.slot) break;
    const double s = scale > 0 ? scale : 1, w = dec.w, h = dec.h;
    const double radius = std::min({230 / s, w / 2 - 4, h / 3});
    const double footX = std::clamp(static_cast<double>(centreX), 20.0, w - 20);
    const double crownX = std::clamp(footX, radius + 4, w - radius - 4);
    const double crownY = std::max(radius + 4, h - 380 / s);
    const DecorLook look = ThemeDecorLook(d.theme);
    const uint32_t seed = Hash(LevelArtSeed(d) + static_cast<uint32_t>(dec.slot) * 31U);

    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    // Trunk: wide at the foot, bending from the foot to under the crown.
    const double foot = std::max(10.0, 26 / s), neck = foot * 0.55;
    cairo_move_to(cr, footX - foot, h);
    cairo_curve_to(cr, footX - foot * 0.6, h - (h - crownY) * 0.4, crownX - neck, crownY + radius * 0.8,
                   crownX - neck, crownY);
    cairo_line_to(cr, crownX + neck, crownY);
    cairo_curve_to(cr, crownX + neck, crownY + radius * 0.8, footX + foot * 0.6, h - (h - crownY) * 0.4,
                   footX + foot, h);
    cairo_close_path(cr);
    SetColour(cr, look.bark);
    cairo_fill_preserve(cr);
    SetColour(cr, look.outline, 0.6);
    cairo_set_line_width(cr, 3 / s);
    cairo_stroke(cr);
    // Crown: a cluster of leaf balls, an outline under them, lighter balls
    // up to the left where the light comes from.
    struct Ball {
        double x, y, r;
    };
    std::vector<Ball> balls;
    balls.push_back({crownX, crownY, radius * 0.62});
    for (int i = 0; i < 8; ++i) {
        const double a = i * 2 * M_PI / 8 + Unit(Hash(seed + i)) * 0.5;
        const double r = radius * (0.34 + 0.1 * Unit(Hash(seed + 3 * i + 1)));
        const double reach = radius - r;
        balls.push_back({crownX + std::cos(a) * reach, crownY + std::sin(a) * reach * 0.85, r});
    }
    const auto ballPaths = [&](double grow, double shrink, double shift) {
        for (const Ball& b : balls) {
            if (shift != 0 && b.y > crownY + radius * 0.2) continue;  // highlights on the upper balls only
            cairo_new_sub_path(cr);
            cairo_arc(cr, b.x - b.r * shift, b.y - b.r * shift, b.r * shrink + grow, 0, 2 * M_PI);
            cairo_close_path(cr);
        }
    };
    ballPaths(3 / s, 1, 0);
    SetColour(cr, look.outline, 0.7);
    cairo_fill(cr);
    ballPaths(0, 1, 0);
    SetColour(cr, look.leaf);
    cairo_fill(cr);
    ballPaths(0, 0.55, 0.25);
    SetColour(cr, look.leafLight, 0.45);
    cairo_fill(cr);
}

cairo_surface_t* WrapCanvas(std::vector<uint32_t>& out, int width, int height)
{
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
    return cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(out.data()), CAIRO_FORMAT_ARGB32,
                                               width, height, stride);
}

}  // namespace

bool PaintDecor(const LevelDesign& d, const TerrainField& f, const DecorPicture& dec, std::vector<uint32_t>& out,
                int& width, int& height, std::string& error)
{
    if (dec.w <= 0 || dec.h <= 0 || dec.w > maxCanvasSide || dec.h > maxCanvasSide) {
        error = dec.file + ": a box of " + std::to_string(dec.w) + " x " + std::to_string(dec.h) +
                " cannot be a picture";
        return false;
    }
    // The game's own rounding, so the canvas is the texture it will make.
    width = NextPowerOfTwo(dec.w);
    height = NextPowerOfTwo(dec.h);
    out.assign(static_cast<size_t>(width) * height, 0);
    if (dec.style == "cover") {
        PaintCover(d, f, dec, out, width);
        return true;
    }
    if (dec.style == "back") {
        PaintBack(d, f, dec, out, width);
        return true;
    }
    if (dec.style != "tree" && dec.style != "letters") {
        error = dec.file + ": unknown decoration style '" + dec.style + "'";
        return false;
    }
    cairo_surface_t* s = WrapCanvas(out, width, height);
    cairo_t* cr = cairo_create(s);
    bool ok = true;
    if (dec.style == "tree") PaintTree(cr, d, dec);
    else ok = PaintLetteringBoard(cr, d, dec, error);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    cairo_surface_destroy(s);
    return ok;
}
