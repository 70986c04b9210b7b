// Menu pictures: the world disc, the turning sun and sky discs, the black
// bar picture and the logo. All 512 x 512, pivoting on (255, 255).
#include <cmath>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/PaintKit.h"

namespace {

const double kC = 255;

void WorldDisc(cairo_t* cr) {
  // A small planet: the world buttons sit inside it, trees stand on its top.
  PaintRandom rnd(31);
  BlobPath(cr, kC, kC, 152, 16, rnd, 0.025);
  FillLitShape(cr, kC, kC, 152, 0.8);
  cairo_new_path(cr);
  // Gentle hills along the rim.
  for (int i = 0; i < 5; ++i) {
    double a = -M_PI / 2 + (i - 2) * 0.55;
    cairo_arc(cr, kC + 140 * std::cos(a), kC + 140 * std::sin(a), 26, 0, 2 * M_PI);
    SetGrey(cr, 0.97);
    cairo_fill(cr);
  }
}

// The sun stays soft: black texts pass over it in the credits, and a
// white-hot core would bloom them out.
void SunDisc(cairo_t* cr) {
  FillGlow(cr, kC, kC, 255, 1.0, 0.2);
  for (int i = 0; i < 16; ++i) {
    cairo_save(cr);
    cairo_translate(cr, kC, kC);
    cairo_rotate(cr, 2 * M_PI * i / 16);
    cairo_move_to(cr, 70, -22);
    cairo_curve_to(cr, 150, -14, 220, -5, 250, 0);
    cairo_curve_to(cr, 220, 5, 150, 14, 70, 22);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(70, 0, 250, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  }
  FillGlow(cr, kC, kC, 95, 1.0, 0.35, 0.7);
}

// The big turning backdrop disc: soft spiral bands. The strong version is
// used without the bloom effect, so it carries more contrast itself.
void SkyDisc(cairo_t* cr, bool strong) {
  double a0 = strong ? 0.85 : 0.55;
  FillGlow(cr, kC, kC, 255, 1.0, a0, 0.35);
  for (int band = 0; band < 6; ++band) {
    cairo_save(cr);
    cairo_translate(cr, kC, kC);
    cairo_rotate(cr, band * M_PI / 3);
    cairo_move_to(cr, 0, 0);
    for (int k = 0; k <= 40; ++k) {
      double t = k / 40.0;
      double r = 250 * t, a = t * 2.2;
      cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    for (int k = 40; k >= 0; --k) {
      double t = k / 40.0;
      double r = 250 * t, a = t * 2.2 + 0.28 * t;
      cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_restore(cr);
    SetGrey(cr, 1.0, strong ? 0.35 : 0.18);
    cairo_fill(cr);
  }
  // Fade the rim out so the discs blend into each other.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
  cairo_pattern_t* g = cairo_pattern_create_radial(kC, kC, 150, kC, kC, 256);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void BlackBar(cairo_t* cr) {
  // Opaque black with softened upper and lower edges (the cinema bars show
  // one or the other).
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 512);
  cairo_pattern_add_color_stop_rgba(g, 0.0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.05, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0.95, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 1.0, 0, 0, 0, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

void Logo(cairo_t* cr, const GenContext& ctx) {
  // Only rows 131..299 are drawn by the game.
  FitTextSize(cr, ctx, "FlorpVops", 120, 470);
  TextWithRim(cr, "FlorpVops", kC, 200, 0, 1.0, 0.85, 0.0);
  // A rolling Vop and its trail under the name.
  for (int i = 0; i < 9; ++i) {
    double x = 120 + i * 26, y = 268 - std::sin(i * 0.5) * 6;
    cairo_arc(cr, x, y, 2 + i * 0.6, 0, 2 * M_PI);
    SetGrey(cr, 1.0, 0.3 + i * 0.07);
    cairo_fill(cr);
  }
  cairo_arc(cr, 370, 262, 18, 0, 2 * M_PI);
  FillLitShape(cr, 370, 262, 18, 0.8);
  cairo_new_path(cr);
}

}  // namespace

bool GenerateMenuPicture(const DataFile& file, const GenContext& ctx) {
  Canvas c = MakeCanvas(512, 512);
  switch (file.param) {
    case 0: WorldDisc(c.cr); break;
    case 1: SunDisc(c.cr); break;
    case 2: BlackBar(c.cr); break;
    case 3: Logo(c.cr, ctx); break;
    case 4: SkyDisc(c.cr, false); break;
    default: SkyDisc(c.cr, true); break;
  }
  return SaveCanvas(c, file, ctx);
}
