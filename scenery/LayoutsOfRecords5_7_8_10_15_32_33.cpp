// The landscapes of records 32 and 33 (layout 32), of record 5 (layout 32 and
// eight black silhouettes of its own trees), and of records 10, 15, 7 and 8.
#include "scenery/SceneryLayouts.h"
#include "scenery/SceneryMotifs.h"

namespace {

using namespace scenery;

// Tree centres in these landscapes: tree1 stands on a point nearer its left.
constexpr float C1 = 200.0f;  // tree1
constexpr float C2 = 255.0f;  // tree2, tree3, tree4

// The usual tree group: centre tree 330 (far) or 325 (near) above the hill,
// left tree 400 left and 250 up, right tree 280 right and 290 up.
constexpr void Group(RowWriter& w, int H, int Y, bool near, RotationKind kind, float scale,
                     Pic centre, Pic left, Pic right,
                     float leanLeft = -0.3f, float leanRight = 0.1f, float centreOfCentre = 0.0f) {
    auto cx = [](Pic t) { return t == T1 ? C1 : C2; };
    const float middleCentre = centreOfCentre != 0.0f ? centreOfCentre : cx(centre);
    TreeGroup(w, H, Y, kind, scale, {centre, -90, near ? 325 : 330, 0.0f, middleCentre},
              {left, -400, 250, leanLeft, cx(left)}, {right, 280, 290, leanRight, cx(right)});
}

// ---- Layout 32: the shared landscape in tree3, tree4, hill3 and hill4.

// Tree group with the heights of this layout (they stand 7 px higher on
// their hills than the shared landscape's hills, the trees where they were).
constexpr void Group32(RowWriter& w, int H, int Y, bool near, Pic centre,
                       Pic left, Pic right, Pic hill,
                       int leftRise, float leanLeft, float leanRight) {
    TreeGroup(w, H, Y, near ? CounterSway : Sway, near ? 0.6f : 0.5f,
              {centre, -90, near ? 318 : 323, 0.0f, C2}, {left, -400, leftRise, leanLeft, C2},
              {right, 280, 283, leanRight, C2}, hill);
}

constexpr Pic l32Layer3Trees[8] = {T3, T4, T3, T3, T4, T3, T4, T4};
constexpr int l32Layer3TreeY[8] = {600, 580, 610, 650, 670, 615, 670, 610};
constexpr Pic l32Layer3Hills[8] = {H3, H4, H3, H4, H3, H3, H4, H3};
constexpr Pic l32Layer4Trees[7] = {T4, T4, T3, T4, T3, NoPicture, T3};
constexpr int l32Layer4HillY[7] = {855, 860, 830, 920, 880, 880, 870};
constexpr Pic l32Layer4Hills[7] = {H3, H3, H4, H3, H4, H4, H3};
constexpr Pic l32Layer5Hills[10] = {H3, H4, H4, H3, H3, H4, H3, H3, H4, H3};
constexpr Pic l32Layer6Hills[9] = {H3, H3, H3, H4, H4, H4, H3, H4, H3};

constexpr void WriteLayout32(RowWriter& w) {
    w.Layer(0.4f, 0.65f);
    Group32(w, 920, 693, false, T3, T4, T3, H3, 273, -0.4f, 0.4f);
    Group32(w, 3120, 723, false, T4, T4, T3, H4, 273, -0.4f, 0.4f);
    Group32(w, 5320, 753, false, T3, T3, T4, H4, 273, -0.3f, 0.1f);
    Group32(w, 7520, 793, false, T4, T3, T4, H3, 273, -0.3f, 0.1f);

    w.Layer(0.5f, 0.55f);
    const MillSet trio = Raised(nearMills, -7);
    Group32(w, -180, 743, true, T3, T4, T4, H4, 263, -0.3f, 0.1f);
    WindmillGroup(w, 2020, 743, trio, H4);
    Group32(w, 4220, 783, true, T4, T4, T3, H3, 273, -0.3f, 0.1f);
    WindmillGroup(w, 6420, 743, trio, H4);
    Group32(w, 8620, 793, true, T4, T3, T4, H4, 243, -0.3f, 0.1f);

    w.Layer(0.6f, 0.45f);
    for (int k = 0; k < 8; ++k)
        w.Tree(l32Layer3Trees[k], -200 + 1200 * k, l32Layer3TreeY[k], Sway, 0.0f, 0.75f, C2);
    for (int k = 0; k < 8; ++k)
        w.Hill(l32Layer3Hills[k], -200 + 1200 * k, l32Layer3TreeY[k] + 230, 1.2f);

    w.Layer(0.7f, 0.35f);  // the hill at 6400 carries no tree
    for (int k = 0; k < 7; ++k)
        if (l32Layer4Trees[k] != NoPicture)
            w.Tree(l32Layer4Trees[k], 400 + 1200 * k, l32Layer4HillY[k] - 230, CounterSway, 0.0f,
                   0.85f, C2);
    HillRow(w, 400, 1200, 7, l32Layer4Hills, l32Layer4HillY, 1.2f, 1.2f);

    w.Layer(0.8f, 0.3f);
    HillRow(w, -300, 1000, 10, l32Layer5Hills, 1024, 1.25f);
    w.Layer(0.8f, 0.25f);
    HillRow(w, 200, 1000, 9, l32Layer6Hills, 1050, 1.2f);
}

constexpr SceneryRows<90> BuildLayout32() {
    SceneryRows<90> out{};
    RowWriter w = WriterFor(out);
    WriteLayout32(w);
    out.count = w.count;
    return out;
}

// Record 5: its own tree3 (slot 0) and tree4 (slot 2) as black silhouettes
// moving with the world, in front of layout 32.
struct Silhouette {
    int slot;
    int x, y;
    float scale;
};
constexpr Silhouette record5Silhouettes[8] = {
    {0, 578, 559, 1.05f}, {2, 835, 644, 1.0f},   {0, 1115, 671, 1.2f}, {2, 1438, 624, 1.23f},
    {2, 1798, 648, 1.05f}, {0, 2129, 552, 1.2f}, {0, 2513, 440, 1.05f}, {2, 3618, 579, 1.05f},
};

constexpr SceneryRows<98> BuildRecord5() {
    SceneryRows<98> out{};
    RowWriter w = WriterFor(out);
    WriteLayout32(w);
    for (const Silhouette& s : record5Silhouettes)
        w.Decor(s.slot, s.x, s.y, 1.0f, Sway, 0.0f, s.scale, s.scale, 206.0f, 487.0f,
                ColourKind::Black, 0.0f);
    out.count = w.count;
    return out;
}

// ---- Layout 10.

// One unit of layer 3: two trees, then the hill they stand on.
struct Unit10 {
    int hillX, hillY;
    float scaleX, scaleY, tilt;
    int ax, ay;
    float leanA;
    int bx, by;
    RotationKind kind;
};
constexpr Unit10 layout10Units[7] = {
    {590, 850, 1.1f, 1.0f, 0.0f, 480, 700, 0.0f, 770, 750, CounterSway},
    {1590, 920, 1.1f, 1.0f, 0.2f, 1350, 810, -0.3f, 1700, 760, CounterSway},
    {2690, 1020, 1.2f, 1.2f, 0.0f, 2450, 870, -0.3f, 2800, 820, CounterSway},
    {3890, 870, 1.2f, 1.2f, 0.0f, 3650, 720, -0.3f, 4000, 670, CounterSway},
    {4890, 800, 1.3f, 1.2f, 0.0f, 4650, 650, -0.3f, 5000, 600, CounterSway},
    {5990, 750, 1.3f, 1.2f, 0.0f, 5750, 600, -0.3f, 6100, 550, CounterSway},
    {7590, 870, 1.2f, 1.2f, 0.0f, 7350, 720, -0.3f, 7700, 670, Sway},
};

constexpr SceneryRows<66> BuildLayout10() {
    SceneryRows<66> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.7f);
    Group(w, 2120, 970, false, Sway, 0.5f, T1, T1, T1);
    Group(w, 5320, 800, false, Sway, 0.5f, T1, T1, T1);

