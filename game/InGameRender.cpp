#include "game/InGameRender.h"

#include <cstdint>

#include "engine/GameFont.h"
#include "engine/LanguageTables.h"
#include "engine/Maths.h"
#include "engine/PackedColour.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "engine/TextFormat.h"
#include "game/Resources.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/LevelLoading.h"
#include "scenery/LevelScenery.h"
#include "screens/LevelDecorations.h"
#include "screens/LevelHints.h"
#include "screens/LevelObjectDrawing.h"
#include "screens/ParticleBursts.h"
#include "screens/TrailParticles.h"
#include "screens/VopDrawing.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

namespace {

constexpr int tileSize = 1024;

int ClampAlpha(int value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }

int Variant() { return currentLevel.mrVariant != 0 ? 1 : 0; }

// The goal texts fade in over the first 26 ticks after the goal.
float GoalTextAlpha()
{
    return static_cast<float>(ClampAlpha(10 * goalScoreFade)) / 255.0f;
}

// The Vop's group; whether it lies behind the tiles is the level's choice.
void DrawVopGroup()
{
    DrawTrailParticles();
    DrawVop();
    DrawLevelObjects();
}

// The level's (dx, dy) pair for an end-of-level message.
void MessageAt(int pair, float scale, float gx, float gy, float rotation)
{
    const float x = gx + static_cast<float>(currentLevel.goalTextOffsets[pair][0]);
    const float y = gy + static_cast<float>(currentLevel.goalTextOffsets[pair][1]);
    fontSmall.DrawTextShifted(textBuffer, x, y, scale, scale, rotation, 0.0f, 0.0f, 0.0f,
                              GoalTextAlpha());
}

}  // namespace

void DrawLevelTiles()
{
    // Counts come from the level record: never step outside the tile slots.
    int rows = currentLevel.tileRows;
    int cols = currentLevel.tileCols;
    if (rows > maxTileRows) rows = maxTileRows;
    if (cols > maxTileCols) cols = maxTileCols;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            levelTiles[r][c].DrawSpriteShifted(static_cast<float>(c * tileSize - cameraX),
                                               static_cast<float>(r * tileSize - cameraY), 0.0f,
                                               1.0f, 1.0f, 0.0f, 0.0f, 0xFFFFFFFFu);
        }
    }
}

void DrawGoalSign()
{
    const float s = SinF(swayPhase) / 14.0f;
    const float gx = static_cast<float>(currentLevel.goalX - cameraX);
    const float gy = static_cast<float>(currentLevel.goalY - cameraY);
    const float* lc = currentLevel.levelColour;
    // Snow levels show the sign in the level colour itself, others darker.
    const bool snow = lc[0] == 225.0f;
    const float boardGain = snow ? 1.0f : 0.8f;
    const float postGain = snow ? 1.0f : 0.6f;
    const uint32_t boardColour =
        Argb(255, Channel(lc[0] * boardGain), Channel(lc[1] * boardGain), Channel(lc[2] * boardGain));
    const uint32_t postColour =
        Argb(255, Channel(lc[0] * postGain), Channel(lc[1] * postGain), Channel(lc[2] * postGain));

    const float boardScale = 0.8f - 0.8f * s;
    goalShield[goalBoardIndex + Variant()].DrawSpriteShifted(
        gx + 73.0f, gy - 105.0f, 1.2f * s, boardScale, boardScale, 137.0f, 123.0f, boardColour);

    if (currentLevel.sprintLevel == 0 && currentLevel.bossLevel == 0 && currentLevel.recordId != 7 &&
        levelDone != 0) {
        FormatText("%i/%i", {shownScore, thresholdPoints});
        float grey = 0.0f;
        const bool darkLevel = !(lc[0] > 50.0f || lc[1] > 50.0f || lc[2] > 50.0f) &&
                               currentLevel.followAmbient == 0;
        // On a dark level black would vanish; the bloom brightens white.
        if (darkLevel) grey = shaderEnabled == 1 ? 210.0f / 255.0f : 1.0f;
        fontMedium.DrawTextCentredShifted(textBuffer, gx + 73.0f, gy - 105.0f, 0.5f - 0.8f * s,
                                          0.6f - 0.8f * s, 1.2f * s, grey, grey, grey,
                                          GoalTextAlpha());
    }

    goalShield[goalPostIndex + Variant()].DrawSpriteShifted(gx, gy, s, 0.8f, 0.8f, 43.0f, 255.0f,
                                                            postColour);
}

