// The landscapes of records 16, 17 and 18 (one band along a one-row level)
// and of records 13 and 14 (a full lower band and a thin upper band on
// levels two tiles high).
#include "scenery/SceneryLayouts.h"
#include "scenery/SceneryMotifs.h"

namespace {

using namespace scenery;

// Tree group of one picture: far at parallax 0.4 (Sway, scale 0.5), near at
// 0.5 (CounterSway, scale 0.6, centre tree 5 px lower).
constexpr void Group(RowWriter& w, int H, int Y, bool near, Pic tree, float centreX,
                     float leanLeft, float leanRight) {
    TreeGroup(w, H, Y, near ? CounterSway : Sway, near ? 0.6f : 0.5f,
              {tree, -90, near ? 325 : 330, 0.0f, centreX}, {tree, -400, 250, leanLeft, centreX},
              {tree, 280, 290, leanRight, centreX});
}

// One foreground or single piece at its own depth and brightness.
constexpr void Single(RowWriter& w, Pic hill, int x, int y, float parallax,
                      float brightness, float scaleX, float scaleY, float tilt = 0.0f) {
    w.Layer(parallax, brightness);
    w.Hill(hill, x, y, scaleX, scaleY, tilt);
}

// ---- Record 16: every tree tree2.

constexpr int r16L3HillX[7] = {1600, 2600, 3800, 5000, 6250, 7350, 8450};
constexpr int r16L3HillY[7] = {875, 840, 850, 900, 830, 650, 500};
constexpr int r16L4HillX[7] = {1100, 2150, 3200, 4400, 5700, 6800, 7950};
constexpr int r16L4HillY[7] = {850, 900, 850, 880, 920, 740, 540};
constexpr int r16L5HillX[4] = {1700, 2500, 6200, 7000};
constexpr int r16L5HillY[4] = {1000, 1000, 930, 810};
constexpr int r16L6HillX[4] = {1360, 2100, 2900, 6550};
constexpr int r16L6HillY[4] = {980, 950, 960, 900};

constexpr SceneryRows<61> BuildRecord16() {
    SceneryRows<61> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.6f);
    for (int k = 0; k < 2; ++k) Group(w, 920 + 2200 * k, 700, false, T2, 255.0f, -0.4f, 0.4f);
    w.Layer(0.5f, 0.5f);
    constexpr int l2Y[4] = {670, 750, 750, 770};
    for (int k = 0; k < 4; ++k) Group(w, -180 + 2200 * k, l2Y[k], true, T2, 255.0f, -0.4f, 0.4f);

    w.Layer(0.6f, 0.4f);  // trees on the hills at 1600, 2600 and 7350
    w.Tree(T2, 1600, 875 - 240, Sway, 0.0f, 0.75f, 255.0f);
    w.Tree(T2, 2600, 840 - 240, Sway, 0.0f, 0.75f, 255.0f);
    w.Tree(T2, 7350, 650 - 240, CounterSway, 0.0f, 0.75f, 255.0f);
    for (int k = 0; k < 7; ++k) w.Hill(H2, r16L3HillX[k], r16L3HillY[k], k == 1 ? 1.3f : 1.2f);

    w.Layer(0.67f, 0.33f);  // trees on the hills at 2150, 3200 and 6800
    constexpr int carrying[3] = {1, 2, 5};
    for (int k : carrying)
        w.Tree(T2, r16L4HillX[k], r16L4HillY[k] - 240, Sway, 0.0f, 0.85f, 255.0f);
    for (int k = 0; k < 7; ++k)
        w.Hill(H2, r16L4HillX[k], r16L4HillY[k], k == 2 ? 1.3f : 1.2f, k == 2 ? 1.4f : 1.2f);

    w.Layer(0.8f, 0.26f);
    for (int k = 0; k < 4; ++k)
        w.Tree(T2, r16L5HillX[k], r16L5HillY[k] - 190, CounterSway, 0.0f, 0.92f, 255.0f);
    for (int k = 0; k < 4; ++k) w.Hill(H2, r16L5HillX[k], r16L5HillY[k], 1.05f);

    w.Layer(0.87f, 0.19f);  // no tree on the hill at 1360
    w.Tree(T2, 2100, 950 - 180, CounterSway, 0.0f, 0.96f, 255.0f);
    w.Tree(T2, 2900, 960 - 180, CounterSway, 0.0f, 0.96f, 255.0f);
    w.Tree(T2, 6550, 900 - 180, Sway, 0.0f, 0.96f, 255.0f);
    for (int k = 0; k < 4; ++k)
        w.Hill(H2, r16L6HillX[k], r16L6HillY[k], k == 3 ? 1.2f : 1.05f, 1.05f);

