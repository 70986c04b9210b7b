// Every file the game names exists in the generated data folder and loads
// as what it is: pictures with power-of-two sides, decodable sounds and
// music of a fitting length, loops without a seam, a font that covers the
// five languages, a real bitmap banner and shaders with the agreed uniforms.
#include <cairo.h>
#include <dirent.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/datagen/DataCatalogue.h"

namespace {

GenContext DataRoot() {
  GenContext ctx;
  ctx.outRoot = "data";
  return ctx;
}

std::string PathOf(const char* gamePath) { return OutputPathFor(DataRoot(), gamePath); }

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
}

bool PowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

struct Sound {
  bool ok = false;
  int rate = 0, channels = 0;
  std::vector<float> samples;  // first channel
};

Sound Decode(const std::string& path) {
  Sound s;
  SF_INFO info;
  std::memset(&info, 0, sizeof info);
  SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
  if (!f) return s;
  std::vector<float> all(static_cast<size_t>(info.frames) * info.channels);
  sf_count_t got = sf_readf_float(f, all.data(), info.frames);
  sf_close(f);
  s.ok = got == info.frames && got > 0;
  s.rate = info.samplerate;
  s.channels = info.channels;
  for (sf_count_t i = 0; i < got; ++i) s.samples.push_back(all[i * info.channels]);
  return s;
}

}  // namespace

TEST(DataFiles, EveryCatalogueFileExists) {
  for (const DataFile& file : DataCatalogue()) {
    EXPECT_TRUE(Exists(PathOf(file.path))) << file.path;
  }
}

TEST(DataFiles, CatalogueNamesEachFileOnce) {
  std::set<std::string> seen;
  for (const DataFile& file : DataCatalogue()) {
    EXPECT_TRUE(seen.insert(PathOf(file.path)).second) << "twice: " << file.path;
  }
}

TEST(DataFiles, PicturesLoadWithPowerOfTwoSides) {
  int pictures = 0;
  for (const DataFile& file : DataCatalogue()) {
    if (file.kind != DataKind::Png) continue;
    pictures += std::strstr(file.path, "sprite//") != nullptr;  // level art has folders of its own
    std::string path = PathOf(file.path);
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS) << path;
    EXPECT_TRUE(PowerOfTwo(cairo_image_surface_get_width(s))) << path;
    EXPECT_TRUE(PowerOfTwo(cairo_image_surface_get_height(s))) << path;
    EXPECT_EQ(cairo_image_surface_get_format(s), CAIRO_FORMAT_ARGB32) << path << " has no alpha";
    cairo_surface_destroy(s);
  }
  // 90 catalogue pictures, 25 chapter titles, 4 sprites only level records name.
  EXPECT_EQ(pictures, 119);
}

TEST(DataFiles, SoundEffectsDecodeAsShortMonoClips) {
  int sounds = 0;
  for (const DataFile& file : DataCatalogue()) {
    if (file.kind != DataKind::Wav) continue;
    ++sounds;
    Sound s = Decode(PathOf(file.path));
    ASSERT_TRUE(s.ok) << file.path;
    EXPECT_EQ(s.rate, 44100) << file.path;
    double seconds = static_cast<double>(s.samples.size()) / s.rate;
    EXPECT_GT(seconds, 0.03) << file.path;
    EXPECT_LT(seconds, 10.0) << file.path;
    float peak = 0;
    for (float v : s.samples) peak = std::max(peak, std::fabs(v));
    EXPECT_GT(peak, 0.3f) << file.path << " is nearly silent";
    EXPECT_LT(peak, 0.99f) << file.path << " clips";
  }
  EXPECT_EQ(sounds, 21);
}

