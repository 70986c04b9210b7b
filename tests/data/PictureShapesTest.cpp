// A few pictures checked as pictures: each subject sits where the game pins
// it (its alpha centroid on the drawing centre, its content inside the
// source rectangle), the "MR" variants really differ, idle and highlighted
// buttons read dark and light, and the sprites are light enough to tint.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/datagen/DataCatalogue.h"

namespace {

struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> argb;  // premultiplied, as Cairo keeps it
  double Alpha(int x, int y) const { return (argb[y * width + x] >> 24) / 255.0; }
  double Grey(int x, int y) const {  // un-premultiplied brightness
    uint32_t p = argb[y * width + x];
    double a = p >> 24;
    if (a == 0) return 0;
    return (((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255)) / (3.0 * a);
  }
};

Picture Load(const char* gamePath) {
  GenContext ctx;
  ctx.outRoot = "data";
  Picture p;
  cairo_surface_t* s = cairo_image_surface_create_from_png(OutputPathFor(ctx, gamePath).c_str());
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return p;
  }
  p.width = cairo_image_surface_get_width(s);
  p.height = cairo_image_surface_get_height(s);
  int stride = cairo_image_surface_get_stride(s);
  const uint8_t* data = cairo_image_surface_get_data(s);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.argb.push_back(reinterpret_cast<const uint32_t*>(data + y * stride)[x]);
  cairo_surface_destroy(s);
  return p;
}

struct Box {
  int left, top, right, bottom;  // right and bottom exclusive
};

// Alpha-weighted centre and total alpha inside a box.
void Centroid(const Picture& p, Box b, double* cx, double* cy, double* mass) {
  double sx = 0, sy = 0, m = 0;
  for (int y = b.top; y < b.bottom; ++y)
    for (int x = b.left; x < b.right; ++x) {
      double a = p.Alpha(x, y);
      sx += a * (x + 0.5);
      sy += a * (y + 0.5);
      m += a;
    }
  *mass = m;
  *cx = m > 0 ? sx / m : 0;
  *cy = m > 0 ? sy / m : 0;
}

double AlphaOutside(const Picture& p, Box b) {
  double total = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (x < b.left || x >= b.right || y < b.top || y >= b.bottom) total += p.Alpha(x, y);
  return total;
}

double AlphaDifference(const Picture& a, const Picture& b) {
  double d = 0;
  for (size_t i = 0; i < a.argb.size() && i < b.argb.size(); ++i)
    d += std::fabs(static_cast<double>(a.argb[i] >> 24) - static_cast<double>(b.argb[i] >> 24)) / 255.0;
  return d;
}

double MeanGrey(const Picture& p) {
  double g = 0, m = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      g += p.Alpha(x, y) * p.Grey(x, y);
      m += p.Alpha(x, y);
    }
  return m > 0 ? g / m : 0;
}

}  // namespace

TEST(PictureShapes, VopBodiesAreRoundAndCentredInTheirCrop) {
  const char* bodies[] = {"playeranfang", "playerstachel", "playerfeder", "playerfels", "playerzorn", "playerhardcore"};
  for (const char* stem : bodies) {
    for (const char* variant : {"", "MR"}) {
      std::string path = std::string("data//sprite//") + stem + variant + ".png";
      Picture p = Load(path.c_str());
      ASSERT_EQ(p.width, 128) << path;
      double cx, cy, mass;
      Centroid(p, {23, 23, 105, 105}, &cx, &cy, &mass);
      // The game draws the crop (23, 23)-(105, 105) centred on (64, 64).
      EXPECT_NEAR(cx, 64, 2.5) << path;
      EXPECT_NEAR(cy, 64, 2.5) << path;
      EXPECT_GT(mass, 0.5 * M_PI * 30 * 30) << path;  // a body, not a speck
      EXPECT_LT(AlphaOutside(p, {23, 23, 105, 105}), 1.0) << path << " spills out of the crop";
      EXPECT_GT(p.Alpha(64, 64) + p.Alpha(64, 50), 1.0) << path;  // solid about the middle
    }
  }
}

TEST(PictureShapes, MrVariantsDifferFromThePlainSet) {
  const char* pairs[][2] = {{"playeranfang.png", "playeranfangMR.png"}, {"playerzorn.png", "playerzornMR.png"},
                            {"gegner1body.png", "gegner1bodyMR.png"}, {"zahnrad_im_us.png", "zahnrad_im_us_MR.png"},
                            {"kanone.png", "kanone_MR.png"}, {"schildp2.png", "schildp2MR.png"}};
  for (auto& pair : pairs) {
    Picture a = Load((std::string("data//sprite//") + pair[0]).c_str());
    Picture b = Load((std::string("data//sprite//") + pair[1]).c_str());
    ASSERT_EQ(a.argb.size(), b.argb.size()) << pair[0];
    // Even as black silhouettes they must look different: the alpha differs.
    EXPECT_GT(AlphaDifference(a, b), 300.0) << pair[0] << " vs " << pair[1];
  }
}

