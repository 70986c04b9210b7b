#include "screens/TrailParticles.h"

#include "engine/PackedColour.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/Camera.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "screens/FocusNavigation.h"
#include "shared/LevelRecord.h"

namespace {

uint32_t cosmeticState = 0x2545F491u;

// The three particle pictures, in the catalogue's order.
enum ParticlePicture { Particle1 = 0, Particle2 = 1, Particle3 = 2 };

enum class Jitter : uint8_t { J16, J16SpareHead, J14 };
enum class ColourRule : uint8_t { HeadSpared, Plain };

// One pass of particles over the ring.
struct TrailPass {
    int picture;
    int stride;          // every entry (1), every 5th or every 7th
    float offsetX, offsetY;
    Jitter jitter;
    float scaleFactor;
    ColourRule colour;
};

constexpr int maxPasses = 3;
struct KindPasses {
    int count;
    TrailPass passes[maxPasses];
};

// Indexed by vopKind; kind 0 has no trail.
const KindPasses kindPasses[7] = {
    {0, {}},
    // 1 beginner
    {3, {{Particle2, 1, -2, -2, Jitter::J16SpareHead, 1.0f, ColourRule::HeadSpared},
         {Particle1, 5, 2, 2, Jitter::J16, 1.0f, ColourRule::Plain},
         {Particle3, 7, 2, 2, Jitter::J16, 1.0f, ColourRule::Plain}}},
    // 2 spike
    {3, {{Particle2, 1, -2, -2, Jitter::J16SpareHead, 1.0f, ColourRule::HeadSpared},
         {Particle1, 5, 2, 2, Jitter::J16, 1.0f, ColourRule::Plain},
         {Particle3, 7, 2, 2, Jitter::J16, 1.0f, ColourRule::Plain}}},
    // 3 air: two streams offset diagonally
    {2, {{Particle1, 1, -7, -7, Jitter::J16, 1.0f, ColourRule::HeadSpared},
         {Particle1, 1, 7, 7, Jitter::J16, 1.0f, ColourRule::HeadSpared}}},
    // 4 rock: two smaller side streams around a central one
    {3, {{Particle1, 1, -14, 3, Jitter::J14, 0.9f, ColourRule::HeadSpared},
         {Particle2, 1, 0, 0, Jitter::J16, 1.0f, ColourRule::HeadSpared},
         {Particle1, 1, 3, -17, Jitter::J14, 0.9f, ColourRule::HeadSpared}}},
    // 5 angry
    {3, {{Particle3, 1, -2, -2, Jitter::J16SpareHead, 1.0f, ColourRule::HeadSpared},
         {Particle1, 5, 2, 2, Jitter::J16, 1.0f, ColourRule::Plain},
         {Particle3, 7, 2, 2, Jitter::J16, 1.0f, ColourRule::Plain}}},
    // 6 elite
    {3, {{Particle2, 1, -2, -2, Jitter::J16SpareHead, 1.0f, ColourRule::HeadSpared},
         {Particle2, 5, 2, 2, Jitter::J16, 1.0f, ColourRule::Plain},
         {Particle3, 7, 2, 2, Jitter::J16, 1.0f, ColourRule::Plain}}},
};

int JitterValue(Jitter jitter)
{
    if (jitter == Jitter::J14) return CosmeticRandom() % 14;
    return CosmeticRandom() % 16 - 8;
}

}  // namespace

int CosmeticRandom()
{
    // xorshift32: cheap, never 0 once seeded with a non-zero state.
    uint32_t x = cosmeticState;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    cosmeticState = x;
    return static_cast<int>((x >> 8) & 0x7FFFu);
}

void SeedCosmeticRandom(uint32_t seed)
{
    cosmeticState = seed != 0 ? seed : 0x2545F491u;
}

void DrawTrailParticles()
{
    if (vopKind < BeginnerVop || vopKind > EliteVop) return;
    const KindPasses& kind = kindPasses[vopKind];
    const uint32_t tb = static_cast<uint32_t>(currentLevel.trailBrightness) & 255u;
    // The ring's oldest entry, just reset by the trail update: drawn calm.
    const int head = trailNext;

    for (int p = 0; p < kind.count; ++p) {
        const TrailPass& pass = kind.passes[p];
        SpriteTexture& picture = trailParticleSprites[pass.picture];
        for (int i = 0; i < trailEntries; i += pass.stride) {
            const bool isHead = i == head;
            float dx = pass.offsetX;
            float dy = pass.offsetY;
            if (!(pass.jitter == Jitter::J16SpareHead && isHead)) {
                dx += static_cast<float>(JitterValue(pass.jitter));
                dy += static_cast<float>(JitterValue(pass.jitter));
            }
            const bool hot = trailHot[i] != 0 && !(pass.colour == ColourRule::HeadSpared && isHead);
            const uint32_t alpha = Channel(trailAlpha[i]);
            const uint32_t colour = hot ? Argb(alpha, 140, 0, 0) : Argb(alpha, tb, tb, tb);
            const float scale = trailScale[i] * pass.scaleFactor;
            picture.DrawSpriteShifted(trailX[i] - static_cast<float>(cameraX) + dx,
                                      trailY[i] - static_cast<float>(cameraY) + 1.0f + dy, 1.0f,
                                      scale, scale, 8.0f, 8.0f, colour);
        }
    }
}

void DrawMenuCursor()
{
    if (menuFocusIdle == 0) return;
    // Three interleaved thirds of the ring, one picture each.
    const int firstEntry[3] = {1, 0, 2};
    const int picture[3] = {Particle1, Particle2, Particle3};
    for (int part = 0; part < 3; ++part) {
        SpriteTexture& sprite = trailParticleSprites[picture[part]];
        for (int i = firstEntry[part]; i < trailEntries; i += 3) {
            sprite.DrawSprite(trailX[i], trailY[i], 1.0f, trailScale[i], trailScale[i], 8.0f, 8.0f,
                              Argb(Channel(trailAlpha[i]), 0, 0, 0));
        }
    }
    const float px = static_cast<float>(playerX);
    const float py = static_cast<float>(playerY);
    trailParticleSprites[Particle2].DrawSprite(px, py, 1.0f, 0.9f, 0.9f, 8.0f, 8.0f, 0xFF000000u);
    trailParticleSprites[Particle2].DrawSprite(px, py, 1.0f, 0.6f, 0.6f, 8.0f, 8.0f, 0xFFFFFFFFu);
}
