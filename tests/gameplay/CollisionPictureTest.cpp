// Sampling the collision picture: the row probe, the border rule, the deadly
// test near the picture's edges, and what a missing or wrong picture becomes.
#include <gtest/gtest.h>

#include <cstdio>

#include "GameplayTestSupport.h"

using namespace gameplay_test;

namespace {

class CollisionPictureTest : public GameplayTest {};

TEST_F(CollisionPictureTest, RowProbeSeesWhiteAndSilverButNotNavy)
{
    Picture p(2048, 1024);
    Load(MakeTestRecord(2048, 1024, 500, 500), p);
    EXPECT_FALSE(IsSolidRow(500, 500, 10, 40));
    p.Set(508, 540, navy);
    EXPECT_FALSE(IsSolidRow(500, 500, 10, 40));
    p.Set(508, 540, silver);
    EXPECT_TRUE(IsSolidRow(500, 500, 10, 40));
    p.Set(508, 540, white);
    EXPECT_TRUE(IsSolidRow(500, 500, 10, 40));
    // Samples run from x - 10 to x + 8 every second pixel.
    p.Set(508, 540, empty);
    p.Set(509, 540, white);
    EXPECT_FALSE(IsSolidRow(500, 500, 10, 40));
    p.Set(490, 540, white);
    EXPECT_TRUE(IsSolidRow(500, 500, 10, 40));
}

TEST_F(CollisionPictureTest, TheBorderIsSolidOnAllFourSides)
{
    Picture p(2048, 1024);
    Load(MakeTestRecord(2048, 1024, 500, 500), p);
    EXPECT_TRUE(IsSolidRow(10, 500, 10, 0));     // a sample at x = 0
    EXPECT_FALSE(IsSolidRow(12, 500, 10, 0));
    EXPECT_TRUE(IsSolidRow(500, -40, 10, 40));   // row 0
    EXPECT_TRUE(IsSolidRow(500, 979, 10, 40));   // row 1019 = height - 5
    EXPECT_FALSE(IsSolidRow(500, 978, 10, 40));
    EXPECT_TRUE(IsSolidRow(2044, 500, 1, 0));    // its one sample at x 2043 = width - 5
    EXPECT_FALSE(IsSolidRow(2043, 500, 1, 0));
    EXPECT_TRUE(IsSolidForHead(2043, 500));
    EXPECT_FALSE(IsSolidForHead(2042, 500));
    // With halfWidth 0 nothing is sampled, even at the border.
    EXPECT_FALSE(IsSolidRow(0, 0, 0, 0));
}

TEST_F(CollisionPictureTest, DeadlySamplePoints)
{
    Picture p(2048, 1024);
    Load(MakeTestRecord(2048, 1024, 500, 500), p);
    p.Set(540, 540, navy);  // (x + 40, y + 40) is not sampled
    EXPECT_FALSE(TouchesDeadlyPixel(500, 500, 40, collPitch, collPixels));
    p.Set(500, 545, navy);
    EXPECT_TRUE(TouchesDeadlyPixel(500, 500, 40, collPitch, collPixels));
    p.Set(500, 545, empty);
    p.Set(460, 460, navy);
    EXPECT_TRUE(TouchesDeadlyPixel(500, 500, 40, collPitch, collPixels));
}

TEST_F(CollisionPictureTest, DeadlyTestOutsideThePictureIsNotDeadly)
{
    // Navy at the start of row 501 would be found at (x + 40, 500) if the
    // index ran past the end of row 500; and the points below the last row
    // must not be read at all.
    Picture p(2048, 1024);
    Load(MakeTestRecord(2048, 1024, 500, 500), p);
    p.Set(0, 501, navy);
    p.Set(2047, 499, navy);
    EXPECT_FALSE(TouchesDeadlyPixel(2048 - 17, 500, 40, collPitch, collPixels));  // x + 40 beyond the right edge
    EXPECT_FALSE(TouchesDeadlyPixel(12, 500, 40, collPitch, collPixels));          // x - 40 beyond the left edge
    EXPECT_FALSE(TouchesDeadlyPixel(500, 1024 - 45, 40, collPitch, collPixels));   // y + 45 on the last row
    EXPECT_FALSE(TouchesDeadlyPixel(500, 1020, 40, collPitch, collPixels));        // below the picture
    EXPECT_FALSE(TouchesDeadlyPixel(500, 20, 40, collPitch, collPixels));          // above it
    EXPECT_FALSE(TouchesDeadlyPixel(500, 500, 40, collPitch, nullptr));
}

TEST_F(CollisionPictureTest, AMissingPictureBecomesAnEmptyPictureOfTheLevelSize)
{
    LevelRecord r = MakeTestRecord(3072, 2048, 500, 500);
    ProvideCollisionPicture(nullptr, 0, 0, 0);
    LoadLevel(r);
    EXPECT_EQ(levelWidth, 3072);
    EXPECT_EQ(levelHeight, 2048);
    ASSERT_NE(collPixels, nullptr);
    EXPECT_FALSE(IsSolidRow(3000, 1900, 10, 40));
    EXPECT_TRUE(IsSolidRow(3000, 2003, 10, 40));  // the border still holds
    EXPECT_FALSE(TouchesDeadlyPixel(3000, 1990, 40, collPitch, collPixels));
}

TEST_F(CollisionPictureTest, APictureOfTheWrongSizeIsNotUsed)
{
    Picture small(1024, 1024);
    small.Fill(0, 0, 1023, 1023, white);
    ProvideCollisionPicture(small.pixels.data(), 1024, 1024, 1024);
    LoadLevel(MakeTestRecord(2048, 1024, 500, 500));
    EXPECT_EQ(levelWidth, 2048);
    EXPECT_FALSE(IsSolidRow(1500, 500, 10, 40));
    EXPECT_FALSE(IsSolidRow(500, 500, 10, 40));
}

TEST_F(CollisionPictureTest, APictureFileOfTheWrongSizeIsNotUsed)
{
    // A PNG header announcing 16 x 16 pixels.
    const char* path = "/tmp/fv-coll-wrong-size.png";
    FILE* f = std::fopen(path, "wb");
    ASSERT_NE(f, nullptr);
    const unsigned char head[24] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                    0,    0,   0,   16,  0,    0,    0,    16};
    std::fwrite(head, 1, sizeof head, f);
    std::fclose(f);
    ProvideCollisionPicture(nullptr, 0, 0, 0);
    collisionPathOverride = path;
    LoadLevel(MakeTestRecord(2048, 1024, 500, 500));
    collisionPathOverride = nullptr;
    std::remove(path);
    EXPECT_EQ(levelWidth, 2048);
    EXPECT_FALSE(IsSolidRow(500, 500, 10, 40));
}

}  // namespace
