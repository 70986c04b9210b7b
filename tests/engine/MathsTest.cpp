#include "engine/Maths.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(DistanceVolume, IsFullWithinRangeAndFallsHyperbolicallyBeyondIt)
{
    EXPECT_FLOAT_EQ(DistanceVolume(10, 10, 10, 10, 200.0f, 1.4f), 1.0f);
    EXPECT_FLOAT_EQ(DistanceVolume(0, 0, 200, 0, 200.0f, 1.4f), 1.0f);
    EXPECT_NEAR(DistanceVolume(0, 0, 300, 400, 200.0f, 1.4f), 200.0f / 620.0f, 1e-6);
    // Half volume at range + range / falloff.
    EXPECT_NEAR(DistanceVolume(0, 0, 400, 0, 200.0f, 1.0f), 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(DistanceVolume(0, 0, 5000, 0, 200.0f, 0.0f), 1.0f);
}

TEST(SinglePrecisionMaths, RoundsTheDoubleResultOnce)
{
    EXPECT_EQ(SinF(0.0f), 0.0f);
    EXPECT_EQ(PowF(2.0f, 10.0f), 1024.0f);
    EXPECT_EQ(SinF(1.0f), static_cast<float>(std::sin(1.0)));
}

TEST(EaseAndDistance, EaseSwingsPastItsEndAndDistanceIncludesTheRadius)
{
    EXPECT_NEAR(EaseBetween(10, 20, 0), 10.0f, 1e-4);
    EXPECT_NEAR(EaseBetween(10, 20, 50), 15.0f, 1e-3);
    EXPECT_NEAR(EaseBetween(10, 20, 100), 20.0f, 1e-4);
    EXPECT_LT(EaseBetween(10, 20, 150), 20.0f);  // swings back, not clamped
    EXPECT_TRUE(IsWithinDistance(0, 0, 3, 4, 5));
    EXPECT_FALSE(IsWithinDistance(0, 0, 3, 4, 4.99f));
}