    Single(w, H2, 6680, 1060, 0.96f, 0.12f, 1.1f, 1.0f);
    Single(w, H2, 6400, 1100, 0.98f, 0.08f, 1.1f, 1.0f);

    out.count = w.count;
    return out;
}

// ---- Record 17: tree-row trees pivot on their middle whatever the picture.

constexpr Pic r17L3Trees[6] = {T2, T2, T5, T8, T1, T1};
constexpr Pic r17L3Hills[6] = {H2, H1, H2, H2, H1, H2};
constexpr int r17L3X[6] = {400, 1500, 2600, 3700, 4700, 5900};
constexpr int r17L3Y[6] = {720, 750, 750, 830, 910, 920};
constexpr int r17L4Y[6] = {650, 850, 700, 750, 900, 980};
constexpr Pic r17L5Trees[7] = {T2, T2, T8, T5, T8, T1, T1};
constexpr Pic r17L5Hills[7] = {H2, H2, H2, H1, H2, H1, H2};
constexpr int r17L5Y[7] = {800, 850, 830, 820, 900, 1020, 1060};
constexpr Pic r17L6Trees[8] = {T2, T2, T5, T8, NoPicture, T1, T1, T1};
constexpr Pic r17L6Hills[8] = {H2, H1, H2, H2, H1, H2, H1, H2};
constexpr int r17L6Y[8] = {700, 900, 750, 850, 820, 980, 1020, 1000};

constexpr SceneryRows<69> BuildRecord17() {
    SceneryRows<69> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.7f);
    WindmillGroup(w, 2220, 660, farMills);

    w.Layer(0.5f, 0.5f);
    TreeGroup(w, 4020, 700, CounterSway, 0.6f, {T5, -90, 325, 0.0f, 200.0f},
              {T8, -400, 250, -0.3f, 300.0f}, {T5, 280, 290, 0.1f, 200.0f});

    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 6; ++k)
        w.Tree(r17L3Trees[k], r17L3X[k], r17L3Y[k] - 240, Sway, 0.0f, 0.8f, 255.0f);
    for (int k = 0; k < 6; ++k) w.Hill(r17L3Hills[k], r17L3X[k], r17L3Y[k], 1.2f);

    w.Layer(0.67f, 0.33f);
    for (int k = 0; k < 6; ++k)
        w.Tree(r17L3Trees[k], -150 + 1100 * k, r17L4Y[k] - 240, CounterSway, 0.0f, 0.85f, 255.0f);
    HillRow(w, -150, 1100, 6, r17L3Hills, r17L4Y, 1.2f, 1.2f);

    w.Layer(0.8f, 0.26f);
    for (int k = 0; k < 7; ++k)
        w.Tree(r17L5Trees[k], 550 + 800 * k, r17L5Y[k] - 190, CounterSway, 0.0f, 0.9f, 255.0f);
    for (int k = 0; k < 7; ++k)  // the hills at 2150 and 2950 are larger
        w.Hill(r17L5Hills[k], 550 + 800 * k, r17L5Y[k], k == 2 || k == 3 ? 1.15f : 1.05f);

    w.Layer(0.87f, 0.19f);  // the hill at 3350 carries no tree
    for (int k = 0; k < 8; ++k)
        if (r17L6Trees[k] != NoPicture)
            w.Tree(r17L6Trees[k], 150 + 800 * k, r17L6Y[k] - 180, Sway, 0.0f, 0.95f, 255.0f);
    HillRow(w, 150, 800, 8, r17L6Hills, r17L6Y, 1.05f, 1.05f);

    Single(w, H2, 970, 1080, 0.96f, 0.12f, 1.1f, 1.0f);
    Single(w, H2, 2380, 1025, 0.96f, 0.12f, 1.1f, 1.1f);
    Single(w, H2, 2100, 1025, 0.98f, 0.08f, 1.1f, 1.1f);
    Single(w, H1, 2670, 1060, 0.98f, 0.08f, 1.1f, 1.1f);
    Single(w, H2, 3900, 1040, 0.96f, 0.12f, 1.1f, 1.0f);

    out.count = w.count;
    return out;
}

// ---- Record 14: lower band at y 1225 to 2100, upper band at 600 to 800.
// In its tree rows the hills come first, then the trees standing on them.

