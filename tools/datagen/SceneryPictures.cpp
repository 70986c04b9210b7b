// Scenery pictures: eight trees, four hills, the windmill wheel and tower,
// and the sun of the first level. All are 512 x 512 and stand on the points
// the scenery layouts pivot on: trees and hills on their foot (about x 255,
// row 510), the wheel on its hub (255, 255), the tower from its top (279, 10)
// down. The layouts darken them by depth, so they are white with gentle
// grey shading; all but the sun are veils with a denser rim.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/PaintKit.h"

namespace {

// Trees, hills and windmills are veils rather than solid cut-outs: a denser rim gives
// each its outline, and the middle thins so the layers behind show through.
// A dark near layer then reads as a mid tone where the black hint lines and
// goal messages are written over it, and where near layers overlap they do
// not stack up to near black.
constexpr double kRimOpacity = 0.55, kMiddleOpacity = 0.2;
// How far in from the outline, in picture pixels, the middle is reached.
constexpr double kRimDepth = 46;

// Distance of every pixel from the nearest clear one (alpha under a half),
// by a two-pass chamfer; beyond the canvas counts as covered, so hills and
// trunks running off an edge get no rim there.
std::vector<double> DistanceInside(const unsigned char* data, int w, int h, int stride) {
  const double far = 1e9, straight = 1.0, diagonal = 1.4142;
  std::vector<double> d(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      d[static_cast<size_t>(y) * w + x] = data[y * stride + x * 4 + 3] < 128 ? 0.0 : far;
  auto at = [&](int x, int y) {
    return x < 0 || y < 0 || x >= w || y >= h ? far : d[static_cast<size_t>(y) * w + x];
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double& v = d[static_cast<size_t>(y) * w + x];
      v = std::min({v, at(x - 1, y) + straight, at(x, y - 1) + straight, at(x - 1, y - 1) + diagonal,
                    at(x + 1, y - 1) + diagonal});
    }
  for (int y = h - 1; y >= 0; --y)
    for (int x = w - 1; x >= 0; --x) {
      double& v = d[static_cast<size_t>(y) * w + x];
      v = std::min({v, at(x + 1, y) + straight, at(x, y + 1) + straight, at(x + 1, y + 1) + diagonal,
                    at(x - 1, y + 1) + diagonal});
    }
  return d;
}

void RimVeil(Canvas& c) {
  cairo_surface_flush(c.surface);
  unsigned char* data = cairo_image_surface_get_data(c.surface);
  const int stride = cairo_image_surface_get_stride(c.surface);
  const std::vector<double> inside = DistanceInside(data, c.width, c.height, stride);
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      double t = std::min(1.0, inside[static_cast<size_t>(y) * c.width + x] / kRimDepth);
      t = t * t * (3 - 2 * t);
      const double keep = kRimOpacity + (kMiddleOpacity - kRimOpacity) * t;
      unsigned char* px = data + y * stride + x * 4;
      for (int k = 0; k < 4; ++k) px[k] = static_cast<unsigned char>(px[k] * keep + 0.5);
    }
  cairo_surface_mark_dirty(c.surface);
}

void Trunk(cairo_t* cr, double baseX, double topX, double topY, double baseW, double topW,
           double bend) {
  // Flared roots, wide enough for the layouts' slightly different centres.
  baseW = std::max(baseW, 56.0);
  double midY = (511 + topY) / 2;
  cairo_move_to(cr, baseX - baseW / 2, 511);
  cairo_curve_to(cr, baseX - baseW / 2 + bend, midY, topX - topW / 2 + bend, midY, topX - topW / 2,
                 topY);
  cairo_line_to(cr, topX + topW / 2, topY);
  cairo_curve_to(cr, topX + topW / 2 + bend, midY, baseX + baseW / 2 + bend, midY, baseX + baseW / 2,
                 511);
  cairo_close_path(cr);
  FillGreyShade(cr, baseX - baseW, 0, baseX + baseW, 0, 0.92, 0.72);
}

void Branch(cairo_t* cr, double x0, double y0, double x1, double y1, double w) {
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, (x0 + x1) / 2, y0 - 10, x1, (y0 + y1) / 2, x1, y1);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetGrey(cr, 0.82);
  cairo_stroke(cr);
}

