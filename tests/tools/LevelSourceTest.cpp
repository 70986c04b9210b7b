// A design source with a mistake is refused with a message that names the
// file, the line and what is wrong, so a designer can mend it at once.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/TestFiles.h"
#include "tools/levelgen/LevelSource.h"

namespace {

class LevelSource : public ::testing::Test {
protected:
    void SetUp() override { folder = testfiles::MakeTempDir("fv-lvl-"); }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // Reads a source made of a valid header and the given lines.
    bool Read(const std::string& body)
    {
        path = folder + "/rec07.lvl";
        FILE* f = std::fopen(path.c_str(), "w");
        if (f == nullptr) return false;
        std::fputs(("record 7\nsize 4096 1024\nfolder w8\n" + body).c_str(), f);
        std::fclose(f);
        error.clear();
        return ReadLevelDesign(path, design, error);
    }

    std::string folder, path, error;
    LevelDesign design;
};

TEST_F(LevelSource, AWellFormedSourceReadsItsTerrainAndObjects)
{
    ASSERT_TRUE(Read("ground 0 700 \\\n  4096 700\nwalker 3 500 660 400 600 2 1\nheat 3 40\n")) << error;
    ASSERT_EQ(design.shapes.size(), 1u);
    EXPECT_EQ(design.shapes[0].xs.size(), 4u);  // the two points and the two bottom corners
    ASSERT_EQ(design.objects.size(), 1u);
    EXPECT_EQ(design.objects[0].slot, 3);
    EXPECT_EQ(design.objects[0].args.size(), 6u);
    ASSERT_EQ(design.marks.size(), 1u);
}

TEST_F(LevelSource, AWordThatIsNotANumberIsNamedWithItsLine)
{
    EXPECT_FALSE(Read("ground 0 700 4096 700\nwalker 3 500 660 400 600 2 left\n"));
    EXPECT_NE(error.find(":5: not a number: \"left\""), std::string::npos) << error;
    EXPECT_FALSE(Read("heat three 40\n"));
    EXPECT_NE(error.find(":4: not a number: \"three\""), std::string::npos) << error;
}

TEST_F(LevelSource, MistakesInObjectsAreRefused)
{
    EXPECT_FALSE(Read("walker\n"));
    EXPECT_NE(error.find("walker needs a slot"), std::string::npos) << error;
    EXPECT_FALSE(Read("bouncer 2 100\n"));
    EXPECT_NE(error.find("bouncer takes 3 to 5 numbers"), std::string::npos) << error;
    EXPECT_FALSE(Read("empty 4\nempty 4\n"));
    EXPECT_NE(error.find("slot 4 placed twice"), std::string::npos) << error;
    // The game takes a bounce as a whole number: 7.5 would silently become 7.
    EXPECT_FALSE(Read("bouncer 2 100 600 7.5\n"));
    EXPECT_NE(error.find("bouncer takes a whole number as value 3 after the slot, not 7.5"), std::string::npos) << error;
    EXPECT_TRUE(Read("walker 3 500 660 400.5 600.5 2\n")) << "patrol bounds may be fractions: " << error;
    EXPECT_FALSE(Read("spinner 1 2 3\n"));
    EXPECT_NE(error.find("unknown keyword \"spinner\""), std::string::npos) << error;
}

TEST_F(LevelSource, EveryNumberIsBoundedBeforeItBecomesAWholeNumber)
{
    // Converting 1e10 to an int is undefined; the reader stops it first.
    EXPECT_FALSE(Read("decor 0 data//w8//tunnel.png cover 1e10 300 200 100\n"));
    EXPECT_NE(error.find(":4: number outside -1000000..1000000: \"1e10\""), std::string::npos) << error;
    EXPECT_FALSE(Read("ground 0 700 -2e6 700\n"));
    EXPECT_NE(error.find(":4: number outside"), std::string::npos) << error;
    EXPECT_FALSE(Read("walker 1e10 500 660 400 600 2\n"));
    EXPECT_NE(error.find(":4: number outside"), std::string::npos) << error;
    EXPECT_FALSE(Read("row record2BouncerHomeY 770 3e9\n"));
    EXPECT_NE(error.find(":4: number outside"), std::string::npos) << error;
    for (const char* word : {"nan", "inf", "-infinity"}) {
        EXPECT_FALSE(Read(std::string("prop rock ") + word + " 700\n")) << word;
        EXPECT_NE(error.find(":4: not a number"), std::string::npos) << error;
    }
    // Whole numbers where the game takes them, in the range it can use.
    EXPECT_FALSE(Read("record 7.5\n"));
    EXPECT_NE(error.find(":4: record must be a whole number from 0 to 45"), std::string::npos) << error;
    EXPECT_FALSE(Read("record 46\n"));
    EXPECT_NE(error.find(":4: record must be"), std::string::npos) << error;
    EXPECT_FALSE(Read("size 1000000 1024\n"));
    EXPECT_NE(error.find(":4: size must be whole tiles of 1024, at most 15 across and 5 down"), std::string::npos) << error;
    EXPECT_FALSE(Read("size 4096.5 1024\n"));
    EXPECT_NE(error.find(":4: size must be whole tiles"), std::string::npos) << error;
    EXPECT_FALSE(Read("row record2BouncerHomeY 770 770.5\n"));
    EXPECT_NE(error.find(":4: row takes whole numbers"), std::string::npos) << error;
    EXPECT_FALSE(Read("decor 0 data//w8//tunnel.png cover 10.5 300 200 100\n"));
    EXPECT_NE(error.find(":4: decor takes whole numbers"), std::string::npos) << error;
    EXPECT_FALSE(Read("decor 0 data//w8//tunnel.png cover 0 0 5000 100\n"));
    EXPECT_NE(error.find(":4: decor is at most 4096 pixels"), std::string::npos) << error;
    EXPECT_TRUE(Read("size 15360 5120\nground 0 700 15360 700\ndecor 9 data//w8//a.png tree -100 -50 4096 640\n")) << error;
    const struct {
        const char* sky;
        const char* why;
    } badSkies[] = {
        {"sky 40 100 215 0.5\n", ":4: sky takes red, green, blue, an opacity and a depth"},
        {"sky 40 100 300 0.5 200\n", ":4: sky takes whole numbers from 0 to 255"},
        {"sky 40 100.5 215 0.5 200\n", ":4: sky takes whole numbers from 0 to 255"},
        {"sky 40 100 215 1.5 200\n", ":4: sky takes an opacity from 0 to 1"},
        {"sky 40 100 215 0.5 0\n", ":4: sky takes a whole, positive depth"},
    };
    for (const auto& bad : badSkies) {
        EXPECT_FALSE(Read(bad.sky)) << bad.sky;
        EXPECT_NE(error.find(bad.why), std::string::npos) << error;
    }
    ASSERT_TRUE(Read("sky 40 100 215 0.55 220\n")) << error;
    EXPECT_EQ(design.sky.b, 215);
    EXPECT_EQ(design.sky.depth, 220);
}

TEST_F(LevelSource, SlotsLieInsideTheRecordsTables)
{
    EXPECT_FALSE(Read("walker 3 500 660 400 600 2\nheat 68 100\n"));
    EXPECT_NE(error.find(":5: slot outside 0..49"), std::string::npos) << error;
    EXPECT_FALSE(Read("variant -1\n"));
    EXPECT_NE(error.find(":4: slot outside 0..49"), std::string::npos) << error;
    EXPECT_FALSE(Read("colour 50 255 0 0\n"));
    EXPECT_NE(error.find(":4: slot outside 0..49"), std::string::npos) << error;
    EXPECT_FALSE(Read("empty 2.5\n"));
    EXPECT_NE(error.find(":4: slot outside 0..49"), std::string::npos) << error;
    EXPECT_FALSE(Read("decor 10 data//w8//tunnel.png cover 0 0 10 10\n"));
    EXPECT_NE(error.find(":4: decor slot must be a whole number from 0 to 9"), std::string::npos) << error;
    EXPECT_TRUE(Read("empty 49\nwithobjects 49\nheat 0 40\n")) << error;
}

TEST_F(LevelSource, OnlyARegularFileOfSensibleSizeIsRead)
{
    const std::string dirSource = folder + "/rec08.lvl";
    ASSERT_TRUE(std::filesystem::create_directory(dirSource));
    EXPECT_FALSE(ReadLevelDesign(dirSource, design, error));
    EXPECT_NE(error.find("rec08.lvl: is not a regular file"), std::string::npos) << error;

    const std::string fifo = folder + "/rec09.lvl";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    // A reader that waited for a writer would hang the run: ask in a child.
    EXPECT_EXIT(
        {
            alarm(20);
            std::string e;
            LevelDesign d;
            std::_Exit(!ReadLevelDesign(fifo, d, e) && e.find("not a regular file") != std::string::npos ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");

    std::vector<LevelDesign> all;
    EXPECT_FALSE(ReadAllLevelDesigns(folder, all, error));
    EXPECT_NE(error.find("is not a regular file"), std::string::npos) << error;

    EXPECT_FALSE(Read(std::string(2 * 1024 * 1024, '#') + "\n"));
    EXPECT_NE(error.find("rec07.lvl: is far too large"), std::string::npos) << error;
}

// Inputs that once crashed or misled the reader, and the bounds above as
// files: each is read or refused with a message, never more.
TEST(LevelSourceRegressions, EveryKeptInputIsReadOrRefused)
{
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator("tests/tools/fuzz-regressions/levelsource")) {
        const std::string path = entry.path().string();
        LevelDesign d;
        std::string error;
        ++files;
        if (!ReadLevelDesign(path, d, error)) {
            EXPECT_EQ(error.rfind(path + ":", 0), 0u) << "the message names the file: " << error;
            continue;
        }
        EXPECT_GE(d.record, 0) << path;
        EXPECT_LE(d.record, 45) << path;
        for (const TerrainShape& shape : d.shapes)
            for (size_t i = 0; i < shape.xs.size(); ++i)
                EXPECT_TRUE(std::fabs(shape.xs[i]) <= 2e6 && std::fabs(shape.ys[i]) <= 2e6) << path;
        for (const PlacedObject& o : d.objects) EXPECT_TRUE(o.slot >= 0 && o.slot < 50) << path;
        for (const ObjectMark& m : d.marks) EXPECT_TRUE(m.slot >= 0 && m.slot < 50) << path;
        for (const DecorPicture& p : d.decor) EXPECT_TRUE(p.slot >= 0 && p.slot < 10) << path;
    }
    EXPECT_GE(files, 9);
}

}  // namespace