constexpr Pic r14L3Hills[5] = {H2, H1, H2, H2, H1};
constexpr int r14L3X[5] = {500, 1700, 2910, 4100, 5400};
constexpr int r14L3Y[5] = {1600, 1750, 1850, 1780, 1660};
constexpr Pic r14L5Hills[4] = {H2, H2, H1, H2};
constexpr int r14L5X[4] = {1100, 2300, 3500, 4800};
constexpr int r14L5Y[4] = {1700, 1840, 1860, 1690};
constexpr Pic r14L7Hills[6] = {H2, H2, H2, H1, H1, H2};
constexpr int r14L7X[6] = {1000, 1800, 2600, 3340, 4200, 5000};
constexpr int r14L7Y[6] = {1800, 1800, 1980, 2000, 1850, 1750};
constexpr Pic r14L9Hills[6] = {H2, H1, H2, H1, H2, H1};
constexpr int r14L9Y[6] = {1700, 1900, 1870, 2050, 1930, 1800};
constexpr Pic r14L9Trees[6] = {T2, T2, T1, T2, T2, T2};

constexpr SceneryRows<72> BuildRecord14() {
    SceneryRows<72> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.6f);
    for (int k = 0; k < 2; ++k) Group(w, 1820 + 2200 * k, 1700, false, T1, 200.0f, -0.3f, 0.1f);
    w.Layer(0.5f, 0.5f);
    constexpr int l2Y[3] = {1550, 1850, 1650};
    for (int k = 0; k < 3; ++k) Group(w, 720 + 2200 * k, l2Y[k], true, T1, 200.0f, -0.3f, 0.1f);

    w.Layer(0.6f, 0.42f);
    for (int k = 0; k < 5; ++k) w.Hill(r14L3Hills[k], r14L3X[k], r14L3Y[k], 1.2f);
    for (int k = 0; k < 5; ++k) w.Tree(T2, r14L3X[k], r14L3Y[k] - 230, Sway, 0.0f, 0.8f, 255.0f);

    Single(w, H2, 2600, 700, 0.64f, 0.42f, 1.2f, 1.2f, 0.16f);  // upper band

    w.Layer(0.69f, 0.33f);
    for (int k = 0; k < 4; ++k) w.Hill(r14L5Hills[k], r14L5X[k], r14L5Y[k], 1.2f);
    for (int k = 0; k < 4; ++k)
        w.Tree(T1, r14L5X[k], r14L5Y[k] - 230, CounterSway, 0.0f, 0.85f, 200.0f);

    Single(w, H2, 2000, 620, 0.69f, 0.33f, 1.2f, 1.2f);  // upper band

    w.Layer(0.79f, 0.27f);
    for (int k = 0; k < 6; ++k) w.Hill(r14L7Hills[k], r14L7X[k], r14L7Y[k], 1.15f);

    Single(w, H2, 1600, 600, 0.82f, 0.3f, 1.15f, 1.15f);  // upper band
    Single(w, H2, 2350, 700, 0.82f, 0.3f, 1.15f, 1.15f);
    Single(w, H2, 3050, 800, 0.82f, 0.3f, 1.15f, 1.15f);
    Single(w, H2, 4460, 720, 0.83f, 0.3f, 1.15f, 1.15f, -0.1f);

    w.Layer(0.88f, 0.2f);
    for (int k = 0; k < 6; ++k)
        w.Hill(r14L9Hills[k], 600 + 800 * k, r14L9Y[k], 1.15f, 1.15f, k == 2 ? 0.24f : 0.0f);
    for (int k = 0; k < 6; ++k)
        w.Tree(r14L9Trees[k], 600 + 800 * k, r14L9Y[k] - 210, Sway, 0.0f, 0.95f, 255.0f);

    Single(w, H2, 2700, 750, 0.88f, 0.25f, 1.15f, 1.15f);  // upper band
    Single(w, H2, 2000, 770, 0.88f, 0.25f, 1.15f, 1.15f);
    Single(w, H2, 4900, 750, 0.89f, 0.25f, 1.15f, 1.15f, 0.215f);

    Single(w, H2, 1100, 2050, 0.92f, 0.17f, 1.15f, 1.15f);  // lower foreground
    Single(w, H2, 1300, 2100, 0.99f, 0.14f, 1.15f, 1.15f);
    Single(w, H2, 3950, 2060, 0.92f, 0.17f, 1.15f, 1.15f);

    w.Layer(0.9f, 0.2f);  // two trees of the upper band
    w.Tree(T2, 140, 730, CounterSway, 0.0f, 1.0f, 255.0f);
    w.Layer(0.96f, 0.1f);
    w.Tree(T1, 380, 740, Sway, -0.15f, 1.0f, 200.0f);

    w.Layer(0.98f, 0.0f);  // black silhouettes of the lower band
    w.Tree(T1, 3555, 1910, Sway, -0.15f, 1.0f, 200.0f);
    w.Tree(T1, 4191, 1800, Sway, -0.15f, 1.0f, 200.0f);

    out.count = w.count;
    return out;
}

