#pragma once
// One placed scenery picture and the ordered lists of them that make a
// level's backdrop. The lists are constant data; nothing here changes during
// play.
#include <cstdint>

struct SpriteTexture;

// How a placement's x and parallax give its screen x.
enum class DrawRule : uint8_t {
    PivotScreenCentre,  // parallax about the screen's vertical centre line
    PivotWorldOrigin,   // parallax about the level's left edge
};

// What a placement's y is measured from.
enum class AnchorY : uint8_t {
    World,         // a world y
    ScreenBottom,  // an offset below the screen's lower edge (negative: above)
};

enum class RotationKind : uint8_t {
    Fixed,        // rotationValue
    Sway,         // sway + rotationValue
    CounterSway,  // rotationValue - sway
    Spin,         // swayPhase * rotationValue
};

enum class ColourKind : uint8_t {
    AmbientTint,    // ambient colour times the factor, ambient alpha
    AmbientOpaque,  // ambient colour times the factor, alpha 255
    Black,          // opaque black
};

struct SceneryPlacement {
    SpriteTexture* picture;  // not owned: a shared scenery picture or a level decoration slot
    DrawRule drawRule;
    int32_t x;  // world x of the centre pixel as seen at parallax 1
    int32_t y;  // world y, or the offset from the screen's lower edge (anchorY)
    AnchorY anchorY;
    float parallax;
    RotationKind rotationKind;
    float rotationValue;  // radians
    float scaleX, scaleY;
    float centreX, centreY;  // whole-picture pixel that lands on the position
    ColourKind colourKind;
    float colourFactor;  // brightness on the ambient red, green and blue
};

// An ordered list of placements, drawn first to last (back to front).
struct SceneryLayout {
    const SceneryPlacement* placements;
    int32_t count;
};
