// The camera following the Vop, its dead zone, the look-around and the level's edges.
#include <gtest/gtest.h>

#include "GameplayTestSupport.h"
#include "engine/GraphicsDevice.h"
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

// The base follows x exactly and moves in y only when the Vop leaves the
// band from 38 % to 62 % of the screen height (291.84 to 476.16 on 768
// lines, 410.4 to 669.6 on 1080), each edge moving it to that edge; the
// view never shows anything outside the level.
TEST_F(CameraTest, FollowsXAndKeepsYInsideTheDeadBand)
{
    const struct {
        int width, height, levelHeight, playerX, playerY, baseY;
        int expectX, expectY;
    } cases[] = {
        {1024, 768, 2048, 3000, 1000, 500, 2488, 523},   // below the band: 1000 - 476.16
        {1365, 768, 2048, 1000, 1000, 500, 317, 523},    // 1000 - 682.5, truncated
        {1024, 768, 2048, 3000, 976, 500, 2488, 500},    // 476 from the top: inside
        {1024, 768, 2048, 3000, 978, 500, 2488, 501},    // 478: 978 - 476.16
        {1024, 768, 2048, 3000, 792, 500, 2488, 500},    // 292: inside
        {1024, 768, 2048, 3000, 791, 500, 2488, 499},    // 291 above the band: 791 - 291.84
        {1024, 768, 2048, 3000, 700, 500, 2488, 408},    // 700 - 291.84
        {1024, 768, 2048, 3000, 1100, 500, 2488, 623},   // 1100 - 476.16
        {1920, 1080, 2048, 3000, 1000, 0, 2040, 330},    // 1000 - 669.6
        {1920, 1080, 2048, 3000, 600, 500, 2040, 189},   // 600 - 410.4
        {1920, 1080, 1024, 3000, 1000, 0, 2040, 0},      // a level lower than the screen
        {1024, 768, 2048, 100, 50, 300, 0, 0},           // kept inside at the top left
        {1024, 768, 2048, 8100, 2000, 300, 7168, 1280},  // and at the bottom right
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " Vop at " << c.playerX
                                        << ", " << c.playerY << " base " << c.baseY);
        screenWidth = c.width;
        screenHeight = c.height;
        levelHeight = c.levelHeight;
        playerX = c.playerX;
        playerY = c.playerY;
        cameraBaseY = c.baseY;
        lookX = lookY = 0;
        UpdateCamera();
        EXPECT_EQ(cameraBaseX, c.expectX);
        EXPECT_EQ(cameraBaseY, c.expectY);
        EXPECT_EQ(cameraX, c.expectX);
        EXPECT_EQ(cameraY, c.expectY);
    }
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

// Released, an offset springs back by 7 a tick to the first value it
// reaches in [0, 7) and stays there.
TEST_F(CameraTest, AReleasedLookSpringsBackToItsRest)
{
    const struct {
        float from, rest;
        int ticks;
    } cases[] = {{350, 0, 50}, {10, 3, 1}, {-10, 4, 2}, {3, 3, 0}, {0, 0, 0}, {-350, 0, 50}};
    for (const auto& c : cases) {
        lookX = lookY = c.from;
        for (int t = 0; t < c.ticks; ++t) UpdateCamera();
        EXPECT_FLOAT_EQ(lookX, c.rest) << c.from << " after " << c.ticks;
        EXPECT_FLOAT_EQ(lookY, c.rest) << c.from << " after " << c.ticks;
        for (int t = 0; t < 20; ++t) UpdateCamera();
        EXPECT_FLOAT_EQ(lookX, c.rest) << c.from << " stays";
    }
}

TEST_F(CameraTest, TheRightStickSetsTheLookSpeedAndTheDirectionComesFromIt)
{
    padConnected = 1;
    padState.Gamepad.sThumbRX = 32767;
    padState.Gamepad.sThumbRY = 32767;
    actionLookLeft = 1;  // held look left, speed to the right: the view goes right
    actionLookUp = 1;
    UpdateCamera();
    EXPECT_NEAR(menuScrollX, 9.83f, 0.01f);
    EXPECT_NEAR(menuScrollY, -9.83f, 0.01f);  // pushing up looks up
    EXPECT_NEAR(lookX, 9.83f, 0.01f);
    EXPECT_NEAR(lookY, -9.83f, 0.01f);
    padState.Gamepad.sThumbRX = padState.Gamepad.sThumbRY = 0;
    padConnected = 0;
}

TEST_F(CameraTest, ALookPastTheRightEndIsCutBackToWhatTheLevelShows)
{
    playerX = 8000;  // base x 8192 - 1024 = 7168
    lookX = 200;
    UpdateCamera();
    EXPECT_EQ(cameraX, 7168);
    EXPECT_FLOAT_EQ(lookX, 0.0f);
    lookX = -200;  // a look back into the level stands
    UpdateCamera();
    EXPECT_EQ(cameraX, 7168 - 193);  // sprung back by 7 first
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
