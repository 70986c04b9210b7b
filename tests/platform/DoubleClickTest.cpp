// The second press of a double-click is not a click: within the desktop's
// time and distance of the first press it is taken apart, a third press
// counts again, and a slow or distant second press is a click of its own.
#include <gtest/gtest.h>

#include "platform/DoubleClick.h"

namespace {

constexpr DoubleClickRule kRule = {400, 5};

TEST(DoubleClick, TheSecondPressWithinTimeAndDistanceIsTakenApart)
{
    PressHistory presses = {};
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&presses, kRule, 1000, 100, 100));
    EXPECT_TRUE(IsSecondPressOfDoubleClick(&presses, kRule, 1400, 105, 95)) << "at the limits";
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&presses, kRule, 1500, 105, 95))
        << "a third press starts a new pair";
    EXPECT_TRUE(IsSecondPressOfDoubleClick(&presses, kRule, 1550, 104, 96));
}

TEST(DoubleClick, ASlowOrDistantSecondPressIsAClick)
{
    PressHistory presses = {};
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&presses, kRule, 1000, 100, 100));
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&presses, kRule, 1401, 100, 100)) << "too late";
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&presses, kRule, 1500, 106, 100)) << "too far";
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&presses, kRule, 1600, 106, 94)) << "too far up";
    EXPECT_TRUE(IsSecondPressOfDoubleClick(&presses, kRule, 1700, 106, 94))
        << "measured from the latest press, not the first";
}

TEST(DoubleClick, ForgottenPressesAndOddTimesStartAfresh)
{
    PressHistory presses = {};
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&presses, kRule, 1000, 10, 10));
    ForgetPresses(&presses);  // another button, or the focus went away
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&presses, kRule, 1100, 10, 10));

    // A clock that went backwards is no double-click.
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&presses, kRule, 900, 10, 10));

    // A desktop without double-clicks: every press is a click.
    const DoubleClickRule none = {0, 5};
    PressHistory other = {};
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&other, none, 1000, 10, 10));
    EXPECT_FALSE(IsSecondPressOfDoubleClick(&other, none, 1000, 10, 10));
}

TEST(DoubleClick, TheDesktopRuleIsUsable)
{
    const DoubleClickRule rule = DesktopDoubleClickRule();
    EXPECT_GE(rule.timeMs, 0);
    EXPECT_GE(rule.distancePx, 0);
    EXPECT_EQ(DesktopDoubleClickRule().timeMs, rule.timeMs) << "read once";
}

}  // namespace
