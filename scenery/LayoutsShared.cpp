// The shared landscape of records 2, 3, 31, 38, 42, 44 and 45, the trees that
// records 2 and 3 set in front of it, and record 9's landscape made of its own
// decoration pictures.
#include "scenery/SceneryLayouts.h"
#include "scenery/SceneryMotifs.h"

namespace {

using namespace scenery;

// Tree groups of this landscape: centre, left and right tree over the hill.
constexpr void SharedTreeGroup(RowWriter& w, int H, int Y, bool near, Pic tree,
                               float leanLeft, float leanRight, int leftDrop = 0) {
    const int centreRise = near ? 325 : 330;
    TreeGroup(w, H, Y, near ? CounterSway : Sway, near ? 0.6f : 0.5f,
              {tree, -90, centreRise, 0.0f, 255.0f}, {tree, -400, 280 - leftDrop, leanLeft, 255.0f},
              {tree, 280, 290, leanRight, 255.0f});
}

constexpr Pic layer3Trees[8] = {T8, T8, T8, T2, T2, T8, T2, T8};
constexpr int layer3HillY[8] = {830, 810, 840, 880, 900, 845, 900, 840};
constexpr int layer4TreeX[6] = {400, 1600, 2800, 4000, 5200, 7600};
constexpr Pic layer4Trees[6] = {T8, T8, T2, T8, T8, T2};
constexpr int layer4HillY[7] = {855, 860, 830, 920, 880, 880, 870};
constexpr Pic layer5Hills[10] = {H1, H2, H1, H1, H1, H2, H1, H2, H2, H2};
constexpr Pic layer6Hills[9] = {H2, H2, H2, H2, H2, H2, H2, H1, H2};
constexpr Pic allH1[8] = {H1, H1, H1, H1, H1, H1, H1, H1};
constexpr Pic allH2[7] = {H2, H2, H2, H2, H2, H2, H2};

constexpr SceneryRows<90> BuildShared() {
    SceneryRows<90> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.6f);  // four far tree groups
    SharedTreeGroup(w, 920, 700, false, T2, -0.4f, 0.4f);
    SharedTreeGroup(w, 3120, 730, false, T8, -0.4f, 0.4f);
    SharedTreeGroup(w, 5320, 760, false, T8, -0.3f, 0.1f);
    SharedTreeGroup(w, 7520, 800, false, T8, -0.3f, 0.1f);

    w.Layer(0.5f, 0.5f);  // near tree groups between two windmill groups
    SharedTreeGroup(w, -180, 750, true, T8, -0.3f, 0.1f);
    WindmillGroup(w, 2020, 750, nearMills);
    SharedTreeGroup(w, 4220, 790, true, T8, -0.3f, 0.1f);
    WindmillGroup(w, 6420, 750, nearMills);
    SharedTreeGroup(w, 8620, 800, true, T8, -0.3f, 0.1f, 30);

    w.Layer(0.6f, 0.4f);  // tree row: a tree on every hill
    for (int k = 0; k < 8; ++k)
        w.Tree(layer3Trees[k], -200 + 1200 * k, layer3HillY[k] - 230, Sway, 0.0f, 0.75f, 255.0f);
    HillRow(w, -200, 1200, 8, allH1, layer3HillY, 1.2f, 1.2f);

    w.Layer(0.7f, 0.32f);  // tree row: the hill at 6400 carries none
    for (int k = 0; k < 6; ++k) {
        const int hill = (layer4TreeX[k] - 400) / 1200;
        w.Tree(layer4Trees[k], layer4TreeX[k], layer4HillY[hill] - 230, CounterSway, 0.0f, 0.85f,
               255.0f);
    }
    HillRow(w, 400, 1200, 7, allH2, layer4HillY, 1.2f, 1.2f);

    w.Layer(0.8f, 0.26f);
    HillRow(w, -300, 1000, 10, layer5Hills, 1024, 1.25f);
    w.Layer(0.8f, 0.2f);
    HillRow(w, 200, 1000, 9, layer6Hills, 1050, 1.2f);

    out.count = w.count;
    return out;
}

// The level's own trees, moving with the world, darkened to a fifth.
struct ExtraTree {
    int slot;
    int x, y;
    RotationKind kind;
    float lean;
    float scale;
};

