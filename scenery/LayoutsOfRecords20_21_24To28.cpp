// The landscapes of records 20 and 21 and the boss landscape in the five
// variants of records 24 to 28.
#include "scenery/SceneryLayouts.h"
#include "scenery/SceneryMotifs.h"

namespace {

using namespace scenery;

// Tree group of one picture: tree2 leans -0.4 and +0.4, tree1 -0.3 and +0.1
// (and pivots at 200 in a group).
constexpr void Group(RowWriter& w, int H, int Y, bool near, Pic tree) {
    const bool t1 = tree == T1;
    const float c = t1 ? 200.0f : 255.0f;
    TreeGroup(w, H, Y, near ? CounterSway : Sway, near ? 0.6f : 0.5f,
              {tree, -90, near ? 325 : 330, 0.0f, c}, {tree, -400, 250, t1 ? -0.3f : -0.4f, c},
              {tree, 280, 290, t1 ? 0.1f : 0.4f, c});
}

// Single trees: tree1 pivots at 210 when it stands alone.
constexpr float AloneCentre(Pic tree) { return tree == T1 ? 210.0f : 255.0f; }

constexpr void Single(RowWriter& w, int x, int y, float parallax, float brightness) {
    w.Layer(parallax, brightness);
    w.Hill(H2, x, y, 1.0f);
}

// The two far layers of records 20 and 21, with their motif heights.
constexpr void FarLayers(RowWriter& w, const int (&farY)[4], const int (&nearY)[4]) {
    w.Layer(0.4f, 0.6f);
    Group(w, -280, farY[0], false, T2);
    w.Layer(0.4f, 0.7f);
    WindmillGroup(w, 2120, farY[1], farMills);
    w.Layer(0.4f, 0.6f);
    Group(w, 4520, farY[2], false, T2);
    Group(w, 6920, farY[3], false, T2);

    w.Layer(0.5f, 0.5f);
    Group(w, 920, nearY[0], true, T1);
    WindmillGroup(w, 3320, nearY[1], wideMills);
    Group(w, 5720, nearY[2], true, T2);
    WindmillGroup(w, 8120, nearY[3], wideMovedMills);
}

// ---- Record 20.

constexpr int r20L3Y[9] = {590, 650, 800, 800, 790, 815, 840, 860, 800};
constexpr int r20L4Y[9] = {620, 550, 750, 850, 810, 815, 810, 810, 830};
constexpr int r20L5X[8] = {1800, 2600, 3400, 4200, 5000, 5800, 6600, 7800};
constexpr int r20L5Y[8] = {850, 930, 940, 920, 910, 920, 890, 920};
constexpr int r20L6Y[8] = {780, 905, 920, 935, 940, 930, 910, 900};

constexpr SceneryRows<79> BuildRecord20() {
    SceneryRows<79> out{};
    RowWriter w = WriterFor(out);
    FarLayers(w, {550, 650, 650, 750}, {580, 730, 780, 780});

    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 9; ++k) {
        const int x = k == 3 ? 3282 : k == 5 ? 5275 : 300 + 1000 * k;
        w.Hill(H2, x, r20L3Y[k], k == 3 ? 1.32f : k == 5 ? 1.25f : 1.2f, 1.2f);
    }
    w.Layer(0.7f, 0.32f);
    for (int k = 0; k < 9; ++k) {
        const int x = k == 2 ? 1730 : -200 + 1000 * k;
        w.Hill(H2, x, r20L4Y[k], k == 2 ? 1.3f : 1.2f, k == 5 ? 1.25f : 1.2f);
    }
    w.Layer(0.8f, 0.26f);
    for (int k = 0; k < 8; ++k) w.Hill(H2, r20L5X[k], r20L5Y[k], 1.05f);
    w.Layer(0.88f, 0.19f);
    for (int k = 0; k < 8; ++k) {
        const int x = k == 3 ? 3783 : 1400 + 800 * k;
        w.Hill(H2, x, r20L6Y[k], k == 3 ? 1.13f : 1.05f, 1.05f);
    }

    Single(w, 1860, 980, 0.93f, 0.16f);
    Single(w, 2300, 1000, 0.97f, 0.13f);
    Single(w, 4000, 980, 0.93f, 0.16f);
    Single(w, 4400, 1000, 0.97f, 0.13f);

    out.count = w.count;
    return out;
}

// ---- Record 21.

