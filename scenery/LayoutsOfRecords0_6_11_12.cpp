// The landscapes of records 0, 6, 11 and 12: trees on hills, and windmills in
// records 6 and 11.
#include "scenery/SceneryLayouts.h"
#include "scenery/SceneryMotifs.h"

namespace {

using namespace scenery;

// Where trees of tree groups pivot: tree1 and tree5 left of their middle,
// tree8 right of it.
constexpr float GroupCentre(Pic tree) {
    return tree == T1 || tree == T5 ? 200.0f : tree == T8 ? 300.0f : 255.0f;
}

enum class Form { Far, Near, Record11Far };

// Centre tree, left tree, right tree, then the hill (H1); record 11's far
// groups lift their side trees 30 px higher.
constexpr void Group(RowWriter& w, Form form, int H, int Y, Pic centre,
                     Pic left, Pic right, float hillScaleX = 1.5f,
                     float hillScaleY = 1.5f) {
    const bool near = form == Form::Near;
    const int sideLift = form == Form::Record11Far ? 30 : 0;
    TreeGroup(w, H, Y, near ? CounterSway : Sway, near ? 0.6f : 0.5f,
              {centre, -90, near ? 325 : 330, 0.0f, GroupCentre(centre)},
              {left, -400, 250 + sideLift, -0.3f, GroupCentre(left)},
              {right, 280, 290 + sideLift, 0.1f, GroupCentre(right)}, H1, hillScaleX, hillScaleY);
}

// Foreground strip: low wide hills, each at its own depth.
constexpr void Strip(RowWriter& w, int x, int y, float parallax, float brightness) {
    w.Layer(parallax, brightness);
    w.Hill(H2, x, y, 1.1f, 1.0f);
}

// ---- Record 0.

constexpr SceneryRows<48> BuildRecord0() {
    SceneryRows<48> out{};
    RowWriter w = WriterFor(out);
    constexpr float C1 = 200.0f, C2 = 255.0f;

    w.Layer(0.4f, 0.6f);
    Group(w, Form::Far, 920, 700, T2, T1, T2);
    Group(w, Form::Far, 3200, 775, T1, T1, T1);

    w.Layer(0.5f, 0.5f);
    Group(w, Form::Near, -180, 750, T1, T1, T1);
    Group(w, Form::Near, 2020, 750, T2, T2, T1);
    Group(w, Form::Near, 4220, 900, T1, T1, T1);

    w.Layer(0.625f, 0.38f);
    w.Hill(H1, -150, 730, 1.3f, 1.2f);
    w.Hill(H2, 1250, 780, 1.2f);
    w.Hill(H1, 2450, 780, 1.2f);
    w.Hill(H2, 3650, 890, 1.2f);

    w.Layer(0.67f, 0.34f);
    w.Tree(T1, 700, 560, CounterSway, 0.0f, 0.8f, C1);
    w.Tree(T2, 1800, 680, CounterSway, 0.0f, 0.8f, C2);

    w.Layer(0.73f, 0.3f);
    w.Hill(H1, 700, 780, 1.2f);
    w.Hill(H1, 1820, 920, 1.5f, 1.34f);
    w.Hill(H2, 3050, 850, 1.2f);
    w.Hill(H2, 4250, 920, 1.2f);

    w.Layer(0.77f, 0.24f);
    w.Tree(T1, 470, 670, Sway, 0.0f, 0.9f, C1);
    w.Layer(0.8f, 0.24f);
    w.Tree(T2, 1330, 700, Sway, 0.0f, 1.0f, C2);
    w.Layer(0.77f, 0.24f);
    w.Tree(T1, 2700, 640, Sway, 0.0f, 0.9f, C1);
    w.Tree(T1, 3500, 900, Sway, 0.0f, 0.9f, C1);

    w.Layer(0.79f, 0.2f);
    w.Hill(H2, 30, 760, 1.05f);
    w.Hill(H2, 900, 860, 1.05f);
    w.Hill(H1, 2360, 900, 1.25f);
    w.Hill(H2, 2760, 800, 1.05f);

    w.Layer(0.88f, 0.16f);
    w.Hill(H1, 500, 830, 1.05f);
    w.Layer(0.86f, 0.16f);
    w.Hill(H2, 1360, 880, 1.05f);
    w.Layer(0.88f, 0.16f);
    w.Hill(H2, 2100, 1025, 1.1f);
    w.Hill(H1, 3800, 1060, 1.05f);
    w.Hill(H1, 3160, 920, 1.05f);

    w.Layer(0.92f, 0.09f);
    w.Hill(H1, 1700, 1025, 1.1f);
    w.Hill(H2, 3500, 1080, 1.05f);

    w.Layer(0.98f, 0.14f);  // three large dark trees in front
    w.Tree(T1, 700, 830, CounterSway, 0.0f, 1.05f, C1);
    w.Tree(T1, 1900, 695, CounterSway, -0.1f, 1.05f, C1);
    w.Tree(T1, 3650, 826, CounterSway, 0.0f, 1.05f, C1);

    out.count = w.count;
    return out;
}

// ---- Record 6.

constexpr Pic r6L4Trees[8] = {T5, T2, T2, T5, T5, T5, T2, T2};
constexpr int r6L4TreeX[8] = {-250, 1150, 2310, 3580, 4720, 5960, 7170, 8320};
constexpr float r6L4TreeFactor[8] = {0.45f, 0.42f, 0.4f, 0.45f, 0.4f, 0.45f, 0.47f, 0.4f};
constexpr Pic r6L4Hills[8] = {H2, H1, H2, H2, H2, H1, H2, H1};
constexpr int r6L4HillX[8] = {-200, 1100, 2300, 3500, 4700, 5900, 7100, 8370};
constexpr int r6L4HillY[8] = {880, 760, 700, 800, 780, 840, 850, 850};

constexpr Pic r6L5Trees[7] = {T5, T2, T2, T5, T5, T5, T2};
constexpr int r6L5TreeX[7] = {550, 1790, 2820, 4170, 5340, 6560, 7700};
constexpr int r6L5Lift[7] = {240, 240, 210, 240, 240, 240, 240};
constexpr float r6L5TreeFactor[7] = {0.36f, 0.37f, 0.35f, 0.38f, 0.34f, 0.32f, 0.36f};
constexpr Pic r6L5Hills[7] = {H1, H2, H1, H2, H1, H2, H1};
constexpr int r6L5HillX[7] = {500, 1700, 2850, 4100, 5300, 6500, 7700};
constexpr int r6L5HillY[7] = {810, 800, 710, 850, 880, 800, 830};

constexpr Pic r6L6Hills[10] = {H2, H2, H1, H2, H1, H2, H2, H1, H2, H2};
constexpr int r6L6HillX[10] = {400, 1200, 2000, 3000, 3800, 4600, 5510, 6200, 7000, 7850};
constexpr int r6L6HillY[10] = {950, 850, 850, 850, 910, 850, 1030, 940, 900, 1000};

constexpr Pic r6L7Trees[9] = {T5, T5, T2, T2, T2, T5, T5, T5, T5};
constexpr int r6L7TreeX[9] = {0, 850, 1660, 2310, 3370, 4260, 5840, 6620, 7400};
constexpr int r6L7Lift[9] = {200, 200, 200, 200, 200, 230, 200, 200, 200};
constexpr Pic r6L7Hills[10] = {H1, H2, H2, H1, H2, H2, H1, H2, H2, H2};
constexpr int r6L7HillX[10] = {0, 800, 1600, 2300, 3400, 4200, 5800, 6600, 7400, 8200};
constexpr int r6L7HillY[10] = {1000, 900, 870, 880, 940, 960, 1030, 890, 970, 1000};

constexpr SceneryRows<120> BuildRecord6() {
    SceneryRows<120> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.7f);
    WindmillGroup(w, 920, 700, farMills);
    WindmillGroup(w, 3120, 700, farMills);
    w.Layer(0.4f, 0.6f);
    Group(w, Form::Far, 5320, 800, T1, T1, T1);
    Group(w, Form::Far, 7520, 700, T1, T1, T1);

