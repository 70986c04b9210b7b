// Which records draw which landscape: placement counts per record, the
// landscapes several records share, the level's own decoration pictures in
// records 2, 3, 5 and 9, the screen-anchored landscape of the tall sprint
// levels, and the records that show no scenery.
#include "SceneryTestSupport.h"

#include <algorithm>
#include <climits>

#include "game/InGameRender.h"
#include "shared/GameStates.h"

namespace {

using namespace scenerytest;

using SceneryLayoutTable = SceneryTest;

// Placements drawn per frame for records 0 to 49.
constexpr int expectedCounts[50] = {
    48, 0,  104, 102, 99, 98, 120, 48, 64, 74,   // 0-9
    66, 131, 95, 66, 72, 81, 61,  69, 105, 92,   // 10-19
    79, 105, 96, 28, 45, 44, 44,  44, 44,  99,   // 20-29
    93, 90,  90, 90, 97, 68, 68,  68, 90,  97,   // 30-39
    93, 99,  90, 99, 90, 90, 0,   0,  0,   0,    // 40-49
};

bool SameDraw(const BatchRecord& a, const BatchRecord& b) {
    return a.textureId == b.textureId && a.colour == b.colour &&
           a.transform.m00 == b.transform.m00 && a.transform.m01 == b.transform.m01 &&
           a.transform.m10 == b.transform.m10 && a.transform.m11 == b.transform.m11 &&
           a.transform.tx == b.transform.tx && a.transform.ty == b.transform.ty;
}

// The first n draws of two frames are the same pictures at the same places.
void ExpectSameDraws(const std::vector<BatchRecord>& a, const std::vector<BatchRecord>& b,
                     size_t n) {
    ASSERT_GE(a.size(), n);
    ASSERT_GE(b.size(), n);
    for (size_t i = 0; i < n; ++i) EXPECT_TRUE(SameDraw(a[i], b[i])) << "draw " << i;
}

bool IsSlot(uint32_t textureId, int slot) { return textureId == IdOf(&levelDecor[slot]); }

TEST_F(SceneryLayoutTable, EveryRecordDrawsItsCountOfPlacementsWhereverTheCameraIs) {
    cameraX = 2000;
    cameraY = 300;
    swayPhase = 4.0f;
    for (int id = 0; id < 50; ++id)
        EXPECT_EQ(DrawFrame(id).size(), size_t(expectedCounts[id])) << id;
    // Ids outside the table draw nothing, and nothing breaks.
    for (int id : {-1, 50, 1000, INT_MIN, INT_MAX}) EXPECT_TRUE(DrawFrame(id).empty()) << id;
    // Nothing is ever dropped from the batch log in these frames.
    EXPECT_EQ(BatchLogDropped(), 0);
}

TEST_F(SceneryLayoutTable, OneFrameNeverDrawsMoreThanTheLargestLayout) {
    int largest = 0;
    for (int i = 0; i < sceneryLayoutTableSize; ++i)
        largest = std::max(largest, int(sceneryLayoutTable[i].layout->count));
    EXPECT_EQ(largest, 131);
    EXPECT_EQ(record11Layout.count, 131);
}

TEST_F(SceneryLayoutTable, SevenRecordsShareOneLandscapeAndTwoAddTheirOwnTrees) {
    cameraX = 1500;
    swayPhase = 0.7f;
    const std::vector<BatchRecord> base = DrawFrame(31);
    ASSERT_EQ(base.size(), 90u);
    for (int id : {38, 42, 44, 45}) ExpectSameDraws(DrawFrame(id), base, 90);

    // Records 2 and 3: the shared landscape first, then their trees in front,
    // drawn in a fifth of the ambient colour and opaque.
    ambientColour[3] = 128.0f;
    const std::vector<BatchRecord> shared = DrawFrame(31);
    const std::vector<BatchRecord> two = DrawFrame(2);
    ExpectSameDraws(two, shared, 90);
    for (size_t i = 90; i < two.size(); ++i) {
        EXPECT_TRUE(IsSlot(two[i].textureId, i < 99 ? 4 : 5)) << i;
        EXPECT_EQ(two[i].colour, 0xFF333333u) << i;
    }
    const std::vector<BatchRecord> three = DrawFrame(3);
    ExpectSameDraws(three, shared, 90);
    for (size_t i = 90; i < three.size(); ++i)
        EXPECT_TRUE(IsSlot(three[i].textureId, i < 98 ? 4 : 5)) << i;
}

TEST_F(SceneryLayoutTable, ExtraTreesMoveWithTheWorldOnTheirOwnCentres) {
    // Record 2's first extra tree: slot 4 at (420, 734), centre (202, 510).
    cameraX = 100;
    cameraY = 34;
    std::vector<BatchRecord> draws = DrawFrame(2);
    Point c = Landing(draws[90], 202.0f, 510.0f);
    EXPECT_NEAR(c.x, 320.0f, 1e-3f);
    EXPECT_NEAR(c.y, 700.0f, 1e-3f);
    // Record 3's first tree5 stands at (285, 764); its first tree7 at (403, 753), centre (20, 499).
    draws = DrawFrame(3);
    EXPECT_NEAR(Landing(draws[90], 202.0f, 510.0f).x, 185.0f, 1e-3f);
    c = Landing(draws[98], 20.0f, 499.0f);
    EXPECT_NEAR(c.x, 303.0f, 1e-3f);
    EXPECT_NEAR(c.y, 719.0f, 1e-3f);
}

TEST_F(SceneryLayoutTable, Record5DrawsLayout32ThenBlackSilhouettesOfItsOwnTrees) {
    cameraX = 700;
    cameraY = 20;
    ambientColour[0] = 90.0f;
    const std::vector<BatchRecord> shared = DrawFrame(32);
    ExpectSameDraws(DrawFrame(33), shared, 90);
    const std::vector<BatchRecord> five = DrawFrame(5);
    ASSERT_EQ(five.size(), 98u);
    ExpectSameDraws(five, shared, 90);
    const int slots[8] = {0, 2, 0, 2, 2, 0, 0, 2};
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(IsSlot(five[90 + i].textureId, slots[i])) << i;
        EXPECT_EQ(five[90 + i].colour, 0xFF000000u) << i;
    }
    // The first silhouette, tree3 at (578, 559), one to one with the world.
    const Point c = Landing(five[90], 206.0f, 487.0f);
    EXPECT_NEAR(c.x, -122.0f, 1e-3f);
    EXPECT_NEAR(c.y, 539.0f, 1e-3f);
}