// A crown made of overlapping soft blobs, lit from the upper left, with a few
// lighter leaf clusters on top for texture.
void Crown(cairo_t* cr, PaintRandom& rnd, double cx, double cy, double rx, double ry, int blobs) {
  cairo_push_group(cr);
  for (int i = 0; i < blobs; ++i) {
    double a = 2 * M_PI * i / blobs + rnd.Range(-0.2, 0.2);
    double d = rnd.Range(0.45, 0.62);
    double bx = cx + std::cos(a) * rx * d, by = cy + std::sin(a) * ry * d;
    double br = std::min(rx, ry) * rnd.Range(0.42, 0.55);
    BlobPath(cr, bx, by, br, 9, rnd, 0.08);
    SetGrey(cr, 1.0);
    cairo_fill(cr);
  }
  BlobPath(cr, cx, cy, std::min(rx, ry) * 0.7, 10, rnd, 0.06);
  cairo_fill(cr);
  cairo_pattern_t* shape = cairo_pop_group(cr);
  // Shade the whole crown through its own outline.
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - rx * 0.35, cy - ry * 0.45, rx * 0.1, cx, cy,
                                                   std::max(rx, ry) * 1.2);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(g, 0.6, 0.9, 0.9, 0.9);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.66, 0.66, 0.66);
  cairo_set_source(cr, g);
  cairo_mask(cr, shape);
  cairo_pattern_destroy(g);
  // Leaf clusters: small lighter and darker dabs inside the outline.
  cairo_push_group(cr);
  for (int i = 0; i < 14; ++i) {
    double a = rnd.Range(0, 2 * M_PI), d = rnd.Range(0.1, 0.7);
    double bx = cx + std::cos(a) * rx * d, by = cy + std::sin(a) * ry * d;
    bool light = by < cy;
    BlobPath(cr, bx, by, std::min(rx, ry) * rnd.Range(0.12, 0.2), 7, rnd, 0.12);
    SetGrey(cr, light ? 1.0 : 0.7, 0.35);
    cairo_fill(cr);
  }
  cairo_pattern_t* dabs = cairo_pop_group(cr);
  cairo_push_group(cr);
  cairo_set_source(cr, dabs);
  cairo_paint(cr);
  cairo_pattern_t* dabsGroup = cairo_pop_group(cr);
  // Keep the dabs inside the crown by masking them with its shape.
  cairo_push_group(cr);
  cairo_set_source(cr, dabsGroup);
  cairo_mask(cr, shape);
  cairo_pattern_t* clipped = cairo_pop_group(cr);
  cairo_set_source(cr, clipped);
  cairo_paint(cr);
  cairo_pattern_destroy(clipped);
  cairo_pattern_destroy(dabsGroup);
  cairo_pattern_destroy(dabs);
  cairo_pattern_destroy(shape);
}

void Conifer(cairo_t* cr, double cx, double top, double bottom, double halfW, int tiers) {
  for (int i = 0; i < tiers; ++i) {
    double t0 = top + (bottom - top) * i / (tiers + 0.6);
    double t1 = top + (bottom - top) * (i + 1.6) / (tiers + 0.6);
    double w = halfW * (0.35 + 0.65 * (i + 1) / tiers);
    cairo_move_to(cr, cx, t0);
    cairo_curve_to(cr, cx + w * 0.4, t0 + (t1 - t0) * 0.5, cx + w * 0.9, t1 - 12, cx + w, t1);
    cairo_curve_to(cr, cx + w * 0.5, t1 + 8, cx - w * 0.5, t1 + 8, cx - w, t1);
    cairo_curve_to(cr, cx - w * 0.9, t1 - 12, cx - w * 0.4, t0 + (t1 - t0) * 0.5, cx, t0);
    cairo_close_path(cr);
    FillGreyShade(cr, cx - w, 0, cx + w, 0, 1, 0.7);
  }
}

