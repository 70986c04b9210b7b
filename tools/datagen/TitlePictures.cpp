// Chapter titles (one set of five per language) and the launcher's banner.
//
// A chapter title is 512 x 512 and pivots on the middle of its lowest row.
// The level page draws it with that pivot at screen y 415, turned clockwise
// by 0.1 to 0.3 as it sways, and scrolls it under the Vop-kind buttons'
// explaining lines, which reach down to about screen y 310. The title's
// two lines are therefore fitted into the wedge of the canvas that stays
// below that line at every turn: low on the left, where the turn lifts the
// picture, and taller towards the right.
#include <cmath>
#include <cstdio>
#include <vector>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/PaintKit.h"

namespace {

// Indexed by the game's language id - 1 (German, English, French, Italian,
// Spanish), then by chapter - 1.
const char* const kChapterWord[5] = {"Kapitel", "Chapter", "Chapitre", "Capitolo",
                                     "Capítulo"};
const char* const kChapterName[5][5] = {
    {"Die Wiese", "Die Zahnradwerke", "Kalte Lichter", "Die Kanonenküste",
     "Die letzten Hügel"},
    {"The Meadow", "The Gearworks", "Cold Lights", "Cannon Coast", "The Last Hills"},
    {"La Prairie", "Les Engrenages", "Lumières froides", "La Côte des canons",
     "Les dernières collines"},
    {"Il Prato", "Gli Ingranaggi", "Luci fredde", "La Costa dei cannoni", "Le ultime colline"},
    {"La Pradera", "Los Engranajes", "Luces frías", "La Costa de los cañones",
     "Las Últimas colinas"},
};

constexpr double kPivotX = 255, kPivotY = 511, kPivotScreenY = 415;
constexpr double kTextsBottom = 312;  // lowest screen row of the kind texts, with a margin
constexpr double kLineTurn = -0.15;   // the lines rise a little to the right, along the wedge

// True when canvas point (u, v) stays below the kind texts at every turn.
bool TitleFree(double u, double v) {
  if (u < 2 || u > 509 || v < 2 || v > 509) return false;
  for (int i = 0; i <= 10; ++i) {
    const double turn = 0.1 + 0.02 * i;
    const double screenY =
        kPivotScreenY + std::sin(turn) * (u - kPivotX) + std::cos(turn) * (v - kPivotY);
    if (screenY < kTextsBottom) return false;
  }
  return true;
}

// The ink box of a line at the current size, turned by kLineTurn about
// (cx, cy) and widened by its rim, lies in the free wedge (which is convex,
// so its corners decide).
bool LineFits(cairo_t* cr, const char* text, double cx, double cy, double rim) {
  cairo_text_extents_t te;
  cairo_text_extents(cr, text, &te);
  const double hw = te.width / 2 + rim, hh = te.height / 2 + rim;
  const double c = std::cos(kLineTurn), s = std::sin(kLineTurn);
  for (int corner = 0; corner < 4; ++corner) {
    const double x = corner & 1 ? hw : -hw, y = corner & 2 ? hh : -hh;
    if (!TitleFree(cx + c * x - s * y, cy + s * x + c * y)) return false;
  }
  return true;
}

// The largest size up to maxSize at which the line fits centred on (cx, cy).
double FitLine(cairo_t* cr, const GenContext& ctx, const char* text, double cx, double cy,
               double rim, double maxSize) {
  for (double size = maxSize; size > 8; size -= 1) {
    SelectGameFont(cr, ctx, size);
    if (LineFits(cr, text, cx, cy, rim)) return size;
  }
  return 8;
}

void DrawLine(cairo_t* cr, const GenContext& ctx, const char* text, double cx, double cy,
              double size, double rim) {
  SelectGameFont(cr, ctx, size);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, kLineTurn);
  // A dark, nearly opaque rim: it keeps the bloom of a bright sky off the
  // letters, which would otherwise glow away into it.
  TextWithRim(cr, text, 0, 0, rim, 1.0, 0.7, 0.8);
  cairo_restore(cr);
}

}  // namespace

