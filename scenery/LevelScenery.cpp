#include "scenery/LevelScenery.h"

#include "engine/Maths.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "scenery/SceneryLayouts.h"
#include "shared/LevelRecord.h"

// Records 1 and 46 to 49 (and any id outside 0..49) have no entry and draw
// nothing. Records 2 and 3 have two entries: their own trees stand in front
// of the shared landscape.
const SceneryLayoutEntry sceneryLayoutTable[] = {
    {0, &record0Layout},
    {2, &sharedSceneryLayout},
    {2, &record2ExtraList},
    {3, &sharedSceneryLayout},
    {3, &record3ExtraList},
    {4, &layout4},
    {5, &record5Layout},
    {6, &record6Layout},
    {7, &layout7},
    {8, &layout8},
    {9, &record9Layout},
    {10, &layout10},
    {11, &record11Layout},
    {12, &record12Layout},
    {13, &record13Layout},
    {14, &record14Layout},
    {15, &layout15},
    {16, &record16Layout},
    {17, &record17Layout},
    {18, &record18Layout},
    {19, &record19Layout},
    {20, &record20Layout},
    {21, &record21Layout},
    {22, &record22Layout},
    {23, &record23Layout},
    {24, &record24Layout},
    {25, &record25Layout},
    {26, &record26Layout},
    {27, &record27Layout},
    {28, &record28Layout},
    {29, &record29Layout},
    {30, &record30Layout},
    {31, &sharedSceneryLayout},
    {32, &layout32},
    {33, &layout32},
    {34, &layout34},
    {35, &screenAnchoredLayout},
    {36, &screenAnchoredLayout},
    {37, &screenAnchoredLayout},
    {38, &sharedSceneryLayout},
    {39, &layout39},
    {40, &record40Layout},
    {41, &record41Layout},
    {42, &sharedSceneryLayout},
    {43, &record43Layout},
    {44, &sharedSceneryLayout},
    {45, &sharedSceneryLayout},
};
const int sceneryLayoutTableSize =
    static_cast<int>(sizeof sceneryLayoutTable / sizeof sceneryLayoutTable[0]);

float SceneryRotation(const SceneryPlacement& placement, float sway, float phase) {
    switch (placement.rotationKind) {
        case RotationKind::Sway: return sway + placement.rotationValue;
        case RotationKind::CounterSway: return placement.rotationValue - sway;
        case RotationKind::Spin: return phase * placement.rotationValue;
        case RotationKind::Fixed: break;
    }
    return placement.rotationValue;
}

void DrawSceneryPlacement(const SceneryPlacement& p, float sway) {
    // A placement without a picture has nothing to draw (a missing file
    // leaves the picture without a texture, which the sprite drawing skips).
    if (p.picture == nullptr) return;
    const float rotation = SceneryRotation(p, sway, swayPhase);
    if (p.drawRule == DrawRule::PivotScreenCentre) {
        // A screen-bottom row keeps its distance from the screen's lower edge
        // however the camera moves vertically.
        const int32_t worldY =
            p.anchorY == AnchorY::ScreenBottom ? cameraY + screenHeight + p.y : p.y;
        p.picture->DrawSceneryElement(p.x, worldY, p.parallax, rotation, p.scaleX, p.scaleY,
                                      p.centreX, p.centreY, ambientColour[0], ambientColour[1],
                                      ambientColour[2], ambientColour[3], p.colourFactor);
        return;
    }
    // About the level's left edge: at cameraX 0 the picture stands at its x.
    const float screenX = static_cast<float>(p.x) - p.parallax * static_cast<float>(cameraX);
    const float screenY = static_cast<float>(p.y - cameraY);
    // Opaque whatever the ambient alpha: these pictures stand in front of the
    // rest of the scenery as solid shapes.
    const uint32_t colour =
        p.colourKind == ColourKind::Black
            ? 0xFF000000u
            : PackWorldColour(ambientColour[0], ambientColour[1], ambientColour[2], 255.0f,
                              p.colourFactor);
    p.picture->DrawSpriteShifted(screenX, screenY, rotation, p.scaleX, p.scaleY, p.centreX,
                                 p.centreY, colour);
}

void DrawLevelScenery() {
    // One sway for the whole frame, so every swaying picture moves in step.
    const float sway = SinF(swayPhase) / 8.0f;
    const int32_t recordId = currentLevel.recordId;
    for (const SceneryLayoutEntry& entry : sceneryLayoutTable) {
        if (entry.recordId != recordId) continue;
        const SceneryLayout& layout = *entry.layout;
        for (int32_t i = 0; i < layout.count; ++i) DrawSceneryPlacement(layout.placements[i], sway);
    }
}
