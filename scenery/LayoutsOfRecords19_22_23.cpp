// The landscapes of records 19 and 22 (the same far layers of windmills and
// tree groups, their own nearer rows) and record 23 (hills only).
#include "scenery/SceneryLayouts.h"
#include "scenery/SceneryMotifs.h"

namespace {

using namespace scenery;

// Tree group of tree1: far (parallax 0.4) or near (0.5).
constexpr void Group(RowWriter& w, int H, int Y, bool near) {
    TreeGroup(w, H, Y, near ? CounterSway : Sway, near ? 0.6f : 0.5f,
              {T1, -90, near ? 325 : 330, 0.0f, 200.0f}, {T1, -400, 250, -0.3f, 200.0f},
              {T1, 280, 290, 0.1f, 200.0f});
}

// The far layers (rows 1 to 51); only the four tree groups' heights differ.
constexpr void FarLayers(RowWriter& w, int a1, int a2, int b1, int b2) {
    w.Layer(0.4f, 0.7f);
    WindmillGroup(w, 920, 700, farMills);
    WindmillGroup(w, 3120, 700, farMills);
    w.Layer(0.4f, 0.6f);
    Group(w, 5320, a1, false);
    Group(w, 7520, a2, false);

    w.Layer(0.5f, 0.5f);
    WindmillGroup(w, -180, 750, nearMills);
    WindmillGroup(w, 2020, 750, nearMills);
    Group(w, 4220, b1, true);
    WindmillGroup(w, 6420, 750, nearMills);
    Group(w, 8620, b2, true);
}

// A near hill whose brightness follows its depth.
constexpr void NearHill(RowWriter& w, int x, int y, float parallax) {
    const float brightness = parallax == 0.8f    ? 0.25f
                             : parallax == 0.85f ? 0.22f
                             : parallax == 0.9f  ? 0.18f
                             : parallax == 0.93f ? 0.15f
                                                 : 0.12f;
    w.Layer(parallax, brightness);
    w.Hill(H2, x, y, 1.05f);
}

// ---- Record 19.

constexpr int r19L6Y[8] = {820, 820, 780, 820, 840, 785, 840, 840};
constexpr int r19L7Y[7] = {820, 800, 800, 860, 820, 820, 800};

constexpr SceneryRows<92> BuildRecord19() {
    SceneryRows<92> out{};
    RowWriter w = WriterFor(out);
    FarLayers(w, 760, 800, 790, 750);

    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 8; ++k)
        w.Tree(T1, -200 + 1200 * k, r19L6Y[k] - 230, Sway, 0.0f, 0.75f, 215.0f);
    for (int k = 0; k < 8; ++k) w.Hill(H1, -200 + 1200 * k, r19L6Y[k], 1.2f);

    w.Layer(0.7f, 0.32f);  // the hill at 6400 carries no tree
    for (int k = 0; k < 7; ++k)
        if (k != 5) w.Tree(T2, 400 + 1200 * k, r19L7Y[k] - 230, CounterSway, 0.0f, 0.85f, 255.0f);
    for (int k = 0; k < 7; ++k) w.Hill(H2, 400 + 1200 * k, r19L7Y[k], 1.2f);

    // Four clusters of near hills.
    NearHill(w, 2200, 930, 0.8f);
    NearHill(w, 1900, 930, 0.9f);
    NearHill(w, 2050, 1060, 0.95f);
    NearHill(w, 3200, 950, 0.8f);
    NearHill(w, 3500, 930, 0.9f);
    NearHill(w, 3300, 1060, 0.95f);
    NearHill(w, 5150, 970, 0.85f);
    NearHill(w, 5200, 1100, 0.93f);
    NearHill(w, 8230, 960, 0.8f);
    NearHill(w, 7700, 960, 0.9f);
    NearHill(w, 7700, 1080, 0.95f);
    NearHill(w, 8200, 1080, 0.95f);

    out.count = w.count;
    return out;
}

// ---- Record 22.

struct Hill22 {
    Pic picture;
    int x, y;
    float scaleX, scaleY;
};
constexpr Hill22 r22L6Hills[7] = {
    {H2, 400, 840, 1.2f, 1.2f},  {H1, 1580, 870, 1.43f, 1.4f}, {H1, 2860, 850, 1.3f, 1.3f},
    {H2, 4000, 870, 1.2f, 1.2f}, {H2, 5200, 870, 1.2f, 1.2f},  {H1, 6400, 760, 1.2f, 1.2f},
    {H2, 7600, 820, 1.2f, 1.2f},
};
constexpr Pic r22L7Hills[8] = {H2, H2, H1, H2, H2, H1, H2, H1};
constexpr int r22L7Y[8] = {840, 840, 900, 830, 870, 800, 850, 820};
constexpr int r22NearAX[8] = {1400, 2200, 3000, 3800, 4680, 5600, 6860, 8250};
constexpr int r22NearAY[8] = {1040, 1040, 1030, 1030, 1030, 940, 980, 970};
constexpr int r22NearBX[8] = {1000, 1800, 2600, 3400, 4200, 5200, 6000, 7260};
constexpr int r22NearBY[8] = {1010, 1070, 1030, 1030, 1030, 980, 950, 960};

