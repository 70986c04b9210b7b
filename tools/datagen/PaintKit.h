// Small Cairo toolkit shared by the picture families: canvases, soft round
// shapes, blobs, text in the game font, and deterministic PNG output.
//
// Pictures are drawn "tint-ready": the game multiplies them by a colour
// (often black), so forms are white or light grey and their outline lives in
// the alpha channel; faces and eyes stay white so heat can turn them red.
#pragma once
#include <cairo.h>

#include <string>
#include <vector>

#include "tools/datagen/DataGen.h"

struct Canvas {
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
  int width = 0;
  int height = 0;
};

Canvas MakeCanvas(int width, int height);
void FreeCanvas(Canvas& c);
// Encodes the canvas as PNG and writes it to the catalogue file's place.
bool SaveCanvas(Canvas& c, const DataFile& file, const GenContext& ctx);

// A small deterministic random source (each picture seeds its own).
struct PaintRandom {
  unsigned state;
  explicit PaintRandom(unsigned seed) : state(seed * 2654435761u + 12345u) {}
  double Next() {  // 0 .. 1
    state = state * 1664525u + 1013904223u;
    return (state >> 8) * (1.0 / 16777216.0);
  }
  double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }
};

// Grey level g (0..1) with alpha a.
void SetGrey(cairo_t* cr, double g, double a = 1.0);
// A closed smooth curve through the points (Catmull-Rom turned into Beziers).
void SmoothClosedPath(cairo_t* cr, const std::vector<double>& xs, const std::vector<double>& ys);
// A round blob whose radius varies by angle: r(a) = radius * (1 + wobble(a)).
void BlobPath(cairo_t* cr, double cx, double cy, double radius, int points, PaintRandom& rnd,
              double roughness);
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
// Fills the current path with a lit white ball look: bright towards the upper
// left, light grey at the lower right rim. Keeps the path.
void FillLitShape(cairo_t* cr, double cx, double cy, double radius, double darkest = 0.72);
// Fills the current path with a grey shade from `from` at (x0, y0) to `to`
// at (x1, y1).
void FillGreyShade(cairo_t* cr, double x0, double y0, double x1, double y1, double from, double to);
// Punches `count` round holes of radius `hole`, evenly spaced on a circle of
// radius `ring` around (cx, cy), through what is painted (alpha `depth`).
void PunchHoleRing(cairo_t* cr, double cx, double cy, double ring, double hole, int count, double depth);
// Soft radial glow: full alpha at the centre fading to 0 at the radius.
void FillGlow(cairo_t* cr, double cx, double cy, double radius, double grey, double alpha,
              double hardness = 0.0);

// Text in the game's font, centred on (cx, cy) at the given pixel size.
void SelectGameFont(cairo_t* cr, const GenContext& ctx, double size);
void TextCentred(cairo_t* cr, const char* utf8, double cx, double cy);
// Widest size (up to maxSize) at which the text fits into maxWidth.
double FitTextSize(cairo_t* cr, const GenContext& ctx, const char* utf8, double maxSize,
                   double maxWidth);
// Text drawn as a filled path with a rim of the given width (rim first).
void TextWithRim(cairo_t* cr, const char* utf8, double cx, double cy, double rimWidth,
                 double fillGrey, double rimGrey, double rimAlpha);

// The Vop body of a kind on a 128 x 128 canvas centred on (64, 64); the
// Vop-kind buttons reuse it as their icon.
void DrawVopBody(cairo_t* cr, int kind, bool mr);

// Encodes a canvas as PNG bytes (no time stamps: same picture, same bytes).
std::vector<uint8_t> EncodePng(cairo_surface_t* surface);