TEST(PictureShapes, FacesSitOnTheirPinAndCloseWithTheLid) {
  const char* faces[] = {"Beginner", "Stachel", "Feder", "Fels", "Zorn", "Elite"};
  for (const char* name : faces) {
    bool air = std::string(name) == "Feder";
    double pinX = air ? 35 : 25, pinY = air ? 33 : 35;
    Picture face = Load((std::string("data//sprite//playerface") + name + ".png").c_str());
    Picture mouth = Load((std::string("data//sprite//playerface") + name + "Mouth.png").c_str());
    ASSERT_EQ(face.width, 64) << name;
    double cx, cy, mass;
    Centroid(face, {0, 0, 63, 63}, &cx, &cy, &mass);
    EXPECT_NEAR(cx, pinX, 3) << name;   // eyes centred over the pin
    EXPECT_LT(cy, pinY) << name;        // and above it
    EXPECT_GT(mass, 50) << name;
    // A lid of 60 leaves rows 60..62: the eyes must be gone by then.
    double below = 0;
    for (int y = 56; y < 64; ++y)
      for (int x = 0; x < 64; ++x) below += face.Alpha(x, y);
    EXPECT_LT(below, 1.0) << name;
    Centroid(mouth, {0, 0, 64, 64}, &cx, &cy, &mass);
    EXPECT_NEAR(cx, pinX, 3) << name;
    EXPECT_GT(cy, pinY) << name;        // the mouth below the pin
    // Eyes and mouths stay white where opaque, so heat can redden them.
    EXPECT_GT(face.Grey(static_cast<int>(pinX) - 13, static_cast<int>(pinY) - 6), 0.8) << name;
  }
}

TEST(PictureShapes, MachinesAndCreaturesTurnAboutTheirCentres) {
  struct Pin {
    const char* path;
    Box box;
    double x, y;
  } pins[] = {
      {"data//sprite//zahnrad_im_us.png", {0, 0, 512, 512}, 255.5, 255.5},
      {"data//sprite//zahnrad_gd_us_MR.png", {0, 0, 512, 512}, 255.5, 255.5},
      {"data//sprite//zahnradklein_im_us.png", {0, 0, 256, 256}, 127.5, 127.5},
      {"data//sprite//zahnradklein_gd_us_MR.png", {0, 0, 256, 256}, 127.5, 127.5},
      {"data//sprite//gegner1body.png", {0, 0, 80, 80}, 40, 40},
      {"data//sprite//gegner1bodyMR.png", {0, 0, 80, 80}, 40, 40},
      {"data//sprite//spurpartikel.png", {0, 0, 16, 16}, 8, 8},
      {"data//sprite//spurpartikel2.png", {0, 0, 16, 16}, 8, 8},
      {"data//sprite//spurpartikel3.png", {0, 0, 16, 16}, 8, 8},
      {"data//sprite//windrad.png", {0, 0, 512, 512}, 255.5, 255.5},
  };
  for (const Pin& pin : pins) {
    Picture p = Load(pin.path);
    ASSERT_GT(p.width, 0) << pin.path;
    double cx, cy, mass;
    Centroid(p, pin.box, &cx, &cy, &mass);
    EXPECT_NEAR(cx, pin.x, 3) << pin.path;
    EXPECT_NEAR(cy, pin.y, 3) << pin.path;
  }
  // The creature body stays inside the 80 x 80 crop the game draws.
  EXPECT_LT(AlphaOutside(Load("data//sprite//gegner1body.png"), {0, 0, 80, 80}), 1.0);
  // The cannon barrel points up from its pivot (58, 127), the way a zero angle fires.
  Picture cannon = Load("data//sprite//kanone.png");
  double cx, cy, mass;
  Centroid(cannon, {0, 0, 128, 127}, &cx, &cy, &mass);
  EXPECT_NEAR(cx, 58, 3);
  EXPECT_LT(cy, 100);
  EXPECT_GT(cannon.Alpha(58, 40), 0.9);
}