template <int N>
constexpr SceneryRows<N> BuildExtraList(const ExtraTree (&trees)[N], float slot5CentreX,
                                        float slot5CentreY) {
    SceneryRows<N> out{};
    RowWriter w = WriterFor(out);
    for (const ExtraTree& t : trees) {
        const bool slot4 = t.slot == 4;
        w.Decor(t.slot, t.x, t.y, 1.0f, t.kind, t.lean, t.scale, t.scale,
                slot4 ? 202.0f : slot5CentreX, slot4 ? 510.0f : slot5CentreY,
                ColourKind::AmbientOpaque, 0.2f);
    }
    out.count = w.count;
    return out;
}

// Slot 4 "tree5.png", slot 5 "tree6.png".
constexpr ExtraTree record2Trees[14] = {
    {4, 420, 734, Sway, 0.0f, 1.0f},
    {4, 983, 857, CounterSway, 0.0f, 1.3f},
    {4, 1520, 689, Sway, -0.55f, 1.1f},
    {4, 2523, 741, Sway, 0.0f, 1.2f},
    {4, 2907, 817, Sway, 0.0f, 1.0f},
    {4, 3930, 401, CounterSway, 0.0f, 1.0f},
    {4, 4241, 413, CounterSway, 0.0f, 1.0f},
    {4, 6965, 739, CounterSway, 0.0f, 1.0f},
    {4, 7400, 754, CounterSway, 0.0f, 1.0f},
    {5, 2465, 795, CounterSway, 0.0f, 1.3f},
    {5, 3616, 664, CounterSway, 0.0f, 1.4f},
    {5, 4671, 331, CounterSway, 0.4f, 0.95f},
    {5, 6571, 654, CounterSway, 0.6f, 1.05f},
    {5, 7773, 579, CounterSway, 0.4f, 1.2f},
};

// Slot 4 "tree5.png", slot 5 "tree7.png".
constexpr ExtraTree record3Trees[12] = {
    {4, 285, 764, Sway, 0.0f, 0.95f},
    {4, 987, 562, CounterSway, 0.0f, 1.1f},
    {4, 1303, 603, CounterSway, 0.0f, 1.1f},
    {4, 2112, 556, CounterSway, 0.0f, 1.23f},
    {4, 2827, 785, Sway, 0.0f, 1.0f},
    {4, 3638, 802, Sway, 0.0f, 1.1f},
    {4, 4094, 565, Sway, 0.0f, 1.05f},
    {4, 4352, 528, Sway, 0.0f, 1.1f},
    {5, 403, 753, CounterSway, 0.0f, 1.32f},
    {5, 1725, 574, Sway, -0.35f, 1.2f},
    {5, 2440, 551, CounterSway, 0.0f, 1.18f},
    {5, 4483, 972, CounterSway, 0.0f, 1.35f},
};

// Record 9: slot 0 and 1 trees, slot 2 and 3 hills, slot 5 wheel, slot 6
// tower, all without source rectangles, so they carry their own centres.
constexpr ColourKind Opaque = ColourKind::AmbientOpaque;
constexpr ColourKind Black = ColourKind::Black;

constexpr void Hill9(RowWriter& w, int slot, int x, int y, float parallax, float scaleX,
                     float scaleY, float tilt, float factor) {
    w.Decor(slot, x, y, parallax, Fixed, tilt, scaleX, scaleY, 200.0f, 490.0f, Opaque, factor);
}
constexpr void Tree9(RowWriter& w, int slot, int x, int y, float parallax, RotationKind kind,
                     float lean, float scale, ColourKind colour, float factor,
                     float centreX = 200.0f) {
    w.Decor(slot, x, y, parallax, kind, lean, scale, scale, centreX, 490.0f, colour, factor);
}
// A tower and then its wheel on the same point.
constexpr void Mill9(RowWriter& w, int x, int y, float parallax, float tilt, float towerScale,
                     float spin, float wheelScale, ColourKind colour, float factor) {
    w.Decor(6, x, y, parallax, Fixed, tilt, towerScale, towerScale, 279.0f, 10.0f, colour, factor);
    w.Decor(5, x, y, parallax, Spin, spin, wheelScale, wheelScale, 255.0f, 255.0f, colour, factor);
}