    w.Layer(0.5f, 0.5f);
    WindmillGroup(w, -180, 750, nearMills);
    WindmillGroup(w, 2020, 750, nearMills);
    Group(w, Form::Near, 4220, 750, T1, T1, T1);
    WindmillGroup(w, 6420, 750, nearMills);
    Group(w, Form::Near, 8620, 750, T1, T1, T1);

    // Tree rows: the nth tree stands on the nth hill, each tree with its own
    // brightness.
    for (int k = 0; k < 8; ++k) {
        w.Layer(0.6f, r6L4TreeFactor[k]);
        w.Tree(r6L4Trees[k], r6L4TreeX[k], r6L4HillY[k] - 230, Sway, 0.0f, 0.75f, 255.0f);
    }
    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 8; ++k) w.Hill(r6L4Hills[k], r6L4HillX[k], r6L4HillY[k], 1.2f);

    for (int k = 0; k < 7; ++k) {
        w.Layer(0.68f, r6L5TreeFactor[k]);
        w.Tree(r6L5Trees[k], r6L5TreeX[k], r6L5HillY[k] - r6L5Lift[k], CounterSway, 0.0f, 0.8f,
               255.0f);
    }
    w.Layer(0.68f, 0.32f);
    for (int k = 0; k < 7; ++k) w.Hill(r6L5Hills[k], r6L5HillX[k], r6L5HillY[k], 1.2f);

    w.Layer(0.8f, 0.24f);
    for (int k = 0; k < 10; ++k)
        w.Hill(r6L6Hills[k], r6L6HillX[k], r6L6HillY[k], 1.05f, k == 3 ? 1.15f : 1.05f);

    w.Layer(0.88f, 0.15f);  // the tenth hill carries no tree
    for (int k = 0; k < 9; ++k)
        w.Tree(r6L7Trees[k], r6L7TreeX[k], r6L7HillY[k] - r6L7Lift[k], Sway, 0.0f, 0.9f, 255.0f);
    for (int k = 0; k < 10; ++k) {
        const float scale = k == 4 || k == 5 ? 1.2f : 1.05f;
        w.Hill(r6L7Hills[k], r6L7HillX[k], r6L7HillY[k], scale);
    }

    Strip(w, 2050, 1040, 0.9f, 0.12f);
    Strip(w, 1750, 1040, 0.96f, 0.08f);
    Strip(w, 2350, 1030, 0.96f, 0.08f);
    Strip(w, 3000, 1040, 0.92f, 0.12f);
    Strip(w, 3750, 1040, 0.92f, 0.12f);
    Strip(w, 4500, 1040, 0.92f, 0.12f);
    Strip(w, 3375, 1100, 0.98f, 0.08f);
    Strip(w, 4125, 1100, 0.98f, 0.08f);
    Strip(w, 7500, 1040, 0.92f, 0.12f);
    Strip(w, 7125, 1100, 0.98f, 0.08f);

    out.count = w.count;
    return out;
}

