// Enemy creatures, gears, cannons, trail particles, the hint arrow and the
// goal sign: everything the level draws besides the Vop and the scenery.
//
// Creature bodies sit in the 80 x 80 square the game crops, centred on
// (40, 40); the eye picture shows rows 0..62 of its 80-pixel width and closes
// from the top. Gears pivot on their canvas centre; the cannon barrel points
// up from its pivot (58, 127), the way a zero angle fires.
#include <cmath>
#include <vector>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/PaintKit.h"

namespace {

void CreatureBody(cairo_t* cr, bool mr) {
  const double cx = 40, cy = 40;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (!mr) {
    // A soft, slightly lumpy ball with three little tufts.
    PaintRandom rnd(7);
    for (int i = -1; i <= 1; ++i) {
      cairo_arc(cr, cx + i * 9, cy - 31 + std::abs(i) * 3, 5.5, 0, 2 * M_PI);
      SetGrey(cr, 0.9);
      cairo_fill(cr);
    }
    BlobPath(cr, cx, cy + 1, 33, 10, rnd, 0.04);
    FillLitShape(cr, cx, cy, 34, 0.7);
    cairo_new_path(cr);
  } else {
    // The MR creature: a star-edged ball with a see-through band.
    std::vector<double> xs, ys;
    for (int i = 0; i < 20; ++i) {
      double a = M_PI * i / 10;
      double r = (i % 2 == 0) ? 37 : 31;
      xs.push_back(cx + r * std::cos(a));
      ys.push_back(cy + r * std::sin(a));
    }
    SmoothClosedPath(cr, xs, ys);
    FillLitShape(cr, cx, cy, 36, 0.68);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_arc(cr, cx, cy, 26, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, 21, 0, 2 * M_PI);
    SetGrey(cr, 0, 0.6);
    cairo_fill(cr);
    cairo_restore(cr);
  }
}

void CreatureEyes(cairo_t* cr) {
  // Two big eyes in rows 24..54, so the lid (rows cut from the top) closes them.
  for (int s = -1; s <= 1; s += 2) {
    double x = 40 + s * 12, y = 39;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 9.5, 12);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetGrey(cr, 0.05);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    SetGrey(cr, 1.0);
    cairo_fill(cr);
    cairo_arc(cr, x + 2.5, y + 2, 4.6, 0, 2 * M_PI);
    SetGrey(cr, 0.0);
    cairo_fill(cr);
    cairo_arc(cr, x + 1, y, 1.6, 0, 2 * M_PI);
    SetGrey(cr, 1.0);
    cairo_fill(cr);
  }
}

// Gear outline: teeth as trapezoids, slanted one way or the other.
void GearPath(cairo_t* cr, double cx, double cy, double rootR, double tipR, int teeth,
              double slant) {
  double step = 2 * M_PI / teeth;
  cairo_new_path(cr);
  for (int i = 0; i < teeth; ++i) {
    double a = i * step;
    double a0 = a - step * 0.30, a1 = a - step * 0.17 + slant, a2 = a + step * 0.17 + slant,
           a3 = a + step * 0.30;
    if (i == 0) cairo_move_to(cr, cx + rootR * std::cos(a0), cy + rootR * std::sin(a0));
    else cairo_line_to(cr, cx + rootR * std::cos(a0), cy + rootR * std::sin(a0));
    cairo_line_to(cr, cx + tipR * std::cos(a1), cy + tipR * std::sin(a1));
    cairo_line_to(cr, cx + tipR * std::cos(a2), cy + tipR * std::sin(a2));
    cairo_line_to(cr, cx + rootR * std::cos(a3), cy + rootR * std::sin(a3));
    cairo_arc(cr, cx, cy, rootR, a3, a + step - step * 0.30);
  }
  cairo_close_path(cr);
}