TEST(DataFiles, LoopingSoundsJoinWithoutAClick) {
  // The sounds the game plays with looping on (the growl and the score tick
  // are set looping when they start).
  const char* loops[] = {"data//fvs//Vop_Angry.wav", "data//fvs//Score_add_loop.wav", "data//fvs//Vops_cannon_turn.wav", "data//fvs//Vop_move_loop.wav",
                         "data//fvs//Air_Vop_move_loop.wav", "data//fvs//Stone_Vop_move_loop.wav",
                         "data//fvs//Vops_move_normal.wav", "data//fvs//Vops_move_air.wav",
                         "data//fvs//Vops_ambience_light.wav", "data//fvs//Vops_ambience_dark.wav"};
  for (const char* path : loops) {
    Sound s = Decode(PathOf(path));
    ASSERT_TRUE(s.ok) << path;
    // The step across the seam is no bigger than the sound's usual steps.
    double sumSq = 0;
    float biggest = 0;
    for (size_t i = 1; i < s.samples.size(); ++i) {
      float d = s.samples[i] - s.samples[i - 1];
      sumSq += d * d;
      biggest = std::max(biggest, std::fabs(d));
    }
    double rmsStep = std::sqrt(sumSq / (s.samples.size() - 1));
    float seam = std::fabs(s.samples.front() - s.samples.back());
    EXPECT_LE(seam, std::max(4 * rmsStep, 0.02)) << path;
    EXPECT_LE(seam, biggest + 1e-6f) << path;
  }
}

TEST(DataFiles, MusicTracksAreLongOggLoops) {
  int tracks = 0;
  for (const DataFile& file : DataCatalogue()) {
    if (file.kind != DataKind::Ogg) continue;
    ++tracks;
    std::string path = PathOf(file.path);
    EXPECT_EQ(ReadAll(path).compare(0, 4, "OggS"), 0) << path;
    Sound s = Decode(path);
    ASSERT_TRUE(s.ok) << path;
    double seconds = static_cast<double>(s.samples.size()) / s.rate;
    EXPECT_GE(seconds, 55.0) << path;
    // Not silence, not noise: the level moves between quiet and loud parts.
    double sumSq = 0;
    for (float v : s.samples) sumSq += v * v;
    EXPECT_GT(std::sqrt(sumSq / s.samples.size()), 0.05) << path;
    // The stream loops: its last sample leads smoothly into its first.
    double stepSq = 0;
    for (size_t k = 1; k < s.samples.size(); ++k) {
      double d = s.samples[k] - s.samples[k - 1];
      stepSq += d * d;
    }
    double rmsStep = std::sqrt(stepSq / (s.samples.size() - 1));
    EXPECT_LE(std::fabs(s.samples.front() - s.samples.back()), std::max(6 * rmsStep, 0.05)) << path;
  }
  EXPECT_EQ(tracks, 10);
}

TEST(DataFiles, MusicTracksDiffer) {
  std::set<std::string> contents;
  for (const DataFile& file : DataCatalogue()) {
    if (file.kind == DataKind::Ogg) contents.insert(ReadAll(PathOf(file.path)));
  }
  EXPECT_EQ(contents.size(), 10u);
}

TEST(DataFiles, FontLoadsAndCoversTheFiveLanguages) {
  FT_Library lib;
  ASSERT_EQ(FT_Init_FreeType(&lib), 0);
  FT_Face face;
  ASSERT_EQ(FT_New_Face(lib, PathOf("data//FVf.ttf").c_str(), 0, &face), 0);
  const char32_t letters[] = U"AZaz09%+!?.:/'-äöüÄÖÜßéèêëàâçîïôûùÉÈÀÇœìíòóúñÑ¡¿";
  for (const char32_t* c = letters; *c; ++c) {
    EXPECT_NE(FT_Get_Char_Index(face, *c), 0u) << "no glyph for U+" << std::hex << static_cast<int>(*c);
  }
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  EXPECT_NE(ReadAll(PathOf("data//FVf-LICENCE.txt")).find("OFL"), std::string::npos);
}