constexpr SceneryRows<96> BuildRecord22() {
    SceneryRows<96> out{};
    RowWriter w = WriterFor(out);
    FarLayers(w, 800, 700, 750, 770);

    w.Layer(0.6f, 0.4f);  // the first hill stays bare; the second tree stands higher
    for (int k = 1; k < 7; ++k) {
        const Hill22& h = r22L6Hills[k];
        w.Tree(T2, h.x, h.y - (k == 1 ? 240 : 230), Sway, 0.0f, 0.76f, 255.0f);
    }
    for (const Hill22& h : r22L6Hills) w.Hill(h.picture, h.x, h.y, h.scaleX, h.scaleY);

    w.Layer(0.7f, 0.32f);  // the first two hills stay bare
    for (int k = 2; k < 8; ++k)
        w.Tree(T2, -200 + 1200 * k, r22L7Y[k] - 230, CounterSway, 0.0f, 0.82f, 255.0f);
    HillRow(w, -200, 1200, 8, r22L7Hills, r22L7Y, 1.2f, 1.2f);

    w.Layer(0.77f, 0.25f);
    for (int k = 0; k < 8; ++k)
        w.Hill(H2, r22NearAX[k], r22NearAY[k], k == 4 ? 1.12f : 1.05f, 1.05f);
    w.Layer(0.84f, 0.18f);
    for (int k = 0; k < 8; ++k) w.Hill(H2, r22NearBX[k], r22NearBY[k], 1.05f);
    w.Layer(0.92f, 0.12f);
    w.Hill(H2, 5800, 1120, 1.0f);
    w.Hill(H2, 7000, 1120, 1.0f);

    out.count = w.count;
    return out;
}

// ---- Record 23: still hills, nothing turns.

constexpr int r23RowAY[9] = {720, 780, 680, 910, 900, 650, 630, 820, 910};
constexpr int r23RowBY[9] = {770, 660, 820, 850, 810, 590, 720, 870, 870};

struct Hill23 {
    int x, y;
    float parallax, scale, brightness;
};
// Four single hills, then a stack alternating between x 6000 and 6450, each
// lower, nearer and darker than the one before.
constexpr Hill23 r23Near[10] = {
    {2130, 870, 0.8f, 1.05f, 0.22f},   {2550, 900, 0.8f, 1.05f, 0.18f},
    {7000, 765, 0.8f, 1.05f, 0.22f},   {8120, 850, 0.8f, 1.05f, 0.22f},
    {6000, 780, 0.8f, 1.05f, 0.22f},   {6450, 810, 0.833f, 1.05f, 0.19f},
    {6000, 930, 0.866f, 1.0f, 0.16f},  {6450, 960, 0.9f, 1.0f, 0.13f},
    {6000, 1070, 0.93f, 1.0f, 0.11f},  {6450, 1100, 0.96f, 1.0f, 0.09f},
};

constexpr SceneryRows<28> BuildRecord23() {
    SceneryRows<28> out{};
    RowWriter w = WriterFor(out);
    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 9; ++k) w.Hill(H2, -200 + 1200 * k, r23RowAY[k], 1.2f);
    w.Layer(0.7f, 0.3f);
    for (int k = 0; k < 9; ++k) w.Hill(H2, 400 + 1200 * k, r23RowBY[k], 1.2f);
    for (const Hill23& h : r23Near) {
        w.Layer(h.parallax, h.brightness);
        w.Hill(H2, h.x, h.y, h.scale);
    }
    out.count = w.count;
    return out;
}

constexpr auto record19Rows = BuildRecord19();
constexpr auto record22Rows = BuildRecord22();
constexpr auto record23Rows = BuildRecord23();
static_assert(record19Rows.count == 92 && record22Rows.count == 96, "records 19 and 22 rows");
static_assert(record23Rows.count == 28, "record 23 rows");

}  // namespace

constexpr SceneryLayout record19Layout = record19Rows.Layout();
constexpr SceneryLayout record22Layout = record22Rows.Layout();
constexpr SceneryLayout record23Layout = record23Rows.Layout();
