#include "tools/levelgen/LevelProps.h"

#include <cmath>

namespace art {

namespace {

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

// A garden tree standing on its foot point: a crown about 300 x scale
// across over a trunk about 250 x scale high, in the shades of the look's
// grass, darker than the grass so it holds its colour under the bloom.
void BackdropTree(cairo_t* cr, const Palette& p, double x, double y, double s, uint32_t h)
{
    const double crownY = y - 250 * s, r = 150 * s;
    const Rgb leaf = Mix(p.tuft, p.deep, 0.45);
    // Painted front to back (each layer goes behind the last): highlights,
    // crown, outline, trunk.
    for (int i = 0; i < 4; ++i) {
        const double a = -2.3 + i * 0.5 + Unit(Hash(h + 11 * i)) * 0.3;
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + std::cos(a) * r * 0.45, crownY + std::sin(a) * r * 0.4, r * 0.3, 0, 2 * M_PI);
    }
    SetRgb(cr, Mix(leaf, p.topLight, 0.25), 0.6);
    cairo_fill(cr);
    const auto crown = [&](double grow) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x, crownY, r * 0.6 + grow, 0, 2 * M_PI);
        for (int i = 0; i < 7; ++i) {
            const double a = i * 2 * M_PI / 7 + Unit(Hash(h + i)) * 0.6;
            const double br = r * (0.36 + 0.1 * Unit(Hash(h + 5 * i + 3)));
            cairo_new_sub_path(cr);
            cairo_arc(cr, x + std::cos(a) * (r - br), crownY + std::sin(a) * (r - br) * 0.8, br + grow, 0, 2 * M_PI);
        }
    };
    crown(0);
    SetRgb(cr, leaf);
    cairo_fill(cr);
    crown(3);
    SetRgb(cr, p.outline, 0.8);
    cairo_fill(cr);
    cairo_move_to(cr, x - 18 * s, y + 6);
    cairo_curve_to(cr, x - 10 * s, y - 120 * s, x - 12 * s, crownY + r * 0.5, x - 6 * s, crownY);
    cairo_line_to(cr, x + 6 * s, crownY);
    cairo_curve_to(cr, x + 12 * s, crownY + r * 0.5, x + 10 * s, y - 120 * s, x + 18 * s, y + 6);
    cairo_close_path(cr);
    SetRgb(cr, Mix(p.plankDark, p.deep, 0.3));
    cairo_fill(cr);
}

// The back wall of a hall: riveted steel plates 128 x scale square over a
// block 512 x scale square from its top-left corner, with a round window in
// every other plate of the middle rows, which shows the world outside.
void BackdropWall(cairo_t* cr, const Palette& p, double x, double y, double s)
{
    const double plate = 128 * s;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            const double px = x + col * plate, py = y + row * plate;
            const bool window = (row == 1 || row == 2) && (col + row) % 2 == 0;
            if (window) {
                // The window's frame; its pane stays clear.
                cairo_new_path(cr);
                cairo_arc(cr, px + plate / 2, py + plate / 2, plate * 0.3, 0, 2 * M_PI);
                cairo_arc_negative(cr, px + plate / 2, py + plate / 2, plate * 0.24, 2 * M_PI, 0);
                SetRgb(cr, Scale(p.rim, 0.8));
                cairo_fill(cr);
            }
            for (int k = 0; k < 4; ++k) {
                cairo_new_sub_path(cr);
                cairo_arc(cr, px + (k & 1 ? plate - 12 * s : 12 * s), py + (k & 2 ? plate - 12 * s : 12 * s),
                          4 * s, 0, 2 * M_PI);
            }
            SetRgb(cr, Scale(p.rim, 0.75));
            cairo_fill(cr);
            cairo_rectangle(cr, px + 2 * s, py + 2 * s, plate - 4 * s, plate - 4 * s);
            if (window) {
                cairo_new_sub_path(cr);
                cairo_arc_negative(cr, px + plate / 2, py + plate / 2, plate * 0.3, 2 * M_PI, 0);
            }
            SetRgb(cr, Scale(Mix(p.body, p.deep, 0.4), 0.95 + 0.1 * ((row + col) % 2)));
            cairo_fill(cr);
            cairo_rectangle(cr, px, py, plate, plate);
            if (window) {
                cairo_new_sub_path(cr);
                cairo_arc_negative(cr, px + plate / 2, py + plate / 2, plate * 0.3, 2 * M_PI, 0);
            }
            SetRgb(cr, p.outline);
            cairo_fill(cr);
        }
}

}  // namespace

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
    } else if (pr.kind == "post" || pr.kind == "sign" || pr.kind == "signleft") {
        SetRgb(cr, p.plankDark);
        cairo_rectangle(cr, x - 4 * s, y - 70 * s, 8 * s, 72 * s);
        cairo_fill(cr);
        if (pr.kind != "post") {
            RoundedRect(cr, x - 34 * s, y - 78 * s, 68 * s, 30 * s, 5 * s);
            SetRgb(cr, p.plank);
            cairo_fill_preserve(cr);
            SetRgb(cr, p.outline);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            // an arrow along the road, tip towards the way on
            const double d = pr.kind == "sign" ? 1 : -1;
            cairo_move_to(cr, x - d * 20 * s, y - 63 * s);
            cairo_line_to(cr, x + d * 14 * s, y - 63 * s);
            cairo_move_to(cr, x + d * 6 * s, y - 70 * s);
            cairo_line_to(cr, x + d * 16 * s, y - 63 * s);
            cairo_line_to(cr, x + d * 6 * s, y - 56 * s);
            cairo_set_line_width(cr, 4 * s);
            cairo_stroke(cr);
        }
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
    } else if (pr.kind == "tree" || pr.kind == "wall") {
        // Backdrops go behind everything already in the tile (the ground,
        // tufts, planks), so they only fill the open air.
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OVER);
        if (pr.kind == "tree") BackdropTree(cr, p, x, y, s, h);
        else BackdropWall(cr, p, x, y, s);
        cairo_restore(cr);
    }
}

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

}  // namespace art
