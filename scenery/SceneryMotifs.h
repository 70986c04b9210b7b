#pragma once
// Compile-time building blocks of the scenery layouts: a writer that appends
// placements to a fixed-size list, and the recurring motifs (tree groups,
// windmill groups) expanded from the point of their hill. Every layout is
// expanded once by the compiler, so drawing reads plain constant rows.
#include "engine/ResourceCatalogue.h"
#include "engine/SpriteTexture.h"
#include "gameplay/LevelLoading.h"
#include "scenery/SceneryPlacement.h"

namespace scenery {

// The layouts' short names for the shared pictures. The tables name pictures
// by these values and turn them into the pictures only when a row is
// written: comparing the addresses of two pictures is not something the
// compiler will always evaluate at compile time.
enum Pic : uint8_t { T1, T2, T3, T4, T5, T8, H1, H2, H3, H4, Tower, Wheel, NoPicture };

constexpr SpriteTexture* PictureOf(Pic pic) {
    switch (pic) {
        case T1: return &sceneryTree1;
        case T2: return &sceneryTree2;
        case T3: return &sceneryTree3;
        case T4: return &sceneryTree4;
        case T5: return &sceneryTree5;
        case T8: return &sceneryTree8;
        case H1: return &sceneryHill1;
        case H2: return &sceneryHill2;
        case H3: return &sceneryHill3;
        case H4: return &sceneryHill4;
        case Tower: return &sceneryWindmillTower;
        case Wheel: return &sceneryWindmillWheel;
        case NoPicture: break;
    }
    return nullptr;
}

// The level's own decoration slot i.
constexpr SpriteTexture* Slot(int i) { return &levelDecor[i]; }

constexpr RotationKind Fixed = RotationKind::Fixed;
constexpr RotationKind Sway = RotationKind::Sway;
constexpr RotationKind CounterSway = RotationKind::CounterSway;
constexpr RotationKind Spin = RotationKind::Spin;

// A layout's rows with room for exactly N; `count` tells how many the
// expansion wrote, so a static_assert can hold it to the intended count.
template <int N>
struct SceneryRows {
    SceneryPlacement rows[N];
    int count;
    constexpr SceneryLayout Layout() const { return SceneryLayout{rows, count}; }
};

// Appends rows. The current layer's parallax, brightness and y anchor apply
// to every screen-centre row until the next Layer call.
struct RowWriter {
    SceneryPlacement* rows;
    int capacity;
    int count = 0;
    float parallax = 0.0f;
    float factor = 0.0f;
    AnchorY anchor = AnchorY::World;

