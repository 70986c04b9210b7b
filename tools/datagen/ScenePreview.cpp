// A mock-up of three screens built from the generated pictures the way the
// game draws them (multiplied by a colour, turned and scaled about their
// centres): a dark-coloured level, a snow level and the main menu. It is
// for people to judge whether the pictures make one coherent game.
#include <cairo.h>

#include <cmath>
#include <map>
#include <string>

#include "tools/datagen/ContactSheet.h"
#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/PaintKit.h"

namespace {

struct Preview {
  cairo_t* cr;
  std::string root;
  std::map<std::string, cairo_surface_t*> cache;

  cairo_surface_t* Get(const char* name) {
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    GenContext ctx;
    ctx.outRoot = root;
    cairo_surface_t* s = cairo_image_surface_create_from_png(OutputPathFor(ctx, name).c_str());
    cache[name] = s;
    return s;
  }

  // Draws like the game's sprite batch: the centre pixel lands on (x, y), the
  // picture is scaled and turned about it and multiplied by (r, g, b, a).
  void Draw(const char* name, double x, double y, double rot, double scale, double cx, double cy,
            double r, double g, double b, double a = 255, const int* crop = nullptr) {
    cairo_surface_t* src = Get(name);
    if (cairo_surface_status(src) != CAIRO_STATUS_SUCCESS) return;
    int w = cairo_image_surface_get_width(src), h = cairo_image_surface_get_height(src);
    cairo_surface_t* tinted = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_surface_flush(src);
    const uint8_t* in = cairo_image_surface_get_data(src);
    uint8_t* out = cairo_image_surface_get_data(tinted);
    int sin = cairo_image_surface_get_stride(src), sout = cairo_image_surface_get_stride(tinted);
    for (int yy = 0; yy < h; ++yy)
      for (int xx = 0; xx < w; ++xx) {
        uint32_t p = reinterpret_cast<const uint32_t*>(in + yy * sin)[xx];
        bool inside = !crop || (xx >= crop[0] && yy >= crop[1] && xx < crop[2] && yy < crop[3]);
        double k = inside ? a / 255.0 : 0;
        uint32_t A = static_cast<uint32_t>((p >> 24) * k), R = static_cast<uint32_t>(((p >> 16) & 255) * r / 255 * k),
                 G = static_cast<uint32_t>(((p >> 8) & 255) * g / 255 * k), B = static_cast<uint32_t>((p & 255) * b / 255 * k);
        reinterpret_cast<uint32_t*>(out + yy * sout)[xx] = A << 24 | R << 16 | G << 8 | B;
      }
    cairo_surface_mark_dirty(tinted);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rot);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, tinted, -cx, -cy);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(tinted);
  }

  ~Preview() {
    for (auto& kv : cache) cairo_surface_destroy(kv.second);
  }
};

const int kTreeCrop[4] = {130, 0, 445, 511};
const int kHillCrop[4] = {0, 240, 511, 511};
const int kTowerCrop[4] = {132, 0, 365, 511};
const int kBodyCrop[4] = {23, 23, 105, 105};
const int kEnemyCrop[4] = {0, 0, 80, 80};
const int kEyeCrop[4] = {0, 0, 80, 63};

