#include "screens/CinemaBars.h"

#include <cstdint>
#include <cstring>

#include "engine/GameFont.h"
#include "engine/LanguageTables.h"
#include "engine/PackedColour.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "engine/TextFormat.h"
#include "gameplay/ColourCycle.h"
#include "shared/GameStates.h"

namespace {

int ClampAlpha(int value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }

void DrawBarRow(float y)
{
    // One black picture is 512 pixels wide; wide screens need a fourth.
    const int pieces = screenWidth > 1300 ? 4 : 3;
    for (int i = 0; i < pieces; ++i) {
        blackSprite.DrawSprite(static_cast<float>(512 * i), y, 0.0f, 1.0f, 1.13f, 0.0f, 255.0f,
                               0xFF000000u);
    }
}

}  // namespace

void DrawCinemaBars(int offset)
{
    DrawBarRow(static_cast<float>(offset - 255));
    DrawBarRow(static_cast<float>(screenHeight - offset + 255));
}

void DrawTotalScore()
{
    if (unlockedLevels < 3) return;
    FormatText(mainMenuTexts[10], {totalScore});
    // Fades out as the bars close; fully visible once they are nearly open.
    const int alpha = ClampAlpha(400 - (3 * transitionCurtain) / 2);
    const float x = gameState == MainMenu ? static_cast<float>(screenWidth - 430) : 20.0f;
    const float y = static_cast<float>(screenHeight - 40);
    const float r = static_cast<float>(Trunc(0.7f * ambientColour[0]) & 255) / 255.0f;
    const float g = static_cast<float>(Trunc(0.7f * ambientColour[1]) & 255) / 255.0f;
    const float b = static_cast<float>(Trunc(0.7f * ambientColour[2]) & 255) / 255.0f;
    fontSmall.DrawText(textBuffer, x, y, 1.0f, 1.2f, 0.0f, r, g, b,
                       static_cast<float>(alpha) / 255.0f);
}

void DrawLevelTitle()
{
    if (levelTitleVisible == 0) return;
    int alpha = transitionCurtain;
    // The bloom would make a full-white title glare.
    if (shaderEnabled != 0) alpha /= 2;
    const int cap = shaderEnabled != 0 ? 110 : 255;
    if (alpha > cap) alpha = cap;
    if (alpha < 0) alpha = 0;
    // The title is written elsewhere; never read past the end of its buffer.
    if (std::memchr(levelTitle, 0, levelTitleSize) == nullptr) return;
    fontLarge.DrawTextCentred(levelTitle, static_cast<float>(screenWidth / 2),
                              static_cast<float>(screenHeight / 2), 1.0f, 1.0f, 0.0f, 1.0f, 1.0f,
                              1.0f, static_cast<float>(alpha) / 255.0f);
}
