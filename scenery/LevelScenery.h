#pragma once
// The parallax scenery behind the level being played.
#include <cstdint>

#include "scenery/SceneryPlacement.h"

// Draws the current level's scenery through the shared sprite batch; the
// in-game render pass calls it first, before the level hints.
void DrawLevelScenery();

// One placement with this frame's sway (sin(swayPhase) / 8).
void DrawSceneryPlacement(const SceneryPlacement& placement, float sway);

// The rotation a placement is drawn at for a sway and phase.
float SceneryRotation(const SceneryPlacement& placement, float sway, float phase);

// Which layouts a record id draws: every entry whose id matches, in order.
struct SceneryLayoutEntry {
    int32_t recordId;
    const SceneryLayout* layout;
};
extern const SceneryLayoutEntry sceneryLayoutTable[];
extern const int sceneryLayoutTableSize;
