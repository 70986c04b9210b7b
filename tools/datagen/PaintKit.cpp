#include "tools/datagen/PaintKit.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>

#include "tools/datagen/DataCatalogue.h"

Canvas MakeCanvas(int width, int height) {
  Canvas c;
  c.width = width;
  c.height = height;
  c.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  c.cr = cairo_create(c.surface);
  cairo_set_antialias(c.cr, CAIRO_ANTIALIAS_BEST);
  return c;
}

void FreeCanvas(Canvas& c) {
  if (c.cr) cairo_destroy(c.cr);
  if (c.surface) cairo_surface_destroy(c.surface);
  c.cr = nullptr;
  c.surface = nullptr;
}

static cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

std::vector<uint8_t> EncodePng(cairo_surface_t* surface) {
  std::vector<uint8_t> bytes;
  cairo_surface_flush(surface);
  if (cairo_surface_write_to_png_stream(surface, AppendBytes, &bytes) != CAIRO_STATUS_SUCCESS)
    bytes.clear();
  return bytes;
}

bool SaveCanvas(Canvas& c, const DataFile& file, const GenContext& ctx) {
  bool ok = cairo_status(c.cr) == CAIRO_STATUS_SUCCESS;
  if (!ok) std::fprintf(stderr, "fv_datagen: drawing %s: %s\n", file.path,
                        cairo_status_to_string(cairo_status(c.cr)));
  std::vector<uint8_t> png;
  if (ok) png = EncodePng(c.surface);
  FreeCanvas(c);
  return ok && !png.empty() && WriteOutputFile(OutputPathFor(ctx, file.path), png);
}

void SetGrey(cairo_t* cr, double g, double a) { cairo_set_source_rgba(cr, g, g, g, a); }

void SmoothClosedPath(cairo_t* cr, const std::vector<double>& xs, const std::vector<double>& ys) {
  size_t n = xs.size();
  if (n < 3) return;
  cairo_move_to(cr, xs[0], ys[0]);
  for (size_t i = 0; i < n; ++i) {
    size_t i0 = (i + n - 1) % n, i1 = i, i2 = (i + 1) % n, i3 = (i + 2) % n;
    double c1x = xs[i1] + (xs[i2] - xs[i0]) / 6.0, c1y = ys[i1] + (ys[i2] - ys[i0]) / 6.0;
    double c2x = xs[i2] - (xs[i3] - xs[i1]) / 6.0, c2y = ys[i2] - (ys[i3] - ys[i1]) / 6.0;
    cairo_curve_to(cr, c1x, c1y, c2x, c2y, xs[i2], ys[i2]);
  }
  cairo_close_path(cr);
}

void BlobPath(cairo_t* cr, double cx, double cy, double radius, int points, PaintRandom& rnd,
              double roughness) {
  std::vector<double> xs, ys;
  for (int i = 0; i < points; ++i) {
    double a = 2 * M_PI * i / points;
    double r = radius * (1 + rnd.Range(-roughness, roughness));
    xs.push_back(cx + r * std::cos(a));
    ys.push_back(cy + r * std::sin(a));
  }
  SmoothClosedPath(cr, xs, ys);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void FillGreyShade(cairo_t* cr, double x0, double y0, double x1, double y1, double from, double to) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, from, from, from);
  cairo_pattern_add_color_stop_rgb(g, 1, to, to, to);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void PunchHoleRing(cairo_t* cr, double cx, double cy, double ring, double hole, int count, double depth) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  for (int i = 0; i < count; ++i) {
    double a = 2 * M_PI * i / count;
    cairo_arc(cr, cx + ring * std::cos(a), cy + ring * std::sin(a), hole, 0, 2 * M_PI);
    SetGrey(cr, 0, depth);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void FillLitShape(cairo_t* cr, double cx, double cy, double radius, double darkest) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - radius * 0.35, cy - radius * 0.4,
                                                   radius * 0.05, cx, cy, radius * 1.15);
  cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(p, 0.55, 0.95, 0.95, 0.95, 1);
  cairo_pattern_add_color_stop_rgba(p, 1.0, darkest, darkest, darkest, 1);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void FillGlow(cairo_t* cr, double cx, double cy, double radius, double grey, double alpha,
              double hardness) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(p, 0.0, grey, grey, grey, alpha);
  if (hardness > 0) cairo_pattern_add_color_stop_rgba(p, hardness, grey, grey, grey, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1.0, grey, grey, grey, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

namespace {
// FreeType faces are not shared between threads: each worker thread opens
// the font once and keeps it for the rest of the run.
struct ThreadFont {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  cairo_font_face_t* cairoFace = nullptr;
  std::string path;
};
thread_local ThreadFont threadFont;

cairo_font_face_t* GameFontFace(const GenContext& ctx) {
  if (threadFont.cairoFace && threadFont.path == ctx.fontPath) return threadFont.cairoFace;
  if (!threadFont.library && FT_Init_FreeType(&threadFont.library) != 0) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(threadFont.library, ctx.fontPath.c_str(), 0, &face) != 0) {
    std::fprintf(stderr, "fv_datagen: cannot open the font %s\n", ctx.fontPath.c_str());
    return nullptr;
  }
  threadFont.face = face;
  threadFont.path = ctx.fontPath;
  threadFont.cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
  return threadFont.cairoFace;
}
}  // namespace

void SelectGameFont(cairo_t* cr, const GenContext& ctx, double size) {
  cairo_font_face_t* face = GameFontFace(ctx);
  if (face) cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, size);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

static void TextOrigin(cairo_t* cr, const char* utf8, double cx, double cy, double* x, double* y) {
  cairo_text_extents_t te;
  cairo_text_extents(cr, utf8, &te);
  *x = cx - te.x_bearing - te.width / 2;
  *y = cy - te.y_bearing - te.height / 2;
}

void TextCentred(cairo_t* cr, const char* utf8, double cx, double cy) {
  double x, y;
  TextOrigin(cr, utf8, cx, cy, &x, &y);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, utf8);
}

double FitTextSize(cairo_t* cr, const GenContext& ctx, const char* utf8, double maxSize,
                   double maxWidth) {
  SelectGameFont(cr, ctx, maxSize);
  cairo_text_extents_t te;
  cairo_text_extents(cr, utf8, &te);
  double size = maxSize;
  if (te.width > maxWidth && te.width > 0) size = maxSize * maxWidth / te.width;
  SelectGameFont(cr, ctx, size);
  return size;
}

void TextWithRim(cairo_t* cr, const char* utf8, double cx, double cy, double rimWidth,
                 double fillGrey, double rimGrey, double rimAlpha) {
  double x, y;
  TextOrigin(cr, utf8, cx, cy, &x, &y);
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, utf8);
  if (rimWidth > 0) {
    SetGrey(cr, rimGrey, rimAlpha);
    cairo_set_line_width(cr, rimWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  SetGrey(cr, fillGrey);
  cairo_fill(cr);
}