    constexpr void Add(const SceneryPlacement& row) {
        // A layout that expands to more rows than its intended count fails the
        // count check instead of writing past its table.
        if (count < capacity) rows[count] = row;
        ++count;
    }
    constexpr void Layer(float layerParallax, float brightness) {
        parallax = layerParallax;
        factor = brightness;
    }
    constexpr void Tinted(Pic picture, int x, int y, RotationKind kind, float value,
                          float scaleX, float scaleY, float centreX, float centreY) {
        Add(SceneryPlacement{PictureOf(picture), DrawRule::PivotScreenCentre, x, y, anchor,
                             parallax, kind, value, scaleX, scaleY, centreX, centreY,
                             ColourKind::AmbientTint, factor});
    }
    // Hills pivot on the middle of their lowest drawn row.
    constexpr void Hill(Pic picture, int x, int y, float scaleX, float scaleY,
                        float tilt = 0.0f) {
        Tinted(picture, x, y, Fixed, tilt, scaleX, scaleY, 255.0f, 510.0f);
    }
    constexpr void Hill(Pic picture, int x, int y, float scale) {
        Hill(picture, x, y, scale, scale);
    }
    // Trees stand on their foot (picture row 510); only the centre x varies.
    constexpr void Tree(Pic picture, int x, int y, RotationKind kind, float lean,
                        float scale, float centreX) {
        Tinted(picture, x, y, kind, lean, scale, scale, centreX, 510.0f);
    }
    // The tower's centre is its top, where the wheel's hub sits.
    constexpr void MillTower(int x, int y, float tilt, float scaleX, float scaleY) {
        Tinted(Tower, x, y, Fixed, tilt, scaleX, scaleY, 279.0f, 10.0f);
    }
    constexpr void MillWheel(int x, int y, float spin, float scale) {
        Tinted(Wheel, x, y, Spin, spin, scale, scale, 255.0f, 255.0f);
    }
    // A level decoration picture moving about the level's left edge.
    constexpr void Decor(int slot, int x, int y, float rowParallax, RotationKind kind, float value,
                         float scaleX, float scaleY, float centreX, float centreY,
                         ColourKind colour, float brightness) {
        Add(SceneryPlacement{Slot(slot), DrawRule::PivotWorldOrigin, x, y, AnchorY::World,
                             rowParallax, kind, value, scaleX, scaleY, centreX, centreY, colour,
                             brightness});
    }
};

// Starts writing into a layout's rows.
template <int N>
constexpr RowWriter WriterFor(SceneryRows<N>& out) {
    return RowWriter{out.rows, N};
}

// One tree of a tree group: offset from the hill point (dy upward), lean and
// the picture's centre x.
struct GroupTree {
    Pic picture;
    int dx, dy;
    float lean;
    float centreX;
};

// Three trees (centre, left, right) and then the hill under them, so the
// hill hides the trees' feet.
constexpr void TreeGroup(RowWriter& w, int H, int Y, RotationKind kind, float treeScale,
                         const GroupTree& centre, const GroupTree& left, const GroupTree& right,
                         Pic hill = H1, float hillScaleX = 1.5f,
                         float hillScaleY = 1.5f) {
    const GroupTree* trees[3] = {&centre, &left, &right};
    for (const GroupTree* t : trees)
        w.Tree(t->picture, H + t->dx, Y - t->dy, kind, t->lean, treeScale, t->centreX);
    w.Hill(hill, H, Y, hillScaleX, hillScaleY);
}

// One windmill of a group: its point as an offset from the hill (dy upward),
// the tower's tilt, the wheel's scale and spin.
struct MillPoint {
    int dx, dy;
    float tilt;
    float wheelScale;
    float spin;
};

// A hill with three windmills: the towers in their listed order, then the
// wheels in wheelOrder (indices into mill), so no tower covers a wheel.
struct MillSet {
    MillPoint mill[3];
    int wheelOrder[3];
};

// Far group (parallax 0.4): left, right, middle; wheels in the same order.
constexpr MillSet farMills = {
    {{-620, 500, -0.3f, 0.38f, -2.2f},
     {780, 480, 0.5f, 0.38f, -2.2f},
     {80, 570, 0.05f, 0.38f, -2.2f}},
    {0, 1, 2}};
// Near group (parallax 0.5): towers right, middle, left; wheels middle,
// left, right, the right one larger.
constexpr MillSet nearMills = {
    {{580, 510, 0.55f, 0.5f, -2.0f},
     {30, 570, 0.05f, 0.4f, -2.0f},
     {-520, 510, -0.55f, 0.4f, -2.0f}},
    {1, 2, 0}};
// Wide group (parallax 0.5): right, middle, left; wheels in the same order.
constexpr MillSet wideMills = {
    {{720, 470, 0.63f, 0.4f, -2.0f},
     {180, 570, 0.05f, 0.4f, -2.0f},
     {-520, 510, -0.55f, 0.4f, -2.0f}},
    {0, 1, 2}};
// Wide group with its first mill moved further right and lower.
constexpr MillSet wideMovedMills = {
    {{880, 380, 0.8f, 0.4f, -2.0f},
     {180, 570, 0.05f, 0.4f, -2.0f},
     {-520, 510, -0.55f, 0.4f, -2.0f}},
    {0, 1, 2}};

// The same group with its own wheel spins, given in the wheels' drawing order.
constexpr MillSet WithSpins(MillSet set, float s1, float s2, float s3) {
    set.mill[set.wheelOrder[0]].spin = s1;
    set.mill[set.wheelOrder[1]].spin = s2;
    set.mill[set.wheelOrder[2]].spin = s3;
    return set;
}

// The same group with every point moved up by `lift` (negative: down).
constexpr MillSet Raised(MillSet set, int lift) {
    for (MillPoint& m : set.mill) m.dy += lift;
    return set;
}

constexpr void WindmillGroup(RowWriter& w, int H, int Y, const MillSet& set,
                             Pic hill = H1) {
    w.Hill(hill, H, Y, 1.5f);
    for (const MillPoint& m : set.mill) w.MillTower(H + m.dx, Y - m.dy, m.tilt, 0.5f, 0.5f);
    for (int i : set.wheelOrder) {
        const MillPoint& m = set.mill[i];
        w.MillWheel(H + m.dx, Y - m.dy, m.spin, m.wheelScale);
    }
}

// A row of n hills at x0 + step * k, left to right, each with its own
// picture and y.
constexpr void HillRow(RowWriter& w, int x0, int step, int n, const Pic* pictures,
                       const int* ys, float scaleX, float scaleY) {
    for (int k = 0; k < n; ++k) w.Hill(pictures[k], x0 + step * k, ys[k], scaleX, scaleY);
}

// The same with one y for the whole row.
constexpr void HillRow(RowWriter& w, int x0, int step, int n, const Pic* pictures,
                       int y, float scale) {
    for (int k = 0; k < n; ++k) w.Hill(pictures[k], x0 + step * k, y, scale, scale);
}

}  // namespace scenery