// ---- Record 11.

constexpr Pic r11L5Trees[9] = {T5, T8, T8, T5, T8, T5, T5, T8, T5};
constexpr int r11L5TreeX[9] = {510, 1730, 2950, 3810, 4950, 6140, 7360, 8520, 9630};
constexpr float r11L5TreeFactor[9] = {0.42f, 0.43f, 0.44f, 0.42f, 0.45f,
                                      0.42f, 0.46f, 0.44f, 0.42f};
constexpr int r11L5HillX[9] = {400, 1600, 2800, 3700, 4800, 6000, 7200, 8400, 9500};
constexpr int r11L5HillY[9] = {900, 750, 700, 820, 720, 840, 840, 840, 920};

constexpr Pic r11L6Trees[8] = {T8, T5, T8, T8, T5, T8, T5, T8};
constexpr float r11L6TreeFactor[8] = {0.35f, 0.36f, 0.35f, 0.34f, 0.36f, 0.37f, 0.38f, 0.36f};
constexpr int r11L6HillX[10] = {-200, 960, 2200, 3150, 4300, 5400, 6600, 7800, 9000, 10100};
constexpr int r11L6HillY[10] = {880, 820, 825, 750, 770, 790, 840, 920, 890, 880};

constexpr int r11L7HillX[11] = {400, 1200, 1900, 2700, 4000, 5400, 6150, 7100, 8100, 8800, 9600};
constexpr int r11L7HillY[11] = {950, 850, 920, 850, 930, 900, 910, 910, 1030, 980, 1060};
constexpr float r11L7ScaleX[11] = {1.05f, 1.05f, 1.3f, 1.05f, 1.05f, 1.05f,
                                   1.1f,  1.05f, 1.05f, 1.05f, 1.4f};