void Tree(cairo_t* cr, int which) {
  PaintRandom rnd(100 + which);
  switch (which) {
    case 1:  // broad round oak; drawn cropped to x 130..445, foot near x 205
      Trunk(cr, 205, 262, 230, 44, 22, 6);
      Branch(cr, 258, 300, 330, 240, 12);
      Branch(cr, 252, 320, 190, 260, 10);
      Crown(cr, rnd, 285, 185, 140, 150, 9);
      break;
    case 2:  // rounded oval tree; cropped to x 125..425
      Trunk(cr, 255, 262, 250, 36, 18, -4);
      Crown(cr, rnd, 272, 190, 130, 175, 8);
      break;
    case 3:  // fir
      Trunk(cr, 255, 255, 380, 30, 18, 0);
      Conifer(cr, 255, 20, 440, 150, 5);
      break;
    case 4:  // tall poplar
      Trunk(cr, 255, 255, 300, 28, 14, 0);
      Crown(cr, rnd, 255, 190, 70, 175, 9);
      break;
    case 5:  // wide bushy tree with two lobes; foot between x 200 and 255
      Trunk(cr, 228, 246, 300, 40, 20, 5);
      Branch(cr, 244, 330, 170, 250, 12);
      Branch(cr, 246, 320, 330, 250, 12);
      Crown(cr, rnd, 170, 220, 110, 95, 7);
      Crown(cr, rnd, 330, 200, 120, 105, 7);
      break;
    case 6:  // slim birch with cloud-like clusters
      Trunk(cr, 255, 258, 120, 22, 10, 8);
      Crown(cr, rnd, 230, 170, 80, 70, 6);
      Crown(cr, rnd, 300, 110, 85, 80, 6);
      Crown(cr, rnd, 265, 260, 95, 70, 6);
      break;
    case 7:  // drooping willow
      Trunk(cr, 255, 262, 200, 34, 16, 10);
      Crown(cr, rnd, 272, 190, 125, 110, 8);
      for (int i = 0; i < 7; ++i) {
        double x = 175 + i * 32;
        cairo_move_to(cr, x, 200);
        cairo_curve_to(cr, x - 6, 280, x + 4, 330, x - 4, 370 + rnd.Range(-20, 20));
        cairo_set_line_width(cr, 10);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        SetGrey(cr, 0.85);
        cairo_stroke(cr);
      }
      break;
    case 8:  // young leaning tree; foot between x 255 and 300
      Trunk(cr, 278, 300, 200, 30, 14, 18);
      Branch(cr, 280, 280, 220, 220, 8);
      Crown(cr, rnd, 300, 170, 110, 120, 7);
      break;
  }
}

// A mound that fills the picture's lower part from its top row down.
void Hill(cairo_t* cr, int which) {
  double top = 0;
  std::vector<double> peaks;  // x, height pairs
  switch (which) {
    case 1: top = 250; peaks = {255, 250}; break;
    case 2: top = 222; peaks = {200, 222, 360, 260}; break;
    case 3: top = 300; peaks = {150, 320, 330, 300}; break;
    default: top = 360; peaks = {255, 360}; break;
  }
  (void)top;
  cairo_move_to(cr, -2, 512);
  if (peaks.size() == 2) {
    double x = peaks[0], y = peaks[1];
    cairo_curve_to(cr, 60, 512, x - 150, y, x, y);
    cairo_curve_to(cr, x + 150, y, 452, 512, 514, 512);
  } else {
    double x0 = peaks[0], y0 = peaks[1], x1 = peaks[2], y1 = peaks[3];
    double valley = std::max(y0, y1) + 60;
    cairo_curve_to(cr, 40, 512, x0 - 110, y0, x0, y0);
    cairo_curve_to(cr, x0 + 60, y0, (x0 + x1) / 2 - 30, valley, (x0 + x1) / 2, valley);
    cairo_curve_to(cr, (x0 + x1) / 2 + 30, valley, x1 - 60, y1, x1, y1);
    cairo_curve_to(cr, x1 + 100, y1, 470, 512, 514, 512);
  }
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 220, 0, 512);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.78, 0.78, 0.78);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  // A soft rim light along the crest.
  cairo_clip(cr);
  cairo_new_path(cr);
  PaintRandom rnd(200 + which);
  for (int i = 0; i < 7; ++i) {
    double x = rnd.Range(40, 470), y = rnd.Range(380, 500);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rnd.Range(40, 80), rnd.Range(10, 18));
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetGrey(cr, 0.7, 0.25);
    cairo_fill(cr);
  }
  cairo_reset_clip(cr);
}

