#include "screens/LevelButtons.h"

#include "engine/GameFont.h"
#include "engine/LanguageTables.h"
#include "engine/Maths.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "engine/TextFormat.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "shared/LevelRecord.h"

uint8_t kindHintShown = 0;

namespace {

void AmbientText(float factor, float rgb[3]) {
    for (int c = 0; c < 3; ++c)
        rgb[c] = static_cast<float>(static_cast<int32_t>(ambientColour[c] * factor) & 255) / 255.0f;
}

// The Vop kind a level asks for, 1..6, or 0 for any (also for a value no
// kind has, so a bad record cannot index past the kind pictures and texts).
int32_t RequiredKind(const LevelRecord& level) {
    return (level.requiredKind >= 1 && level.requiredKind <= 6) ? level.requiredKind : 0;
}

// Boss, plain, or marked with the kind the level asks for.
SpriteTexture& ButtonPicture(const LevelRecord& level, bool white) {
    const int index = white ? 1 : 0;
    if (level.bossLevel) return bossButton[index];
    const int32_t kind = RequiredKind(level);
    if (kind == 0) return levelButton[index];
    return white ? kindButtonWhite[kind - 1] : kindButtonBlack[kind - 1];
}

}  // namespace

bool CanPlayWithVopKind(int32_t record) {
    const int32_t required = levelTable[record].requiredKind;
    return required == 0 || required == vopKind;
}

float LevelButtonScreenX(int32_t x, float parallax) {
    const int32_t halfW = screenWidth / 2;
    return static_cast<float>(halfW) + static_cast<float>(x - cameraX - halfW) * parallax;
}

int32_t LevelButtonScreenY(int32_t height) { return screenHeight - height; }

bool PointerOnLevelButton(float sx, int32_t sy, float reach) {
    return IsWithinDistance(static_cast<float>(playerX), static_cast<float>(playerY), sx,
                            static_cast<float>(sy), reach);
}

void DrawLevelButton(int32_t x, int32_t y, float scale, int32_t number, float wobble,
                     int32_t record, int32_t focusValue, int32_t focusId) {
    const LevelRecord& level = levelTable[record];
    const float sx = LevelButtonScreenX(x, scale);
    const int32_t sy = LevelButtonScreenY(y);
    const float fy = static_cast<float>(sy);
    const bool focused = focusValue == focusId;
    const bool near32 = PointerOnLevelButton(sx, sy, 32.0f);
    const bool highlighted32 = near32 || focused;
    const float centre = level.bossLevel ? 64.0f : 32.0f;

    if (unlockedLevels < number) {
        const float size = (level.bossLevel ? 0.61f : 0.55f) - wobble / 2;
        ButtonPicture(level, highlighted32)
            .DrawSprite(sx, fy, wobble, size, size, centre, centre, AmbientArgb(70, 0.8f));
        return;
    }

    const bool highlighted =
        level.bossLevel
            ? PointerOnLevelButton(sx, sy, 60.0f) || focused
            : highlighted32;
    const float size = 1.0f + wobble / 2;
    const uint32_t colour = AmbientArgb(220, 0.9f);
    ButtonPicture(level, highlighted).DrawSprite(sx, fy, wobble, size, size, centre, centre, colour);
    if (unlockedLevels > number) {
        checkMarkSprite.DrawSprite(sx, level.bossLevel ? fy + 16 : fy, wobble, size, size, 32.0f,
                                   32.0f, colour);
    }

    if (!level.bossLevel && highlighted32) {
        float rgb[3];
        AmbientText(0.7f, rgb);
        if (CanPlayWithVopKind(record)) {
            bool line = true;
            if (level.sprintLevel) {
                if (unlockedLevels > number) {
                    FormatText(levelSelectionTexts[2], {level.bestScore});
                } else {
                    const int32_t bonus = difficulty == 1 ? 8 : difficulty == 2 ? 4 : 0;
                    FormatText(levelSelectionTexts[1], {level.timeBonusBase + bonus});
                }
            } else if (level.thresholdPoints > 0) {
                FormatText(levelSelectionTexts[0], {level.bestScore, level.thresholdPoints});
            } else {
                line = false;
            }
            if (line) {
                fontSmall.DrawTextCentred(textBuffer, sx, fy + 75, size, size, wobble, rgb[0],
                                          rgb[1], rgb[2], 1.0f);
            }
        } else {
            FormatText(levelSelectionTexts[2 + RequiredKind(level)], {"\n"});
            fontSmall.DrawTextCentred(textBuffer, sx, fy + 80, size, size, wobble, rgb[0], rgb[1],
                                      rgb[2], 1.0f);
        }
        AmbientText(0.05f, rgb);
        FormatText(levelNameTexts[record], {"\n"});
        fontSmall.DrawTextCentred(textBuffer, sx, fy - 75, size, size, wobble, rgb[0], rgb[1],
                                  rgb[2], 1.0f);
    }

    if (record == 3 || record == 4 || record == 6) {
        if (vopKind == BeginnerVop && unlockedLevels <= 7 && highlighted32) {
            const uint32_t hint = AmbientArgb(255, 0.1f);
            arrowSprite.DrawSprite(160.0f, 220.0f, 0.5f + wobble / 2, 1 - wobble / 2,
                                   1 - wobble / 2, 64.0f, 64.0f, hint);
            float rgb[3];
            AmbientText(0.1f, rgb);
            FormatText(levelSelectionTexts[28], {"\n"});
            fontMedium.DrawTextCentred(textBuffer, 320.0f, 145.0f, 0.7f + wobble / 4,
                                       0.7f + wobble / 4, 0.22f + wobble / 2, rgb[0], rgb[1],
                                       rgb[2], 1.0f);
            kindHintShown = 1;
        }
    } else {
        kindHintShown = 0;
    }
}