    w.Layer(0.5f, 0.6f);  // far-form heights, turning against the far layer
    for (int k = 0; k < 3; ++k) Group(w, 520 + 3200 * k, 850, false, CounterSway, 0.5f, T1, T1, T1);

    for (const Unit10& u : layout10Units) {  // trees a little farther than their hills
        w.Layer(0.64f, 0.25f);
        w.Tree(T1, u.ax, u.ay, u.kind, u.leanA, 0.7f, C1);
        w.Tree(T1, u.bx, u.by, u.kind, 0.0f, 0.7f, C1);
        w.Layer(0.65f, 0.25f);
        w.Hill(H1, u.hillX, u.hillY, u.scaleX, u.scaleY, u.tilt);
    }

    w.Layer(0.75f, 0.18f);
    w.Hill(H2, 330, 890, 1.0f);
    w.Hill(H2, 930, 890, 1.0f);
    w.Hill(H2, 1530, 960, 1.0f);
    w.Hill(H2, 2130, 1040, 1.0f);
    w.Hill(H2, 3030, 1050, 1.0f);
    w.Hill(H1, 3910, 940, 1.32f, 1.1f);
    w.Hill(H1, 4660, 1030, 1.32f, 1.35f);
    w.Hill(H1, 5210, 1000, 1.32f, 1.3f);
    w.Hill(H1, 5887, 1005, 1.65f, 1.38f);

