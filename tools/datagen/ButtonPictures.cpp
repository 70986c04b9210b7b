// Round buttons (64 x 64 on (32, 32); the boss button 128 x 128 on (64, 64))
// in pairs: "_black" is the idle look, a dark disc with a light ring and
// icon; "_white" is the highlighted look, a light disc with a dark ring and
// icon. Also the tick mark drawn over passed levels and chosen options.
#include <cmath>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/PaintKit.h"

namespace {

enum Icon { kPlain, kBack, kExit, kCredits, kOptions, kReset, kBoss };

void IconPath(cairo_t* cr, int icon, double c, double s) {
  // s is the icon's half size; paths are stroked or filled by the caller.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (icon) {
    case kBack:
      cairo_move_to(cr, c - s, c);
      cairo_line_to(cr, c - s * 0.1, c - s * 0.8);
      cairo_line_to(cr, c - s * 0.1, c - s * 0.35);
      cairo_line_to(cr, c + s, c - s * 0.35);
      cairo_line_to(cr, c + s, c + s * 0.35);
      cairo_line_to(cr, c - s * 0.1, c + s * 0.35);
      cairo_line_to(cr, c - s * 0.1, c + s * 0.8);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    case kExit:  // power symbol
      cairo_set_line_width(cr, s * 0.28);
      cairo_arc(cr, c, c + s * 0.08, s * 0.78, -M_PI / 2 + 0.7, 1.5 * M_PI - 0.7);
      cairo_stroke(cr);
      cairo_move_to(cr, c, c - s);
      cairo_line_to(cr, c, c - s * 0.05);
      cairo_stroke(cr);
      break;
    case kCredits: {  // a star
      for (int i = 0; i < 10; ++i) {
        double a = -M_PI / 2 + i * M_PI / 5, r = (i % 2 == 0) ? s : s * 0.45;
        if (i == 0) cairo_move_to(cr, c + r * std::cos(a), c + r * std::sin(a));
        else cairo_line_to(cr, c + r * std::cos(a), c + r * std::sin(a));
      }
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    }
    case kOptions: {  // a cog
      for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4;
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -s * 0.17, -s, s * 0.34, s * 0.5);
        cairo_restore(cr);
      }
      cairo_new_sub_path(cr);
      cairo_arc(cr, c, c, s * 0.68, 0, 2 * M_PI);
      cairo_fill(cr);
      break;
    }
    case kReset: {  // a circular arrow
      cairo_set_line_width(cr, s * 0.26);
      cairo_arc(cr, c, c, s * 0.72, -M_PI * 0.35, M_PI * 1.35);
      cairo_stroke(cr);
      double a = -M_PI * 0.35;
      double tx = c + s * 0.72 * std::cos(a), ty = c + s * 0.72 * std::sin(a);
      cairo_move_to(cr, tx + s * 0.42, ty - s * 0.05);
      cairo_line_to(cr, tx - s * 0.05, ty + s * 0.5);
      cairo_line_to(cr, tx - s * 0.3, ty - s * 0.3);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    }
    case kBoss: {  // a crown
      cairo_move_to(cr, c - s, c + s * 0.55);
      cairo_line_to(cr, c - s, c - s * 0.55);
      cairo_line_to(cr, c - s * 0.5, c);
      cairo_line_to(cr, c, c - s * 0.8);
      cairo_line_to(cr, c + s * 0.5, c);
      cairo_line_to(cr, c + s, c - s * 0.55);
      cairo_line_to(cr, c + s, c + s * 0.55);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    }
    default:  // the plain button carries the game's own label or tick
      break;
  }
}

void ButtonDisc(cairo_t* cr, double c, double r, bool highlighted) {
  cairo_arc(cr, c, c, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(c - r * 0.3, c - r * 0.4, r * 0.1, c, c, r);
  if (highlighted) {
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.82, 0.82, 0.82);
  } else {
    cairo_pattern_add_color_stop_rgb(g, 0, 0.3, 0.3, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.1, 0.1);
  }
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetGrey(cr, highlighted ? 0.12 : 0.92);
  cairo_set_line_width(cr, r * 0.1);
  cairo_stroke(cr);
}

void IconColour(cairo_t* cr, bool highlighted) { SetGrey(cr, highlighted ? 0.12 : 0.94); }

void KindIcon(cairo_t* cr, int kind, bool highlighted) {
  // The kind's own body, shrunk into the button and painted in the icon colour.
  cairo_push_group(cr);
  cairo_translate(cr, 32 - 64 * 0.44, 32 - 64 * 0.44);
  cairo_scale(cr, 0.44, 0.44);
  DrawVopBody(cr, kind, false);
  cairo_pattern_t* shape = cairo_pop_group(cr);
  IconColour(cr, highlighted);
  cairo_mask(cr, shape);
  cairo_pattern_destroy(shape);
}

void Tick(cairo_t* cr) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, 14, 34);
  cairo_line_to(cr, 27, 47);
  cairo_line_to(cr, 51, 17);
  SetGrey(cr, 0.05);
  cairo_set_line_width(cr, 13);
  cairo_stroke_preserve(cr);
  SetGrey(cr, 1.0);
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
}

}  // namespace

bool GenerateButtonPicture(const DataFile& file, const GenContext& ctx) {
  if (file.param == 50) {
    Canvas c = MakeCanvas(64, 64);
    Tick(c.cr);
    return SaveCanvas(c, file, ctx);
  }
  bool highlighted = file.param >= 100;
  int stem = file.param % 100;
  if (stem == kBoss) {
    Canvas c = MakeCanvas(128, 128);
    ButtonDisc(c.cr, 64, 58, highlighted);
    IconColour(c.cr, highlighted);
    IconPath(c.cr, kBoss, 64, 30);
    return SaveCanvas(c, file, ctx);
  }
  Canvas c = MakeCanvas(64, 64);
  ButtonDisc(c.cr, 32, 29, highlighted);
  if (stem >= 11 && stem <= 16) {
    KindIcon(c.cr, stem - 10, highlighted);
  } else {
    IconColour(c.cr, highlighted);
    IconPath(c.cr, stem, 32, 15);
  }
  return SaveCanvas(c, file, ctx);
}
