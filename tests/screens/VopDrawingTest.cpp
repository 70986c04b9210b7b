// The player's Vop on screen: body, face and mouth where the player expects
// them, the eyes closing from the top, the face warning of danger.
#include "InGameRenderFixture.h"

#include "screens/VopDrawing.h"

using namespace drawtest;

namespace {

constexpr float kDegree = 3.1415927f / 180.0f;

class VopDrawingTest : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        playerX = 500;
        playerY = 400;
        cameraX = 100;
        cameraY = 50;
        currentLevel.startX = 500;
        currentLevel.levelColour[0] = 10;
        currentLevel.levelColour[1] = 20;
        currentLevel.levelColour[2] = 30;
    }
};

TEST_F(VopDrawingTest, BeginnerBodyFaceAndMouthSitAtTheirOffsets)
{
    DrawVop();
    ASSERT_EQ(BatchLogCount(), 3);
    const BatchRecord& body = BatchLog()[0];
    const BatchRecord& face = BatchLog()[1];
    const BatchRecord& mouth = BatchLog()[2];
    EXPECT_EQ(body.textureId, IdOf(beginnerVopSprites[0]));
    EXPECT_EQ(face.textureId, IdOf(vopFaceSprites[3][0]));
    EXPECT_EQ(mouth.textureId, IdOf(vopFaceSprites[3][1]));
    // Screen centre (400, 350): body 5 below it, face and mouth 2 below.
    EXPECT_LANDS(body, 64, 64, 400, 355);
    EXPECT_LANDS(face, 25, 35, 400, 352);
    EXPECT_LANDS(mouth, 25, 35, 400, 352);
    // At rest at the start: upright, body at size 1, face stretched by cos(0).
    ExpectShape(body, 0, 1, 1);
    ExpectShape(face, 0, 1, 1 + 1.0f / 13);
    ExpectShape(mouth, 0, 1 + 1.0f / 18, 1);
    EXPECT_EQ(body.colour, Argb(255, 10, 20, 30));
    EXPECT_EQ(face.colour, 0xFFFFFFFFu);
}

TEST_F(VopDrawingTest, TallScreensLowerTheVopLikeEverySprite)
{
    screenYOffset = 22;
    DrawVop();
    ASSERT_EQ(BatchLogCount(), 3);
    EXPECT_LANDS(BatchLog()[0], 64, 64, 400, 377);
    EXPECT_LANDS(BatchLog()[1], 25, 35, 400, 374);
}

TEST_F(VopDrawingTest, EachKindHasItsOwnPicturesAndOffsets)
{
    struct Expect {
        int kind;
        SpriteTexture* body;
        int faceRow;
        float bodyX, bodyY, faceY, faceCx, faceCy, mouthCx, mouthCy;
    };
    const Expect kinds[] = {
        {2, spikeVopSprites, 0, 400, 355, 355, 25, 35, 25, 35},
        {3, airVopSprites, 1, 400, 357, 352, 35, 33, 35, 32},
        {4, rockVopSprites, 2, 399, 354, 352, 25, 35, 25, 35},
        {5, angryVopSprites, 4, 399, 354, 352, 25, 35, 25, 35},
        {6, eliteVopSprites, 5, 399, 354, 352, 25, 35, 25, 35},
    };
    for (const Expect& e : kinds) {
        SCOPED_TRACE(e.kind);
        vopKind = e.kind;
        ResetBatchLog();
        DrawVop();
        ASSERT_EQ(BatchLogCount(), 3);
        EXPECT_EQ(BatchLog()[0].textureId, IdOf(e.body[0]));
        EXPECT_EQ(BatchLog()[1].textureId, IdOf(vopFaceSprites[e.faceRow][0]));
        EXPECT_EQ(BatchLog()[2].textureId, IdOf(vopFaceSprites[e.faceRow][1]));
        EXPECT_LANDS(BatchLog()[0], 64, 64, e.bodyX, e.bodyY);
        EXPECT_LANDS(BatchLog()[1], e.faceCx, e.faceCy, 400, e.faceY);
        EXPECT_LANDS(BatchLog()[2], e.mouthCx, e.mouthCy, 400, e.faceY);
    }
}

