// A search's travel toward a target x goes the way the target lies from the
// Vop, whichever way the level's goal lies, and ends once the Vop is there.
#include <gtest/gtest.h>

#include "tools/replaysearch/ReplayTravel.h"

namespace {

TEST(ReplaySearchTravelTest, HeadsForTheTargetWhateverSideTheGoalIsOn)
{
    // A stage east of the Vop on a level whose goal lies west of its start.
    EXPECT_EQ(TravelDirection(2100, 2900), 1);
    EXPECT_FALSE(ReachedTravelTarget(TravelDirection(2100, 2900), 2900, 2100));
    // And a stage west of it.
    EXPECT_EQ(TravelDirection(2100, 400), -1);
    EXPECT_FALSE(ReachedTravelTarget(TravelDirection(2100, 400), 400, 2100));
}

TEST(ReplaySearchTravelTest, EndsAtTheTargetOrPastIt)
{
    EXPECT_TRUE(ReachedTravelTarget(1, 2900, 2900));
    EXPECT_TRUE(ReachedTravelTarget(1, 2900, 2911));
    EXPECT_FALSE(ReachedTravelTarget(1, 2900, 2899));
    EXPECT_TRUE(ReachedTravelTarget(-1, 400, 400));
    EXPECT_TRUE(ReachedTravelTarget(-1, 400, 390));
    EXPECT_FALSE(ReachedTravelTarget(-1, 400, 401));
    // Standing on the target: already there, whichever way.
    EXPECT_TRUE(ReachedTravelTarget(TravelDirection(700, 700), 700, 700));
}

}  // namespace