    w.Layer(0.84f, 0.12f);
    w.Tree(T1, 70, 700, CounterSway, 0.0f, 0.85f, C1);
    w.Layer(0.85f, 0.12f);
    w.Hill(H1, 170, 870, 1.0f);
    w.Hill(H2, 1370, 1050, 1.0f);
    w.Hill(H2, 3905, 1085, 1.1f, 1.0f);
    w.Hill(H2, 4960, 1030, 1.1f, 1.0f);
    w.Hill(H1, 6400, 960, 1.1f, 1.0f);
    w.Layer(0.84f, 0.12f);
    w.Tree(T1, 7870, 825, CounterSway, 0.0f, 0.85f, C1);
    w.Layer(0.85f, 0.12f);
    w.Hill(H2, 7870, 1030, 1.2f, 1.1f);

    w.Layer(0.9f, 0.09f);
    w.Hill(H1, 6800, 950, 1.0f, 1.0f, -0.32f);
    w.Hill(H1, 7500, 1030, 1.0f);

    // Near silhouettes, in list order (their parallax does not rise).
    w.Layer(0.92f, 0.045f);
    w.Tree(T1, 310, 870, Sway, 0.0f, 1.05f, C1);
    w.Tree(T1, 2263, 925, Sway, -0.2f, 1.0f, C1);
    w.Layer(0.97f, 0.0f);
    w.Tree(T1, 3010, 870, CounterSway, -0.33f, 0.98f, C1);
    w.Layer(0.94f, 0.045f);
    w.Tree(T1, 3475, 750, Sway, -0.4f, 0.92f, C1);
    w.Tree(T1, 3780, 625, Sway, -0.4f, 0.92f, C1);
    w.Layer(0.97f, 0.0f);
    w.Tree(T1, 7130, 810, Sway, -0.33f, 1.0f, C1);

    out.count = w.count;
    return out;
}

// ---- Layout 15.