void Level(Preview& p, double ox, double oy, const double amb[3], const double lc[3], bool snow) {
  cairo_t* cr = p.cr;
  cairo_save(cr);
  cairo_rectangle(cr, ox, oy, 1024, 640);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, amb[0] / 255, amb[1] / 255, amb[2] / 255);
  cairo_paint(cr);
  auto tint = [&](double f, const char* name, double x, double y, double rot, double s, double cx, double cy,
                  const int* crop = nullptr) {
    p.Draw(name, ox + x, oy + y, rot, s, cx, cy, amb[0] * f, amb[1] * f, amb[2] * f, 255, crop);
  };
  // Scenery, far to near.
  for (int i = 0; i < 4; ++i) tint(0.75, "data//sprite//hill1.png", 130 + i * 260, 600, 0, 1.1, 255, 510, kHillCrop);
  tint(0.6, "data//sprite//windradfu\xc3\x9f.png", 820, 260, 0, 0.55, 279, 10, kTowerCrop);
  tint(0.6, "data//sprite//windrad.png", 820, 260, 0.4, 0.4, 255, 255);
  const char* trees[] = {"data//sprite//tree1.png", "data//sprite//tree3.png", "data//sprite//tree5.png",
                         "data//sprite//tree2.png", "data//sprite//tree4.png", "data//sprite//tree8.png"};
  for (int i = 0; i < 6; ++i)
    tint(0.45, trees[i], 80 + i * 170, 560, (i % 2 ? 0.06 : -0.05), 0.5, 255, 510,
         i == 0 ? kTreeCrop : nullptr);
  for (int i = 0; i < 5; ++i) tint(0.3, "data//sprite//hill2.png", 60 + i * 240, 640, 0, 0.8, 255, 510);
  // Ground of the level (level art stands here in the game).
  cairo_set_source_rgb(cr, snow ? 0.92 : 0.05, snow ? 0.94 : 0.05, snow ? 0.96 : 0.06);
  cairo_move_to(cr, ox, oy + 560);
  cairo_curve_to(cr, ox + 300, oy + 520, ox + 600, oy + 600, ox + 1024, oy + 540);
  cairo_line_to(cr, ox + 1024, oy + 640);
  cairo_line_to(cr, ox, oy + 640);
  cairo_fill(cr);
  // Goal sign.
  double sign[3] = {lc[0] * (snow ? 1 : 0.8), lc[1] * (snow ? 1 : 0.8), lc[2] * (snow ? 1 : 0.8)};
  p.Draw("data//sprite//schildp2.png", ox + 900 + 73, oy + 545 - 105, 0.03, 0.8, 137, 123, sign[0], sign[1], sign[2]);
  p.Draw("data//sprite//schild.png", ox + 900, oy + 545, 0.02, 0.8, 43, 255, sign[0], sign[1], sign[2]);
  // Trail behind the Vop.
  for (int i = 0; i < 30; ++i) {
    double x = 250 + i * 8, y = 500 - std::sin(i * 0.18) * 40;
    bool hot = i > 22;
    double c = snow ? 225 : 0;
    p.Draw("data//sprite//spurpartikel2.png", ox + x, oy + y, 1, 0.6 + i * 0.03, 8, 8, hot ? 140 : c, hot ? 0 : c,
           hot ? 0 : c, 60 + i * 6);
  }
  // The Vop, its face and mouth.
  p.Draw("data//sprite//playeranfang.png", ox + 500, oy + 485, 0.3, 1.02, 64, 64, lc[0], lc[1], lc[2], 255, kBodyCrop);
  p.Draw("data//sprite//playerfaceBeginner.png", ox + 500, oy + 482, 0.3, 1.0, 25, 35, 255, 200, 200);
  p.Draw("data//sprite//playerfaceBeginnerMouth.png", ox + 500, oy + 482, 0.3, 1.0, 25, 35, 255, 200, 200);
  // Creatures: a walker (cool eye), a hot walker, a dropper.
  p.Draw("data//sprite//gegner1body.png", ox + 640, oy + 520, -0.2, 1.06, 40, 40, lc[0], lc[1], lc[2], 255, kEnemyCrop);
  p.Draw("data//sprite//gegner1eye.png", ox + 640, oy + 520, -0.2, 1.06, 40, 40, 255, 255, 255, 255, kEyeCrop);
  p.Draw("data//sprite//gegner1body.png", ox + 760, oy + 530, 0.1, 1.06, 40, 40, lc[0], lc[1], lc[2], 255, kEnemyCrop);
  p.Draw("data//sprite//gegner1eye.png", ox + 760, oy + 530, 0.1, 1.06, 40, 40, 255, 40, 40, 255, kEyeCrop);
  p.Draw("data//sprite//gegner1body.png", ox + 380, oy + 60, 0, 1.0, 40, 0, lc[0], lc[1], lc[2], 255, kEnemyCrop);
  p.Draw("data//sprite//gegner1eye.png", ox + 380, oy + 100, 0, 1.0, 40, 40, 255, 255, 255, 255, kEyeCrop);
  // Machines.
  p.Draw("data//sprite//zahnrad_im_us.png", ox + 150, oy + 300, 0.2, 0.5, 255, 255, lc[0], lc[1], lc[2]);
  p.Draw("data//sprite//zahnradklein_gd_us.png", ox + 262, oy + 220, 0.5, 0.5, 127, 127, lc[0], lc[1], lc[2]);
  p.Draw("data//sprite//kanone.png", ox + 700, oy + 240, 0.6, 0.8, 58, 127, lc[0], lc[1], lc[2]);
  p.Draw("data//sprite//gegner1body.png", ox + 790, oy + 190, 0.0, 0.8, 40, 40, lc[0], lc[1], lc[2], 255, kEnemyCrop);
  p.Draw("data//sprite//gegner1eye.png", ox + 790, oy + 190, 0.0, 0.8, 40, 40, 255, 255, 255, 255, kEyeCrop);
  // Cinema bars.
  for (int i = 0; i < 2; ++i) {
    p.Draw("data//menusprite//black.png", ox + i * 512, oy + 20 - 255, 0, 1.0, 0, 255, 0, 0, 0);
    p.Draw("data//menusprite//black.png", ox + i * 512, oy + 640 - 20 + 255, 0, 1.0, 0, 255, 0, 0, 0);
  }
  cairo_restore(cr);
}

