// Generating twice gives the same bytes, and the same bytes as the build's
// data folder: one file of every family is generated into two temporary
// folders and compared.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/datagen/DataCatalogue.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string MakeTempFolder() {
  char pattern[] = "/tmp/fv_datagen_XXXXXX";
  const char* made = mkdtemp(pattern);
  return made ? made : "";
}

void RemoveFolder(const std::string& path) {
  if (path.rfind("/tmp/fv_datagen_", 0) == 0) std::system(("rm -rf '" + path + "'").c_str());
}

// One of each family; the music track is the slowest and the one most
// likely to pick up randomness from its encoder.
const char* const kSamples[] = {
    "data//sprite//playerstachelMR.png", "data//sprite//playerfaceZorn.png", "data//sprite//gegner1eye.png",
    "data//sprite//zahnradklein_gd_us.png", "data//sprite//schildp2.png", "data//sprite//tree1.png",
    "data//menusprite//sky.png", "data//menusprite//logo.png", "data//menusprite//buttons//vopauswahl_felsvop_white.png",
    "data//menusprite//buttons//schrift//ch3fr.png", "data//banner.bmp", "data//fvs//Stone_Vop_move_loop.wav",
    "data//fvs//Vops_explode.wav", "data//fvm//FV_Piano.OGG", "data//language//it.ini",
    "data\\shader\\GaussianBlur.fx", "data//FVf.ttf",
};

}  // namespace

TEST(Determinism, GeneratingTwiceGivesTheSameBytes) {
  std::string a = MakeTempFolder(), b = MakeTempFolder();
  ASSERT_FALSE(a.empty());
  ASSERT_FALSE(b.empty());
  GenContext ctxA{a, FV_FONT_SOURCE, FV_FONT_LICENCE}, ctxB{b, FV_FONT_SOURCE, FV_FONT_LICENCE};
  GenContext built{"data", FV_FONT_SOURCE, FV_FONT_LICENCE};
  for (const char* path : kSamples) {
    const DataFile* file = FindDataFile(path);
    ASSERT_NE(file, nullptr) << path;
    ASSERT_TRUE(file->generate(*file, ctxA)) << path;
    ASSERT_TRUE(file->generate(*file, ctxB)) << path;
    std::string first = ReadAll(OutputPathFor(ctxA, path)), second = ReadAll(OutputPathFor(ctxB, path));
    EXPECT_FALSE(first.empty()) << path;
    EXPECT_TRUE(first == second) << path << " differs between two runs";
    EXPECT_TRUE(first == ReadAll(OutputPathFor(built, path))) << path << " differs from the built data folder";
  }
  RemoveFolder(a);
  RemoveFolder(b);
}

TEST(Determinism, OutputPathsFoldTheGamesSeparators) {
  GenContext ctx{"/tmp/x", "", ""};
  EXPECT_EQ(OutputPathFor(ctx, "data//sprite//tree1.png"), "/tmp/x/sprite/tree1.png");
  EXPECT_EQ(OutputPathFor(ctx, "data\\shader\\BloomExtract.fx"), "/tmp/x/shader/BloomExtract.fx");
  EXPECT_EQ(OutputPathFor(ctx, "data/fvm//8.ogg"), "/tmp/x/fvm/8.ogg");
  EXPECT_EQ(OutputPathFor(ctx, "data//fvs//Cannon Blast.wav"), "/tmp/x/fvs/Cannon Blast.wav");
}