constexpr Pic r21L3Trees[9] = {T2, T8, T5, T8, T2, T1, T1, T2, T2};
constexpr Pic r21L3Hills[9] = {H2, H1, H1, H2, H1, H2, H2, H1, H2};
constexpr int r21L3Y[9] = {710, 750, 720, 790, 790, 780, 760, 800, 730};
constexpr Pic r21L4Hills[9] = {H1, H2, H1, H2, H2, H1, H2, H1, H1};
constexpr int r21L4Y[9] = {650, 800, 700, 740, 760, 760, 740, 810, 700};
// The hill at 3800 (k = 4) carries no tree.
constexpr Pic r21L5Trees[10] = {T2, T2, T5, T8, NoPicture, T5, T1, T1, T2, T2};
constexpr Pic r21L5Hills[10] = {H2, H2, H2, H1, H2, H2, H2, H1, H2, H2};
constexpr int r21L5Y[10] = {820, 820, 780, 840, 860, 820, 870, 800, 830, 800};
constexpr Pic r21L6Hills[10] = {H2, H1, H2, H2, H2, H1, H1, H2, H2, H1};
constexpr int r21L6Y[10] = {730, 850, 800, 790, 850, 860, 860, 800, 800, 820};

constexpr bool Tall(Pic tree) { return tree == T5 || tree == T8; }

constexpr SceneryRows<105> BuildRecord21() {
    SceneryRows<105> out{};
    RowWriter w = WriterFor(out);
    FarLayers(w, {650, 650, 650, 700}, {680, 730, 780, 680});

    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 9; ++k) {
        Pic t = r21L3Trees[k];
        w.Tree(t, 300 + 1000 * k, r21L3Y[k] - (Tall(t) ? 250 : 220), Sway, 0.0f, 0.8f,
               AloneCentre(t));
    }
    HillRow(w, 300, 1000, 9, r21L3Hills, r21L3Y, 1.2f, 1.2f);

    w.Layer(0.7f, 0.32f);
    HillRow(w, -200, 1000, 9, r21L4Hills, r21L4Y, 1.2f, 1.2f);

    w.Layer(0.8f, 0.26f);
    for (int k = 0; k < 10; ++k) {
        Pic t = r21L5Trees[k];
        if (t == NoPicture) continue;
        w.Tree(t, 600 + 800 * k, r21L5Y[k] - (Tall(t) ? 220 : 210), CounterSway, 0.0f, 0.85f,
               AloneCentre(t));
    }
    HillRow(w, 600, 800, 10, r21L5Hills, r21L5Y, 1.05f, 1.05f);

    w.Layer(0.88f, 0.18f);
    HillRow(w, 200, 800, 10, r21L6Hills, r21L6Y, 1.05f, 1.05f);

    Single(w, 2040, 900, 0.93f, 0.15f);
    Single(w, 1800, 1030, 0.96f, 0.13f);
    Single(w, 2200, 1100, 0.98f, 0.1f);
    Single(w, 3330, 1030, 0.94f, 0.14f);
    Single(w, 5963, 950, 0.93f, 0.15f);
    Single(w, 6063, 1100, 0.96f, 0.13f);
    Single(w, 100, 850, 0.93f, 0.16f);
    Single(w, 140, 1030, 0.96f, 0.12f);

    out.count = w.count;
    return out;
}

// ---- The boss landscape. Record 25's list is the base; the others move it
// down, add a tree or dress it in other pictures.

enum class Boss { Record24, Record25, Record26, Record27, Record28 };

struct BossTree {
    Pic base;     // record 25's picture (which also fixes the centre)
    Pic dressed;  // record 27's picture
    int x, y;
};
struct BossHill {
    Pic base;
    Pic dressed;
    int x, y;
};

constexpr BossTree bossL3Trees[3] = {{T2, T4, 300, 570}, {T1, T3, 1300, 610}, {T5, T4, 2300, 580}};
constexpr BossHill bossL3Hills[3] = {{H2, H4, 300, 790}, {H2, H4, 1300, 830}, {H2, H3, 2300, 800}};
constexpr BossTree bossL4Trees[3] = {{T8, T3, -200, 570}, {T2, T3, 800, 670}, {T1, T4, 1800, 570}};
constexpr BossHill bossL4Hills[3] = {{H1, H3, -200, 780}, {H2, H4, 800, 880}, {H1, H3, 1800, 780}};
constexpr BossTree bossL5Trees[3] = {{T1, T4, 600, 690}, {T8, T4, 1400, 690}, {T5, T3, 2200, 650}};
constexpr BossHill bossL5Hills[3] = {{H2, H3, 600, 900}, {H2, H4, 1400, 900}, {H2, H3, 2200, 860}};
constexpr BossTree bossL6Trees[2] = {{T5, T4, 200, 740}, {T1, T3, 1800, 690}};
constexpr BossHill bossL6Hills[3] = {{H2, H3, 200, 950}, {H1, H4, 1000, 950}, {H2, H3, 1800, 900}};

