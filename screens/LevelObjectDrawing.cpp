#include "screens/LevelObjectDrawing.h"

#include <cmath>
#include <cstdint>

#include "engine/PackedColour.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/Camera.h"
#include "shared/LevelRecord.h"

namespace {

constexpr float degreesToRadians = 3.1415927f / 180.0f;

// The plain or MR picture of a pair; a variant byte other than 0 or 1 from a
// damaged record still picks one of the two.
int Variant(uint8_t mrVariant) { return mrVariant != 0 ? 1 : 0; }

bool IsGear(int kind)
{
    return kind == KindBigGearCw || kind == KindBigGearCcw || kind == KindSmallGearCw ||
           kind == KindSmallGearCcw;
}

// Values every creature picture of one object shares.
struct ObjectView {
    float x, y;            // screen position
    float wobbleX, wobbleY;
    float roll;
    uint32_t bodyColour;
    int heatLeft;          // 255 - trunc(heat): 255 cool, 0 hottest
};

ObjectView ViewOf(const LevelObject& o)
{
    ObjectView v;
    v.x = static_cast<float>(o.objX - cameraX);
    v.y = static_cast<float>(o.objY - cameraY);
    v.wobbleX = 1.06f + std::sin(4.0f * o.phase) / 12.0f;
    v.wobbleY = 1.06f + std::cos(4.0f * o.phase) / 12.0f;
    v.roll = static_cast<float>(o.objX - o.homeX) * degreesToRadians;
    v.bodyColour = Argb(Channel(o.objAlpha), Channel(o.objColour[0]), Channel(o.objColour[1]),
                        Channel(o.objColour[2]));
    v.heatLeft = 255 - Trunc(o.heat);
    return v;
}

// With the bloom shader on, eyes redden sooner: the glow would wash out a
// barely warm eye.
int ShaderLowered(int heatLeft, int lowering)
{
    if (shaderEnabled != 1) return heatLeft;
    const int lowered = heatLeft - lowering;
    return lowered < 0 ? 0 : lowered;
}

// Walker and bouncer eye: white turning red with heat, or green for an enemy
// whose kill saves a checkpoint.
uint32_t CreatureEyeColour(const LevelObject& o, int heatLeft)
{
    const uint32_t alpha = Channel(o.objAlpha);
    const int e = o.objState == ObjPopping ? heatLeft : ShaderLowered(heatLeft, 50);
    const uint32_t ch = static_cast<uint32_t>(e) & 255u;
    if (o.checkpointObject != 0 && checkpointsEnabled != 0) return Argb(alpha, ch, 255, ch);
    return Argb(alpha, 255, ch, ch);
}

uint32_t DropperEyeColour(const LevelObject& o, int heatLeft)
{
    const int e = o.objState == ObjPopping ? heatLeft : ShaderLowered(heatLeft, 50);
    const uint32_t ch = static_cast<uint32_t>(e) & 255u;
    return Argb(Channel(o.objAlpha), 255, ch, ch);
}

uint32_t BallEyeColour(const LevelObject& o, int heatLeft)
{
    const uint32_t ch = static_cast<uint32_t>(ShaderLowered(heatLeft, 10)) & 255u;
    return Argb(Channel(o.objAlpha), 255, ch, ch);
}

bool DrawnAsCreature(int state) { return state == 1 || state == 2 || state == 3; }

void DrawGear(const LevelObject& o)
{
    SpriteTexture* pair = nullptr;
    float centre = 0.0f;
    switch (o.objKind) {
    case KindBigGearCw: pair = bigGearCwSprites; centre = 255.0f; break;
    case KindBigGearCcw: pair = bigGearCcwSprites; centre = 255.0f; break;
    case KindSmallGearCw: pair = smallGearCwSprites; centre = 127.0f; break;
    case KindSmallGearCcw: pair = smallGearCcwSprites; centre = 127.0f; break;
    default: return;
    }
    const ObjectView v = ViewOf(o);
    pair[Variant(o.mrVariant)].DrawSpriteShifted(v.x, v.y, o.angle, 1.0f, 1.0f, centre, centre,
                                                 v.bodyColour);
}

// The barrel stands at the cannon's home and is always opaque.
void DrawBarrel(const LevelObject& o)
{
    const uint32_t colour = Argb(255, Channel(o.objColour[0]), Channel(o.objColour[1]),
                                 Channel(o.objColour[2]));
    cannonSprites[Variant(o.mrVariant)].DrawSpriteShifted(
        static_cast<float>(o.homeX - cameraX), static_cast<float>(o.homeY - cameraY), o.angle,
        1.0f, 1.0f, 58.0f, 127.0f, colour);
}

void DrawCreature(const LevelObject& o)
{
    const ObjectView v = ViewOf(o);
    SpriteTexture& body = enemyBodySprites[Variant(o.mrVariant)];
    switch (o.objKind) {
    case KindWalker:
    case KindBouncer: {
        if (!DrawnAsCreature(o.objState)) return;
        float scaleX = v.wobbleX;
        float scaleY = v.wobbleY;
        if (o.objKind == KindBouncer) {
            // The bouncer's height follows its squash as it lands and leaves.
            scaleX = 0.96f + std::cos(4.0f * o.phase) / 17.0f;
            scaleY = o.squash;
        }
        body.DrawSpriteShifted(v.x, v.y + 1.0f, v.roll, scaleX, scaleY, 40.0f, 40.0f, v.bodyColour);
        enemyEyeSprite.DrawSpriteShifted(v.x, v.y + 1.0f, v.roll, scaleX, scaleY, 40.0f, 40.0f,
                                         CreatureEyeColour(o, v.heatLeft));
        break;
    }
    case KindCeilingDropper: {
        if (!DrawnAsCreature(o.objState)) return;
        // Hangs from the middle of its top edge, 40 pixels above its position.
        body.DrawSpriteShifted(v.x, v.y - 40.0f, 0.0f, v.wobbleX, v.wobbleY, 40.0f, 0.0f,
                               v.bodyColour);
        const float eyeY = o.objState == ObjPopping ? v.y + 1.0f : v.y;
        enemyEyeSprite.DrawSpriteShifted(v.x, eyeY, 0.0f, v.wobbleX, v.wobbleY, 40.0f, 40.0f,
                                         DropperEyeColour(o, v.heatLeft));
        break;
    }
    default:
        if (IsGear(o.objKind) && o.drawWithObjects != 0) DrawGear(o);
        break;
    }
}

void DrawCannon(const LevelObject& o, bool withObjects)
{
    if (withObjects && o.objState != ObjInactive) {
        const ObjectView v = ViewOf(o);
        // The ball turns one and a half degrees per pixel of flight.
        const float spin = static_cast<float>(o.objX - o.homeX) * 3.1415927f / 120.0f;
        enemyBodySprites[Variant(o.mrVariant)].DrawSpriteShifted(
            v.x, v.y, spin, v.wobbleX, v.wobbleY, 40.0f, 40.0f, v.bodyColour);
        enemyEyeSprite.DrawSpriteShifted(v.x, v.y, spin, v.wobbleX, v.wobbleY, 40.0f, 40.0f,
                                         BallEyeColour(o, v.heatLeft));
    }
    if ((o.drawWithObjects != 0) == withObjects) DrawBarrel(o);
}

}  // namespace

void DrawLevelObjects()
{
    const int count = LiveObjectCount(currentLevel);
    for (int i = 0; i < count; ++i) {
        const LevelObject& o = currentLevel.objects[i];
        // The eye closes from the top as the lid comes down.
        enemyEyeSprite.SetSourceRect(0, o.blinkLid, 80, 63);
        if (o.objState != ObjInactive) DrawCreature(o);
        if (o.objKind == KindCannon) DrawCannon(o, true);
    }
}

void DrawGearsAndCannons()
{
    const int count = LiveObjectCount(currentLevel);
    for (int i = 0; i < count; ++i) {
        const LevelObject& o = currentLevel.objects[i];
        if (o.objState != ObjInactive && o.drawWithObjects == 0 && IsGear(o.objKind)) DrawGear(o);
        if (o.objKind == KindCannon && o.drawWithObjects == 0) DrawBarrel(o);
    }
}