constexpr SceneryRows<81> BuildLayout15() {
    SceneryRows<81> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.7f);
    WindmillGroup(w, 2120, 720, farMills);
    TreeGroup(w, 5320, 800, Sway, 0.5f, {T2, -70, 320, 0.0f, C2}, {T2, -440, 280, -0.3f, C2},
              {T2, 330, 290, 0.1f, C2});

    w.Layer(0.5f, 0.5f);
    Group(w, 520, 850, false, CounterSway, 0.5f, T1, T1, T1);
    w.Hill(H1, 3720, 860, 1.5f);
    w.MillTower(4600, 480, 0.8f, 0.5f, 0.5f);
    w.MillTower(3900, 290, 0.05f, 0.5f, 0.5f);
    w.MillWheel(4600, 480, -2.0f, 0.4f);
    w.MillWheel(3900, 290, -2.0f, 0.4f);

    w.Layer(0.57f, 0.38f);
    w.Hill(H1, 230, 850, 1.2f, 1.1f);
    w.Hill(H1, 1630, 790, 1.2f, 1.1f);
    w.Hill(H1, 3080, 780, 1.2f, 1.1f);
    w.Hill(H1, 4430, 910, 1.2f, 1.1f);
    w.Hill(H1, 5830, 910, 1.2f, 1.1f);

    w.Layer(0.61f, 0.34f);
    w.Tree(T2, -200, 660, Sway, 0.0f, 0.7f, C2);
    w.Tree(T2, 350, 760, Sway, 0.0f, 0.7f, C2);
    w.Tree(T2, 1000, 660, Sway, 0.1f, 0.7f, C2);
    w.Tree(T2, 1300, 740, Sway, 0.0f, 0.7f, C2);
    w.Tree(T2, 4140, 810, CounterSway, 0.2f, 0.8f, C2);
    w.Tree(T2, 5015, 660, CounterSway, 0.0f, 0.7f, C2);
    w.Tree(T2, 5300, 670, CounterSway, 0.4f, 0.7f, C2);
    w.Tree(T2, 5700, 740, CounterSway, 0.0f, 0.7f, C2);
    w.MillTower(2850, 250, 0.04f, 0.8f, 0.73f);
    w.MillTower(3440, 300, -0.25f, 0.8f, 0.73f);
    w.MillWheel(2850, 240, -1.85f, 0.6f);  // 10 px above its tower's point
    w.MillWheel(3440, 300, -1.85f, 0.6f);

    w.Layer(0.65f, 0.3f);
    w.Hill(H1, -170, 850, 1.2f, 1.1f);
    w.Hill(H1, 930, 850, 1.2f, 1.1f);
    w.Hill(H1, 2430, 720, 1.2f, 1.1f);
    w.Hill(H1, 3730, 840, 1.2f, 1.1f);
    w.Hill(H1, 5130, 840, 1.2f, 1.1f);
    w.Hill(H1, 6380, 840, 1.2f, 1.1f);

    w.Layer(0.7f, 0.22f);
    constexpr int layer6Y[6] = {960, 920, 780, 800, 890, 950};
    for (int k = 0; k < 6; ++k) w.Hill(H2, 500 + 800 * k, layer6Y[k], 1.0f);
    w.Hill(H2, 5600, 930, 1.0f);

    w.Layer(0.75f, 0.185f);
    w.Tree(T1, 100, 800, CounterSway, 0.0f, 0.85f, C1);
    w.Tree(T1, 800, 800, CounterSway, 0.0f, 0.85f, C1);
    w.Tree(T1, 1400, 850, CounterSway, 0.0f, 0.85f, C1);
    w.MillTower(2520, 200, 0.04f, 0.9f, 0.9f);
    w.MillTower(3150, 300, -0.05f, 0.9f, 0.9f);
    w.MillWheel(2520, 200, -1.7f, 0.7f);
    w.MillWheel(3150, 300, -1.7f, 0.7f);

    w.Layer(0.8f, 0.15f);
    w.Hill(H1, 100, 960, 1.0f);
    w.Hill(H2, 900, 940, 1.0f);
    w.Hill(H1, 1700, 880, 1.0f);
    w.Hill(H1, 2500, 800, 1.0f);
    w.Hill(H2, 3300, 900, 1.0f);
    w.Hill(H1, 4100, 950, 1.0f);
    w.Hill(H1, 5200, 1000, 1.0f);

    w.Layer(0.82f, 0.125f);
    w.Hill(H1, 0, 1025, 0.9f, 1.0f);
    w.Hill(H2, 800, 1025, 0.9f, 1.0f);
    w.Hill(H1, 1500, 1025, 1.0f, 1.1f);
    w.Hill(H2, 2400, 970, 1.0f, 1.1f);
    w.Hill(H1, 3400, 980, 1.0f, 1.1f);
    w.Hill(H2, 4200, 1030, 1.0f, 1.1f);
    w.Hill(H1, 5950, 1040, 1.1f);

    w.Layer(0.88f, 0.09f);
    w.Hill(H1, 400, 1025, 0.9f, 1.0f);
    w.Hill(H1, 1200, 1025, 0.9f, 1.0f);
    w.Hill(H2, 1930, 1025, 1.25f, 1.2f);
    w.Hill(H1, 2800, 950, 1.0f, 1.1f);
    w.Hill(H2, 3800, 1060, 1.0f, 1.1f);
    w.Hill(H2, 5450, 1080, 1.1f);

    w.Layer(0.95f, 0.0f);  // two black windmills, each tower then wheel
    w.MillTower(2205, 100, 0.4f, 1.0f, 1.0f);
    w.MillWheel(2205, 100, -1.5f, 1.0f);
    w.MillTower(3750, 340, 0.15f, 1.0f, 1.0f);
    w.MillWheel(3750, 340, -1.5f, 1.0f);

    out.count = w.count;
    return out;
}