template <int N>
constexpr SceneryRows<N> BuildBoss(Boss variant) {
    SceneryRows<N> out{};
    RowWriter w = WriterFor(out);
    const bool dressed = variant == Boss::Record27;
    const int dy = variant == Boss::Record26 || variant == Boss::Record28 ? 80 : dressed ? 130 : 0;
    auto hillOf = [dressed](const BossHill& h) { return dressed ? h.dressed : h.base; };
    auto treeOf = [dressed](const BossTree& t) { return dressed ? t.dressed : t.base; };
    // Record 24 raises the columns at -200 (layer 4) and 200 (layer 6) by 50;
    // record 28 lowers layer 5's column at 600 by 20 more than record 26.
    auto extra = [variant](int layer, int x) {
        if (variant == Boss::Record24 && ((layer == 4 && x == -200) || (layer == 6 && x == 200)))
            return -50;
        if (variant == Boss::Record28 && layer == 5 && x == 600) return 20;
        return 0;
    };

    w.Layer(0.4f, dressed ? 0.75f : 0.7f);
    WindmillGroup(w, -280, 650 + dy, farMills, dressed ? H4 : H1);
    // Record 27 keeps 0.7 on the second hill alone.
    w.Layer(0.4f, 0.7f);
    w.Hill(dressed ? H4 : H1, 2120, 650 + dy, 1.5f);
    w.Layer(0.4f, dressed ? 0.75f : 0.7f);
    for (const MillPoint& m : farMills.mill)
        w.MillTower(2120 + m.dx, 650 + dy - m.dy, m.tilt, 0.5f, 0.5f);
    for (const MillPoint& m : farMills.mill)
        w.MillWheel(2120 + m.dx, 650 + dy - m.dy, m.spin, m.wheelScale);

    w.Layer(0.5f, dressed ? 0.6f : 0.5f);
    WindmillGroup(w, 920, 730 + dy, wideMills, dressed ? H3 : H1);

    struct Layer {
        int number;
        float parallax, brightness, dressedBrightness, treeScale, hillScale;
        RotationKind kind;
        const BossTree* trees;
        int treeCount;
        const BossHill* hills;
    };
    const Layer layers[4] = {
        {3, 0.6f, 0.4f, 0.5f, 0.8f, 1.2f, Sway, bossL3Trees, 3, bossL3Hills},
        {4, 0.7f, 0.32f, 0.42f, 0.83f, 1.2f, Sway, bossL4Trees, 3, bossL4Hills},
        {5, 0.8f, 0.26f, 0.36f, 0.87f, 1.05f, CounterSway, bossL5Trees, 3, bossL5Hills},
        {6, 0.88f, 0.18f, 0.28f, 0.9f, 1.05f, CounterSway, bossL6Trees, 2, bossL6Hills},
    };
    for (const Layer& l : layers) {
        w.Layer(l.parallax, dressed ? l.dressedBrightness : l.brightness);
        for (int i = 0; i < l.treeCount; ++i) {
            const BossTree& t = l.trees[i];
            w.Tree(treeOf(t), t.x, t.y + dy + extra(l.number, t.x), l.kind, 0.0f, l.treeScale,
                   AloneCentre(t.base));
            // Record 24's third tree of layer 6 stands on the middle hill.
            if (variant == Boss::Record24 && l.number == 6 && i == 0)
                w.Tree(T8, 1000, 740, l.kind, 0.0f, l.treeScale, 255.0f);
        }
        for (int i = 0; i < 3; ++i) {
            const BossHill& h = l.hills[i];
            w.Hill(hillOf(h), h.x, h.y + dy + extra(l.number, h.x), l.hillScale);
        }
    }

    out.count = w.count;
    return out;
}

constexpr auto record20Rows = BuildRecord20();
constexpr auto record21Rows = BuildRecord21();
constexpr auto record24Rows = BuildBoss<45>(Boss::Record24);
constexpr auto record25Rows = BuildBoss<44>(Boss::Record25);
constexpr auto record26Rows = BuildBoss<44>(Boss::Record26);
constexpr auto record27Rows = BuildBoss<44>(Boss::Record27);
constexpr auto record28Rows = BuildBoss<44>(Boss::Record28);
static_assert(record20Rows.count == 79 && record21Rows.count == 105, "records 20 and 21 rows");
static_assert(record24Rows.count == 45 && record25Rows.count == 44 && record26Rows.count == 44 &&
                  record27Rows.count == 44 && record28Rows.count == 44,
              "boss rows");

}  // namespace

constexpr SceneryLayout record20Layout = record20Rows.Layout();
constexpr SceneryLayout record21Layout = record21Rows.Layout();
constexpr SceneryLayout record24Layout = record24Rows.Layout();
constexpr SceneryLayout record25Layout = record25Rows.Layout();
constexpr SceneryLayout record26Layout = record26Rows.Layout();
constexpr SceneryLayout record27Layout = record27Rows.Layout();
constexpr SceneryLayout record28Layout = record28Rows.Layout();
