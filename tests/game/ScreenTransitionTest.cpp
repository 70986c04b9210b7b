// The bars of a screen change: how fast they open and close, when the
// screen switches, and which presses they let through.
#include <gtest/gtest.h>

#include "engine/Settings.h"
#include "game/ScreenTransition.h"

namespace {

class ScreenTransition : public ::testing::Test {
protected:
    void SetUp() override
    {
        screenHeight = 768;
        transitionCurtain = ClosedCurtain();
        transitionIdle = 1;
        barsOpen = 0;
        nextState = 0;
    }
};

TEST_F(ScreenTransition, MenuBarsOpenFrom384To16In46StepsAndGoLiveOnThe47th)
{
    int steps = 0;
    while (barsOpen == 0) {
        OpenBarsStep(menuBarsOpenTarget);
        ++steps;
        if (steps < 47) {
            EXPECT_FALSE(ButtonsLive());
        }
    }
    EXPECT_EQ(steps, 47);
    EXPECT_EQ(transitionCurtain, 16);
    EXPECT_TRUE(ButtonsLive());
}

TEST_F(ScreenTransition, ClosingReachesHalfHeightIn46StepsAndSwitchesOneStepLater)
{
    transitionCurtain = 16;
    barsOpen = 1;
    StartTransition(OptionsMenu);
    EXPECT_EQ(nextState, OptionsMenu);
    EXPECT_FALSE(ButtonsLive()) << "a running transition takes no presses";

    int steps = 0;
    while (!CloseBarsStep())
        ++steps;
    EXPECT_EQ(steps, 46);
    EXPECT_EQ(transitionCurtain, 384);
    EXPECT_EQ(transitionIdle, 1);
    EXPECT_EQ(barsOpen, 0);
    EXPECT_FALSE(CloseBarsStep()) << "no transition runs after the switch";
    EXPECT_EQ(transitionCurtain, 384);
}

TEST_F(ScreenTransition, InGameBarsOpenAlmostFully)
{
    while (barsOpen == 0)
        OpenBarsStep(inGameBarsOpenTarget);
    EXPECT_EQ(transitionCurtain, 0);
}

TEST_F(ScreenTransition, OddScreenHeightsUseTheTruncatedHalf)
{
    screenHeight = 1081;
    EXPECT_EQ(ClosedCurtain(), 540);
    transitionCurtain = 536;
    StartTransition(MainMenu);
    EXPECT_FALSE(CloseBarsStep());
    EXPECT_EQ(transitionCurtain, 544);
    EXPECT_TRUE(CloseBarsStep());
}

TEST(GameStateValues, OnlyTheScreensOfTheGameAreStates)
{
    for (int state : {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 15})
        EXPECT_TRUE(IsKnownGameState(state)) << state;
    for (int state : {-1, 7, 11, 14, 16})
        EXPECT_FALSE(IsKnownGameState(state)) << state;
    for (int state : {2, 5, 6, 8, 9, 10})
        EXPECT_TRUE(ShowsTotalScore(state)) << state;
    for (int state : {0, 1, 3, 4, 7, 15})
        EXPECT_FALSE(ShowsTotalScore(state)) << state;
}

}  // namespace