TEST(DataFiles, BannerIsAWindowsBitmap) {
  std::string b = ReadAll(PathOf("data//banner.bmp"));
  ASSERT_GE(b.size(), 54u);
  EXPECT_EQ(b.compare(0, 2, "BM"), 0);
  auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) | static_cast<uint8_t>(b[at + 1]) << 8 |
           static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
  };
  EXPECT_EQ(u32(2), b.size());
  int width = static_cast<int>(u32(18)), height = static_cast<int>(u32(22));
  EXPECT_GT(width, 200);
  EXPECT_GT(height, 50);
  EXPECT_EQ(static_cast<uint8_t>(b[28]), 24);
  EXPECT_EQ(b.size(), 54u + static_cast<size_t>((width * 3 + 3) / 4 * 4) * height);
}

TEST(DataFiles, ShadersDeclareTheAgreedUniforms) {
  struct Expect {
    const char* path;
    std::vector<std::string> uniforms;
  } expects[] = {
      {"data\\shader\\BloomExtract.fx", {"sampler2D BaseTexture", "float BloomThreshold"}},
      {"data\\shader\\GaussianBlur.fx",
       {"sampler2D BloomTexture;", "sampler2D BloomTexture2", "vec4 PixelSize", "int Pass"}},
      {"data\\shader\\BloomCombine.fx",
       {"sampler2D BloomTexture;", "sampler2D BaseTexture", "float BloomIntensity", "float BaseIntensity",
        "float BloomSaturation", "float BaseSaturation"}},
  };
  for (const Expect& e : expects) {
    std::string text = ReadAll(PathOf(e.path));
    EXPECT_NE(text.find("#version 120"), std::string::npos) << e.path;
    EXPECT_NE(text.find("void main()"), std::string::npos) << e.path;
    EXPECT_NE(text.find("gl_FragColor"), std::string::npos) << e.path;
    for (const std::string& u : e.uniforms) {
      EXPECT_NE(text.find("uniform " + u), std::string::npos) << e.path << ": " << u;
    }
    // Braces and parentheses balance (a cheap guard against a broken edit).
    int braces = 0, parens = 0;
    for (char c : text) {
      braces += (c == '{') - (c == '}');
      parens += (c == '(') - (c == ')');
    }
    EXPECT_EQ(braces, 0) << e.path;
    EXPECT_EQ(parens, 0) << e.path;
  }
}

// The game's own code is the final word on what it loads: every data path
// literal in the sources (outside the level folders, which the level design
// provides) must exist in the generated folder.
TEST(DataFiles, EveryPathTheGameCodeNamesExists) {
  const char* folders[] = {"engine", "game", "gameplay", "screens", "scenery", "platform"};
  std::regex literal("\"(data[/\\\\][^\"%]*\\.(png|PNG|wav|ogg|OGG|ttf|ini|fx|bmp))\"");
  std::regex levelFolder("^data[/\\\\]+(w[0-9]+|b[0-9]+)[/\\\\]");
  int checked = 0;
  for (const char* folder : folders) {
    DIR* dir = opendir(folder);
    if (!dir) continue;
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name.size() < 4 || (name.substr(name.size() - 4) != ".cpp" && name.substr(name.size() - 2) != ".h"))
        continue;
      std::string text = ReadAll(std::string(folder) + "/" + name);
      for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
        std::string path = (*it)[1];
        // Undo C escapes of backslashes in the literal.
        std::string unescaped;
        for (size_t i = 0; i < path.size(); ++i) {
          if (path[i] == '\\' && i + 1 < path.size() && path[i + 1] == '\\') {
            ++i;
          } else if (path[i] == '\\' && i + 3 < path.size() && path[i + 1] == 'x') {
            unescaped.push_back(static_cast<char>(std::stoi(path.substr(i + 2, 2), nullptr, 16)));
            i += 3;
            continue;
          }
          unescaped.push_back(path[i]);
        }
        if (std::regex_search(unescaped, levelFolder)) continue;
        ++checked;
        EXPECT_TRUE(Exists(PathOf(unescaped.c_str()))) << unescaped << " named in " << folder << "/" << name;
      }
    }
    closedir(dir);
  }
  RecordProperty("paths_checked", checked);
}
