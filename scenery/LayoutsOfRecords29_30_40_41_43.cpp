// The landscape family of records 29, 41 and 43 (windmill variant) and 30
// and 40 (tree variant): the same motifs and hill rows, differing only in a
// few heights, wheel speeds and pictures.
#include "scenery/SceneryLayouts.h"
#include "scenery/SceneryMotifs.h"

namespace {

using namespace scenery;

// Tree group kinds: 1 (tree1, far), 2 (tree2, far, wider leans), 3 (tree1, near).
constexpr void Group(RowWriter& w, int kind, int H, int Y) {
    Pic tree = kind == 2 ? T2 : T1;
    const float c = kind == 2 ? 255.0f : 200.0f;
    const bool near = kind == 3;
    TreeGroup(w, H, Y, near ? CounterSway : Sway, near ? 0.6f : 0.5f,
              {tree, -90, near ? 325 : 330, 0.0f, c},
              {tree, -400, 250, kind == 2 ? -0.4f : -0.3f, c},
              {tree, 280, 290, kind == 2 ? 0.4f : 0.1f, c});
}

struct Family {
    bool windmills;   // windmill variant, else tree variant
    int nearY[5];     // the 0.5 layer's anchor heights
    int first06HillY;
    int first07HillY, last07HillY;
};

constexpr Pic backRow[10] = {H1, H2, H1, H1, H1, H2, H1, H2, H2, H2};
constexpr Pic frontRow[9] = {H2, H2, H2, H2, H2, H2, H2, H1, H2};

template <int N>
constexpr SceneryRows<N> BuildFamily(const Family& f) {
    SceneryRows<N> out{};
    RowWriter w = WriterFor(out);

    if (f.windmills) {
        w.Layer(0.4f, 0.7f);
        WindmillGroup(w, 920, 700, WithSpins(farMills, -1.6f, -2.2f, -2.5f));
        WindmillGroup(w, 3120, 700, WithSpins(farMills, -1.7f, -2.2f, -1.9f));
        w.Layer(0.4f, 0.6f);
    } else {
        w.Layer(0.4f, 0.6f);
        Group(w, 2, 920, 700);
        Group(w, 2, 3120, 750);
    }
    Group(w, 1, 5320, 760);
    Group(w, 1, 7520, 800);

    w.Layer(0.5f, 0.5f);
    // The windmill variant's wheels each turn at their own speed.
    const MillSet mills1 = f.windmills ? WithSpins(nearMills, -1.0f, -2.0f, -2.0f) : nearMills;
    const MillSet mills2 = f.windmills ? WithSpins(nearMills, -1.3f, -2.2f, -2.7f) : nearMills;
    const MillSet mills3 = f.windmills ? WithSpins(nearMills, -2.3f, -2.0f, -1.5f) : nearMills;
    WindmillGroup(w, -180, f.nearY[0], mills1);
    WindmillGroup(w, 2020, f.nearY[1], mills2);
    Group(w, 3, 4220, f.nearY[2]);
    WindmillGroup(w, 6420, f.nearY[3], mills3);
    Group(w, 3, 8620, f.nearY[4]);

    const int hills06[8] = {f.first06HillY, 810, 840, 880, 900, 845, 900, 840};
    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 8; ++k) {
        // The tree variant plants tree8 at -200, 2200 and 5800.
        const bool eight = !f.windmills && (k == 0 || k == 2 || k == 5);
        w.Tree(eight ? T8 : T1, -200 + 1200 * k, hills06[k] - 230, Sway, 0.0f, 0.75f,
               eight ? 255.0f : 215.0f);
    }
    for (int k = 0; k < 8; ++k) w.Hill(H1, -200 + 1200 * k, hills06[k], 1.2f);

    const int hills07[7] = {f.first07HillY, 860, 830, 920, 880, 880, f.last07HillY};
    w.Layer(0.7f, 0.32f);  // the hill at 6400 carries no tree
    for (int k = 0; k < 7; ++k) {
        if (k == 5) continue;
        const bool eight = !f.windmills && (k == 0 || k == 4);
        w.Tree(eight ? T8 : T2, 400 + 1200 * k, hills07[k] - 230, CounterSway, 0.0f, 0.85f, 255.0f);
    }
    for (int k = 0; k < 7; ++k) w.Hill(H2, 400 + 1200 * k, hills07[k], 1.2f);

    w.Layer(0.8f, 0.26f);
    HillRow(w, -300, 1000, 10, backRow, 1024, 1.25f);
    w.Layer(0.8f, 0.2f);
    HillRow(w, 200, 1000, 9, frontRow, 1050, 1.2f);

    out.count = w.count;
    return out;
}

constexpr auto record29Rows = BuildFamily<99>({true, {670, 750, 790, 750, 750}, 640, 795, 810});
constexpr auto record41Rows = BuildFamily<99>({true, {710, 750, 790, 750, 750}, 840, 920, 810});
constexpr auto record43Rows = BuildFamily<99>({true, {710, 750, 790, 750, 800}, 840, 920, 850});
constexpr auto record30Rows = BuildFamily<93>({false, {770, 750, 790, 800, 800}, 740, 855, 870});
constexpr auto record40Rows = BuildFamily<93>({false, {770, 750, 790, 800, 800}, 840, 855, 870});
static_assert(record29Rows.count == 99 && record41Rows.count == 99 && record43Rows.count == 99,
              "windmill variant rows");
static_assert(record30Rows.count == 93 && record40Rows.count == 93, "tree variant rows");

}  // namespace

constexpr SceneryLayout record29Layout = record29Rows.Layout();
constexpr SceneryLayout record30Layout = record30Rows.Layout();
constexpr SceneryLayout record40Layout = record40Rows.Layout();
constexpr SceneryLayout record41Layout = record41Rows.Layout();
constexpr SceneryLayout record43Layout = record43Rows.Layout();