constexpr SceneryRows<74> BuildRecord9() {
    SceneryRows<74> out{};
    RowWriter w = WriterFor(out);

    // Stretch 1: ten hills, each followed by the trees standing on it.
    Hill9(w, 2, 1000, 630, 0.5f, 1.33f, 1.2f, 0.0f, 0.6f);
    Tree9(w, 0, 1130, 385, 0.5f, CounterSway, 0.0f, 0.6f, Opaque, 0.6f);
    Tree9(w, 0, 950, 420, 0.5f, CounterSway, 0.0f, 0.6f, Opaque, 0.6f);
    Hill9(w, 2, 1550, 680, 0.525f, 1.3f, 1.32f, 0.15f, 0.55f);
    Tree9(w, 0, 1510, 450, 0.525f, Sway, 0.0f, 0.5f, Opaque, 0.55f);
    Tree9(w, 0, 1700, 440, 0.525f, Sway, 0.0f, 0.55f, Opaque, 0.55f);
    Hill9(w, 3, 780, 720, 0.55f, 1.2f, 1.1f, 0.0f, 0.55f);
    Hill9(w, 3, 1400, 800, 0.65f, 1.4f, 1.4f, 0.0f, 0.47f);
    Tree9(w, 0, 1510, 540, 0.65f, CounterSway, -0.21f, 0.8f, Opaque, 0.47f);
    Hill9(w, 3, 180, 750, 0.65f, 1.2f, 1.2f, 0.0f, 0.55f);
    Tree9(w, 0, 180, 570, 0.65f, CounterSway, 0.0f, 1.0f, Opaque, 0.55f);
    Hill9(w, 2, 600, 720, 0.73f, 1.1f, 1.1f, 0.0f, 0.45f);
    Tree9(w, 0, 520, 590, 0.73f, Sway, -0.1f, 1.1f, Opaque, 0.45f);
    Hill9(w, 3, 1300, 888, 0.8f, 1.1f, 1.1f, 0.0f, 0.4f);
    Tree9(w, 0, 1230, 750, 0.8f, CounterSway, -0.16f, 0.9f, Opaque, 0.4f);
    Hill9(w, 2, 1300, 1000, 0.9f, 1.0f, 1.0f, 0.0f, 0.34f);
    Hill9(w, 3, 1730, 1000, 0.95f, 1.1f, 1.0f, 0.0f, 0.28f);
    Tree9(w, 0, 1650, 920, 0.95f, CounterSway, -0.1f, 1.1f, Opaque, 0.28f);
    Hill9(w, 2, 435, 820, 0.8f, 1.0f, 1.0f, 0.0f, 0.41f);
    Tree9(w, 0, 355, 730, 0.8f, CounterSway, -0.25f, 0.95f, Opaque, 0.41f);

    // Stretch 2: three windmill hills and a hill with two trees.
    Hill9(w, 2, 2650, 740, 0.57f, 1.5f, 1.42f, 0.15f, 0.62f);
    Mill9(w, 2620, 280, 0.57f, -0.3f, 0.4f, -2.0f, 0.4f, Opaque, 0.62f);
    Mill9(w, 2990, 320, 0.57f, 0.4f, 0.42f, -2.4f, 0.42f, Opaque, 0.62f);
    Hill9(w, 2, 2300, 745, 0.61f, 1.7f, 1.82f, 0.15f, 0.55f);
    Mill9(w, 2480, 185, 0.61f, 0.25f, 0.47f, -1.8f, 0.45f, Opaque, 0.55f);
    Hill9(w, 3, 3710, 900, 0.58f, 1.15f, 1.0f, 0.15f, 0.59f);
    Tree9(w, 1, 3650, 750, 0.58f, Sway, 0.0f, 0.74f, Opaque, 0.59f);
    Tree9(w, 1, 3820, 750, 0.58f, Sway, 0.26f, 0.74f, Opaque, 0.59f);
    Hill9(w, 2, 3450, 760, 0.64f, 1.5f, 1.15f, 0.15f, 0.54f);
    Mill9(w, 3600, 375, 0.64f, 0.1f, 0.5f, -2.6f, 0.5f, Opaque, 0.54f);
    Mill9(w, 3870, 420, 0.64f, 0.5f, 0.5f, -1.8f, 0.5f, Opaque, 0.54f);

    // Stretch 3.
    Hill9(w, 3, 2550, 870, 0.8f, 1.1f, 1.1f, 0.0f, 0.4f);
    Tree9(w, 0, 2550, 650, 0.8f, Sway, 0.0f, 1.0f, Opaque, 0.4f);
    Hill9(w, 2, 2900, 1000, 0.85f, 1.1f, 1.2f, 0.0f, 0.35f);
    Hill9(w, 2, 3100, 1000, 0.85f, 1.1f, 1.2f, 0.0f, 0.3f);
    Hill9(w, 3, 2850, 1070, 0.9f, 1.0f, 1.0f, 0.0f, 0.25f);

    // Stretch 4: three nearer windmills.
    Mill9(w, 3220, 200, 0.75f, 0.3f, 0.85f, -1.65f, 0.78f, Opaque, 0.32f);
    Mill9(w, 4000, 345, 0.85f, -0.18f, 0.9f, -2.0f, 0.8f, Opaque, 0.25f);
    Mill9(w, 4200, 415, 0.76f, 0.18f, 0.9f, -1.4f, 0.78f, Opaque, 0.31f);

    // Stretch 5.
    Hill9(w, 3, 3420, 730, 0.83f, 1.1f, 1.06f, 0.175f, 0.4f);
    Hill9(w, 3, 3750, 750, 0.88f, 1.1f, 1.0f, 0.175f, 0.35f);
    Hill9(w, 3, 4700, 900, 0.9f, 1.25f, 1.2f, 0.1f, 0.27f);
    Hill9(w, 3, 5400, 1020, 0.94f, 1.1f, 1.1f, 0.0f, 0.23f);
    Tree9(w, 1, 5500, 840, 0.94f, CounterSway, 0.1f, 1.05f, Opaque, 0.23f);
    Hill9(w, 3, 5800, 1100, 0.96f, 1.0f, 1.0f, 0.0f, 0.19f);
    Hill9(w, 2, 4400, 810, 0.93f, 1.65f, 1.0f, 0.1f, 0.21f);

    // Stretch 6: two black windmills.
    Mill9(w, 4100, 190, 0.96f, 0.3f, 1.0f, -1.0f, 0.9f, Black, 0.0f);
    Mill9(w, 4750, 300, 0.96f, 0.0f, 1.0f, -1.0f, 0.9f, Black, 0.0f);

    // Stretch 7.
    Hill9(w, 2, 6900, 1010, 0.8f, 1.6f, 1.0f, 0.0f, 0.44f);
    Hill9(w, 2, 6100, 1030, 0.83f, 1.4f, 1.0f, 0.0f, 0.35f);
    Hill9(w, 3, 6500, 1010, 0.93f, 1.0f, 1.0f, 0.3f, 0.24f);
    Hill9(w, 2, 7600, 1030, 0.94f, 1.4f, 1.0f, 0.0f, 0.21f);
    Hill9(w, 3, 7300, 1100, 0.96f, 1.1f, 1.0f, 0.0f, 0.18f);
    Hill9(w, 3, 8780, 1003, 0.96f, 1.1f, 1.0f, -0.3f, 0.23f);

    // Stretch 8: trees, the nearest as black silhouettes moving with the world.
    Tree9(w, 1, 6420, 355, 0.9f, CounterSway, 0.23f, 1.0f, Opaque, 0.2f, 255.0f);
    Tree9(w, 1, 6780, 495, 0.9f, CounterSway, 0.23f, 1.0f, Opaque, 0.2f, 255.0f);
    Tree9(w, 1, 7330, 650, 0.9f, CounterSway, 0.2f, 1.0f, Opaque, 0.2f, 255.0f);
    Tree9(w, 1, 6725, 355, 1.0f, Sway, 0.0f, 1.2f, Black, 0.0f, 255.0f);
    Tree9(w, 1, 7285, 390, 1.0f, Sway, 0.3f, 1.2f, Black, 0.0f, 255.0f);
    Tree9(w, 1, 7815, 580, 1.0f, Sway, 0.4f, 1.3f, Black, 0.0f, 255.0f);
    Tree9(w, 1, 8380, 675, 1.0f, Sway, 0.0f, 1.15f, Black, 0.0f, 255.0f);
    Tree9(w, 0, 8580, 775, 0.9f, CounterSway, -0.2f, 0.9f, Opaque, 0.2f, 255.0f);
    Tree9(w, 0, 9133, 865, 1.0f, Sway, -0.2f, 1.1f, Black, 0.0f);
    Tree9(w, 0, 9610, 650, 1.0f, Sway, -0.2f, 1.1f, Black, 0.0f);

    out.count = w.count;
    return out;
}

constexpr auto sharedRows = BuildShared();
constexpr auto record2Rows = BuildExtraList(record2Trees, 442.0f, 493.0f);
constexpr auto record3Rows = BuildExtraList(record3Trees, 20.0f, 499.0f);
constexpr auto record9Rows = BuildRecord9();
static_assert(sharedRows.count == 90, "shared landscape rows");
static_assert(record2Rows.count == 14 && record3Rows.count == 12, "extra tree lists");
static_assert(record9Rows.count == 74, "record 9 rows");

}  // namespace

constexpr SceneryLayout sharedSceneryLayout = sharedRows.Layout();
constexpr SceneryLayout record2ExtraList = record2Rows.Layout();
constexpr SceneryLayout record3ExtraList = record3Rows.Layout();
constexpr SceneryLayout record9Layout = record9Rows.Layout();
