// The Vop's pictures: six bodies with their "MR" variants, six faces, six
// mouths and the spare eye picture.
//
// Bodies are 128 x 128 with the creature centred on (64, 64) inside the
// 82 x 82 square the game crops (23..105), drawn white-to-grey so the level
// colour tints them (black levels show a silhouette). Faces and mouths are
// 64 x 64, centred where the game pins them on the body: (25, 35), or
// (35, 33) for the air Vop; eyes sit in the rows the blinking lid sweeps.
#include <cmath>
#include <vector>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/PaintKit.h"

namespace {

const double kCx = 64, kCy = 64;

void SpikePath(cairo_t* cr, double r0, double r1, int spikes, double twist) {
  std::vector<double> xs, ys;
  for (int i = 0; i < spikes * 2; ++i) {
    double a = M_PI * i / spikes + twist;
    double r = (i % 2 == 0) ? r1 : r0;
    xs.push_back(kCx + r * std::cos(a));
    ys.push_back(kCy + r * std::sin(a));
  }
  // Sharp-ish points but rounded: straight segments with round joins.
  cairo_move_to(cr, xs[0], ys[0]);
  for (size_t i = 1; i < xs.size(); ++i) cairo_line_to(cr, xs[i], ys[i]);
  cairo_close_path(cr);
}

void PuffPath(cairo_t* cr, double r, int puffs, double puffR) {
  for (int i = 0; i < puffs; ++i) {
    double a = 2 * M_PI * i / puffs;
    cairo_new_sub_path(cr);
    cairo_arc(cr, kCx + r * std::cos(a), kCy + r * std::sin(a), puffR, 0, 2 * M_PI);
  }
  cairo_new_sub_path(cr);
  cairo_arc(cr, kCx, kCy, r, 0, 2 * M_PI);
}

void RockPath(cairo_t* cr, std::vector<double>& xs, std::vector<double>& ys) {
  const double radii[] = {37, 33, 38, 35, 39, 34, 37, 33, 36};
  xs.clear();
  ys.clear();
  for (int i = 0; i < 9; ++i) {
    double a = 2 * M_PI * i / 9 + 0.2;
    xs.push_back(kCx + radii[i] * std::cos(a));
    ys.push_back(kCy + radii[i] * std::sin(a));
  }
  cairo_move_to(cr, xs[0], ys[0]);
  for (int i = 1; i < 9; ++i) cairo_line_to(cr, xs[i], ys[i]);
  cairo_close_path(cr);
}

// The "MR" set: the same creature with a see-through band and a bright core,
// so it stays different even as a black silhouette.
void CutMrWindow(cairo_t* cr, double inner, double outer) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_new_path(cr);
  cairo_arc(cr, kCx, kCy, outer, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, kCx, kCy, inner, 0, 2 * M_PI);
  SetGrey(cr, 0, 0.6);
  cairo_fill(cr);
  // Four bridges keep the band readable as a pattern rather than a gap.
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_restore(cr);
  cairo_save(cr);
  SetGrey(cr, 0.9);
  cairo_set_line_width(cr, 3.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 4; ++i) {
    double a = M_PI / 4 + i * M_PI / 2;
    cairo_move_to(cr, kCx + inner * std::cos(a), kCy + inner * std::sin(a));
    cairo_line_to(cr, kCx + outer * std::cos(a), kCy + outer * std::sin(a));
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void DrawBeginnerBody(cairo_t* cr) {
  cairo_arc(cr, kCx, kCy, 37, 0, 2 * M_PI);
  FillLitShape(cr, kCx, kCy, 37);
  cairo_new_path(cr);
}

void DrawSpikeBody(cairo_t* cr) {
  SpikePath(cr, 29, 38.5, 14, 0.1);
  SetGrey(cr, 0.8);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  FillLitShape(cr, kCx, kCy, 38, 0.7);
  cairo_new_path(cr);
  cairo_arc(cr, kCx, kCy, 30, 0, 2 * M_PI);
  FillLitShape(cr, kCx, kCy, 30, 0.78);
  cairo_new_path(cr);
}

void DrawAirBody(cairo_t* cr) {
  PuffPath(cr, 27, 11, 10);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillLitShape(cr, kCx, kCy, 37, 0.75);
  cairo_new_path(cr);
  // Two feather tufts on the crown.
  for (int s = -1; s <= 1; s += 2) {
    cairo_save(cr);
    cairo_translate(cr, kCx + s * 7, kCy - 26);
    cairo_rotate(cr, s * 0.45);
    cairo_scale(cr, 0.35, 1.0);
    cairo_arc(cr, 0, -4, 9, 0, 2 * M_PI);
    cairo_restore(cr);
    SetGrey(cr, 0.92);
    cairo_fill(cr);
  }
}

void DrawRockBody(cairo_t* cr) {
  std::vector<double> xs, ys;
  RockPath(cr, xs, ys);
  SetGrey(cr, 0.85);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  FillLitShape(cr, kCx, kCy, 38, 0.62);
  cairo_new_path(cr);
  // Facets: darker wedges towards the lower right.
  for (int i = 0; i < 9; ++i) {
    int j = (i + 1) % 9;
    double shade = 0.55 + 0.35 * (0.5 + 0.5 * std::cos(2 * M_PI * i / 9 + 2.4));
    cairo_move_to(cr, kCx + (xs[i] - kCx) * 0.55, kCy + (ys[i] - kCy) * 0.55);
    cairo_line_to(cr, xs[i], ys[i]);
    cairo_line_to(cr, xs[j], ys[j]);
    cairo_line_to(cr, kCx + (xs[j] - kCx) * 0.55, kCy + (ys[j] - kCy) * 0.55);
    cairo_close_path(cr);
    SetGrey(cr, shade, 0.55);
    cairo_fill(cr);
  }
  SetGrey(cr, 0.5, 0.8);
  cairo_set_line_width(cr, 1.6);
  cairo_move_to(cr, kCx + 14, kCy + 24);
  cairo_line_to(cr, kCx + 8, kCy + 12);
  cairo_line_to(cr, kCx + 16, kCy + 4);
  cairo_move_to(cr, kCx - 22, kCy - 8);
  cairo_line_to(cr, kCx - 12, kCy - 14);
  cairo_stroke(cr);
}

void DrawAngryBody(cairo_t* cr) {
  // Two horns, then the round body over their roots.
  for (int s = -1; s <= 1; s += 2) {
    cairo_move_to(cr, kCx + s * 10, kCy - 30);
    cairo_curve_to(cr, kCx + s * 20, kCy - 38, kCx + s * 28, kCy - 40, kCx + s * 30, kCy - 36);
    cairo_curve_to(cr, kCx + s * 28, kCy - 30, kCx + s * 26, kCy - 24, kCx + s * 24, kCy - 20);
    cairo_close_path(cr);
    SetGrey(cr, 0.9);
    cairo_fill(cr);
  }
  cairo_arc(cr, kCx, kCy + 2, 34, 0, 2 * M_PI);
  FillLitShape(cr, kCx, kCy + 2, 34, 0.68);
  cairo_new_path(cr);
}

void DrawEliteBody(cairo_t* cr) {
  // A notched halo ring around a smaller ball.
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_arc(cr, kCx, kCy, 40, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, kCx, kCy, 35.5, 0, 2 * M_PI);
  SetGrey(cr, 0.88);
  cairo_fill(cr);
  PunchHoleRing(cr, kCx, kCy, 38, 3.2, 8, 1);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_arc(cr, kCx, kCy, 32, 0, 2 * M_PI);
  FillLitShape(cr, kCx, kCy, 32, 0.7);
  cairo_new_path(cr);
}

}  // namespace

void DrawVopBody(cairo_t* cr, int kind, bool mr) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (kind) {
    case kBeginner: DrawBeginnerBody(cr); break;
    case kSpike: DrawSpikeBody(cr); break;
    case kAir: DrawAirBody(cr); break;
    case kRock: DrawRockBody(cr); break;
    case kAngry: DrawAngryBody(cr); break;
    case kElite: DrawEliteBody(cr); break;
  }
  if (mr) {
    double inner = (kind == kElite) ? 21 : 22, outer = (kind == kElite) ? 27 : 29;
    CutMrWindow(cr, inner, outer);
    // A small bright core marks the set even at a glance.
    cairo_arc(cr, kCx, kCy, 8, 0, 2 * M_PI);
    SetGrey(cr, 1.0);
    cairo_fill(cr);
  }
}

