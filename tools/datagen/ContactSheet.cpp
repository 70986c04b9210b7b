#include "tools/datagen/ContactSheet.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/PaintKit.h"

namespace {

const int kCols = 12, kCellW = 168, kPicH = 140, kLabelH = 18;
const int kCellH = 2 * kPicH + kLabelH;

void DrawTinted(cairo_t* cr, cairo_surface_t* pic, double x, double y, double box, bool black) {
  int w = cairo_image_surface_get_width(pic), h = cairo_image_surface_get_height(pic);
  double scale = std::min(1.0, box / std::max(w, h));
  cairo_save(cr);
  cairo_translate(cr, x + (box - w * scale) / 2, y + (box - h * scale) / 2);
  cairo_scale(cr, scale, scale);
  if (black) {
    // The game multiplies by the colour: black keeps only the alpha.
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_mask_surface(cr, pic, 0, 0);
  } else {
    cairo_set_source_surface(cr, pic, 0, 0);
    cairo_paint(cr);
  }
  cairo_restore(cr);
}

}  // namespace

bool MakeContactSheet(const std::string& dataRoot, const std::string& outPath) {
  std::vector<const DataFile*> pictures;
  for (const DataFile& file : DataCatalogue())
    if (file.kind == DataKind::Png) pictures.push_back(&file);
  int rows = (static_cast<int>(pictures.size()) + kCols - 1) / kCols;
  int width = kCols * kCellW, height = rows * kCellH;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_paint(cr);
  GenContext ctx;
  ctx.outRoot = dataRoot;
  for (size_t i = 0; i < pictures.size(); ++i) {
    double x = (i % kCols) * kCellW, y = (i / kCols) * kCellH;
    // Light sky for the silhouettes, dark night for the white pictures.
    cairo_set_source_rgb(cr, 0.62, 0.86, 0.93);
    cairo_rectangle(cr, x + 1, y + 1, kCellW - 2, kPicH - 1);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.16, 0.18, 0.24);
    cairo_rectangle(cr, x + 1, y + kPicH, kCellW - 2, kPicH - 1);
    cairo_fill(cr);
    std::string path = OutputPathFor(ctx, pictures[i]->path);
    cairo_surface_t* pic = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(pic) == CAIRO_STATUS_SUCCESS) {
      DrawTinted(cr, pic, x + (kCellW - 136) / 2.0, y + 2, 136, true);
      DrawTinted(cr, pic, x + (kCellW - 136) / 2.0, y + kPicH + 1, 136, false);
    }
    cairo_surface_destroy(pic);
    const char* name = std::strrchr(pictures[i]->path, '/');
    name = name ? name + 1 : pictures[i]->path;
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_select_font_face(cr, "sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 10);
    cairo_move_to(cr, x + 4, y + 2 * kPicH + 13);
    cairo_show_text(cr, name);
  }
  cairo_destroy(cr);
  std::vector<uint8_t> png = EncodePng(sheet);
  cairo_surface_destroy(sheet);
  return !png.empty() && WriteOutputFile(outPath, png);
}