void Gear(cairo_t* cr, double size, bool clockwise, bool mr) {
  double c = size / 2 - 1;  // pivot (255, 255) or (127, 127)
  double tipR = size * 0.48, rootR = size * 0.40;
  int teeth = size > 300 ? (clockwise ? 18 : 16) : (clockwise ? 11 : 10);
  double slant = (clockwise ? 1 : -1) * (M_PI / teeth) * 0.12;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  GearPath(cr, c, c, rootR, tipR, teeth, slant);
  SetGrey(cr, 0.78);
  cairo_set_line_width(cr, size * 0.012);
  cairo_stroke_preserve(cr);
  FillLitShape(cr, c, c, tipR, 0.7);
  cairo_new_path(cr);
  // A raised rim ring gives the wheel some depth.
  cairo_arc(cr, c, c, rootR * 0.86, 0, 2 * M_PI);
  SetGrey(cr, 0.78, 0.9);
  cairo_set_line_width(cr, size * 0.02);
  cairo_stroke(cr);
  // Holes: spokes for the plain set, round holes for the MR set.
  if (!mr) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    SetGrey(cr, 0, 1);
    int holes = clockwise ? 5 : 6;
    for (int i = 0; i < holes; ++i) {
      double a0 = 2 * M_PI * i / holes + 0.18, a1 = 2 * M_PI * (i + 1) / holes - 0.18;
      double rIn = rootR * 0.32, rOut = rootR * 0.74;
      cairo_new_path(cr);
      cairo_arc(cr, c, c, rOut, a0, a1);
      cairo_arc_negative(cr, c, c, rIn, a1 - 0.12, a0 + 0.12);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
    cairo_restore(cr);
  } else {
    PunchHoleRing(cr, c, c, rootR * 0.55, rootR * 0.17, clockwise ? 7 : 8, 1);
  }
  // Hub with an axle hole.
  cairo_arc(cr, c, c, rootR * 0.24, 0, 2 * M_PI);
  FillLitShape(cr, c, c, rootR * 0.24, 0.75);
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  cairo_arc(cr, c, c, rootR * 0.08, 0, 2 * M_PI);
  SetGrey(cr, 0, 1);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Cannon(cairo_t* cr, bool mr) {
  const double px = 58, py = 127;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // Barrel, wider at the breech, pointing up.
  cairo_move_to(cr, px - 24, py);
  cairo_line_to(cr, px - 17, py - 96);
  cairo_line_to(cr, px + 17, py - 96);
  cairo_line_to(cr, px + 24, py);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(px - 24, 0, px + 24, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.78, 0.78, 0.78);
  cairo_pattern_add_color_stop_rgb(g, 0.35, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.68, 0.68, 0.68);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Muzzle ring and bands.
  RoundedRectPath(cr, px - 22, py - 110, 44, 16, 6);
  FillLitShape(cr, px, py - 102, 24, 0.75);
  cairo_new_path(cr);
  for (int i = 0; i < (mr ? 4 : 2); ++i) {
    double y = py - 30 - i * (mr ? 16 : 28);
    RoundedRectPath(cr, px - 23, y - 4, 46, 8, 3);
    SetGrey(cr, 0.8);
    cairo_fill(cr);
  }
  // The round base the barrel turns on.
  cairo_arc(cr, px, py, 36, 0, 2 * M_PI);
  FillLitShape(cr, px, py, 36, 0.7);
  cairo_new_path(cr);
  if (mr) {
    PunchHoleRing(cr, px, py, 22, 5, 6, 0.8);
  } else {
    cairo_arc(cr, px, py, 22, 0, 2 * M_PI);
    SetGrey(cr, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
  cairo_arc(cr, px, py, 8, 0, 2 * M_PI);
  SetGrey(cr, 0.75);
  cairo_fill(cr);
}

void Particle(cairo_t* cr, int which) {
  switch (which) {
    case 0:  // a soft glow
      FillGlow(cr, 8, 8, 7.8, 1.0, 1.0, 0.25);
      break;
    case 1:  // a denser, rounder dot
      FillGlow(cr, 8, 8, 7.0, 1.0, 1.0, 0.55);
      break;
    default: {  // a little four-pointed sparkle
      FillGlow(cr, 8, 8, 5, 1.0, 0.9, 0.2);
      cairo_move_to(cr, 8, 0.5);
      cairo_curve_to(cr, 8.8, 7.2, 8.8, 7.2, 15.5, 8);
      cairo_curve_to(cr, 8.8, 8.8, 8.8, 8.8, 8, 15.5);
      cairo_curve_to(cr, 7.2, 8.8, 7.2, 8.8, 0.5, 8);
      cairo_curve_to(cr, 7.2, 7.2, 7.2, 7.2, 8, 0.5);
      SetGrey(cr, 1.0);
      cairo_fill(cr);
      break;
    }
  }
}

void Arrow(cairo_t* cr) {
  // Points left (the game turns it towards the Vop-kind buttons).
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, 10, 64);
  cairo_line_to(cr, 50, 28);
  cairo_line_to(cr, 50, 50);
  cairo_curve_to(cr, 80, 50, 104, 56, 118, 74);
  cairo_curve_to(cr, 98, 70, 80, 78, 50, 78);
  cairo_line_to(cr, 50, 100);
  cairo_close_path(cr);
  SetGrey(cr, 0.85);
  cairo_set_line_width(cr, 6);
  cairo_stroke_preserve(cr);
  FillLitShape(cr, 64, 64, 56, 0.8);
  cairo_new_path(cr);
}

// Goal sign. The post stands on (43, 255); the board is centred on (137, 123)
// and drawn 73 px right of and 105 px above the post's foot, so its left end
// meets the post.
void GoalPost(cairo_t* cr, bool mr) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  RoundedRectPath(cr, 37, 52, 12, 206, 5);
  SetGrey(cr, 0.92);
  cairo_fill(cr);
  if (mr) {
    // Striped post and a pennant on top.
    for (int y = 70; y < 250; y += 28) {
      cairo_rectangle(cr, 37, y, 12, 12);
      SetGrey(cr, 0.6);
      cairo_fill(cr);
    }
    cairo_move_to(cr, 49, 40);
    cairo_line_to(cr, 92, 54);
    cairo_line_to(cr, 49, 68);
    cairo_close_path(cr);
    SetGrey(cr, 1.0);
    cairo_fill(cr);
    cairo_rectangle(cr, 40, 30, 6, 40);
    SetGrey(cr, 0.9);
    cairo_fill(cr);
  } else {
    cairo_arc(cr, 43, 48, 11, 0, 2 * M_PI);
    FillLitShape(cr, 43, 48, 11, 0.7);
    cairo_new_path(cr);
  }
}

void GoalBoard(cairo_t* cr, bool mr) {
  const double cx = 137, cy = 123;
  if (!mr) {
    RoundedRectPath(cr, 42, 62, 190, 122, 26);
    SetGrey(cr, 0.8);
    cairo_fill(cr);
    RoundedRectPath(cr, 52, 72, 170, 102, 20);
    SetGrey(cr, 1.0);
    cairo_fill(cr);
  } else {
    // The MR board is an arrow-shaped flag pointing on.
    cairo_move_to(cr, 44, 70);
    cairo_line_to(cr, 196, 70);
    cairo_line_to(cr, 236, cy);
    cairo_line_to(cr, 196, 176);
    cairo_line_to(cr, 44, 176);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetGrey(cr, 0.8);
    cairo_set_line_width(cr, 14);
    cairo_stroke_preserve(cr);
    SetGrey(cr, 1.0);
    cairo_fill(cr);
  }
  // Two hanging rings where the board meets the post.
  for (int i = 0; i < 2; ++i) {
    cairo_arc(cr, 44, cy - 34 + i * 68, 7, 0, 2 * M_PI);
    SetGrey(cr, 0.75);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  (void)cx;
}

}  // namespace

bool GenerateEnemyPicture(const DataFile& file, const GenContext& ctx) {
  if (file.param == 0) {
    Canvas c = MakeCanvas(128, 64);
    CreatureEyes(c.cr);
    return SaveCanvas(c, file, ctx);
  }
  Canvas c = MakeCanvas(128, 128);
  CreatureBody(c.cr, file.param == 2);
  return SaveCanvas(c, file, ctx);
}

bool GenerateMachinePicture(const DataFile& file, const GenContext& ctx) {
  int kind = file.param % 10;
  bool mr = file.param >= 10;
  if (kind == 4) {
    Canvas c = MakeCanvas(128, 256);
    Cannon(c.cr, mr);
    return SaveCanvas(c, file, ctx);
  }
  int size = kind < 2 ? 512 : 256;
  Canvas c = MakeCanvas(size, size);
  Gear(c.cr, size, kind % 2 == 0, mr);
  return SaveCanvas(c, file, ctx);
}

bool GenerateEffectPicture(const DataFile& file, const GenContext& ctx) {
  if (file.param == 3) {
    Canvas c = MakeCanvas(128, 128);
    Arrow(c.cr);
    return SaveCanvas(c, file, ctx);
  }
  Canvas c = MakeCanvas(16, 16);
  Particle(c.cr, file.param);
  return SaveCanvas(c, file, ctx);
}

bool GenerateGoalPicture(const DataFile& file, const GenContext& ctx) {
  bool board = file.param % 2 == 1;
  bool mr = file.param >= 2;
  Canvas c = board ? MakeCanvas(256, 256) : MakeCanvas(128, 256);
  if (board) GoalBoard(c.cr, mr);
  else GoalPost(c.cr, mr);
  return SaveCanvas(c, file, ctx);
}
