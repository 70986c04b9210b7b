#include "screens/VopKindChoice.h"

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/LanguageTables.h"
#include "engine/MainWindow.h"
#include "engine/Maths.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "engine/TextFormat.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"

const VopKindButton vopKindButtons[vopKindButtonCount] = {
    {1, false, 105, 12, 0, 9},
    {2, false, 170, 13, 4, 12},
    {4, false, 235, 14, 10, 15},
    {3, true, 105, 15, 20, 18},
    {5, true, 170, 16, 29, 21},
    {6, true, 235, 17, 36, 24},
};

bool IsVopKindOpen(const VopKindButton& button) { return unlockedLevels > button.openAbove; }

int32_t VopKindButtonX(const VopKindButton& button) {
    return button.rightColumn ? screenWidth - 50 : 50;
}

namespace {

bool PointerOn(const VopKindButton& button) {
    return IsWithinDistance(static_cast<float>(playerX), static_cast<float>(playerY),
                            static_cast<float>(VopKindButtonX(button)),
                            static_cast<float>(button.y), 32.0f);
}

}  // namespace

void SelectVopKind(int32_t focusValue) {
    // Every button is tested: no early exit, so the last press of a tick wins.
    for (const VopKindButton& button : vopKindButtons) {
        if (!IsVopKindOpen(button)) continue;
        const bool pressed = (PointerOn(button) && mouseClicked) ||
                             (focusValue == button.focusId && actionConfirm);
        if (!pressed) continue;
        vopKind = button.kind;
        if (menuClickSound.GetStatus() != SoundStatus::Playing) menuClickSound.Play();
    }
}

void DrawVopKindButtons(float wobble, int32_t focusValue) {
    for (const VopKindButton& button : vopKindButtons) {
        const bool open = IsVopKindOpen(button);
        const bool hovered = PointerOn(button) || focusValue == button.focusId;
        const int k = button.kind - 1;
        const float x = static_cast<float>(VopKindButtonX(button));
        const float y = static_cast<float>(button.y);
        const float turn = button.rightColumn ? -wobble : wobble;
        float scale;
        uint32_t colour;
        bool white;
        if (open) {
            white = hovered || vopKind == button.kind;
            colour = AmbientArgb(220, 0.9f);
            scale = (button.kind == BeginnerVop || button.kind == RockVop) ? 1.0f + wobble / 2 : 1.0f - wobble / 2;
        } else {
            white = hovered;
            colour = AmbientArgb(100, 0.8f);
            scale = button.kind == SpikeVop ? 0.55f - wobble / 2 : 0.55f + wobble / 2;
        }
        SpriteTexture& picture = white ? kindButtonWhite[k] : kindButtonBlack[k];
        picture.DrawSprite(x, y, turn, scale, scale, 32.0f, 32.0f, colour);
        if (!hovered) continue;

        const float textX = static_cast<float>(button.rightColumn ? screenWidth - 250 : 250);
        const float grow = 1 + wobble / 2;
        fontMedium.DrawTextCentred(levelSelectionTexts[button.firstText], textX, 120.0f,
                                   1 - wobble / 2, 1 - wobble / 2, 0.7f * wobble, 0, 0, 0, 1);
        const char* second = open ? levelSelectionTexts[button.firstText + 1] : levelSelectionTexts[29];
        const char* third = open ? levelSelectionTexts[button.firstText + 2] : levelSelectionTexts[30];
        float secondY = 200.0f;
        // The elite kind's lines are format strings (a "%s" breaks the line).
        if (button.kind == EliteVop && open) {
            second = FormatText(second, {"\n"});
            secondY = 190.0f;
        } else if (button.kind == EliteVop) {
            second = FormatText(second);
        }
        fontSmall.DrawTextCentred(second, textX, secondY, grow, grow, -0.45f * wobble, 0, 0, 0, 1);
        if (button.kind == EliteVop) third = open ? FormatText(third, {"\n"}) : FormatText(third);
        fontSmall.DrawTextCentred(third, textX, 260.0f, grow, grow, 0.45f * wobble, 0, 0, 0, 1);
    }
}