// ---- Record 13: every tree tree2; hills before their trees.

struct Band13Row {
    float parallax, brightness, hillScale, treeScale;
    RotationKind kind;
    int lift;
};

template <int N>
constexpr void Row13(RowWriter& w, const Band13Row& row, const int (&x)[N],
                     const Pic (&hills)[N], const int (&y)[N], int tiltAt, float tilt) {
    w.Layer(row.parallax, row.brightness);
    for (int k = 0; k < N; ++k)
        w.Hill(hills[k], x[k], y[k], row.hillScale, row.hillScale, k == tiltAt ? tilt : 0.0f);
    for (int k = 0; k < N; ++k)
        w.Tree(T2, x[k], y[k] - row.lift, row.kind, 0.0f, row.treeScale, 255.0f);
}

constexpr int r13L3X[4] = {-100, 1100, 2300, 3500};
constexpr Pic r13L3Hills[4] = {H2, H2, H1, H2};
constexpr int r13L3Y[4] = {1570, 1630, 1750, 1850};
constexpr int r13L4X[5] = {-600, 500, 1700, 2900, 4100};
constexpr Pic r13L4Hills[5] = {H2, H1, H2, H2, H1};
constexpr int r13L4Y[5] = {1520, 1600, 1700, 1830, 1910};
constexpr int r13L5X[6] = {-200, 600, 1400, 2200, 3000, 3700};
constexpr Pic r13L5Hills[6] = {H1, H2, H1, H2, H2, H2};
constexpr int r13L5Y[6] = {1620, 1670, 1700, 1860, 1990, 2000};
constexpr int r13L7X[6] = {200, 1000, 1800, 2600, 3250, 4200};
constexpr Pic r13L7Hills[6] = {H2, H2, H1, H1, H2, H1};
constexpr int r13L7Y[6] = {1640, 1700, 1780, 1940, 2050, 1970};

constexpr SceneryRows<66> BuildRecord13() {
    SceneryRows<66> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.6f);
    constexpr int l1Y[2] = {1550, 1740};
    for (int k = 0; k < 2; ++k) Group(w, 820 + 2200 * k, l1Y[k], false, T2, 255.0f, -0.6f, 0.6f);
    w.Layer(0.5f, 0.5f);
    constexpr int l2Y[3] = {1450, 1600, 1830};
    for (int k = 0; k < 3; ++k) Group(w, -280 + 2200 * k, l2Y[k], true, T2, 255.0f, -0.6f, 0.6f);

    Row13(w, {0.61f, 0.4f, 1.2f, 0.75f, Sway, 240}, r13L3X, r13L3Hills, r13L3Y, -1, 0.0f);
    Row13(w, {0.7f, 0.31f, 1.2f, 0.8f, Sway, 240}, r13L4X, r13L4Hills, r13L4Y, 3, 0.1f);
    Row13(w, {0.79f, 0.27f, 1.15f, 0.88f, CounterSway, 220}, r13L5X, r13L5Hills, r13L5Y, -1, 0.0f);

    Single(w, H2, 1680, 650, 0.79f, 0.35f, 1.0f, 1.0f, -0.15f);  // upper band
    Single(w, H2, 2280, 540, 0.79f, 0.35f, 1.0f, 1.0f, 0.15f);

    Row13(w, {0.88f, 0.21f, 1.15f, 0.95f, CounterSway, 210}, r13L7X, r13L7Hills, r13L7Y, 2, 0.2f);

    Single(w, H2, 1380, 700, 0.88f, 0.28f, 1.0f, 1.0f, -0.15f);  // upper band
    Single(w, H2, 1980, 600, 0.88f, 0.28f, 1.0f, 1.0f, -0.15f);

    out.count = w.count;
    return out;
}

// ---- Record 18: far motifs on hills 2400 apart, then full rows.

constexpr Pic r18L3Trees[9] = {T5, T8, T5, T2, T2, T2, T1, T1, T1};
constexpr Pic r18L3Hills[9] = {H2, H2, H1, H2, H2, H2, H1, H2, H2};
constexpr int r18L3Y[9] = {800, 900, 800, 800, 720, 780, 840, 860, 800};
constexpr Pic r18L4Hills[9] = {H2, H1, H2, H2, H1, H2, H2, H2, H1};
constexpr int r18L4Y[9] = {750, 850, 850, 850, 760, 750, 810, 810, 830};
constexpr Pic r18L5Trees[10] = {T8, T5, T8, T5, T2, T2, T2, T1, T1, T1};
constexpr Pic r18L5Hills[10] = {H2, H2, H2, H1, H2, H2, H1, H1, H2, H2};
constexpr int r18L5Y[10] = {860, 920, 890, 850, 820, 810, 890, 910, 930, 950};
constexpr Pic r18L6Hills[10] = {H1, H2, H2, H2, H2, H2, H2, H2, H1, H2};
constexpr int r18L6Y[10] = {820, 900, 910, 890, 850, 810, 850, 930, 890, 970};