// ---- Layout 7.

constexpr SceneryRows<48> BuildLayout7() {
    SceneryRows<48> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.6f);
    Group(w, 920, 700, false, Sway, 0.5f, T1, T1, T1);
    Group(w, 3120, 750, false, Sway, 0.5f, T2, T2, T2);

    w.Layer(0.5f, 0.5f);
    Group(w, -180, 750, true, CounterSway, 0.6f, T1, T1, T1);
    Group(w, 2020, 750, true, CounterSway, 0.6f, T1, T1, T1);
    Group(w, 4220, 750, true, CounterSway, 0.6f, T2, T2, T2, -0.3f, 0.3f);

    w.Layer(0.6f, 0.4f);
    w.Hill(H1, 530, 780, 1.2f);
    w.Hill(H1, 1730, 870, 1.2f);
    w.Hill(H1, 2920, 870, 1.3f, 1.2f);
    w.Hill(H1, 4130, 800, 1.2f);

    w.Layer(0.64f, 0.35f);
    w.Tree(T1, 2300, 680, CounterSway, 0.0f, 0.8f, C1);
    w.Tree(T2, 3800, 730, Sway, 0.0f, 0.9f, C2);
    w.Tree(T2, 1000, 620, Sway, 0.0f, 0.9f, C2);

    w.Layer(0.68f, 0.32f);
    w.Hill(H1, -130, 750, 1.2f);
    w.Hill(H1, 1130, 810, 1.2f);
    w.Hill(H1, 2330, 900, 1.2f);
    w.Hill(H1, 3530, 885, 1.2f);

    w.Layer(0.75f, 0.28f);
    w.Tree(T1, 600, 700, Sway, 0.0f, 0.9f, C1);
    w.Tree(T1, 1280, 700, Sway, 0.0f, 0.9f, C1);
    w.Tree(T2, 2850, 870, CounterSway, 0.0f, 1.0f, C2);
    w.Tree(T2, 3300, 870, CounterSway, 0.0f, 1.0f, C2);

    w.Layer(0.8f, 0.26f);
    w.Hill(H2, 0, 770, 1.05f);
    w.Hill(H2, 800, 850, 1.05f);
    w.Hill(H2, 1750, 900, 1.05f);
    w.Hill(H2, 2400, 1030, 1.05f);
    w.Hill(H2, 3200, 1030, 1.05f);

    w.Layer(0.88f, 0.18f);
    w.Hill(H1, 400, 800, 1.05f);
    w.Hill(H1, 1200, 880, 1.05f);
    w.Hill(H1, 2000, 1030, 1.05f);
    w.Hill(H1, 2870, 1030, 1.05f);
    w.Hill(H2, 3540, 1030, 1.05f);
    w.Hill(H2, 4000, 880, 1.05f);

    w.Layer(0.98f, 0.0f);  // black silhouettes
    w.Tree(T1, 1700, 780, CounterSway, 0.0f, 1.1f, C1);
    w.Tree(T1, 2533, 773, CounterSway, 0.0f, 1.1f, C1);

    out.count = w.count;
    return out;
}

// ---- Layout 8.