namespace {

struct FaceLayout {
  double cx, cy;  // where the face is pinned on the body
};

FaceLayout LayoutFor(int kind) { return kind == kAir ? FaceLayout{35, 33} : FaceLayout{25, 35}; }

void Eye(cairo_t* cr, double x, double y, double rx, double ry, double pupil) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  // A dark rim keeps white eyes readable on light snow bodies.
  SetGrey(cr, 0.08);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke_preserve(cr);
  SetGrey(cr, 1.0);
  cairo_fill(cr);
  cairo_arc(cr, x + rx * 0.3, y + ry * 0.1, pupil, 0, 2 * M_PI);
  SetGrey(cr, 0.0);
  cairo_fill(cr);
  cairo_arc(cr, x + rx * 0.3 - pupil * 0.35, y + ry * 0.1 - pupil * 0.4, pupil * 0.35, 0,
            2 * M_PI);
  SetGrey(cr, 1.0);
  cairo_fill(cr);
}

void Brow(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetGrey(cr, 0.08);
  cairo_set_line_width(cr, 5.5);
  cairo_stroke_preserve(cr);
  SetGrey(cr, 1.0);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

// Each kind's eyes (drop below the eye line, width, height, pupil) and left
// brow (from and to, relative to the face's middle and the eye line; none
// when both ends are 0); the right eye and brow mirror the left.
struct FaceFeatures {
  double drop, eyeW, eyeH, pupil;
  double browX0, browY0, browX1, browY1;
};
constexpr double ex = 9.5;  // half the distance between the eyes
const FaceFeatures faceFeatures[6] = {
    {0, 7.5, 8.5, 3.9, 0, 0, 0, 0},                      // beginner
    {0, 7, 7.5, 3.6, -ex - 6, -11, -ex + 5, -8},         // spike
    {0, 7.5, 6.5, 3.5, 0, 0, 0, 0},                      // air
    {1, 7, 6, 3.4, -ex - 7, -6, -ex + 6, -6},            // rock
    {1, 7, 7, 3.8, -ex - 7, -10, -2, -4},                // angry
    {0, 7.5, 5.5, 3.2, -ex - 7, -6, -ex + 6, -9},        // elite
};

void DrawFace(cairo_t* cr, int kind) {
  if (kind < kBeginner || kind > kElite) return;
  const FaceLayout f = LayoutFor(kind);
  const FaceFeatures& k = faceFeatures[kind - kBeginner];
  const double ey = f.cy - 7;  // eyes sit a little above the pin point
  Eye(cr, f.cx - ex, ey + k.drop, k.eyeW, k.eyeH, k.pupil);
  Eye(cr, f.cx + ex, ey + k.drop, k.eyeW, k.eyeH, k.pupil);
  if (k.browX0 == 0 && k.browX1 == 0) return;
  Brow(cr, f.cx + k.browX0, ey + k.browY0, f.cx + k.browX1, ey + k.browY1);
  Brow(cr, f.cx - k.browX1, ey + k.browY1, f.cx - k.browX0, ey + k.browY0);
}

// Closes the mouth's path and fills it white (the teeth) inside a dark rim.
void FillTeeth(cairo_t* cr) {
  cairo_close_path(cr);
  SetGrey(cr, 0.08);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke_preserve(cr);
  SetGrey(cr, 1.0);
  cairo_fill(cr);
}

void StrokeTwice(cairo_t* cr, double width) {
  SetGrey(cr, 0.08);
  cairo_set_line_width(cr, width + 2.5);
  cairo_stroke_preserve(cr);
  SetGrey(cr, 1.0);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void DrawMouth(cairo_t* cr, int kind) {
  FaceLayout f = LayoutFor(kind);
  double x = f.cx, y = f.cy + 8;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (kind) {
    case kBeginner:
      cairo_arc(cr, x, y - 5, 8, 0.35, M_PI - 0.35);
      StrokeTwice(cr, 2.8);
      break;
    case kSpike:  // a toothy grin
      cairo_move_to(cr, x - 9, y);
      cairo_curve_to(cr, x - 4, y + 6, x + 4, y + 6, x + 9, y);
      FillTeeth(cr);
      cairo_move_to(cr, x, y + 0.5);
      cairo_line_to(cr, x, y + 4.5);
      SetGrey(cr, 0.1);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
      break;
    case kAir:
      cairo_arc(cr, x, y, 3.2, 0, 2 * M_PI);
      StrokeTwice(cr, 2.4);
      break;
    case kRock:
      cairo_move_to(cr, x - 7, y + 1);
      cairo_line_to(cr, x + 7, y);
      StrokeTwice(cr, 3);
      break;
    case kAngry:  // a frown baring teeth
      cairo_move_to(cr, x - 9, y + 5);
      cairo_curve_to(cr, x - 4, y - 2, x + 4, y - 2, x + 9, y + 5);
      FillTeeth(cr);
      break;
    case kElite:  // a smirk
      cairo_move_to(cr, x - 7, y + 1);
      cairo_curve_to(cr, x - 2, y + 3, x + 4, y + 2, x + 8, y - 3);
      StrokeTwice(cr, 2.8);
      break;
  }
}

}  // namespace

bool GenerateVopPicture(const DataFile& file, const GenContext& ctx) {
  int p = file.param;
  if (p == kVopEyeParam) {
    Canvas c = MakeCanvas(64, 64);
    Eye(c.cr, 32, 32, 20, 22, 9);
    return SaveCanvas(c, file, ctx);
  }
  if (p >= 100) {
    Canvas c = MakeCanvas(64, 64);
    if (p < 200) DrawFace(c.cr, p - 100);
    else DrawMouth(c.cr, p - 200);
    return SaveCanvas(c, file, ctx);
  }
  Canvas c = MakeCanvas(128, 128);
  DrawVopBody(c.cr, p / 10, p % 10 == 1);
  return SaveCanvas(c, file, ctx);
}