constexpr int r11L8TreeX[7] = {730, 1500, 2400, 5180, 5770, 6650, 10050};
constexpr int r11L8TreeHill[7] = {1, 2, 3, 6, 7, 8, 11};  // the hills they stand on
constexpr int r11L8HillX[12] = {20,   730,  1450, 2350, 3700, 4300,
                                5100, 5770, 6650, 8400, 9200, 9950};
constexpr int r11L8HillY[12] = {970, 920, 800, 895, 900, 900, 850, 905, 880, 1030, 1030, 980};

constexpr SceneryRows<131> BuildRecord11() {
    SceneryRows<131> out{};
    RowWriter w = WriterFor(out);

    w.Layer(0.4f, 0.6f);
    Group(w, Form::Record11Far, 920, 700, T5, T8, T5);
    Group(w, Form::Record11Far, 3120, 660, T8, T8, T5);
    w.Layer(0.4f, 0.7f);
    WindmillGroup(w, 5320, 770, farMills);
    WindmillGroup(w, 7520, 770, farMills);
    w.Layer(0.4f, 0.6f);
    Group(w, Form::Record11Far, 9720, 900, T5, T5, T5);

    w.Layer(0.5f, 0.5f);
    Group(w, Form::Near, -180, 800, T8, T5, T8);
    Group(w, Form::Near, 2020, 750, T5, T5, T5);
    Group(w, Form::Near, 4220, 660, T5, T8, T5);
    WindmillGroup(w, 6420, 750, wideMovedMills);
    Group(w, Form::Near, 8620, 780, T5, T5, T8);
    Group(w, Form::Near, 10820, 820, T5, T5, T5);

    for (int k = 0; k < 9; ++k) {  // trees pivot as in the tree groups here
        w.Layer(0.6f, r11L5TreeFactor[k]);
        w.Tree(r11L5Trees[k], r11L5TreeX[k], r11L5HillY[k] - 240, Sway, 0.0f, 0.8f,
               GroupCentre(r11L5Trees[k]));
    }
    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 9; ++k) w.Hill(H2, r11L5HillX[k], r11L5HillY[k], 1.2f);

    for (int k = 0; k < 8; ++k) {
        w.Layer(0.7f, r11L6TreeFactor[k]);
        if (k < 7)
            w.Tree(r11L6Trees[k], r11L6HillX[k], r11L6HillY[k] - 240, CounterSway, 0.0f, 0.85f,
                   255.0f);
        else
            w.Tree(r11L6Trees[k], 10000, 670, CounterSway, -0.2f, 0.85f, 255.0f);
    }
    w.Layer(0.7f, 0.32f);
    for (int k = 0; k < 10; ++k)
        w.Hill(H2, r11L6HillX[k], r11L6HillY[k], k == 3 ? 1.25f : 1.2f, 1.2f);

    w.Layer(0.8f, 0.24f);
    for (int k = 0; k < 11; ++k) w.Hill(H2, r11L7HillX[k], r11L7HillY[k], r11L7ScaleX[k], 1.05f);

    w.Layer(0.9f, 0.15f);
    for (int k = 0; k < 7; ++k)
        w.Tree(T5, r11L8TreeX[k], r11L8HillY[r11L8TreeHill[k]] - 200, Sway, 0.0f, 0.95f, 255.0f);
    for (int k = 0; k < 12; ++k)
        w.Hill(H2, r11L8HillX[k], r11L8HillY[k], k == 8 || k == 9 ? 1.15f : 1.05f, 1.05f);

    Strip(w, 150, 1100, 0.96f, 0.11f);
    constexpr int stripX[2] = {2280, 3980};
    for (int X : stripX) {
        Strip(w, X, 1060, 0.93f, 0.12f);
        Strip(w, X - 280, 1100, 0.96f, 0.08f);
        Strip(w, X + 320, 1030, 0.96f, 0.08f);
    }
    Strip(w, 5880, 1060, 0.93f, 0.12f);
    Strip(w, 5600, 1100, 0.96f, 0.08f);
    Strip(w, 7080, 1060, 0.93f, 0.12f);
    Strip(w, 6800, 1030, 0.96f, 0.08f);
    Strip(w, 9720, 1100, 0.96f, 0.11f);

    out.count = w.count;
    return out;
}