void Menu(Preview& p, double ox, double oy) {
  cairo_t* cr = p.cr;
  const double amb[3] = {255, 190, 120}, W = 1024, H = 640;
  cairo_save(cr);
  cairo_rectangle(cr, ox, oy, W, H);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, amb[0] / 255 * 0.9, amb[1] / 255 * 0.9, amb[2] / 255 * 0.9);
  cairo_paint(cr);
  auto disc = [&](const char* name, double s, double f, double rot) {
    p.Draw(name, ox + W - 240, oy + H / 2 + 110, rot, s, 255, 255, std::min(255.0, amb[0] * f),
           std::min(255.0, amb[1] * f), std::min(255.0, amb[2] * f));
  };
  disc("data//menusprite//sun.png", 2.4, 1.15, 0.3);
  disc("data//menusprite//sun.png", 2.0, 1.5, 0.9);
  disc("data//menusprite//sky.png", 1.85, 1.25, 0.2);
  disc("data//menusprite//sky.png", 1.6, 0.9, 1.2);
  for (int i = 0; i < 5; ++i)
    p.Draw("data//sprite//hill1.png", ox + 100 + i * 230, oy + H - 20, 0, 1.0, 255, 510, amb[0] * 0.3, amb[1] * 0.3,
           amb[2] * 0.3, 255, kHillCrop);
  const double tx[3] = {W - 317, W - 130, W - 227}, ty[3] = {H / 2 - 3, H / 2 + 9, H / 2 - 29}, lean[3] = {-0.5, 0.4, 0};
  for (int i = 0; i < 3; ++i)
    p.Draw("data//sprite//tree1.png", ox + tx[i], oy + ty[i], lean[i], 0.35, 255, 511, 0, 0, 0, 255, kTreeCrop);
  p.Draw("data//menusprite//w0circle.png", ox + W - 240, oy + H / 2 + 100, 0, 1, 255, 255, 0, 0, 0);
  const int logoCrop[4] = {0, 131, 511, 300};
  p.Draw("data//menusprite//logo.png", ox + W * 0.3, oy + H / 2, 0, W / 1000, 255, 255, 0, 0, 0, 255, logoCrop);
  const double wx[5] = {W - 235, W - 315, W - 155, W - 335, W - 135}, wy[5] = {5, 45, 45, 125, 125};
  for (int i = 0; i < 5; ++i) {
    bool open = i < 2;
    p.Draw(i == 0 ? "data//menusprite//buttons//stan_white.png" : "data//menusprite//buttons//stan_black.png",
           ox + wx[i], oy + H / 2 + wy[i], 0, open ? 1.0 : 0.5, 32, 32, open ? 255 : 100, open ? 255 : 100, open ? 255 : 100);
  }
  const char* row[4] = {"exit", "options", "rucksetzten", "credits"};
  for (int i = 0; i < 4; ++i) {
    std::string name = std::string("data//menusprite//buttons//") + row[i] + (i == 1 ? "_white.png" : "_black.png");
    p.Draw(name.c_str(), ox + 70 + i * 70, oy + H - 86, 0, 1, 32, 32, 255, 255, 255);
  }
  p.Draw("data//menusprite//buttons//haken.png", ox + 140, oy + H - 86, 0, 1, 32, 32, 255, 255, 255);
  // The kind buttons of a level page, tinted as the pages tint them.
  const char* kinds[6] = {"anfangvop", "normalvop", "felsvop", "federvop", "zornvop", "elitevop"};
  for (int i = 0; i < 6; ++i) {
    std::string name = std::string("data//menusprite//buttons//vopauswahl_") + kinds[i] + (i == 0 ? "_white.png" : "_black.png");
    double x = i < 3 ? 50 : 120, y = 105 + (i % 3) * 65;
    p.Draw(name.c_str(), ox + x, oy + y, 0, 1, 32, 32, amb[0] * 0.9, amb[1] * 0.9, amb[2] * 0.9, 220);
  }
  p.Draw("data//menusprite//buttons//schrift//ch1e.png", ox + 365, oy + 415 + 150, 0.2, 0.8, 255, 511, amb[0] * 0.37,
         amb[1] * 0.37, amb[2] * 0.37);
  p.Draw("data//menusprite//buttons//boss_black.png", ox + 520, oy + 420, 0, 1, 64, 64, amb[0] * 0.9, amb[1] * 0.9,
         amb[2] * 0.9, 220);
  p.Draw("data//sprite//pfeil.png", ox + 250, oy + 130, 0.5, 1, 64, 64, amb[0] * 0.1, amb[1] * 0.1, amb[2] * 0.1);
  cairo_restore(cr);
}

}  // namespace

bool MakeScenePreview(const std::string& dataRoot, const std::string& outPath) {
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 2048, 1280);
  cairo_t* cr = cairo_create(sheet);
  {
    Preview p{cr, dataRoot, {}};
    const double dayAmbient[3] = {141, 255, 241}, black[3] = {0, 0, 0};
    const double nightAmbient[3] = {40, 40, 70}, snow[3] = {225, 225, 225};
    Level(p, 0, 0, dayAmbient, black, false);
    Level(p, 1024, 0, nightAmbient, snow, true);
    Menu(p, 0, 640);
    const double mrAmbient[3] = {235, 180, 60}, mrColour[3] = {50, 25, 0};
    Level(p, 1024, 640, mrAmbient, mrColour, false);
  }
  cairo_destroy(cr);
  std::vector<uint8_t> png = EncodePng(sheet);
  cairo_surface_destroy(sheet);
  return !png.empty() && WriteOutputFile(outPath, png);
}
