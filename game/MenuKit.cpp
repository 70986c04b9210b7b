#include "game/MenuKit.h"

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/InputDevices.h"
#include "engine/LanguageTables.h"
#include "engine/MainWindow.h"
#include "engine/Maths.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "platform/Keyboard.h"
#include "screens/FocusNavigation.h"

void PlayMenuClick() {
    if (menuClickSound.GetStatus() != SoundStatus::Playing) menuClickSound.Play();
}

void UpdateMenuPointer() {
    if (menuFocusIdle == 1) {
        playerX = mouseX;
        playerY = mouseY;
        UpdateMenuTrail();
    } else {
        playerX = screenWidth / 2;
        playerY = screenHeight;
    }
}

void UpdateMenuPanSpeed(bool vertical) {
    menuScrollX = 0.0f;
    if (vertical) menuScrollY = 0.0f;
    if (padConnected) {
        menuScrollX = static_cast<float>(padState.Gamepad.sThumbRX) * 0.0005f;
        if (vertical) menuScrollY = -static_cast<float>(padState.Gamepad.sThumbRY) * 0.0005f;
    } else if (joystickFound) {
        const int32_t rz = joystickState.lRz;
        if (rz > 34000) menuScrollX = static_cast<float>(rz - 34000) * 0.0003f;
        if (rz < 30000) menuScrollX = static_cast<float>(rz - 30000) * 0.0003f;
        if (vertical) {
            const int32_t z = joystickState.lZ;
            if (z < 30000) menuScrollY = static_cast<float>(z - 30000) * 0.0003f;
            if (z > 34000) menuScrollY = static_cast<float>(z - 34000) * 0.0003f;
        }
    }
}

namespace {

int32_t AddScroll(int32_t camera, float speed) {
    return static_cast<int32_t>(static_cast<float>(camera) + speed);
}

}  // namespace

void UpdateMenuCamera(bool capAtTop) {
    constexpr int32_t limit = 130;
    if (cameraX > -limit) {
        if (playerX < 30) cameraX -= 6;
        if (KeyDown(DIK_NUMPAD4)) cameraX -= 6;
        else if (menuScrollX < 0) cameraX = AddScroll(cameraX, menuScrollX);
    }
    if (cameraX < limit) {
        if (playerX > screenWidth - 30) cameraX += 6;
        if (KeyDown(DIK_NUMPAD6)) cameraX += 6;
        else if (menuScrollX > 0) cameraX = AddScroll(cameraX, menuScrollX);
    }
    // There is no downward pan: the landscape ends at the lower edge.
    if (cameraY > -limit) {
        if (playerY < 30) cameraY -= 6;
        if (KeyDown(DIK_NUMPAD8)) cameraY -= 6;
        else if (menuScrollY < 0) cameraY = AddScroll(cameraY, menuScrollY);
    }
    if (cameraX < -limit) cameraX = -limit;
    if (cameraX > limit) cameraX = limit;
    if (cameraY < -limit) cameraY = -limit;
    if (capAtTop && cameraY > 0) cameraY = 0;

    if (cameraX < 0 && playerX >= 30) cameraX += 2;
    if (cameraX > 0 && playerX <= screenWidth - 30) cameraX -= 2;
    if (cameraY < 0 && playerY >= 30) cameraY += 2;
}

bool MenuButtonHighlighted(float x, float y, int32_t focusId, int32_t focus) {
    return IsWithinDistance(static_cast<float>(playerX), static_cast<float>(playerY), x, y, 32.0f) ||
           focus == focusId;
}

bool MenuButtonPressed(float x, float y, int32_t focusId, int32_t focus) {
    const bool clicked =
        mouseClicked &&
        IsWithinDistance(static_cast<float>(playerX), static_cast<float>(playerY), x, y, 32.0f);
    return clicked || (PressableFocus(focus) == focusId && actionConfirm);
}

float MenuWobble() { return SinF(swayPhase) / 5.0f; }

void DrawCornerButton(SpriteTexture* pair, float x, float y, bool highlighted, float rotation,
                      float scale, const char* label, float labelScale) {
    pair[highlighted ? 1 : 0].DrawSprite(x, y, rotation, scale, scale, 32.0f, 32.0f, 0xFFFFFFFFu);
    if (highlighted) {
        fontSmall.DrawTextCentred(label, x, y - 60.0f, labelScale, labelScale, rotation, 0.0f,
                                  0.0f, 0.0f, 1.0f);
    }
}

float MenuLowerRowY() { return static_cast<float>(screenHeight - 86); }
float MenuExitX() { return static_cast<float>(screenWidth - 70); }
float MenuBackX() { return static_cast<float>(screenWidth - 140); }

void DrawExitAndBackButtons(float w, int32_t focus) {
    const float rowY = MenuLowerRowY();
    DrawCornerButton(exitButton, MenuExitX(), rowY,
                     MenuButtonHighlighted(MenuExitX(), rowY, focusExit, focus), w, 1 - w / 2,
                     mainMenuTexts[5], 1 + w / 4);
    DrawCornerButton(backButton, MenuBackX(), rowY,
                     MenuButtonHighlighted(MenuBackX(), rowY, focusBack, focus), w, 1 - w / 2,
                     mainMenuTexts[11], 1 - w / 2);
}

void DrawLandscape(const LandscapeElement* elements, int count) {
    const float wobble = MenuWobble();
    for (int i = 0; i < count; ++i) {
        const LandscapeElement& e = elements[i];
        const float rotation = e.lean + e.sway * wobble + e.spin * swayPhase;
        e.picture->DrawWorldSprite(e.x, screenHeight - e.rise, e.parallax, rotation, e.scale,
                                   e.scale, e.centreX, e.centreY, ambientColour[0],
                                   ambientColour[1], ambientColour[2], ambientColour[3],
                                   e.brightness);
    }
}
