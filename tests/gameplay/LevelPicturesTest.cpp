// A level start with its picture files: the log keeps its lines and order,
// the pictures fill their slots in order although their files are decoded
// together, and a collision picture that cannot be read whole plays as an
// empty one with "FAIL" in the log, never as half a level.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "GameplayTestSupport.h"
#include "engine/SpriteTexture.h"
#include "platform/SpritePngWriter.h"
#include "support/TestFiles.h"

using namespace gameplay_test;

namespace {

std::string LoadLog(const char* coll) { return std::string(
    "Level wird geladen:\n -Variablen angepasst!\n -Alte Welt released!\n -Welt geladen!\n"
    " -Alte Coll relased!\n") + coll + " -Coll geladen!\n -Coll berechnet!\nLevel geladen!\n"; }

class LevelPicturesTest : public GameplayTest {
protected:
    void SetUp() override
    {
        GameplayTest::SetUp();
        dir = testfiles::MakeTempDir("fv_levelpictures_");
        // A white floor from row 600 down, with navy dots so the file is
        // not all runs.
        floor.assign(size_t(width) * height, 0u);
        for (int y = 600; y < height; ++y)
            for (int x = 0; x < width; ++x) floor[size_t(y) * width + x] = x % 9 == 0 ? navy : white;
        record = MakeTestRecord(width, height, 300, 560);
        collisionPathOverride = nullptr;
    }
    void TearDown() override
    {
        collisionPathOverride = nullptr;
        levelPicturesEnabled = 0;
        for (const std::string& p : written) std::remove(p.c_str());
        rmdir(dir.c_str());
        GameplayTest::TearDown();
    }
    std::string WriteColl(const char* name, int w, int h, const std::vector<uint32_t>& argb)
    {
        const std::string path = dir + "/" + name;
        EXPECT_TRUE(testpng::WritePng(path, w, h, argb));
        written.push_back(path);
        return path;
    }
    // Loads the level from its files; returns standard output, keeps the
    // standard error.
    std::string LoadFromFiles()
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        LoadLevel(record);
        errors = testing::internal::GetCapturedStderr();
        return testing::internal::GetCapturedStdout();
    }
    bool FloorIsSolid() const { return IsSolidForHead(500, 700) && IsSolidForHead(2000, 1000); }

    const int width = 2048, height = 1024;
    std::vector<uint32_t> floor;
    LevelRecord record;
    std::string dir, errors;
    std::vector<std::string> written;
};

TEST_F(LevelPicturesTest, AWholeCollisionPictureLogsOkAndIsSampled)
{
    const std::string path = WriteColl("coll.png", width, height, floor);
    std::snprintf(record.collFile, levelNameSize, "%s", path.c_str());
    ASSERT_LT(path.size(), size_t(levelNameSize));
    EXPECT_EQ(LoadFromFiles(), LoadLog("OK"));
    EXPECT_EQ(errors, "");
    EXPECT_TRUE(FloorIsSolid());
    EXPECT_FALSE(IsSolidForHead(500, 500));
    EXPECT_EQ(collPixels[700 * collPitch + 9], navy);
}

TEST_F(LevelPicturesTest, ACollisionPictureThatCannotBeReadWholePlaysEmptyAndLogsFail)
{
    const std::string whole = WriteColl("whole.png", width, height, floor);
    std::vector<char> bytes(1 << 24);
    FILE* f = std::fopen(whole.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
    std::fclose(f);
    // Cut off the second half: the file still has its upper rows, which
    // were once taken for the whole picture.
    const std::string cut = dir + "/cut.png";
    written.push_back(cut);
    f = std::fopen(cut.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size() / 2, f);
    std::fclose(f);
    const std::string small = WriteColl("small.png", 64, 64, std::vector<uint32_t>(64 * 64, white));

    struct Case {
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {cut, "is cut short or damaged"},
        {dir + "/missing.png", "cannot be read"},
        {small, "is 64 x 64, the level is 2048 x 1024"},
        {dir, "is not a regular file"},
    };
    for (const Case& c : cases) {
        // Each starts after a level that had ground, so nothing is left of it.
        collisionPathOverride = whole.c_str();
        LoadFromFiles();
        ASSERT_TRUE(FloorIsSolid());
        collisionPathOverride = c.path.c_str();
        EXPECT_EQ(LoadFromFiles(), LoadLog("FAIL")) << c.path;
        EXPECT_NE(errors.find(c.path), std::string::npos) << errors;
        EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
        EXPECT_EQ(levelWidth, width);
        EXPECT_EQ(levelHeight, height);
        EXPECT_FALSE(FloorIsSolid()) << c.path;
        EXPECT_EQ(collPixels[700 * collPitch + 9], 0u) << c.path;
    }
}

TEST_F(LevelPicturesTest, TilesAndDecorationsFillTheirSlotsInOrder)
{
    levelPicturesEnabled = 1;
    record.tileRows = 2;
    record.tileCols = 3;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            const std::string tile = testfiles::WriteGreyBmp(
                dir + "/t" + std::to_string(r) + std::to_string(c) + ".bmp", 8 + 4 * c, 4 + r, 90);
            written.push_back(tile);
            std::snprintf(record.tileFiles[r][c], levelNameSize, "%s", tile.c_str());
        }
    record.decorCount = 2;
    std::snprintf(record.decorFiles[0], levelNameSize, "%s", record.tileFiles[0][0]);
    std::snprintf(record.decorFiles[1], levelNameSize, "%s/none.png", dir.c_str());
    const std::string path = WriteColl("coll.png", width, height, floor);
    collisionPathOverride = path.c_str();
    // A slot outside the level keeps what an earlier level put there.
    levelTiles[4][14].Load(record.tileFiles[1][2]);
    const uint32_t kept = TextureId(levelTiles[4][14].texture);

    EXPECT_EQ(LoadFromFiles(), LoadLog("OK"));
    uint32_t last = kept;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            const PlatformTexture* t = levelTiles[r][c].texture;
            ASSERT_NE(t, nullptr);
            EXPECT_GT(TextureId(t), last) << "tile " << r << c << " made out of order";
            last = TextureId(t);
            EXPECT_EQ(TextureWidth(t), NextPowerOfTwo(8 + 4 * c));
            EXPECT_EQ(TextureHeight(t), NextPowerOfTwo(4 + r));
        }
    ASSERT_NE(levelDecor[0].texture, nullptr);
    EXPECT_GT(TextureId(levelDecor[0].texture), last);
    EXPECT_EQ(levelDecor[1].texture, nullptr);  // missing: nothing drawn, nothing said
    EXPECT_EQ(errors, "");
    EXPECT_EQ(TextureId(levelTiles[4][14].texture), kept);
    EXPECT_TRUE(FloorIsSolid());
}

}  // namespace