void WindmillWheel(cairo_t* cr) {
  const double c = 255;
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, c, c);
    cairo_rotate(cr, i * M_PI / 2);
    // Spar and a sail beside it.
    RoundedRectPath(cr, -6, -245, 12, 240, 5);
    SetGrey(cr, 0.85);
    cairo_fill(cr);
    cairo_move_to(cr, 6, -60);
    cairo_line_to(cr, 6, -240);
    cairo_curve_to(cr, 40, -236, 62, -220, 66, -200);
    cairo_line_to(cr, 46, -70);
    cairo_close_path(cr);
    SetGrey(cr, 1.0);
    cairo_fill(cr);
    for (int k = 1; k < 5; ++k) {
      cairo_move_to(cr, 6, -60 - k * 36);
      cairo_line_to(cr, 46 + k * 4, -60 - k * 36);
      SetGrey(cr, 0.75);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
  }
  cairo_arc(cr, c, c, 26, 0, 2 * M_PI);
  FillLitShape(cr, c, c, 26, 0.7);
  cairo_new_path(cr);
}

void WindmillTower(cairo_t* cr) {
  // From the hub point (279, 10) down to a wide foot; cropped to x 132..365.
  cairo_move_to(cr, 262, 0);
  cairo_line_to(cr, 296, 0);
  cairo_curve_to(cr, 310, 200, 330, 380, 352, 511);
  cairo_line_to(cr, 190, 511);
  cairo_curve_to(cr, 214, 380, 240, 200, 262, 0);
  cairo_close_path(cr);
  FillGreyShade(cr, 190, 0, 352, 0, 1, 0.74);
  // Cap, door and windows are cut half-transparent so they read at any tint.
  cairo_arc(cr, 279, 14, 22, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  SetGrey(cr, 0.9);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  RoundedRectPath(cr, 254, 440, 40, 71, 18);
  SetGrey(cr, 0, 0.55);
  cairo_fill(cr);
  for (int i = 0; i < 2; ++i) {
    cairo_arc(cr, 276, 170 + i * 130, 10 + i * 2, 0, 2 * M_PI);
    SetGrey(cr, 0, 0.55);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void Sun(cairo_t* cr) {
  const double c = 255;
  FillGlow(cr, c, c, 250, 1.0, 0.45, 0.0);
  for (int i = 0; i < 12; ++i) {
    double a = 2 * M_PI * i / 12;
    cairo_save(cr);
    cairo_translate(cr, c, c);
    cairo_rotate(cr, a);
    cairo_move_to(cr, 110, -16);
    cairo_curve_to(cr, 160, -12, 190, -4, 200, 0);
    cairo_curve_to(cr, 190, 4, 160, 12, 110, 16);
    cairo_close_path(cr);
    cairo_restore(cr);
    SetGrey(cr, 1.0, 0.85);
    cairo_fill(cr);
  }
  cairo_arc(cr, c, c, 100, 0, 2 * M_PI);
  FillLitShape(cr, c, c, 100, 0.88);
  cairo_new_path(cr);
}

}  // namespace

bool GenerateSceneryPicture(const DataFile& file, const GenContext& ctx) {
  Canvas c = MakeCanvas(512, 512);
  int p = file.param;
  if (p == 6 || p == 7) {
    // The two side trees of the early levels pivot near a lower corner,
    // (442, 493) and (20, 499), and lean inwards so their rest angles stand
    // them up.
    bool right = p == 6;
    cairo_translate(c.cr, right ? 442 : 20, right ? 493 : 499);
    cairo_rotate(c.cr, right ? -0.45 : 0.35);
    cairo_translate(c.cr, -255, -511);
    Tree(c.cr, p);
  } else if (p >= 1 && p <= 8) Tree(c.cr, p);
  else if (p >= 11 && p <= 14) Hill(c.cr, p - 10);
  else if (p == 20) WindmillWheel(c.cr);
  else if (p == 21) WindmillTower(c.cr);
  else Sun(c.cr);
  // The sun alone stays solid: it is the light, not a shape in the landscape.
  if (p != 22) RimVeil(c);
  return SaveCanvas(c, file, ctx);
}