bool GenerateChapterTitle(const DataFile& file, const GenContext& ctx) {
  int language = file.param / 10 - 1, chapter = file.param % 10 - 1;
  if (language < 0 || language > 4 || chapter < 0 || chapter > 4) return false;
  Canvas c = MakeCanvas(512, 512);
  char heading[64];
  std::snprintf(heading, sizeof heading, "%s %d", kChapterWord[language], chapter + 1);
  const char* name = kChapterName[language][chapter];
  // The name along the lower edge, where the wedge is widest; its centre
  // slides to where it can be largest. The heading sits above its right
  // half, where the wedge is tallest.
  const double nameRim = 8, headingRim = 6;
  double nameSize = 0, nameX = 0, nameY = 0;
  for (double x = 240; x <= 360; x += 8)
    for (double y = 470; y <= 492; y += 2) {
      const double size = FitLine(c.cr, ctx, name, x, y, nameRim, 64);
      if (size > nameSize) nameSize = size, nameX = x, nameY = y;
    }
  SelectGameFont(c.cr, ctx, nameSize);
  cairo_text_extents_t nameInk;
  cairo_text_extents(c.cr, name, &nameInk);
  const double headingX = nameX + 60, headingY = nameY - nameInk.height / 2 - nameRim - 22;
  const double headingSize = FitLine(c.cr, ctx, heading, headingX, headingY, headingRim, 34);
  DrawLine(c.cr, ctx, heading, headingX, headingY, headingSize, headingRim);
  DrawLine(c.cr, ctx, name, nameX, nameY, nameSize, nameRim);
  return SaveCanvas(c, file, ctx);
}

// The banner is a real 24-bit Windows bitmap, as the launcher loads it.
bool GenerateBanner(const DataFile& file, const GenContext& ctx) {
  const int w = 512, h = 128;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(s);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.55, 0.86, 0.95);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.93, 0.98, 0.85);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
  // Sun, hills and a few trees in the game's silhouette look.
  cairo_arc(cr, 440, 34, 22, 0, 2 * M_PI);
  cairo_set_source_rgba(cr, 1, 0.95, 0.7, 0.9);
  cairo_fill(cr);
  const double hills[][3] = {{60, 150, 90}, {230, 160, 110}, {420, 150, 95}};
  for (const auto& hill : hills) {
    cairo_save(cr);
    cairo_translate(cr, hill[0], h + 40);
    cairo_scale(cr, hill[1], hill[2]);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.45, 0.72, 0.35);
    cairo_fill(cr);
  }
  for (int i = 0; i < 3; ++i) {
    double x = 30 + i * 22, y = 86 - i * 4;
    cairo_rectangle(cr, x - 2, y, 4, 20);
    cairo_set_source_rgb(cr, 0.15, 0.25, 0.12);
    cairo_fill(cr);
    cairo_arc(cr, x, y - 6, 12, 0, 2 * M_PI);
    cairo_fill(cr);
  }
  // The name and a rolling Vop with its glowing trail.
  FitTextSize(cr, ctx, "FlorpVops", 64, 300);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
  TextCentred(cr, "FlorpVops", 246, 54);
  for (int i = 0; i < 10; ++i) {
    cairo_arc(cr, 300 + i * 9, 104 - std::sin(i * 0.6) * 3, 1.5 + i * 0.4, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.1, 0.1, 0.12, 0.2 + i * 0.07);
    cairo_fill(cr);
  }
  cairo_arc(cr, 404, 100, 14, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
  cairo_fill(cr);
  for (int e = -1; e <= 1; e += 2) {
    cairo_arc(cr, 404 + e * 5 + 2, 96, 3, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
  }
  cairo_surface_flush(s);
  bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;

  // BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows of BGR.
  const int rowBytes = w * 3;  // 1536, already a multiple of 4
  const uint32_t pixelBytes = rowBytes * h, fileBytes = 54 + pixelBytes;
  std::vector<uint8_t> out(fileBytes, 0);
  auto put16 = [&](size_t at, uint32_t v) { out[at] = v & 255; out[at + 1] = (v >> 8) & 255; };
  auto put32 = [&](size_t at, uint32_t v) { put16(at, v & 0xffff); put16(at + 2, v >> 16); };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, fileBytes);
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  put16(26, 1);
  put16(28, 24);
  put32(34, pixelBytes);
  put32(38, 2835);  // 72 dpi
  put32(42, 2835);
  const uint8_t* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < h; ++y) {
    const uint32_t* src = reinterpret_cast<const uint32_t*>(data + (h - 1 - y) * stride);
    uint8_t* dst = &out[54 + y * rowBytes];
    for (int x = 0; x < w; ++x) {
      dst[x * 3 + 0] = src[x] & 255;
      dst[x * 3 + 1] = (src[x] >> 8) & 255;
      dst[x * 3 + 2] = (src[x] >> 16) & 255;
    }
  }
  cairo_destroy(cr);
  cairo_surface_destroy(s);
  return ok && WriteOutputFile(OutputPathFor(ctx, file.path), out);
}
