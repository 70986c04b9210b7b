// Texts fit where the game draws them, measured in the game font at the
// sizes the screens use, on the smallest screen the launcher offers
// (800 x 600): level titles across the screen, the Vop-kind lines in their
// column, the menu labels beside the screen edge.
#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tools/datagen/DataCatalogue.h"

namespace {

class TextFit : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    GenContext ctx;
    ctx.outRoot = "data";
    ASSERT_EQ(FT_New_Face(library, OutputPathFor(ctx, "data//FVf.ttf").c_str(), 0, &face), 0);
    surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 8, 8);
    cr = cairo_create(surface);
    fontFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_set_font_face(cr, fontFace);
  }
  static void TearDownTestSuite() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    cairo_font_face_destroy(fontFace);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
  }

  // Width in pixels of each line ("%s" breaks the text) at a character
  // height: like the game's fonts, the height is the line (ascender to
  // descender), not the em.
  static std::vector<double> LineWidths(const std::string& text, double height) {
    double line = static_cast<double>(face->ascender) - face->descender;
    cairo_set_font_size(cr, line > 0 ? height * face->units_per_EM / line : height);
    std::vector<double> widths;
    size_t start = 0;
    while (true) {
      size_t br = text.find("%s", start);
      std::string line = text.substr(start, br == std::string::npos ? std::string::npos : br - start);
      cairo_text_extents_t te;
      cairo_text_extents(cr, line.c_str(), &te);
      widths.push_back(te.x_advance);
      if (br == std::string::npos) break;
      start = br + 2;
    }
    return widths;
  }

  static std::map<std::string, std::map<int, std::string>> Read(const char* gamePath) {
    GenContext ctx;
    ctx.outRoot = "data";
    std::ifstream in(OutputPathFor(ctx, gamePath));
    std::map<std::string, std::map<int, std::string>> ini;
    std::string line, section;
    while (std::getline(in, line)) {
      if (!line.empty() && line[0] == '[') section = line.substr(1, line.size() - 2);
      size_t eq = line.find('=');
      if (eq != std::string::npos) ini[section][std::stoi(line.substr(0, eq))] = line.substr(eq + 1);
    }
    return ini;
  }

  void ExpectFits(const char* file, const std::string& section, int key, double height, double maxWidth) {
    const std::string& text = texts[section][key];
    for (double w : LineWidths(text, height))
      EXPECT_LE(w, maxWidth) << file << " [" << section << "] " << key << "=" << text;
  }

  std::map<std::string, std::map<int, std::string>> texts;
  static FT_Library library;
  static FT_Face face;
  static cairo_surface_t* surface;
  static cairo_t* cr;
  static cairo_font_face_t* fontFace;
};

FT_Library TextFit::library;
FT_Face TextFit::face;
cairo_surface_t* TextFit::surface;
cairo_t* TextFit::cr;
cairo_font_face_t* TextFit::fontFace;

const char* const kFiles[] = {"data//language//de.ini", "data//language//en.ini", "data//language//fr.ini",
                              "data//language//it.ini", "data//language//es.ini"};
const double kSmall = 28, kMedium = 50, kLarge = 100, kScreenW = 800;

}  // namespace

TEST_F(TextFit, LevelTitlesFitAcrossTheScreen) {
  for (const char* file : kFiles) {
    texts = Read(file);
    for (int r = 0; r < 46; ++r) ExpectFits(file, "levelnames", r, kLarge, kScreenW - 20);
  }
}

TEST_F(TextFit, VopKindLinesFitTheirColumn) {
  // Centred 250 px from the screen edge, the second and third lines small.
  for (const char* file : kFiles) {
    texts = Read(file);
    for (int k = 9; k <= 24; k += 3) ExpectFits(file, "levelselection", k, kMedium, 490);
    for (int k = 9; k <= 30; ++k)
      if ((k - 9) % 3 != 0 || k > 26) ExpectFits(file, "levelselection", k, kSmall, 490);
  }
}

TEST_F(TextFit, LevelPageHintsStayOnScreen) {
  for (const char* file : kFiles) {
    texts = Read(file);
    // Above the first level button, about 160 px from the left edge.
    ExpectFits(file, "levelselection", 27, kMedium * 0.95, 320);
    // Beside the arrow, centred 320 px from the left edge.
    ExpectFits(file, "levelselection", 28, kMedium * 0.75, 640);
  }
}

TEST_F(TextFit, LevelHintsFitTheView) {
  const char* sections[] = {"firstlevel", "secondlevel", "thirdlevel", "sprintlevels", "spikevoplevel",
                            "rockvoplevel", "airvoplevel", "angryvoplevel", "elitevoplevel"};
  for (const char* file : kFiles) {
    texts = Read(file);
    for (const char* section : sections)
      for (const auto& entry : texts[section]) ExpectFits(file, section, entry.first, kMedium * 0.9, kScreenW - 60);
    ExpectFits(file, "firstlevel", 0, kMedium * 1.1, kScreenW - 60);
  }
}

TEST_F(TextFit, MenuLabelsStayOnScreen) {
  for (const char* file : kFiles) {
    texts = Read(file);
    // Lower-row labels centred 70, 140, 210 and 280 px from an edge, swelling
    // by up to a twentieth (exit) or a tenth (the others).
    ExpectFits(file, "mainmenu", 5, kSmall * 1.05, 140);
    ExpectFits(file, "mainmenu", 7, kSmall * 1.1, 280);
    ExpectFits(file, "mainmenu", 6, kSmall * 1.1, 420);
    ExpectFits(file, "mainmenu", 12, kSmall * 1.1, 420);
    ExpectFits(file, "mainmenu", 8, kSmall * 1.1, 560);
    ExpectFits(file, "mainmenu", 11, kSmall * 1.1, 280);
    // The total score from 430 px left of the right edge.
    ExpectFits(file, "mainmenu", 10, kSmall, 420);
    // The status line along the lower edge.
    for (int k = 0; k <= 2; ++k) ExpectFits(file, "ingame", k, kSmall, kScreenW - 40);
  }
}