constexpr SceneryRows<64> BuildLayout8() {
    SceneryRows<64> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.6f);
    Group(w, 620, 850, false, Sway, 0.5f, T1, T1, T1);
    Group(w, 3120, 760, false, Sway, 0.5f, T1, T2, T2);
    Group(w, 5320, 740, false, Sway, 0.5f, T2, T1, T1, -0.3f, 0.1f, 200.0f);

    w.Layer(0.5f, 0.5f);
    Group(w, -280, 730, true, CounterSway, 0.6f, T1, T1, T1);
    Group(w, 2220, 850, true, CounterSway, 0.6f, T1, T1, T1);
    Group(w, 4220, 800, true, CounterSway, 0.6f, T1, T1, T1);
    Group(w, 6420, 780, true, CounterSway, 0.6f, T1, T2, T1);

    w.Layer(0.6f, 0.4f);
    w.Hill(H2, 550, 800, 1.2f);
    w.Hill(H1, 1750, 930, 1.2f);
    w.Hill(H2, 2950, 890, 1.3f, 1.4f);
    w.Hill(H1, 4150, 950, 1.4f);
    w.Hill(H2, 5350, 920, 1.2f, 1.3f);
    w.Hill(H2, 6550, 950, 1.2f);

    w.Layer(0.65f, 0.36f);
    w.Tree(T2, 1040, 700, Sway, 0.0f, 0.8f, C2);
    w.Tree(T1, 2200, 750, Sway, -0.3f, 0.8f, C1);
    w.Tree(T1, 2570, 750, Sway, 0.0f, 0.8f, C1);
    w.Tree(T2, 4600, 725, Sway, 0.0f, 0.8f, C2);
    w.Tree(T2, 4940, 725, Sway, 0.0f, 0.8f, C2);

    w.Layer(0.68f, 0.33f);
    w.Hill(H2, -75, 700, 1.4f, 1.2f);
    w.Hill(H1, 1150, 900, 1.2f);
    w.Hill(H2, 2350, 920, 1.2f);
    w.Hill(H2, 3550, 830, 1.2f);
    w.Hill(H2, 4750, 970, 1.4f);
    w.Hill(H1, 5950, 900, 1.2f);

    w.Layer(0.77f, 0.28f);
    w.Tree(T2, 1970, 920, CounterSway, 0.0f, 0.95f, C2);
    w.Tree(T1, 3400, 780, CounterSway, -0.1f, 0.95f, C1);
    w.Tree(T1, 4000, 830, CounterSway, -0.1f, 0.95f, C1);
    w.Tree(T2, 4800, 920, CounterSway, 0.0f, 0.95f, C2);
    w.Tree(T2, 5500, 840, CounterSway, 0.0f, 0.95f, C2);

    w.Layer(0.8f, 0.26f);
    w.Hill(H2, 1000, 900, 1.05f);
    w.Hill(H1, 2500, 1040, 1.2f);
    w.Hill(H2, 3900, 980, 1.05f);
    w.Hill(H1, 4700, 1050, 1.05f);
    w.Hill(H2, 5500, 1030, 1.05f);

    w.Layer(0.88f, 0.18f);
    constexpr int layer8X[8] = {320, 1350, 2110, 2900, 3500, 4300, 5100, 5900};
    constexpr int layer8Y[8] = {690, 1100, 1100, 1030, 920, 1030, 1060, 975};
    for (int k = 0; k < 8; ++k) w.Hill(H2, layer8X[k], layer8Y[k], 1.05f);

    w.Layer(0.93f, 0.11f);
    w.Hill(H2, 1110, 1100, 1.0f);

    out.count = w.count;
    return out;
}

constexpr auto layout32Rows = BuildLayout32();
constexpr auto record5Rows = BuildRecord5();
constexpr auto layout10Rows = BuildLayout10();
constexpr auto layout15Rows = BuildLayout15();
constexpr auto layout7Rows = BuildLayout7();
constexpr auto layout8Rows = BuildLayout8();
static_assert(layout32Rows.count == 90 && record5Rows.count == 98, "layout 32 rows");
static_assert(layout10Rows.count == 66 && layout15Rows.count == 81, "layouts 10 and 15 rows");
static_assert(layout7Rows.count == 48 && layout8Rows.count == 64, "layouts 7 and 8 rows");

}  // namespace

constexpr SceneryLayout layout32 = layout32Rows.Layout();
constexpr SceneryLayout record5Layout = record5Rows.Layout();
constexpr SceneryLayout layout10 = layout10Rows.Layout();
constexpr SceneryLayout layout15 = layout15Rows.Layout();
constexpr SceneryLayout layout7 = layout7Rows.Layout();
constexpr SceneryLayout layout8 = layout8Rows.Layout();
