// The camera following the Vop, its dead zone, the look-around and the level's edges.
#include <gtest/gtest.h>

#include "GameplayTestSupport.h"
#include "engine/InputDevices.h"
#include "platform/Keyboard.h"

using namespace gameplay_test;

namespace {

class CameraTest : public GameplayTest {
protected:
    Picture picture{8192, 2048};
    void SetUp() override
    {
        GameplayTest::SetUp();
        Load(MakeTestRecord(8192, 2048, 3000, 1000), picture);
        padConnected = 0;
        joystickFound = 0;
        for (uint8_t& k : keyboardState) k = 0;
    }
};

TEST_F(CameraTest, FollowsXAndKeepsYInsideTheDeadBand)
{
    cameraBaseY = 500;
    UpdateCamera();
    EXPECT_EQ(cameraBaseX, 2488);
    EXPECT_EQ(cameraBaseY, 523);
    screenWidth = 1365;
    playerX = 1000;
    UpdateCamera();
    EXPECT_EQ(cameraBaseX, 317);
}

TEST_F(CameraTest, NeverShowsOutsideTheLevel)
{
    playerX = 100;
    playerY = 50;
    UpdateCamera();
    EXPECT_EQ(cameraX, 0);
    EXPECT_EQ(cameraY, 0);
    playerX = 8100;
    playerY = 2000;
    UpdateCamera();
    EXPECT_EQ(cameraX, 8192 - 1024);
    EXPECT_EQ(cameraY, 2048 - 768);
}

TEST_F(CameraTest, LookingRightWithTheKeypadAndSpringingBack)
{
    keyboardState[DIK_NUMPAD6] = 0x80;
    actionLookRight = 1;
    int ticks = 0;
    while (lookX < 350.0f && ticks < 100) {
        UpdateCamera();
        ++ticks;
    }
    EXPECT_EQ(ticks, 44);
    keyboardState[DIK_NUMPAD6] = 0;
    actionLookRight = 0;
    for (int t = 0; t < 50; ++t) UpdateCamera();
    EXPECT_FLOAT_EQ(lookX, 0.0f);
}

TEST_F(CameraTest, ALookCutByTheLeftEdgeRestsSlightlyPositive)
{
    playerX = 600;
    keyboardState[DIK_NUMPAD4] = 0x80;
    actionLookLeft = 1;
    for (int t = 0; t < 60; ++t) UpdateCamera();
    EXPECT_EQ(cameraX, 0);
    keyboardState[DIK_NUMPAD4] = 0;
    actionLookLeft = 0;
    for (int t = 0; t < 60; ++t) UpdateCamera();
    EXPECT_GE(lookX, 0.0f);
    EXPECT_LT(lookX, 7.0f);
}

}  // namespace
