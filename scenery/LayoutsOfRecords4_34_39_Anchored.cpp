// Layouts 34, 39 and 4 (one landscape of hills, windmills and trees in three
// near copies) and its left part tied to the screen's lower edge, drawn by
// the tall sprint levels 35, 36 and 37.
#include "scenery/SceneryLayouts.h"
#include "scenery/SceneryMotifs.h"

namespace {

using namespace scenery;

// Tree group kinds: tree1 (F1, N1) or tree8 (F8, N8), far or near.
constexpr void Group(RowWriter& w, bool tree8, bool near, int H, int Y) {
    Pic tree = tree8 ? T8 : T1;
    const float c = tree8 && near ? 255.0f : 200.0f;
    const int m = near ? 325 : 330;
    const int l = tree8 ? 290 : 250;
    const int r = tree8 && !near ? 300 : 290;
    TreeGroup(w, H, Y, near ? CounterSway : Sway, near ? 0.6f : 0.5f, {tree, -90, m, 0.0f, c},
              {tree, -400, l, -0.3f, c}, {tree, 280, r, 0.1f, c});
}

struct Landscape {
    AnchorY anchor;   // World, or ScreenBottom offsets
    bool tree8;       // every tree tree8, else tree1 (groups, 0.6 row) and tree2 (0.7 row)
    int farMotifs;    // of windmill, windmill, group, group
    int farY[4];
    int nearMotifs;   // of windmill, windmill, group, windmill, group
    int nearY[5];
    int row06Count;
    int row06Y[8];
    bool row06FirstTree;   // the hill at -200 carries a tree
    int row07Count;
    int row07Y[7];
    bool row07FirstTree;   // the hill at 400 carries a tree
    int backCount, backY;  // the 0.8 back row
    int frontCount, frontY;
};

constexpr Pic backRow[10] = {H1, H2, H1, H1, H1, H2, H1, H2, H2, H2};
constexpr Pic frontRow[9] = {H2, H2, H2, H2, H2, H2, H2, H1, H2};

template <int N>
constexpr SceneryRows<N> Build(const Landscape& s) {
    SceneryRows<N> out{};
    RowWriter w = WriterFor(out);
    w.anchor = s.anchor;

    for (int k = 0; k < s.farMotifs; ++k) {
        const int H = 920 + 2200 * k;
        if (k < 2) {
            w.Layer(0.4f, 0.7f);
            WindmillGroup(w, H, s.farY[k], farMills);
        } else {
            w.Layer(0.4f, 0.6f);
            Group(w, s.tree8, false, H, s.farY[k]);
        }
    }

    w.Layer(0.5f, 0.5f);
    for (int k = 0; k < s.nearMotifs; ++k) {
        const int H = -180 + 2200 * k;
        if (k == 2 || k == 4)
            Group(w, s.tree8, true, H, s.nearY[k]);
        else
            WindmillGroup(w, H, s.nearY[k], nearMills);
    }

    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < s.row06Count; ++k)
        if (k > 0 || s.row06FirstTree)
            w.Tree(s.tree8 ? T8 : T1, -200 + 1200 * k, s.row06Y[k] - 230, Sway, 0.0f, 0.75f,
                   215.0f);
    for (int k = 0; k < s.row06Count; ++k) w.Hill(H1, -200 + 1200 * k, s.row06Y[k], 1.2f);

    w.Layer(0.7f, 0.32f);  // the hill at 6400 never carries a tree
    for (int k = 0; k < s.row07Count; ++k)
        if ((k > 0 || s.row07FirstTree) && k != 5)
            w.Tree(s.tree8 ? T8 : T2, 400 + 1200 * k, s.row07Y[k] - 230, CounterSway, 0.0f, 0.85f,
                   255.0f);
    for (int k = 0; k < s.row07Count; ++k) w.Hill(H2, 400 + 1200 * k, s.row07Y[k], 1.2f);

    w.Layer(0.8f, 0.26f);
    HillRow(w, -300, 1000, s.backCount, backRow, s.backY, 1.25f);
    w.Layer(0.8f, 0.2f);
    HillRow(w, 200, 1000, s.frontCount, frontRow, s.frontY, 1.2f);

    out.count = w.count;
    return out;
}

constexpr Landscape layout34Landscape = {
    AnchorY::World, false,
    4, {700, 700, 760, 800},
    5, {710, 750, 790, 750, 840},
    8, {760, 810, 840, 880, 900, 845, 900, 840}, false,
    7, {820, 860, 830, 920, 880, 880, 860}, false,
    10, 1024, 9, 1050,
};

// Layout 34 with the second far windmill group 30 lower, the third near one
// 20 lower and the bare first hill of the 0.6 row 100 lower.
constexpr Landscape layout39Landscape = {
    AnchorY::World, false,
    4, {700, 730, 760, 800},
    5, {710, 750, 790, 770, 840},
    8, {860, 810, 840, 880, 900, 845, 900, 840}, false,
    7, {820, 860, 830, 920, 880, 880, 860}, false,
    10, 1024, 9, 1050,
};

// Layout 34 in tree8, with trees on the first hills of both rows.
constexpr Landscape layout4Landscape = {
    AnchorY::World, true,
    4, {700, 700, 760, 800},
    5, {710, 750, 790, 750, 770},
    8, {740, 810, 840, 880, 900, 845, 900, 840}, true,
    7, {820, 860, 830, 920, 880, 880, 860}, true,
    10, 1024, 9, 1050,
};

// Layout 4's placements up to x 5600, as offsets from the screen's lower edge.
constexpr Landscape screenAnchoredLandscape = {
    AnchorY::ScreenBottom, true,
    3, {-230, -180, -170, 0},
    3, {-220, -180, -140, 0, 0},
    5, {-110, -120, -90, -50, -30, 0, 0, 0}, true,
    5, {-110, -70, -100, -10, -50, 0, 0}, true,
    6, 94, 6, 120,
};

constexpr auto layout34Rows = Build<97>(layout34Landscape);
constexpr auto layout39Rows = Build<97>(layout39Landscape);
constexpr auto layout4Rows = Build<99>(layout4Landscape);
constexpr auto screenAnchoredRows = Build<68>(screenAnchoredLandscape);
static_assert(layout34Rows.count == 97 && layout39Rows.count == 97, "layouts 34 and 39 rows");
static_assert(layout4Rows.count == 99 && screenAnchoredRows.count == 68,
              "layout 4 and screen-anchored rows");

}  // namespace

constexpr SceneryLayout layout34 = layout34Rows.Layout();
constexpr SceneryLayout layout39 = layout39Rows.Layout();
constexpr SceneryLayout layout4 = layout4Rows.Layout();
constexpr SceneryLayout screenAnchoredLayout = screenAnchoredRows.Layout();