TEST_F(VopDrawingTest, BodyRollsOneDegreePerPixelTravelled)
{
    playerX = 530;  // 30 pixels right of the start
    DrawVop();
    EXPECT_NEAR(RotationOf(BatchLog()[0]), 30 * kDegree, 1e-4);
    ExpectShape(BatchLog()[1], 30 * kDegree, 1, 1 + 1.0f / 13);

    // The air Vop's body stands 6 degrees back at the start; its face does not.
    vopKind = 3;
    playerX = 500;
    ResetBatchLog();
    DrawVop();
    EXPECT_NEAR(RotationOf(BatchLog()[0]), -6 * kDegree, 1e-4);
    ExpectShape(BatchLog()[1], 0, 1, 1 + 1.0f / 13);

    // The elite body spins 1.3 times as fast as its face.
    vopKind = 6;
    playerX = 600;
    ResetBatchLog();
    DrawVop();
    EXPECT_NEAR(RotationOf(BatchLog()[0]), 1.3f * 100 * kDegree, 1e-4);
    ExpectShape(BatchLog()[1], 100 * kDegree, 1, 1 + 1.0f / 13);
}

TEST_F(VopDrawingTest, BodyBreathesWithThePhase)
{
    vopPhaseA = 1.5707964f;  // sin = 1
    DrawVop();
    EXPECT_NEAR(ScaleOf(BatchLog()[0]), 1 + 1.0f / 11, 1e-4);
    vopKind = 3;  // the air Vop breathes more, about 1.1
    ResetBatchLog();
    DrawVop();
    EXPECT_NEAR(ScaleOf(BatchLog()[0]), 1.1f + std::sin(1.55f * 1.5707964f) / 7, 1e-4);
}

TEST_F(VopDrawingTest, EyesCloseFromTheTopWithoutMoving)
{
    DrawVop();
    const Point open = Landing(BatchLog()[1], 30, 62);
    vopBlinkLid = 60;
    ResetBatchLog();
    DrawVop();
    const BatchRecord& face = BatchLog()[1];
    ASSERT_TRUE(face.useSourceRect);
    EXPECT_EQ(face.sourceRect.top, 60);
    EXPECT_EQ(face.sourceRect.bottom, 63);
    EXPECT_EQ(face.sourceRect.left, 0);
    EXPECT_EQ(face.sourceRect.right, 63);
    EXPECT_LANDS(face, 30, 62, open.x, open.y);
}

TEST_F(VopDrawingTest, FaceTurnsRedWithDangerAndGreenAtTheGoal)
{
    const struct {
        float danger;
        uint32_t colour;
    } cases[] = {{0, 0xFFFFFFFFu}, {128, Argb(255, 255, 127, 127)}, {255, Argb(255, 255, 0, 0)}};
    for (const auto& c : cases) {
        dangerMeter = c.danger;
        ResetBatchLog();
        DrawVop();
        EXPECT_EQ(BatchLog()[1].colour, c.colour) << c.danger;
        EXPECT_EQ(BatchLog()[2].colour, c.colour) << c.danger;
    }
    levelDone = 1;
    ResetBatchLog();
    DrawVop();
    EXPECT_EQ(BatchLog()[1].colour, Argb(255, 0, 180, 0));
    EXPECT_EQ(BatchLog()[2].colour, Argb(255, 0, 180, 0));
}

TEST_F(VopDrawingTest, MrVariantSwapsOnlyTheBody)
{
    currentLevel.mrVariant = 1;
    DrawVop();
    EXPECT_EQ(BatchLog()[0].textureId, IdOf(beginnerVopSprites[1]));
    EXPECT_EQ(BatchLog()[1].textureId, IdOf(vopFaceSprites[3][0]));
}

TEST_F(VopDrawingTest, InvisibleVopStillDrawsAndUnknownKindsDrawNothing)
{
    playerAlpha = 0;
    DrawVop();
    ASSERT_EQ(BatchLogCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(BatchLog()[i].colour >> 24, 0u);
    for (int kind : {0, 7, -1}) {
        vopKind = kind;
        ResetBatchLog();
        DrawVop();
        EXPECT_EQ(BatchLogCount(), 0) << kind;
    }
}

}  // namespace
