// A design source with a mistake is refused with a message that names the
// file, the line and what is wrong, so a designer can mend it at once.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/TestFiles.h"
#include "tools/levelgen/LevelSource.h"

namespace {

class LevelSource : public ::testing::Test {
protected:
    void SetUp() override { folder = testfiles::MakeTempDir("fv-lvl-"); }
    void TearDown() override
    {
        std::remove(path.c_str());
        std::remove(folder.c_str());
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

}  // namespace
