// Where and how a scenery placement lands on screen under the two draw
// rules: parallax about the screen centre or the level's left edge, the
// screen-bottom anchor, sway, counter-sway and spin, and the colours.
#include "SceneryTestSupport.h"

#include "engine/Maths.h"

namespace {

using namespace scenerytest;

SceneryPlacement CentreRow(SpriteTexture* picture, int x, int y, float parallax) {
    return SceneryPlacement{picture, DrawRule::PivotScreenCentre, x, y, AnchorY::World, parallax,
                            RotationKind::Fixed, 0.0f, 1.0f, 1.0f, 255.0f, 510.0f,
                            ColourKind::AmbientTint, 0.5f};
}

SceneryPlacement OriginRow(SpriteTexture* picture, int x, int y, float parallax, ColourKind kind) {
    return SceneryPlacement{picture, DrawRule::PivotWorldOrigin, x, y, AnchorY::World, parallax,
                            RotationKind::Fixed, 0.0f, 1.0f, 1.0f, 202.0f, 510.0f, kind, 0.5f};
}

BatchRecord DrawOne(const SceneryPlacement& p, float sway = 0.0f) {
    ResetBatchLog();
    DrawSceneryPlacement(p, sway);
    const std::vector<BatchRecord> draws = SpriteDraws();
    EXPECT_EQ(draws.size(), 1u);
    return draws.empty() ? BatchRecord{} : draws[0];
}

using SceneryDrawRules = SceneryTest;

TEST_F(SceneryDrawRules, ScreenCentreParallaxTurnsAboutTheScreensCentreLine) {
    screenWidth = 1365;  // half width 682, truncated
    cameraX = 300;
    cameraY = 40;
    for (float parallax : {0.4f, 0.7f, 0.99f}) {
        const BatchRecord r = DrawOne(CentreRow(&sceneryTree3, 300 + 682, 500, parallax));
        const Point c = Landing(r, 255.0f, 510.0f);
        EXPECT_NEAR(c.x, 682.0f, 1e-3f) << parallax;
        EXPECT_NEAR(c.y, 460.0f, 1e-3f) << parallax;
    }
    // 1000 pixels right of the centre line at parallax 0.4: 400 on screen.
    const BatchRecord far = DrawOne(CentreRow(&sceneryTree3, 300 + 682 + 1000, 500, 0.4f));
    EXPECT_NEAR(Landing(far, 255.0f, 510.0f).x, 1082.0f, 1e-3f);
}

TEST_F(SceneryDrawRules, FirstSharedTreeSitsWhereTheFormulaPutsIt) {
    // T2 at (830, 370), parallax 0.4, through tree2's source rectangle.
    cameraX = 0;
    cameraY = 100;
    const BatchRecord r = DrawOne(sharedSceneryLayout.placements[0]);
    EXPECT_EQ(r.textureId, IdOf(&sceneryTree2));
    const Point c = Landing(r, 255.0f, 510.0f);
    EXPECT_NEAR(c.x, 512.0f + 0.4f * (830 - 512), 1e-3f);
    EXPECT_NEAR(c.y, 270.0f, 1e-3f);
    cameraX = 1000;  // the camera moved 1000 right: the tree 400 left
    const BatchRecord moved = DrawOne(sharedSceneryLayout.placements[0]);
    EXPECT_NEAR(Landing(moved, 255.0f, 510.0f).x, c.x - 400.0f, 1e-3f);
}

TEST_F(SceneryDrawRules, HillsPivotOnTheLowestRowOfTheirSourceRectangle) {
    cameraX = 0;
    const BatchRecord r = DrawOne(CentreRow(&sceneryHill1, 512, 700, 0.8f));
    ASSERT_EQ(r.useSourceRect, 1);
    EXPECT_EQ(r.sourceRect.top, 240);
    const Point c = Landing(r, 255.0f, 510.0f);
    EXPECT_NEAR(c.x, 512.0f, 1e-3f);
    EXPECT_NEAR(c.y, 700.0f, 1e-3f);
}

TEST_F(SceneryDrawRules, ScreenBottomRowsKeepTheirDistanceFromTheLowerEdge) {
    SceneryPlacement p = CentreRow(&sceneryHill1, 920, -230, 0.4f);
    p.anchorY = AnchorY::ScreenBottom;
    for (int camY : {0, 777, 3328}) {
        cameraY = camY;
        EXPECT_NEAR(Landing(DrawOne(p), 255.0f, 510.0f).y, 538.0f, 1e-3f) << camY;
    }
    // A screen 1080 high draws everything 22 lower.
    screenHeight = 1080;
    screenYOffset = 22;
    cameraY = 1500;
    EXPECT_NEAR(Landing(DrawOne(p), 255.0f, 510.0f).y, 872.0f, 1e-3f);
    // A world row on the same screen follows the camera and is lowered too.
    EXPECT_NEAR(Landing(DrawOne(CentreRow(&sceneryHill1, 920, 1700, 0.4f)), 255.0f, 510.0f).y,
                222.0f, 1e-3f);
}

TEST_F(SceneryDrawRules, WorldOriginParallaxTurnsAboutTheLevelsLeftEdge) {
    const SceneryPlacement p =
        OriginRow(&levelDecor[4], 1000, 734, 0.5f, ColourKind::AmbientOpaque);
    cameraY = 34;
    BatchRecord r = DrawOne(p);
    EXPECT_NEAR(Landing(r, 202.0f, 510.0f).x, 1000.0f, 1e-3f);
    EXPECT_NEAR(Landing(r, 202.0f, 510.0f).y, 700.0f, 1e-3f);
    cameraX = 1000;
    r = DrawOne(p);
    EXPECT_NEAR(Landing(r, 202.0f, 510.0f).x, 500.0f, 1e-3f);
    // Parallax 1 moves one to one with the world; the screen width plays no part.
    screenWidth = 1920;
    EXPECT_NEAR(Landing(DrawOne(OriginRow(&levelDecor[4], 1000, 734, 1.0f, ColourKind::Black)),
                        202.0f, 510.0f).x,
                0.0f, 1e-3f);
}

TEST_F(SceneryDrawRules, RotationsFollowTheSharedSwayAndThePhase) {
    SceneryPlacement p = CentreRow(&sceneryTree3, 512, 500, 0.4f);
    p.rotationValue = -0.4f;
    swayPhase = 1.5707964f;
    const float sway = SinF(swayPhase) / 8.0f;
    EXPECT_NEAR(sway, 0.125f, 1e-6f);

    p.rotationKind = RotationKind::Sway;
    EXPECT_NEAR(SceneryRotation(p, sway, swayPhase), -0.275f, 1e-6f);
    EXPECT_NEAR(RotationOf(DrawOne(p, sway)), -0.275f, 1e-5f);
    p.rotationKind = RotationKind::CounterSway;
    EXPECT_NEAR(SceneryRotation(p, sway, swayPhase), -0.525f, 1e-6f);
    EXPECT_NEAR(RotationOf(DrawOne(p, sway)), -0.525f, 1e-5f);
    p.rotationKind = RotationKind::Fixed;
    EXPECT_FLOAT_EQ(SceneryRotation(p, sway, swayPhase), -0.4f);

    // Wheels turn by the phase itself, never wrapped.
    p.rotationKind = RotationKind::Spin;
    p.rotationValue = -2.0f;
    EXPECT_FLOAT_EQ(SceneryRotation(p, 0.0f, 1.0f), -2.0f);
    EXPECT_FLOAT_EQ(SceneryRotation(p, 0.0f, 100.0f), -200.0f);
    EXPECT_FLOAT_EQ(SceneryRotation(p, 0.0f, 0.0f), 0.0f);
}

TEST_F(SceneryDrawRules, WholeFrameUsesOneSwayForEveryTree) {
    // At phase pi/2 a far (Sway) tree turns by +0.125 and a near
    // (CounterSway) one by -0.125 about its rest angle.
    swayPhase = 1.5707964f;
    const std::vector<BatchRecord> draws = DrawFrame(31);
    ASSERT_EQ(draws.size(), 90u);
    EXPECT_NEAR(RotationOf(draws[0]), 0.125f, 1e-5f);          // far centre tree, Sway 0
    EXPECT_NEAR(RotationOf(draws[1]), -0.4f + 0.125f, 1e-5f);  // far left tree, Sway -0.4
    EXPECT_NEAR(RotationOf(draws[16]), -0.125f, 1e-5f);        // near centre tree, CounterSway 0
    EXPECT_NEAR(RotationOf(draws[17]), -0.3f - 0.125f, 1e-5f);
    // The first wheel (row 25) turns by -2 times the phase.
    EXPECT_EQ(draws[24].textureId, IdOf(&sceneryWindmillWheel));
    const float expected = std::remainder(-2.0f * swayPhase, 2.0f * 3.14159265f);
    EXPECT_NEAR(std::remainder(RotationOf(draws[24]) - expected, 2.0f * 3.14159265f), 0.0f, 1e-4f);
}

TEST_F(SceneryDrawRules, ColoursTintByBrightnessOrStayOpaque) {
    SceneryPlacement tint = CentreRow(&sceneryTree3, 512, 500, 0.4f);
    const SceneryPlacement opaque =
        OriginRow(&levelDecor[4], 100, 100, 1.0f, ColourKind::AmbientOpaque);
    const SceneryPlacement black = OriginRow(&levelDecor[4], 100, 100, 1.0f, ColourKind::Black);
    // Full white at half brightness: 127.5 truncates to 127.
    EXPECT_EQ(DrawOne(tint).colour, 0xFF7F7F7Fu);
    EXPECT_EQ(DrawOne(opaque).colour, 0xFF7F7F7Fu);
    EXPECT_EQ(DrawOne(black).colour, 0xFF000000u);
    // The tint keeps the ambient alpha; the opaque and black kinds do not.
    ambientColour[3] = 200.0f;
    EXPECT_EQ(DrawOne(tint).colour, 0xC87F7F7Fu);
    EXPECT_EQ(DrawOne(opaque).colour, 0xFF7F7F7Fu);
    EXPECT_EQ(DrawOne(black).colour, 0xFF000000u);
    // Brightness 0 draws a black silhouette at the ambient alpha.
    tint.colourFactor = 0.0f;
    EXPECT_EQ(DrawOne(tint).colour, 0xC8000000u);
    // Each channel is truncated and cut to 8 bits, never clamped.
    ambientColour[0] = 300.0f;
    ambientColour[1] = 100.0f;
    ambientColour[2] = 99.9f;
    tint.colourFactor = 1.0f;
    EXPECT_EQ(DrawOne(tint).colour, 0xC82C6463u);
}

TEST_F(SceneryDrawRules, MissingPictureDrawsNothingAndTheFrameGoesOn) {
    SpriteTexture never;  // never loaded: no texture
    ResetBatchLog();
    DrawSceneryPlacement(CentreRow(&never, 512, 500, 0.4f), 0.0f);
    SceneryPlacement none = CentreRow(nullptr, 512, 500, 0.4f);
    DrawSceneryPlacement(none, 0.0f);
    DrawSceneryPlacement(CentreRow(&sceneryTree3, 512, 500, 0.4f), 0.0f);
    EXPECT_EQ(SpriteDraws().size(), 1u);
}

}  // namespace