TEST_F(SceneryLayoutTable, Record9DrawsOnlyTheDecorationSlotsItLoads) {
    cameraX = 2000;
    const std::vector<BatchRecord> nine = DrawFrame(9);
    ASSERT_EQ(nine.size(), 74u);
    int black = 0;
    for (const BatchRecord& r : nine) {
        EXPECT_TRUE(IsSlot(r.textureId, 0) || IsSlot(r.textureId, 1) || IsSlot(r.textureId, 2) ||
                    IsSlot(r.textureId, 3) || IsSlot(r.textureId, 5) || IsSlot(r.textureId, 6));
        if (r.colour == 0xFF000000u) ++black;
    }
    EXPECT_EQ(black, 10);
    // Its first hill: slot 2 at (1000, 630), parallax 0.5, centre (200, 490).
    EXPECT_TRUE(IsSlot(nine[0].textureId, 2));
    EXPECT_NEAR(Landing(nine[0], 200.0f, 490.0f).x, 0.0f, 1e-3f);
    EXPECT_NEAR(Landing(nine[0], 200.0f, 490.0f).y, 630.0f, 1e-3f);
    // Each hill comes before the trees standing on it.
    EXPECT_TRUE(IsSlot(nine[1].textureId, 0));
}

TEST_F(SceneryLayoutTable, TallSprintLevelsKeepTheirLandscapeAlongTheScreensLowerEdge) {
    cameraX = 500;
    cameraY = 0;
    const std::vector<BatchRecord> low = DrawFrame(35);
    ASSERT_EQ(low.size(), 68u);
    ExpectSameDraws(DrawFrame(36), low, 68);
    ExpectSameDraws(DrawFrame(37), low, 68);
    cameraY = 2900;  // high up in the level: nothing moves on screen
    ExpectSameDraws(DrawFrame(37), low, 68);

    // The first hill (920, -230) at parallax 0.4: 538 on a 768 screen.
    EXPECT_NEAR(Landing(low[0], 255.0f, 510.0f).y, 538.0f, 1e-3f);
    // A sideways camera move of 100 moves each placement by its parallax.
    cameraX = 600;
    const std::vector<BatchRecord> moved = DrawFrame(35);
    for (size_t i = 0; i < moved.size(); ++i) {
        const float parallax = screenAnchoredLayout.placements[i].parallax;
        EXPECT_NEAR(moved[i].transform.tx - low[i].transform.tx, -100.0f * parallax, 1e-3f) << i;
        EXPECT_NEAR(moved[i].transform.ty, low[i].transform.ty, 1e-3f) << i;
    }
}