// Tree-row trees: tree1 pivots at 210 here; tree5 and tree8 stand higher.
constexpr float Centre18(Pic tree) { return tree == T1 ? 210.0f : 255.0f; }
constexpr bool Tall18(Pic tree) { return tree == T5 || tree == T8; }

constexpr SceneryRows<105> BuildRecord18() {
    SceneryRows<105> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.6f);
    Group(w, -280, 750, false, T2, 255.0f, -0.4f, 0.4f);
    w.Layer(0.4f, 0.7f);
    WindmillGroup(w, 2120, 750, farMills);
    w.Layer(0.4f, 0.6f);
    Group(w, 4520, 750, false, T2, 255.0f, -0.4f, 0.4f);
    Group(w, 6920, 750, false, T2, 255.0f, -0.4f, 0.4f);

    w.Layer(0.5f, 0.5f);
    Group(w, 920, 780, true, T1, 200.0f, -0.3f, 0.1f);
    WindmillGroup(w, 3320, 730, wideMovedMills);
    Group(w, 5720, 780, true, T2, 255.0f, -0.4f, 0.4f);
    WindmillGroup(w, 8120, 780, wideMovedMills);

    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 9; ++k) {
        Pic t = r18L3Trees[k];
        w.Tree(t, 300 + 1000 * k, r18L3Y[k] - (Tall18(t) ? 230 : 220), Sway, 0.0f, 0.8f,
               Centre18(t));
    }
    HillRow(w, 300, 1000, 9, r18L3Hills, r18L3Y, 1.2f, 1.2f);

    w.Layer(0.69f, 0.32f);
    HillRow(w, -200, 1000, 9, r18L4Hills, r18L4Y, 1.2f, 1.2f);

    w.Layer(0.78f, 0.26f);
    for (int k = 0; k < 10; ++k) {
        Pic t = r18L5Trees[k];
        w.Tree(t, 600 + 800 * k, r18L5Y[k] - (Tall18(t) ? 210 : 200), CounterSway, 0.0f, 0.9f,
               Centre18(t));
    }
    HillRow(w, 600, 800, 10, r18L5Hills, r18L5Y, 1.05f, 1.05f);

    w.Layer(0.87f, 0.2f);
    for (int k = 0; k < 10; ++k)
        w.Hill(r18L6Hills[k], k == 6 ? 5035 : 200 + 800 * k, r18L6Y[k], 1.05f);

    Single(w, H2, 2080, 1040, 0.9f, 0.16f, 1.0f, 1.0f);
    Single(w, H2, 2440, 1060, 0.95f, 0.13f, 1.0f, 1.0f);
    Single(w, H2, 4800, 960, 0.9f, 0.17f, 1.0f, 1.0f);
    Single(w, H2, 5300, 1030, 0.93f, 0.14f, 1.0f, 1.0f);
    Single(w, H2, 5000, 1060, 0.96f, 0.12f, 1.0f, 1.0f);
    Single(w, H2, 7000, 1080, 0.9f, 0.16f, 1.0f, 1.0f);
    Single(w, H2, 7320, 1100, 0.95f, 0.13f, 1.0f, 1.0f);

    out.count = w.count;
    return out;
}

constexpr auto record13Rows = BuildRecord13();
constexpr auto record14Rows = BuildRecord14();
constexpr auto record16Rows = BuildRecord16();
constexpr auto record17Rows = BuildRecord17();
constexpr auto record18Rows = BuildRecord18();
static_assert(record13Rows.count == 66 && record14Rows.count == 72, "records 13 and 14 rows");
static_assert(record16Rows.count == 61 && record17Rows.count == 69, "records 16 and 17 rows");
static_assert(record18Rows.count == 105, "record 18 rows");

}  // namespace

constexpr SceneryLayout record13Layout = record13Rows.Layout();
constexpr SceneryLayout record14Layout = record14Rows.Layout();
constexpr SceneryLayout record16Layout = record16Rows.Layout();
constexpr SceneryLayout record17Layout = record17Rows.Layout();
constexpr SceneryLayout record18Layout = record18Rows.Layout();
