#include "screens/ParticleBursts.h"

#include <cmath>
#include <cstdint>

#include "engine/GameFont.h"
#include "engine/LanguageTables.h"
#include "engine/PackedColour.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "engine/TextFormat.h"
#include "gameplay/Camera.h"
#include "gameplay/DangerMeter.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/VopPhysics.h"
#include "screens/TrailParticles.h"
#include "shared/LevelRecord.h"

namespace {

// The three particle pictures, in the catalogue's order.
enum ParticlePicture { Particle1 = 0, Particle2 = 1, Particle3 = 2 };

// Objects this far outside the view still burst, so a kill just off screen
// is seen as it scrolls in; farther ones cost nothing.
constexpr int burstMargin = 500;

// One ring: particles around a centre at angle steps, each jittered anew.
struct Ring {
    int picture;
    float step;      // 0.2, 0.4 or 0.15
    float kx, ky;    // how far the ring spreads per unit of rise
};

void DrawRing(const Ring& ring, float centreX, float centreY, float rise, uint32_t colour)
{
    SpriteTexture& picture = trailParticleSprites[ring.picture];
    // The coarse rings of step 0.4 jitter one pixel less to the right.
    const int jitterXRange = ring.step == 0.4f ? 25 : 26;
    const float scale = ring.step == 0.2f ? rise / 15.0f : rise / 14.0f;
    for (float a = 0.0f; a <= 6.283f; a += ring.step) {
        const int jx = CosmeticRandom() % jitterXRange - 13;
        const int jy = CosmeticRandom() % 26 - 13;
        const float x = centreX + rise * std::sin(a) * ring.kx + static_cast<float>(jx);
        const float y = centreY + rise * std::cos(a) * ring.ky + static_cast<float>(jy);
        picture.DrawSpriteShifted(x, y, 1.0f, scale, scale, 8.0f, 8.0f, colour);
    }
}

uint32_t ScaledColour(uint32_t alpha, const float* rgb, float factor)
{
    return Argb(alpha, Channel(rgb[0] * factor), Channel(rgb[1] * factor),
                Channel(rgb[2] * factor));
}

bool NearView(const LevelObject& o)
{
    return cameraX - burstMargin < o.objX && o.objX < cameraX + screenWidth + burstMargin &&
           cameraY - burstMargin < o.objY && o.objY < cameraY + screenHeight + burstMargin;
}

// The kill score, or the checkpoint notice, rising out of a killed enemy.
void DrawBurstText(const LevelObject& o, float rise, int alpha)
{
    if (o.objKind == KindCeilingDropper || o.objKind == KindCannon) return;
    if (o.heat != 255.0f || currentLevel.bossLevel != 0) return;  // only kills by the trail
    const int textAlpha = 2 * alpha < 255 ? 2 * alpha : 255;
    float r = 0.0f, g = 0.0f, b = 0.0f;
    if (currentLevel.followAmbient == 0) {
        r = o.objColour[0] / 255.0f;
        g = o.objColour[1] / 255.0f;
        b = o.objColour[2] / 255.0f;
    }
    const float a = static_cast<float>(textAlpha) / 255.0f;
    const float x = static_cast<float>(o.objX - cameraX);
    const float y = static_cast<float>(o.objY - cameraY);
    if (o.checkpointObject != 0 && checkpointsEnabled != 0) {
        FormatText(ingameTexts[9]);
        fontMedium.DrawTextCentredShifted(textBuffer, x, y - 3.0f * rise, rise / 30.0f,
                                          rise / 30.0f, 0.0f, r, g, b, a);
        return;
    }
    if (currentLevel.sprintLevel != 0) return;
    FormatText(ingameTexts[8], {o.killPoints});
    // The number drifts up and along the way the object was moving.
    fontMedium.DrawTextShifted(textBuffer, x + rise * o.objVelX / 4.0f, y - 4.0f * rise,
                               rise / 30.0f, rise / 30.0f, 0.0f, r, g, b, a);
}

}  // namespace

int BurstAlpha(float rise)
{
    const float eight = 8.0f * rise;
    if (eight < 170.0f) return 255;
    const int alpha = Trunc(425.0f - eight);
    return alpha < 0 ? 0 : alpha;
}

void DrawObjectBursts()
{
    static const Ring rings[3] = {
        {Particle2, 0.2f, 7.0f, 7.0f},
        {Particle3, 0.4f, 5.0f, 6.0f},
        {Particle1, 0.15f, 6.0f, 6.0f},
    };
    // Darker rings for the MR picture set: 0.4, 0.76 and black.
    static const float mrFactors[3] = {0.4f, 0.76f, 0.0f};

    const int count = LiveObjectCount(currentLevel);
    for (int i = 0; i < count; ++i) {
        const LevelObject& o = currentLevel.objects[i];
        if (o.objState != ObjPopping) continue;
        const float rise = o.rise;
        const int alpha = BurstAlpha(rise);
        if (!NearView(o)) continue;
        const float cx = static_cast<float>(o.objX - cameraX);
        const float cy = static_cast<float>(o.objY - cameraY);
        for (int k = 0; k < 3; ++k) {
            const float factor = o.mrVariant == 1 ? mrFactors[k] : 1.0f;
            DrawRing(rings[k], cx, cy, rise,
                     ScaledColour(static_cast<uint32_t>(alpha), o.objColour, factor));
        }
        DrawBurstText(o, rise, alpha);
    }
}

void DrawDeathBurst()
{
    if (endState != EndExploded) return;
    static const Ring rings[6] = {
        {Particle2, 0.2f, 8.0f, 8.0f}, {Particle2, 0.2f, 9.0f, 9.0f},
        {Particle3, 0.4f, 6.0f, 6.0f}, {Particle3, 0.4f, 6.0f, 6.0f},
        {Particle1, 0.15f, 5.0f, 5.0f}, {Particle1, 0.15f, 4.0f, 4.0f},
    };
    const float rise = endRise;
    const uint32_t alpha = static_cast<uint32_t>(BurstAlpha(rise));
    const uint32_t levelTint = ScaledColour(alpha, currentLevel.levelColour, 1.0f);
    // Every other ring is black in the MR picture set.
    const uint32_t firstTint = currentLevel.mrVariant == 1 ? Argb(alpha, 0, 0, 0) : levelTint;
    const float cx = static_cast<float>(playerX - cameraX);
    const float cy = static_cast<float>(playerY - cameraY);
    for (int k = 0; k < 6; ++k) DrawRing(rings[k], cx, cy, rise, k % 2 == 0 ? firstTint : levelTint);
}