// The pivots the shared pictures are drawn about: hills and trees on the
// middle of their lowest row (trees also a little left or right of it), the
// tower at its top, the wheel at its hub; always above the drawn columns.
bool CentreFits(const SpriteTexture* picture, float x, float y) {
    const struct {
        const SpriteTexture* picture;
        int left, right;  // drawn columns, right exclusive
    } parts[] = {{&sceneryTree1, 130, 445}, {&sceneryTree2, 125, 425}, {&sceneryHill1, 0, 511},
                 {&sceneryHill2, 0, 511}, {&sceneryWindmillTower, 132, 365}};
    for (const auto& part : parts)
        if (part.picture == picture && !(x >= part.left && x < part.right)) return false;
    if (picture == &sceneryWindmillTower) return x == 279 && y == 10;
    if (picture == &sceneryWindmillWheel) return x == 255 && y == 255;
    const bool hill = picture == &sceneryHill1 || picture == &sceneryHill2 ||
                      picture == &sceneryHill3 || picture == &sceneryHill4;
    if (hill) return x == 255 && y == 510;
    return y == 510 && (x == 200 || x == 210 || x == 215 || x == 255 || x == 300);
}

// Rules every layout keeps, which the drawing relies on.
TEST_F(SceneryLayoutTable, EveryPlacementKeepsTheRulesOfItsDrawRule) {
    const SpriteTexture* shared[] = {&sceneryTree1, &sceneryTree2, &sceneryTree3, &sceneryTree4,
                                     &sceneryTree5, &sceneryTree8, &sceneryHill1, &sceneryHill2,
                                     &sceneryHill3, &sceneryHill4, &sceneryWindmillWheel,
                                     &sceneryWindmillTower};
    auto isShared = [&](const SpriteTexture* p) {
        return std::find(std::begin(shared), std::end(shared), p) != std::end(shared);
    };
    for (int e = 0; e < sceneryLayoutTableSize; ++e) {
        const SceneryLayout& layout = *sceneryLayoutTable[e].layout;
        for (int i = 0; i < layout.count; ++i) {
            const SceneryPlacement& p = layout.placements[i];
            SCOPED_TRACE(testing::Message()
                         << "record " << sceneryLayoutTable[e].recordId << " row " << i + 1);
            if (p.drawRule == DrawRule::PivotScreenCentre) {
                EXPECT_EQ(p.colourKind, ColourKind::AmbientTint);
                EXPECT_TRUE(isShared(p.picture));
                EXPECT_GE(p.parallax, 0.4f);
                EXPECT_LE(p.parallax, 0.99f);
            } else {
                EXPECT_FALSE(isShared(p.picture));
                EXPECT_EQ(p.anchorY, AnchorY::World);
                EXPECT_NE(p.colourKind, ColourKind::AmbientTint);
            }
            EXPECT_EQ(p.anchorY == AnchorY::ScreenBottom, &layout == &screenAnchoredLayout);
            if (p.anchorY == AnchorY::ScreenBottom) {
                EXPECT_TRUE(p.y >= -800 && p.y <= 120) << p.y;
            } else {
                EXPECT_TRUE(p.y >= 80 && p.y <= 2100) << p.y;
            }
            if (p.drawRule == DrawRule::PivotWorldOrigin) {
                EXPECT_TRUE(p.parallax >= 0.5f && p.parallax <= 1.0f) << p.parallax;
            }
            EXPECT_TRUE(p.scaleX >= 0.38f && p.scaleX <= 1.75f) << p.scaleX;
            EXPECT_TRUE(p.scaleY >= 0.38f && p.scaleY <= 1.82f) << p.scaleY;
            // Brightness: silhouettes (0), the faint 0.045, else 0.08 to 0.75;
            // opaque pictures 0.18 to 0.62.
            const float f = p.colourFactor;
            if (p.colourKind == ColourKind::AmbientTint) {
                EXPECT_TRUE(f == 0.0f || f == 0.045f || (f >= 0.08f && f <= 0.75f)) << f;
            }
            if (p.colourKind == ColourKind::AmbientOpaque) {
                EXPECT_TRUE(f >= 0.18f && f <= 0.62f) << f;
            }
            // The lean stays in its kind's range; only wheels spin, always anticlockwise.
            const float v = p.rotationValue;
            switch (p.rotationKind) {
            case RotationKind::Fixed: EXPECT_TRUE(v >= -0.55f && v <= 0.8f) << v; break;
            case RotationKind::Sway:
            case RotationKind::CounterSway: EXPECT_TRUE(v >= -0.6f && v <= 0.6f) << v; break;
            case RotationKind::Spin:
                EXPECT_TRUE(p.picture == &sceneryWindmillWheel || p.picture == &levelDecor[5]);
                EXPECT_TRUE(v >= -2.7f && v <= -1.0f) << v;
                break;
            }
            // Every shared picture turns about a pixel of its own drawn part.
            if (isShared(p.picture)) {
                EXPECT_TRUE(CentreFits(p.picture, p.centreX, p.centreY))
                    << p.centreX << ", " << p.centreY;
            }
        }
    }
}