TEST(PictureShapes, CroppedPicturesKeepTheirSubjectInsideTheCrop) {
  struct Crop {
    const char* path;
    Box box;
  } crops[] = {
      {"data//sprite//tree1.png", {130, 0, 445, 511}},
      {"data//sprite//tree2.png", {125, 5, 425, 509}},
      {"data//sprite//hill1.png", {0, 240, 511, 511}},
      {"data//sprite//hill2.png", {0, 215, 511, 511}},
      {"data//sprite//windradfu\xc3\x9f.png", {132, 0, 365, 511}},
      {"data//menusprite//logo.png", {0, 131, 511, 300}},
  };
  for (const Crop& c : crops) {
    Picture p = Load(c.path);
    ASSERT_EQ(p.width, 512) << c.path;
    double cx, cy, mass;
    Centroid(p, {0, 0, 512, 512}, &cx, &cy, &mass);
    // Whatever lies outside would be cut away by the game.
    EXPECT_LT(AlphaOutside(p, c.box), 0.01 * mass + 60) << c.path;
  }
  // Trees and hills stand on the foot points the layouts pivot them on.
  struct Foot {
    const char* path;
    int x, y;
  } feet[] = {{"data//sprite//tree1.png", 200, 508}, {"data//sprite//tree1.png", 220, 508},
              {"data//sprite//tree2.png", 255, 508}, {"data//sprite//tree3.png", 255, 508},
              {"data//sprite//tree4.png", 255, 508}, {"data//sprite//tree5.png", 202, 508},
              {"data//sprite//tree5.png", 255, 508}, {"data//sprite//tree8.png", 255, 508},
              {"data//sprite//tree8.png", 300, 508}, {"data//sprite//tree6.png", 442, 490},
              {"data//sprite//tree7.png", 20, 496}, {"data//sprite//hill3.png", 255, 508},
              {"data//sprite//hill4.png", 255, 508}};
  // (Their bodies are veils: a little over half opaque at the rim, a fifth
  // in the middle.)
  for (const Foot& f : feet) EXPECT_GT(Load(f.path).Alpha(f.x, f.y), 0.15) << f.path << " at " << f.x;
  // The windmill tower's top, on its rim, is the wheel's hub point (279, 10).
  EXPECT_GT(Load("data//sprite//windradfu\xc3\x9f.png").Alpha(279, 10), 0.35);
}

TEST(PictureShapes, ButtonPairsReadAsIdleAndHighlighted) {
  const char* stems[] = {"stan", "back", "exit", "credits", "options", "rucksetzten", "boss",
                         "vopauswahl_anfangvop", "vopauswahl_normalvop", "vopauswahl_federvop",
                         "vopauswahl_felsvop", "vopauswahl_zornvop", "vopauswahl_elitevop"};
  for (const char* stem : stems) {
    std::string base = std::string("data//menusprite//buttons//") + stem;
    Picture idle = Load((base + "_black.png").c_str());
    Picture lit = Load((base + "_white.png").c_str());
    ASSERT_GT(idle.width, 0) << stem;
    // The disc between icon and rim: dark when idle, light when highlighted.
    double c = idle.width / 2.0, k = idle.width / 64.0;
    double idleDisc = 0, litDisc = 0;
    int n = 0;
    for (int y = 0; y < idle.height; ++y)
      for (int x = 0; x < idle.width; ++x) {
        double r = std::hypot(x + 0.5 - c, y + 0.5 - c);
        if (r < 22.5 * k || r > 25.5 * k) continue;
        idleDisc += idle.Grey(x, y);
        litDisc += lit.Grey(x, y);
        ++n;
      }
    EXPECT_LT(idleDisc / n, 0.35) << stem;
    EXPECT_GT(litDisc / n, 0.75) << stem;
    // Both are round buttons on the same centre.
    double ix, iy, im, lx, ly, lm;
    Centroid(idle, {0, 0, idle.width, idle.height}, &ix, &iy, &im);
    Centroid(lit, {0, 0, lit.width, lit.height}, &lx, &ly, &lm);
    EXPECT_NEAR(ix, c, 1.5) << stem;
    EXPECT_NEAR(iy, c, 1.5) << stem;
    EXPECT_NEAR(lx, ix, 0.5) << stem;
  }
}

TEST(PictureShapes, TintedSpritesAreLightSoTheColourShows) {
  const char* sprites[] = {"data//sprite//gegner1body.png", "data//sprite//zahnrad_im_us.png", "data//sprite//kanone.png",
                           "data//sprite//playeranfang.png", "data//sprite//playerfels.png", "data//sprite//tree1.png",
                           "data//sprite//hill1.png", "data//sprite//schildp2.png", "data//menusprite//sun.png",
                           "data//menusprite//w0circle.png", "data//menusprite//buttons//schrift//ch1e.png"};
  for (const char* path : sprites) EXPECT_GT(MeanGrey(Load(path)), 0.75) << path;
}

TEST(PictureShapes, ChapterTitlesHangAboveTheirFootPoint) {
  for (const char* path : {"data//menusprite//buttons//schrift//ch1.png", "data//menusprite//buttons//schrift//ch5es.png"}) {
    Picture p = Load(path);
    ASSERT_EQ(p.width, 512) << path;
    double cx, cy, mass;
    Centroid(p, {0, 0, 512, 512}, &cx, &cy, &mass);
    EXPECT_NEAR(cx, 255, 25) << path;
    EXPECT_GT(cy, 300) << path;  // the text sits low, above the pivot (255, 511)
    EXPECT_GT(mass, 2000) << path;
  }
  // The same chapter differs between languages.
  EXPECT_GT(AlphaDifference(Load("data//menusprite//buttons//schrift//ch2.png"),
                            Load("data//menusprite//buttons//schrift//ch2fr.png")),
            1000.0);
}
