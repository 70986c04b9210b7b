#include "screens/VopDrawing.h"

#include <cmath>
#include <cstdint>

#include "engine/PackedColour.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/VopPhysics.h"
#include "shared/LevelRecord.h"

namespace {

constexpr float degreesToRadians = 3.1415927f / 180.0f;

// What sets one Vop kind's drawing apart from the others.
struct VopLook {
    SpriteTexture* bodyPair;  // plain and MR body
    int faceRow;              // row of vopFaceSprites (face, mouth)
    float bodyDx, bodyDy;
    int bodyRollBackDegrees;  // the air body stands turned back
    float bodyRollFactor;     // the elite body spins faster than its face
    float bodyScaleBase, bodyPhaseFactor, bodyScaleDivisor;
    float faceDy;
    float faceCentreX, faceCentreY;
    float mouthCentreX, mouthCentreY;
};

// Indexed by vopKind - 1. Face rows follow the picture catalogue's order
// (spike, air, rock, beginner, angry, elite).
const VopLook vopLooks[6] = {
    {beginnerVopSprites, 3, 0, 5, 0, 1.0f, 1.0f, 1.0f, 11.0f, 2, 25, 35, 25, 35},
    {spikeVopSprites, 0, 0, 5, 0, 1.0f, 1.0f, 1.0f, 11.0f, 5, 25, 35, 25, 35},
    {airVopSprites, 1, 0, 7, 6, 1.0f, 1.1f, 1.55f, 7.0f, 2, 35, 33, 35, 32},
    {rockVopSprites, 2, -1, 4, 0, 1.0f, 1.0f, 1.0f, 13.0f, 2, 25, 35, 25, 35},
    {angryVopSprites, 4, -1, 4, 0, 1.0f, 1.0f, 1.0f, 13.0f, 2, 25, 35, 25, 35},
    {eliteVopSprites, 5, -1, 4, 0, 1.3f, 1.0f, 1.0f, 13.0f, 2, 25, 35, 25, 35},
};

}  // namespace

void DrawVop()
{
    if (vopKind < BeginnerVop || vopKind > EliteVop) return;
    const VopLook& look = vopLooks[vopKind - 1];
    SpriteTexture& face = vopFaceSprites[look.faceRow][0];
    SpriteTexture& mouth = vopFaceSprites[look.faceRow][1];

    const float sx = static_cast<float>(playerX - cameraX);
    const float sy = static_cast<float>(playerY - cameraY);
    const float a = vopPhaseA;
    const float b = vopPhaseB;
    const int travelled = playerX - currentLevel.startX;
    const float roll = static_cast<float>(travelled) * degreesToRadians;

    // The lid hides the face's rows above it; the rest stays in place.
    face.SetSourceRect(0, vopBlinkLid, 63, 63);

    const uint32_t alpha = Channel(playerAlpha);
    const uint32_t bodyColour =
        Argb(alpha, Channel(currentLevel.levelColour[0]), Channel(currentLevel.levelColour[1]),
             Channel(currentLevel.levelColour[2]));
    const float bodyRotation =
        look.bodyRollBackDegrees != 0
            ? static_cast<float>(travelled - look.bodyRollBackDegrees) * degreesToRadians
            : look.bodyRollFactor * roll;
    const float bodyScale =
        look.bodyScaleBase + std::sin(look.bodyPhaseFactor * a) / look.bodyScaleDivisor;
    const int variant = currentLevel.mrVariant != 0 ? 1 : 0;
    look.bodyPair[variant].DrawSpriteShifted(sx + look.bodyDx, sy + look.bodyDy, bodyRotation,
                                             bodyScale, bodyScale, 64.0f, 64.0f, bodyColour);

    // White at no danger, turning red as the meter rises; green after the goal.
    uint32_t faceColour;
    if (levelDone == 0) {
        const uint32_t cool = static_cast<uint32_t>(255 - Trunc(dangerMeter)) & 255u;
        faceColour = Argb(alpha, 255, cool, cool);
    } else {
        faceColour = Argb(alpha, 0, 180, 0);
    }
    const float faceY = sy + look.faceDy;
    face.DrawSpriteShifted(sx, faceY, roll, 1.0f + std::sin(a) / 13.0f, 1.0f + std::cos(b) / 13.0f,
                           look.faceCentreX, look.faceCentreY, faceColour);
    mouth.DrawSpriteShifted(sx, faceY, roll, 1.0f + std::cos(a) / 18.0f,
                            1.0f + std::sin(b) / 18.0f, look.mouthCentreX, look.mouthCentreY,
                            faceColour);
}
