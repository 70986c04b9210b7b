// Enemies and machines on screen: where their bodies and eyes are, how hot
// an enemy looks, and which layer each gear and cannon is drawn in.
#include "InGameRenderFixture.h"

#include "screens/LevelObjectDrawing.h"

using namespace drawtest;

namespace {

class ObjectDrawingTest : public DrawingTest {
protected:
    LevelObject& Add(int kind, int state = ObjAlive)
    {
        LevelObject& o = currentLevel.objects[currentLevel.objectCount++];
        o.objKind = kind;
        o.objState = state;
        o.objX = o.homeX = 300;
        o.objY = o.homeY = 200;
        o.objColour[0] = 90;
        o.objColour[1] = 100;
        o.objColour[2] = 110;
        o.objAlpha = 255;
        return o;
    }
    uint32_t WalkerEye(float heat)
    {
        currentLevel.objects[0].heat = heat;
        ResetBatchLog();
        DrawLevelObjects();
        return DrawsOf(enemyEyeSprite).at(0)->colour;
    }
};

TEST_F(ObjectDrawingTest, WalkerBodyThenEyeOnePixelBelowItsPosition)
{
    LevelObject& w = Add(KindWalker);
    w.objX = 340;  // 40 pixels from home: rolled 40 degrees
    cameraX = 100;
    cameraY = 50;
    DrawLevelObjects();
    ASSERT_EQ(BatchLogCount(), 2);
    const BatchRecord& body = BatchLog()[0];
    const BatchRecord& eye = BatchLog()[1];
    EXPECT_EQ(body.textureId, IdOf(enemyBodySprites[0]));
    EXPECT_EQ(eye.textureId, IdOf(enemyEyeSprite));
    EXPECT_LANDS(body, 40, 40, 240, 151);
    EXPECT_LANDS(eye, 40, 40, 240, 151);
    ExpectShape(body, 40 * 3.1415927f / 180, 1.06f + 0.0f / 12, 1.06f + 1.0f / 12);
    EXPECT_EQ(body.colour, Argb(255, 90, 100, 110));
}

TEST_F(ObjectDrawingTest, EyeReddensWithHeat)
{
    Add(KindWalker);
    EXPECT_EQ(WalkerEye(0), 0xFFFFFFFFu);
    EXPECT_EQ(WalkerEye(255), Argb(255, 255, 0, 0));
    EXPECT_EQ(WalkerEye(100.7f), Argb(255, 255, 155, 155));
    // With the bloom on the eye reddens 50 steps sooner, never below 0.
    shaderEnabled = 1;
    EXPECT_EQ(WalkerEye(100), Argb(255, 255, 105, 105));
    EXPECT_EQ(WalkerEye(210), Argb(255, 255, 0, 0));
    // A popping walker is not lowered.
    currentLevel.objects[0].objState = ObjPopping;
    EXPECT_EQ(WalkerEye(100), Argb(255, 255, 155, 155));
}

TEST_F(ObjectDrawingTest, CheckpointEnemyHasAGreenEyeOnlyWithCheckpointsOn)
{
    Add(KindWalker).checkpointObject = 1;
    EXPECT_EQ(WalkerEye(0), 0xFFFFFFFFu);
    EXPECT_EQ(WalkerEye(155), Argb(255, 100, 255, 100));
    checkpointsEnabled = 0;
    EXPECT_EQ(WalkerEye(155), Argb(255, 255, 100, 100));
}

TEST_F(ObjectDrawingTest, EyeLidIsSetForEverySlot)
{
    Add(KindWalker).blinkLid = 20;
    Add(KindWalker, ObjInactive).blinkLid = 45;
    DrawLevelObjects();
    const auto eyes = DrawsOf(enemyEyeSprite);
    ASSERT_EQ(eyes.size(), 1u);
    EXPECT_EQ(eyes[0]->sourceRect.top, 20);
    EXPECT_EQ(eyes[0]->sourceRect.bottom, 63);
    EXPECT_EQ(eyes[0]->sourceRect.right, 80);
    // The inactive slot still moved the lid: it holds the last slot's value.
    EXPECT_EQ(enemyEyeSprite.sourceRect.top, 45);
}

TEST_F(ObjectDrawingTest, BouncerHeightFollowsItsSquash)
{
    LevelObject& b = Add(KindBouncer);
    b.squash = 0.7f;
    DrawLevelObjects();
    ExpectShape(*DrawsOf(enemyBodySprites[0]).at(0), 0, 0.96f + 1.0f / 17, 0.7f);
    ExpectShape(*DrawsOf(enemyEyeSprite).at(0), 0, 0.96f + 1.0f / 17, 0.7f);
}

TEST_F(ObjectDrawingTest, CeilingDropperHangsFromItsTopEdge)
{
    Add(KindCeilingDropper).heat = 255;
    DrawLevelObjects();
    const BatchRecord& body = *DrawsOf(enemyBodySprites[0]).at(0);
    EXPECT_LANDS(body, 40, 0, 300, 160);
    EXPECT_LANDS(*DrawsOf(enemyEyeSprite).at(0), 40, 40, 300, 200);
    // The dropper's eye is never green.
    currentLevel.objects[0].checkpointObject = 1;
    currentLevel.objects[0].heat = 0;
    currentLevel.objects[0].objState = ObjPopping;
    ResetBatchLog();
    DrawLevelObjects();
    EXPECT_LANDS(*DrawsOf(enemyEyeSprite).at(0), 40, 40, 300, 201);
    EXPECT_EQ(DrawsOf(enemyEyeSprite).at(0)->colour, 0xFFFFFFFFu);
}

TEST_F(ObjectDrawingTest, EachGearIsDrawnInExactlyOneLayer)
{
    Add(KindBigGearCw).drawWithObjects = 1;
    Add(KindSmallGearCcw).drawWithObjects = 0;
    Add(KindBigGearCcw, ObjInactive).drawWithObjects = 1;
    DrawLevelObjects();
    EXPECT_EQ(DrawsOf(bigGearCwSprites[0]).size(), 1u);
    EXPECT_EQ(DrawsOf(smallGearCcwSprites[0]).size(), 0u);
    ResetBatchLog();
    DrawGearsAndCannons();
    EXPECT_EQ(DrawsOf(bigGearCwSprites[0]).size(), 0u);
    ASSERT_EQ(DrawsOf(smallGearCcwSprites[0]).size(), 1u);
    EXPECT_LANDS(*DrawsOf(smallGearCcwSprites[0])[0], 127, 127, 300, 200);
    EXPECT_EQ(DrawsOf(bigGearCcwSprites[0]).size(), 0u);  // inactive: nowhere
}

TEST_F(ObjectDrawingTest, InactiveCannonShowsItsOpaqueBarrelButNoBall)
{
    LevelObject& c = Add(KindCannon, ObjInactive);
    c.objAlpha = 40;
    c.angle = 0.5f;
    c.mrVariant = 1;
    DrawGearsAndCannons();
    ASSERT_EQ(BatchLogCount(), 1);
    EXPECT_EQ(BatchLog()[0].textureId, IdOf(cannonSprites[1]));
    EXPECT_LANDS(BatchLog()[0], 58, 127, 300, 200);
    EXPECT_EQ(BatchLog()[0].colour, Argb(255, 90, 100, 110));
    ResetBatchLog();
    DrawLevelObjects();
    EXPECT_EQ(BatchLogCount(), 0);
}

TEST_F(ObjectDrawingTest, FlyingBallTurnsAndItsEyeHeats)
{
    LevelObject& c = Add(KindCannon);
    c.drawWithObjects = 1;
    c.objX = 360;  // 60 pixels out: 90 degrees turned
    c.heat = 250;
    shaderEnabled = 1;
    DrawLevelObjects();
    ASSERT_EQ(BatchLogCount(), 3);  // ball, eye, barrel
    EXPECT_LANDS(BatchLog()[0], 40, 40, 360, 200);
    ExpectShape(BatchLog()[0], 60 * 3.1415927f / 120, 1.06f, 1.06f + 1.0f / 12);
    EXPECT_EQ(BatchLog()[1].colour, Argb(255, 255, 0, 0));
    EXPECT_EQ(BatchLog()[2].textureId, IdOf(cannonSprites[0]));
    EXPECT_LANDS(BatchLog()[2], 58, 127, 300, 200);
}

TEST_F(ObjectDrawingTest, DamagedLevelDataDrawsSafely)
{
    // A count beyond the slots stops at the last slot; an unknown kind and a
    // stray picture variant draw nothing odd.
    for (int i = 0; i < maxLevelObjects; ++i) {
        LevelObject& o = currentLevel.objects[i];
        o.objKind = i == 0 ? 99 : KindWalker;
        o.objState = ObjAlive;
        o.mrVariant = 7;
    }
    currentLevel.objectCount = 1000;
    DrawLevelObjects();
    EXPECT_EQ(DrawsOf(enemyBodySprites[1]).size(), 49u);
    currentLevel.objectCount = -5;
    ResetBatchLog();
    DrawLevelObjects();
    DrawGearsAndCannons();
    EXPECT_EQ(BatchLogCount(), 0);
}

}  // namespace