void DrawEndMessages()
{
    const float s2 = SinF(swayPhase) / 5.0f;
    const float gx = static_cast<float>(currentLevel.goalX - cameraX);
    const float gy = static_cast<float>(currentLevel.goalY - cameraY);
    const bool boss = currentLevel.bossLevel != 0;
    if (levelDone != 0 && (killScore + timeBonus >= thresholdPoints || boss)) {
        FormatText(ingameTexts[3], {"\n"});
        MessageAt(0, 1.25f + s2 / 2.0f, gx, gy, s2);
    }
    if (newLevelUnlocked != 0) {
        if (boss) FormatText(ingameTexts[10], {"\n", "\n"});
        else FormatText(ingameTexts[4], {"\n"});
        MessageAt(1, 1.0f + s2 / 2.0f, gx, gy, s2);
    }
    if (levelNotPassed != 0) {
        FormatText(ingameTexts[currentLevel.sprintLevel != 0 ? 6 : 5], {"\n"});
        MessageAt(1, 1.0f + s2 / 2.0f, gx, gy, s2);
    }
    if (newKindUnlocked != 0) {
        FormatText(ingameTexts[7], {"\n"});
        MessageAt(2, 1.0f + s2 / 2.0f, gx, gy, s2);
    }
}

void DrawStatusLine()
{
    const bool sprintOrBoss = currentLevel.sprintLevel != 0 || currentLevel.bossLevel != 0;
    if (!(currentLevel.thresholdPoints > 0 || sprintOrBoss)) return;
    if (sprintOrBoss) {
        FormatText(ingameTexts[2], {timeBonus, "\n"});
    } else if (currentLevel.timeBonusBase != 0) {
        FormatText(ingameTexts[1], {killScore, timeBonus, killScore + timeBonus, thresholdPoints,
                   "\n"});
    } else {
        FormatText(ingameTexts[0], {killScore, thresholdPoints, "\n"});
    }
    // Fades in as the bars open.
    const int alpha = ClampAlpha(400 - (3 * transitionCurtain) / 2);
    float rgb[3];
    for (int c = 0; c < 3; ++c) {
        float v = ambientColour[c];
        if (currentLevel.snowLevel != 0) {
            // The pale snow ambient is lifted so the line stays readable.
            v = static_cast<float>(currentLevel.statusColourGain) * ambientColour[c];
            if (v > 255.0f) v = 255.0f;
        }
        rgb[c] = static_cast<float>(Trunc(v)) / 255.0f;
    }
    fontSmall.DrawText(textBuffer, 20.0f, static_cast<float>(screenHeight - 30), 1.0f, 1.2f, 0.0f,
                       rgb[0], rgb[1], rgb[2], static_cast<float>(alpha) / 255.0f);
}

void RenderInGameScreen()
{
    if (gameState != InGame) return;
    if (decorationsEnabled != 0) DrawLevelScenery();
    DrawLevelHints();
    if (!(currentLevel.bossLevel != 0 && bossBeaten == 0)) DrawGoalSign();
    const bool behind = currentLevel.objectsBehindWorld != 0;
    if (behind) DrawVopGroup();
    DrawLevelTiles();
    if (!behind) DrawVopGroup();
    DrawGearsAndCannons();
    DrawLevelDecorations();
    DrawObjectBursts();
    DrawDeathBurst();
    DrawEndMessages();
}

void RenderInGameStatusLine()
{
    if (gameState != InGame) return;
    DrawStatusLine();
}