bool IsTree(const SpriteTexture* p) {
    return p == &sceneryTree1 || p == &sceneryTree2 || p == &sceneryTree3 || p == &sceneryTree4 ||
           p == &sceneryTree5 || p == &sceneryTree8;
}
bool IsHill(const SpriteTexture* p) {
    return p == &sceneryHill1 || p == &sceneryHill2 || p == &sceneryHill3 || p == &sceneryHill4;
}
// Record 9 builds its windmills from its own decoration slots 6 and 5.
bool IsTower(const SceneryLayout& l, const SpriteTexture* p) {
    return p == &sceneryWindmillTower || (&l == &record9Layout && p == &levelDecor[6]);
}
bool IsWheel(const SceneryLayout& l, const SpriteTexture* p) {
    return p == &sceneryWindmillWheel || (&l == &record9Layout && p == &levelDecor[5]);
}

// Groups lean outwards: the left tree of a tree group (centre, left, right,
// then their hill) leans no further right than the centre one, the right
// tree no further left; the three towers of a windmill group tilt more to
// the right the further right they stand. Every wheel turns on its tower's
// point, but for one windmill of record 15 whose wheel sits 10 higher.
TEST_F(SceneryLayoutTable, GroupsLeanOutwardsAndWheelsTurnOnTheirTowers) {
    int treeGroups = 0, windmillGroups = 0;
    for (int e = 0; e < sceneryLayoutTableSize; ++e) {
        const SceneryLayout& layout = *sceneryLayoutTable[e].layout;
        const SceneryPlacement* q = layout.placements;
        for (int i = 0; i < layout.count; ++i) {
            SCOPED_TRACE(testing::Message()
                         << "record " << sceneryLayoutTable[e].recordId << " row " << i + 1);
            if (i >= 3 && IsHill(q[i].picture) && IsTree(q[i - 3].picture) &&
                IsTree(q[i - 2].picture) && IsTree(q[i - 1].picture) &&
                q[i - 2].x < q[i - 3].x && q[i - 3].x < q[i - 1].x) {
                ++treeGroups;
                EXPECT_LE(q[i - 2].rotationValue, q[i - 3].rotationValue) << "left tree";
                EXPECT_GE(q[i - 1].rotationValue, q[i - 3].rotationValue) << "right tree";
            }
            if (i >= 2 && IsTower(layout, q[i].picture) && IsTower(layout, q[i - 1].picture) &&
                IsTower(layout, q[i - 2].picture)) {
                ++windmillGroups;
                const SceneryPlacement* t[3] = {&q[i - 2], &q[i - 1], &q[i]};
                std::sort(t, t + 3, [](auto* a, auto* b) { return a->x < b->x; });
                EXPECT_LE(t[0]->rotationValue, t[1]->rotationValue) << "left tower";
                EXPECT_LE(t[1]->rotationValue, t[2]->rotationValue) << "right tower";
            }
            if (IsWheel(layout, q[i].picture)) {
                int towers = 0;
                for (int j = 0; j < layout.count; ++j)
                    towers += IsTower(layout, q[j].picture) && q[j].x == q[i].x &&
                              q[j].y == q[i].y + (&layout == &layout15 && q[i].x == 2850 ? 10 : 0) &&
                              q[j].parallax == q[i].parallax;
                EXPECT_GE(towers, 1) << "a wheel without its tower";
            }
        }
    }
    EXPECT_GT(treeGroups, 150);
    EXPECT_GT(windmillGroups, 100);
}

TEST_F(SceneryLayoutTable, SceneryIsTheFirstThingOfTheInGameFrame) {
    const std::vector<BatchRecord> scenery = DrawFrame(31);
    gameState = InGame;
    decorationsEnabled = 1;
    ResetBatchLog();
    RenderInGameScreen();
    ExpectSameDraws(SpriteDraws(), scenery, 90);
}

}  // namespace