// ---- Record 12.

constexpr int r12L3HillX[7] = {400, 1600, 2800, 4000, 5200, 6380, 7600};
constexpr int r12L3HillY[7] = {830, 690, 900, 790, 800, 840, 670};
constexpr int r12L4HillY[8] = {780, 790, 825, 850, 700, 820, 790, 620};
constexpr int r12L5HillX[10] = {0, 800, 1800, 2600, 3400, 4200, 5000, 5800, 6600, 7300};
constexpr int r12L5HillY[10] = {850, 920, 800, 900, 920, 800, 850, 900, 910, 780};
constexpr int r12L6HillX[8] = {400, 1200, 2200, 3000, 3800, 5400, 6200, 7000};
constexpr int r12L6HillY[8] = {900, 840, 860, 940, 860, 940, 920, 870};

constexpr SceneryRows<95> BuildRecord12() {
    SceneryRows<95> out{};
    RowWriter w = WriterFor(out);
    constexpr float alone = 255.0f;  // single trees pivot on their middle here

    w.Layer(0.4f, 0.6f);
    Group(w, Form::Far, 920, 700, T1, T1, T1);
    Group(w, Form::Far, 3120, 800, T1, T1, T1);
    Group(w, Form::Far, 5320, 700, T1, T1, T1);
    Group(w, Form::Far, 7520, 650, T1, T1, T1);

    w.Layer(0.5f, 0.5f);
    Group(w, Form::Near, -180, 750, T1, T1, T1);
    Group(w, Form::Near, 2020, 750, T1, T1, T1);
    Group(w, Form::Near, 4220, 750, T1, T1, T1);
    Group(w, Form::Near, 6420, 750, T1, T1, T1, 1.75f, 1.5f);
    Group(w, Form::Near, 8520, 600, T1, T1, T1);

    w.Layer(0.6f, 0.4f);
    for (int k = 0; k < 7; ++k)
        w.Tree(T1, r12L3HillX[k], r12L3HillY[k] - 240, Sway, 0.0f, 0.75f, alone);
    for (int k = 0; k < 7; ++k) w.Hill(H2, r12L3HillX[k], r12L3HillY[k], 1.2f);

    w.Layer(0.7f, 0.32f);
    for (int k = 0; k < 8; ++k)
        w.Tree(T1, -200 + 1200 * k, r12L4HillY[k] - 240, CounterSway, 0.0f, 0.85f, alone);
    for (int k = 0; k < 8; ++k) w.Hill(H2, -200 + 1200 * k, r12L4HillY[k], 1.2f);

    w.Layer(0.8f, 0.24f);
    for (int k = 0; k < 10; ++k) w.Hill(H2, r12L5HillX[k], r12L5HillY[k], 1.05f);

    w.Layer(0.89f, 0.15f);
    for (int k = 0; k < 8; ++k)
        w.Tree(T1, r12L6HillX[k], r12L6HillY[k] - 185, Sway, 0.0f, 0.95f, alone);
    for (int k = 0; k < 8; ++k) w.Hill(H2, r12L6HillX[k], r12L6HillY[k], 1.05f);

    Strip(w, 3080, 1060, 0.96f, 0.12f);
    Strip(w, 2800, 1100, 0.98f, 0.08f);
    Strip(w, 3400, 1030, 0.98f, 0.08f);

    out.count = w.count;
    return out;
}

constexpr auto record0Rows = BuildRecord0();
constexpr auto record6Rows = BuildRecord6();
constexpr auto record11Rows = BuildRecord11();
constexpr auto record12Rows = BuildRecord12();
static_assert(record0Rows.count == 48 && record6Rows.count == 120, "records 0 and 6 rows");
static_assert(record11Rows.count == 131 && record12Rows.count == 95, "records 11 and 12 rows");

}  // namespace

constexpr SceneryLayout record0Layout = record0Rows.Layout();
constexpr SceneryLayout record6Layout = record6Rows.Layout();
constexpr SceneryLayout record11Layout = record11Rows.Layout();
constexpr SceneryLayout record12Layout = record12Rows.Layout();
