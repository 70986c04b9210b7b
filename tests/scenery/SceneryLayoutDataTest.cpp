// The landscapes as data: hand-picked rows with every field, and the near
// copies that differ from each other in a known handful of rows. The copies
// are expanded separately, so agreement between them checks the expansions.
#include "SceneryTestSupport.h"

#include <algorithm>

namespace {

using K = RotationKind;

struct Row {
    const SpriteTexture* picture;
    int x, y;
    float parallax;
    RotationKind kind;
    float value;
    float scaleX, scaleY;
    float centreX, centreY;
    float factor;
};

// Row `number` (counted from 1) of a layout, every field.
void ExpectRow(const SceneryLayout& layout, int number, const Row& e) {
    SCOPED_TRACE(testing::Message() << "row " << number);
    ASSERT_LE(number, layout.count);
    const SceneryPlacement& p = layout.placements[number - 1];
    EXPECT_EQ(p.picture, e.picture);
    EXPECT_EQ(p.x, e.x);
    EXPECT_EQ(p.y, e.y);
    EXPECT_FLOAT_EQ(p.parallax, e.parallax);
    EXPECT_EQ(p.rotationKind, e.kind);
    EXPECT_FLOAT_EQ(p.rotationValue, e.value);
    EXPECT_FLOAT_EQ(p.scaleX, e.scaleX);
    EXPECT_FLOAT_EQ(p.scaleY, e.scaleY);
    EXPECT_FLOAT_EQ(p.centreX, e.centreX);
    EXPECT_FLOAT_EQ(p.centreY, e.centreY);
    EXPECT_FLOAT_EQ(p.colourFactor, e.factor);
}

bool SameExceptY(const SceneryPlacement& a, const SceneryPlacement& b) {
    return a.picture == b.picture && a.drawRule == b.drawRule && a.x == b.x &&
           a.parallax == b.parallax && a.rotationKind == b.rotationKind &&
           a.rotationValue == b.rotationValue && a.scaleX == b.scaleX && a.scaleY == b.scaleY &&
           a.centreX == b.centreX && a.centreY == b.centreY && a.colourKind == b.colourKind &&
           a.colourFactor == b.colourFactor;
}
bool Same(const SceneryPlacement& a, const SceneryPlacement& b) {
    return SameExceptY(a, b) && a.y == b.y && a.anchorY == b.anchorY;
}

// Rows (from 1) where two layouts of one length differ; -1 when only y may
// differ and some other field does.
int RowsDiffering(const SceneryLayout& a, const SceneryLayout& b, int first, int last) {
    int n = 0;
    for (int i = first - 1; i < last; ++i) {
        if (!SameExceptY(a.placements[i], b.placements[i])) return -1;
        if (a.placements[i].y != b.placements[i].y) ++n;
    }
    return n;
}

const SpriteTexture* const T1 = &sceneryTree1;
const SpriteTexture* const T2 = &sceneryTree2;
const SpriteTexture* const T3 = &sceneryTree3;
const SpriteTexture* const T8 = &sceneryTree8;
const SpriteTexture* const H1 = &sceneryHill1;
const SpriteTexture* const H2 = &sceneryHill2;
const SpriteTexture* const H3 = &sceneryHill3;
const SpriteTexture* const H4 = &sceneryHill4;
const SpriteTexture* const Tower = &sceneryWindmillTower;
const SpriteTexture* const Wheel = &sceneryWindmillWheel;

TEST(SceneryLayoutData, SharedLandscapeAndItsDressedCopy) {
    ExpectRow(sharedSceneryLayout, 1, {T2, 830, 370, 0.4f, K::Sway, 0, 0.5f, 0.5f, 255, 510, 0.6f});
    ExpectRow(sharedSceneryLayout, 25, {Wheel, 2050, 180, 0.5f, K::Spin, -2, 0.4f, 0.4f, 255, 255, 0.5f});
    ExpectRow(sharedSceneryLayout, 42, {H1, 8620, 800, 0.5f, K::Fixed, 0, 1.5f, 1.5f, 255, 510, 0.5f});
    ExpectRow(sharedSceneryLayout, 40, {T8, 8220, 550, 0.5f, K::CounterSway, -0.3f, 0.6f, 0.6f, 255, 510, 0.5f});
    ExpectRow(sharedSceneryLayout, 90, {H2, 8200, 1050, 0.8f, K::Fixed, 0, 1.2f, 1.2f, 255, 510, 0.2f});

    ExpectRow(layout32, 1, {T3, 830, 370, 0.4f, K::Sway, 0, 0.5f, 0.5f, 255, 510, 0.65f});
    ExpectRow(layout32, 23, {Tower, 2050, 180, 0.5f, K::Fixed, 0.05f, 0.5f, 0.5f, 279, 10, 0.55f});
    ExpectRow(layout32, 27, {Wheel, 2600, 240, 0.5f, K::Spin, -2, 0.5f, 0.5f, 255, 255, 0.55f});
    ExpectRow(layout32, 90, {H3, 8200, 1050, 0.8f, K::Fixed, 0, 1.2f, 1.2f, 255, 510, 0.25f});
    // Row for row the same x, depth, turn, size and centre as the shared
    // landscape; only pictures, brightness and some heights differ.
    for (int i = 0; i < 90; ++i) {
        const SceneryPlacement& a = sharedSceneryLayout.placements[i];
        const SceneryPlacement& b = layout32.placements[i];
        EXPECT_TRUE(a.x == b.x && a.parallax == b.parallax && a.rotationKind == b.rotationKind &&
                    a.rotationValue == b.rotationValue && a.scaleX == b.scaleX &&
                    a.centreX == b.centreX && a.centreY == b.centreY)
            << "row " << i + 1;
        if (i >= 42) {
            EXPECT_EQ(a.y, b.y) << "row " << i + 1;
        }
    }
    // The left tree of layout 32's first near group stands 10 lower.
    EXPECT_EQ(layout32.placements[17].y - sharedSceneryLayout.placements[17].y, 10);
}

TEST(SceneryLayoutData, FirstLevelsLandscapes) {
    ExpectRow(layout10, 50, {H1, 5887, 1005, 0.75f, K::Fixed, 0, 1.65f, 1.38f, 255, 510, 0.18f});
    ExpectRow(layout10, 63, {T1, 3010, 870, 0.97f, K::CounterSway, -0.33f, 0.98f, 0.98f, 200, 510, 0});
    ExpectRow(layout15, 34, {Tower, 2850, 250, 0.61f, K::Fixed, 0.04f, 0.8f, 0.73f, 279, 10, 0.34f});
    ExpectRow(layout15, 36, {Wheel, 2850, 240, 0.61f, K::Spin, -1.85f, 0.6f, 0.6f, 255, 255, 0.34f});
    ExpectRow(layout15, 81, {Wheel, 3750, 340, 0.95f, K::Spin, -1.5f, 1, 1, 255, 255, 0});
    ExpectRow(layout7, 19, {T2, 4500, 460, 0.5f, K::CounterSway, 0.3f, 0.6f, 0.6f, 255, 510, 0.5f});
    ExpectRow(layout8, 9, {T2, 5230, 410, 0.4f, K::Sway, 0, 0.5f, 0.5f, 200, 510, 0.6f});
    ExpectRow(record0Layout, 1, {T2, 830, 370, 0.4f, K::Sway, 0, 0.5f, 0.5f, 255, 510, 0.6f});
    ExpectRow(record0Layout, 48, {T1, 3650, 826, 0.98f, K::CounterSway, 0, 1.05f, 1.05f, 200, 510, 0.14f});
    ExpectRow(record6Layout, 5, {Wheel, 300, 200, 0.4f, K::Spin, -2.2f, 0.38f, 0.38f, 255, 255, 0.7f});
    ExpectRow(record11Layout, 40, {Tower, 7300, 370, 0.5f, K::Fixed, 0.8f, 0.5f, 0.5f, 279, 10, 0.5f});
    ExpectRow(record11Layout, 79, {T8, 10000, 670, 0.7f, K::CounterSway, -0.2f, 0.85f, 0.85f, 255, 510, 0.36f});
    ExpectRow(record12Layout, 32, {H1, 6420, 750, 0.5f, K::Fixed, 0, 1.75f, 1.5f, 255, 510, 0.5f});
    ExpectRow(record12Layout, 95, {H2, 3400, 1030, 0.98f, K::Fixed, 0, 1.1f, 1, 255, 510, 0.08f});

    // Record 7 shares record 12's first far group and first two near groups.
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(Same(layout7.placements[i], record12Layout.placements[i]));
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(Same(layout7.placements[8 + i], record12Layout.placements[16 + i])) << i;
    // Record 22 begins with record 6's first 47 placements.
    for (int i = 0; i < 47; ++i)
        EXPECT_TRUE(Same(record22Layout.placements[i], record6Layout.placements[i])) << i;
    EXPECT_FALSE(Same(record22Layout.placements[47], record6Layout.placements[47]));
}

TEST(SceneryLayoutData, OneBandAndTwoBandLandscapes) {
    ExpectRow(record16Layout, 2, {T2, 520, 450, 0.4f, K::Sway, -0.4f, 0.5f, 0.5f, 255, 510, 0.6f});
    ExpectRow(record16Layout, 27, {T2, 7350, 410, 0.6f, K::CounterSway, 0, 0.75f, 0.75f, 255, 510, 0.4f});
    ExpectRow(record16Layout, 40, {H2, 3200, 850, 0.67f, K::Fixed, 0, 1.3f, 1.4f, 255, 510, 0.33f});
    ExpectRow(record17Layout, 5, {Wheel, 1600, 160, 0.4f, K::Spin, -2.2f, 0.38f, 0.38f, 255, 255, 0.7f});
    ExpectRow(record17Layout, 9, {T8, 3620, 450, 0.5f, K::CounterSway, -0.3f, 0.6f, 0.6f, 300, 510, 0.5f});
    ExpectRow(record14Layout, 31, {H2, 2600, 700, 0.64f, K::Fixed, 0.16f, 1.2f, 1.2f, 255, 510, 0.42f});
    ExpectRow(record14Layout, 71, {T1, 3555, 1910, 0.98f, K::Sway, -0.15f, 1, 1, 200, 510, 0});
    ExpectRow(record13Layout, 2, {T2, 420, 1300, 0.4f, K::Sway, -0.6f, 0.5f, 0.5f, 255, 510, 0.6f});
    ExpectRow(record13Layout, 52, {H2, 2280, 540, 0.79f, K::Fixed, 0.15f, 1, 1, 255, 510, 0.35f});
    ExpectRow(record18Layout, 25, {Tower, 4200, 350, 0.5f, K::Fixed, 0.8f, 0.5f, 0.5f, 279, 10, 0.5f});
    ExpectRow(record18Layout, 28, {Wheel, 4200, 350, 0.5f, K::Spin, -2, 0.4f, 0.4f, 255, 255, 0.5f});
    ExpectRow(record18Layout, 48, {T1, 6300, 620, 0.6f, K::Sway, 0, 0.8f, 0.8f, 210, 510, 0.4f});
}

TEST(SceneryLayoutData, WideLevelsAndTheBossVariants) {
    ExpectRow(record20Layout, 1, {T2, -370, 220, 0.4f, K::Sway, 0, 0.5f, 0.5f, 255, 510, 0.6f});
    ExpectRow(record20Layout, 6, {Tower, 1500, 150, 0.4f, K::Fixed, -0.3f, 0.5f, 0.5f, 279, 10, 0.7f});
    ExpectRow(record20Layout, 9, {Wheel, 1500, 150, 0.4f, K::Spin, -2.2f, 0.38f, 0.38f, 255, 255, 0.7f});
    ExpectRow(record20Layout, 21, {T1, 520, 330, 0.5f, K::CounterSway, -0.3f, 0.6f, 0.6f, 200, 510, 0.5f});
    ExpectRow(record20Layout, 45, {H2, 3282, 800, 0.6f, K::Fixed, 0, 1.32f, 1.2f, 255, 510, 0.4f});
    ExpectRow(record20Layout, 79, {H2, 4400, 1000, 0.97f, K::Fixed, 0, 1, 1, 255, 510, 0.13f});
    ExpectRow(record21Layout, 39, {Wheel, 9000, 300, 0.5f, K::Spin, -2, 0.4f, 0.4f, 255, 255, 0.5f});
    ExpectRow(record21Layout, 43, {T8, 1300, 500, 0.6f, K::Sway, 0, 0.8f, 0.8f, 255, 510, 0.4f});
    ExpectRow(record21Layout, 74, {T1, 5400, 660, 0.8f, K::CounterSway, 0, 0.85f, 0.85f, 210, 510, 0.26f});
    ExpectRow(record21Layout, 105, {H2, 140, 1030, 0.96f, K::Fixed, 0, 1, 1, 255, 510, 0.12f});

    ExpectRow(record24Layout, 41, {T8, 1000, 740, 0.88f, K::CounterSway, 0, 0.9f, 0.9f, 255, 510, 0.18f});
    ExpectRow(record25Layout, 1, {H1, -280, 650, 0.4f, K::Fixed, 0, 1.5f, 1.5f, 255, 510, 0.7f});
    ExpectRow(record26Layout, 5, {Wheel, -900, 230, 0.4f, K::Spin, -2.2f, 0.38f, 0.38f, 255, 255, 0.7f});
    ExpectRow(record27Layout, 1, {H4, -280, 780, 0.4f, K::Fixed, 0, 1.5f, 1.5f, 255, 510, 0.75f});
    ExpectRow(record27Layout, 8, {H4, 2120, 780, 0.4f, K::Fixed, 0, 1.5f, 1.5f, 255, 510, 0.7f});
    ExpectRow(record27Layout, 23, {T3, 1300, 740, 0.6f, K::Sway, 0, 0.8f, 0.8f, 210, 510, 0.5f});
    ExpectRow(record28Layout, 44, {H2, 1800, 980, 0.88f, K::Fixed, 0, 1.05f, 1.05f, 255, 510, 0.18f});

    // Record 26 is record 25 moved 80 down; record 28 moves two rows 20 more.
    for (int i = 0; i < 44; ++i) {
        EXPECT_TRUE(SameExceptY(record25Layout.placements[i], record26Layout.placements[i]));
        EXPECT_EQ(record26Layout.placements[i].y - record25Layout.placements[i].y, 80) << i;
        EXPECT_EQ(record27Layout.placements[i].y - record25Layout.placements[i].y, 130) << i;
        EXPECT_EQ(record27Layout.placements[i].x, record25Layout.placements[i].x) << i;
        EXPECT_EQ(record27Layout.placements[i].centreX, record25Layout.placements[i].centreX) << i;
    }
    EXPECT_EQ(RowsDiffering(record26Layout, record28Layout, 1, 44), 2);
    // Record 24 adds one tree; its other rows are record 25's, four 50 higher.
    int moved = 0;
    for (int i = 0, j = 0; i < 45; ++i) {
        if (i == 40) continue;  // the added tree
        EXPECT_TRUE(SameExceptY(record24Layout.placements[i], record25Layout.placements[j])) << i;
        if (record24Layout.placements[i].y != record25Layout.placements[j].y) ++moved;
        ++j;
    }
    EXPECT_EQ(moved, 4);
}

TEST(SceneryLayoutData, WindmillAndTreeFamilies) {
    ExpectRow(record19Layout, 1, {H1, 920, 700, 0.4f, K::Fixed, 0, 1.5f, 1.5f, 255, 510, 0.7f});
    ExpectRow(record19Layout, 16, {T1, 4920, 510, 0.4f, K::Sway, -0.3f, 0.5f, 0.5f, 200, 510, 0.6f});
    ExpectRow(record19Layout, 52, {T1, -200, 590, 0.6f, K::Sway, 0, 0.75f, 0.75f, 215, 510, 0.4f});
    ExpectRow(record19Layout, 92, {H2, 8200, 1080, 0.95f, K::Fixed, 0, 1.05f, 1.05f, 255, 510, 0.12f});
    ExpectRow(record22Layout, 19, {T1, 7430, 370, 0.4f, K::Sway, 0, 0.5f, 0.5f, 200, 510, 0.6f});
    ExpectRow(record22Layout, 36, {Wheel, 2600, 240, 0.5f, K::Spin, -2, 0.5f, 0.5f, 255, 255, 0.5f});
    ExpectRow(record22Layout, 52, {T2, 1580, 630, 0.6f, K::Sway, 0, 0.76f, 0.76f, 255, 510, 0.4f});
    ExpectRow(record22Layout, 59, {H1, 1580, 870, 0.6f, K::Fixed, 0, 1.43f, 1.4f, 255, 510, 0.4f});
    ExpectRow(record22Layout, 83, {H2, 4680, 1030, 0.77f, K::Fixed, 0, 1.12f, 1.05f, 255, 510, 0.25f});
    ExpectRow(record23Layout, 20, {H2, 2550, 900, 0.8f, K::Fixed, 0, 1.05f, 1.05f, 255, 510, 0.18f});
    ExpectRow(record23Layout, 28, {H2, 6450, 1100, 0.96f, K::Fixed, 0, 1, 1, 255, 510, 0.09f});
    EXPECT_EQ(RowsDiffering(record19Layout, record22Layout, 1, 51), 16);

    ExpectRow(record29Layout, 5, {Wheel, 300, 200, 0.4f, K::Spin, -1.6f, 0.38f, 0.38f, 255, 255, 0.7f});
    ExpectRow(record29Layout, 16, {T1, 4920, 510, 0.4f, K::Sway, -0.3f, 0.5f, 0.5f, 200, 510, 0.6f});
    ExpectRow(record41Layout, 52, {T1, -200, 610, 0.6f, K::Sway, 0, 0.75f, 0.75f, 215, 510, 0.4f});
    ExpectRow(record43Layout, 73, {T2, 7600, 620, 0.7f, K::CounterSway, 0, 0.85f, 0.85f, 255, 510, 0.32f});
    ExpectRow(record30Layout, 1, {T2, 830, 370, 0.4f, K::Sway, 0, 0.5f, 0.5f, 255, 510, 0.6f});
    ExpectRow(record40Layout, 21, {Wheel, -150, 200, 0.5f, K::Spin, -2, 0.4f, 0.4f, 255, 255, 0.5f});
    for (const SceneryLayout* l : {&record29Layout, &record30Layout, &record40Layout,
                                   &record41Layout, &record43Layout})
        ExpectRow(*l, l->count, {H2, 8200, 1050, 0.8f, K::Fixed, 0, 1.2f, 1.2f, 255, 510, 0.2f});
    EXPECT_EQ(RowsDiffering(record29Layout, record41Layout, 1, 99), 11);
    EXPECT_EQ(RowsDiffering(record41Layout, record43Layout, 1, 99), 6);
    EXPECT_EQ(RowsDiffering(record29Layout, record43Layout, 1, 99), 17);
    EXPECT_EQ(RowsDiffering(record30Layout, record40Layout, 1, 93), 2);
}

TEST(SceneryLayoutData, LayoutFourFamilyAndItsScreenAnchoredPart) {
    ExpectRow(layout34, 1, {H1, 920, 700, 0.4f, K::Fixed, 0, 1.5f, 1.5f, 255, 510, 0.7f});
    ExpectRow(layout34, 5, {Wheel, 300, 200, 0.4f, K::Spin, -2.2f, 0.38f, 0.38f, 255, 255, 0.7f});
    ExpectRow(layout34, 38, {T1, 3820, 540, 0.5f, K::CounterSway, -0.3f, 0.6f, 0.6f, 200, 510, 0.5f});
    ExpectRow(layout39, 9, {Tower, 2500, 230, 0.4f, K::Fixed, -0.3f, 0.5f, 0.5f, 279, 10, 0.7f});
    ExpectRow(layout4, 37, {T8, 4130, 465, 0.5f, K::CounterSway, 0, 0.6f, 0.6f, 255, 510, 0.5f});
    ExpectRow(layout4, 52, {T8, -200, 510, 0.6f, K::Sway, 0, 0.75f, 0.75f, 215, 510, 0.4f});
    for (const SceneryLayout* l : {&layout34, &layout39, &layout4})
        ExpectRow(*l, l->count, {H2, 8200, 1050, 0.8f, K::Fixed, 0, 1.2f, 1.2f, 255, 510, 0.2f});
    ExpectRow(screenAnchoredLayout, 1, {H1, 920, -230, 0.4f, K::Fixed, 0, 1.5f, 1.5f, 255, 510, 0.7f});
    ExpectRow(screenAnchoredLayout, 2, {Tower, 300, -730, 0.4f, K::Fixed, -0.3f, 0.5f, 0.5f, 279, 10, 0.7f});
    ExpectRow(screenAnchoredLayout, 57, {H1, -300, 94, 0.8f, K::Fixed, 0, 1.25f, 1.25f, 255, 510, 0.26f});
    ExpectRow(screenAnchoredLayout, 68, {H2, 5200, 120, 0.8f, K::Fixed, 0, 1.2f, 1.2f, 255, 510, 0.2f});
    EXPECT_EQ(RowsDiffering(layout34, layout39, 1, 97), 15);

    // The screen-anchored landscape is layout 4's rows up to x 5600, lifted
    // to offsets: world y - 930, but - 880 for the second far windmill group
    // (rows 8 to 14) and - 850 for the 0.6 row's first tree and hill.
    int j = 0;
    for (int i = 0; i < layout4.count; ++i) {
        const SceneryPlacement& w = layout4.placements[i];
        if (w.x > 5600) continue;
        ASSERT_LT(j, screenAnchoredLayout.count);
        const SceneryPlacement& s = screenAnchoredLayout.placements[j];
        EXPECT_TRUE(SameExceptY(w, s)) << "row " << i + 1;
        const bool secondFarGroup = i >= 7 && i < 14;
        const bool firstOfRow = i == 51 || i == 59;
        EXPECT_EQ(w.y - s.y, secondFarGroup ? 880 : firstOfRow ? 850 : 930) << "row " << i + 1;
        ++j;
    }
    EXPECT_EQ(j, screenAnchoredLayout.count);
}

// Facts about the whole of the scenery data, each landscape counted once
// (record 5 adds only its eight silhouettes to layout 32).
TEST(SceneryLayoutData, TheWholeDataKeepsItsRanges) {
    const SceneryLayout* layouts[] = {
        &sharedSceneryLayout, &record2ExtraList, &record3ExtraList, &record9Layout, &layout32,
        &layout10, &layout15, &layout7, &layout8, &record0Layout, &record6Layout,
        &record11Layout, &record12Layout, &record13Layout, &record14Layout, &record16Layout,
        &record17Layout, &record18Layout, &record20Layout, &record21Layout, &record24Layout,
        &record25Layout, &record26Layout, &record27Layout, &record28Layout, &record19Layout,
        &record22Layout, &record23Layout, &record29Layout, &record30Layout, &record40Layout,
        &record41Layout, &record43Layout, &layout34, &layout39, &layout4, &screenAnchoredLayout};
    std::vector<const SceneryPlacement*> rows;
    for (const SceneryLayout* l : layouts)
        for (int i = 0; i < l->count; ++i) rows.push_back(&l->placements[i]);
    for (int i = 90; i < record5Layout.count; ++i) rows.push_back(&record5Layout.placements[i]);

    int unequalScales = 0, silhouettes = 0, opaque = 0, black = 0, worldOrigin = 0, moveWithWorld = 0;
    int minX = 0, maxX = 0, minY = 10000, maxY = 0;
    for (const SceneryPlacement* p : rows) {
        if (p->scaleX != p->scaleY) ++unequalScales;
        if (p->colourKind == ColourKind::AmbientTint && p->colourFactor == 0.0f) ++silhouettes;
        if (p->colourKind == ColourKind::AmbientOpaque) ++opaque;
        if (p->colourKind == ColourKind::Black) ++black;
        if (p->drawRule == DrawRule::PivotWorldOrigin) {
            ++worldOrigin;
            if (p->parallax == 1.0f) ++moveWithWorld;
        }
        minX = std::min(minX, int(p->x));
        maxX = std::max(maxX, int(p->x));
        if (p->anchorY == AnchorY::World) {
            minY = std::min(minY, int(p->y));
            maxY = std::max(maxY, int(p->y));
        }
    }
    EXPECT_EQ(unequalScales, 107);
    EXPECT_EQ(silhouettes, 10);
    EXPECT_EQ(worldOrigin, 108);
    EXPECT_EQ(opaque, 90);
    EXPECT_EQ(black, 18);
    EXPECT_EQ(moveWithWorld, 40);
    EXPECT_EQ(minX, -900);
    EXPECT_EQ(maxX, 11100);
    EXPECT_EQ(minY, 80);
    EXPECT_EQ(maxY, 2100);
}

}  // namespace
