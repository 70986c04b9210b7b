// The fixed tick of the main loop: when a tick is due, that small delays keep
// the beat while late ticks are dropped, and what one tick does with the
// stored click and an exit.
#include <gtest/gtest.h>

#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "game/MainLoop.h"
#include "gameplay/LevelLoading.h"
#include "shared/GameStates.h"
#include "tools/harness/Harness.h"

namespace {

class TickClock : public ::testing::Test {
protected:
    void SetUp() override
    {
        perfFrequency = 600;
        ticksPerSecond = 60;
        tickCounter = 0;
        nextTickTime = 100;
    }
    void TearDown() override { ticksPerSecond = 60; }
};

TEST_F(TickClock, ATickIsDueOnlyOnceTheClockHasPassedItsTime)
{
    EXPECT_FALSE(TickDue(99));
    EXPECT_FALSE(TickDue(100)) << "strictly after the due time";
    EXPECT_TRUE(TickDue(101));
    EXPECT_EQ(tickLength, 10);
    EXPECT_EQ(tickCounter, 1);
}

TEST_F(TickClock, AWakeUpLateByLessThanATickKeepsTheBeat)
{
    EXPECT_TRUE(TickDue(101));
    EXPECT_EQ(nextTickTime, 110) << "counted from the due time, not from the wake-up";
    EXPECT_TRUE(TickDue(119));
    EXPECT_EQ(nextTickTime, 120) << "late by 9 of 10: still on the beat";
    EXPECT_FALSE(TickDue(120));
}

TEST_F(TickClock, SmallDelaysDoNotAddUp)
{
    // Every wake-up 3 units after its due time, a second long: exactly one
    // tick per tick length, where counting from the wake-up ran 60 * 10/13.
    int64_t now = 0;
    int ran = 0;
    for (int pass = 0; pass < 60; ++pass) {
        now = nextTickTime + 3;
        if (TickDue(now))
            ++ran;
    }
    EXPECT_EQ(ran, 60);
    EXPECT_EQ(nextTickTime, 100 + 60 * 10);
    EXPECT_EQ(now, 100 + 59 * 10 + 3);
}

TEST_F(TickClock, AWakeUpLateByATickOrMoreDropsTheMissedTicks)
{
    EXPECT_TRUE(TickDue(110));
    EXPECT_EQ(nextTickTime, 120) << "late by exactly one tick length: counted from now";
    EXPECT_TRUE(TickDue(5000));
    EXPECT_FALSE(TickDue(5005));
    EXPECT_FALSE(TickDue(5010));
    EXPECT_TRUE(TickDue(5011)) << "one tick for the stall, the next one after it";
    EXPECT_EQ(nextTickTime, 5020);
    EXPECT_EQ(tickCounter, 3);
}

TEST_F(TickClock, ThirtyTicksASecondDoubleTheTickLength)
{
    ticksPerSecond = 30;
    EXPECT_TRUE(TickDue(101));
    EXPECT_EQ(tickLength, 20);
    EXPECT_EQ(nextTickTime, 120);
}

class OneTick : public ::testing::Test {
protected:
    void SetUp() override
    {
        HarnessConfig config;
        ASSERT_TRUE(HarnessInit(config));
    }
    void TearDown() override { quitPosted = 0; }
};

TEST_F(OneTick, AClickIsSeenByOneTickAndClearedAfterIt)
{
    HarnessStartAtState(Credits);
    transitionCurtain = 20;
    barsOpen = 1;
    HarnessClick();
    HarnessTick();
    EXPECT_EQ(mouseClicked, 0);
    EXPECT_EQ(transitionIdle, 0) << "the credits took the click";
}

TEST_F(OneTick, AnExitButtonEndsTheLoopAfterItsTick)
{
    HarnessConfig config;
    config.limitTo30Fps = 1;
    ASSERT_TRUE(HarnessInit(config));
    HarnessStartAtState(MainMenu);
    transitionCurtain = 20;
    barsOpen = 1;
    HarnessSetPointer(70, screenHeight - 86);  // the exit button
    HarnessClick();
    StartClock();
    nextTickTime = perfNow;  // the first tick is due at once
    const int before = tickCounter;
    EXPECT_EQ(RunMainLoop(), 0);
    EXPECT_EQ(quitPosted, 1);
    EXPECT_EQ(tickCounter, before + 1) << "no tick runs after the window is gone";
    EXPECT_EQ(mouseClicked, 0) << "the tick was finished";
}

}  // namespace
