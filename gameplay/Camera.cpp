#include "gameplay/Camera.h"

#include "engine/InputActions.h"
#include "engine/InputDevices.h"
#include "engine/Settings.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/VopPhysics.h"
#include "platform/Keyboard.h"

int cameraBaseX = 0, cameraBaseY = 0;
float lookX = 0.0f, lookY = 0.0f;
const int lookMax = 350;
float menuScrollX = 0.0f, menuScrollY = 0.0f;

namespace {

void LookSpeedFromSticks()
{
    if (padConnected) {
        menuScrollX = static_cast<float>(padState.Gamepad.sThumbRX) * 0.0003f;
        menuScrollY = -static_cast<float>(padState.Gamepad.sThumbRY) * 0.0003f;
    } else if (joystickFound) {
        // Inside 30000..34000 the previous speed stays.
        const int rz = joystickState.lRz, z = joystickState.lZ;
        if (rz > 34000) menuScrollX = static_cast<float>(rz - 34000) * 0.0003f;
        if (rz < 30000) menuScrollX = static_cast<float>(rz - 30000) * 0.0003f;
        if (z < 30000) menuScrollY = static_cast<float>(z - 30000) * 0.0003f;
        if (z > 34000) menuScrollY = static_cast<float>(z - 34000) * 0.0003f;
    }
}

// Moves an offset by 7 toward [0, 7); it stays at the first value it reaches there.
void SpringBack(float& look)
{
    if (look > 0.0f) look -= 7.0f;
    if (look < 0.0f) look += 7.0f;
}

void LimitLook(float& look)
{
    if (look > static_cast<float>(lookMax)) look = static_cast<float>(lookMax);
    if (look < static_cast<float>(-lookMax)) look = static_cast<float>(-lookMax);
}

void KeepInside(int& position, int screenSize, int levelSize)
{
    if (position + screenSize > levelSize) position = levelSize - screenSize;
    if (position < 0) position = 0;
}

void KeepViewInside(int& camera, int base, float& look, int screenSize, int levelSize)
{
    if (camera + screenSize > levelSize) {
        camera = levelSize - screenSize;
        look = static_cast<float>(levelSize - screenSize - base);
    }
    if (camera < 0) {
        camera = 0;
        look = static_cast<float>(-base);
    }
}

}  // namespace

void UpdateCamera()
{
    LookSpeedFromSticks();
    if (KeyDown(DIK_NUMPAD6)) menuScrollX = 8.0f;
    if (KeyDown(DIK_NUMPAD4)) menuScrollX = -8.0f;
    if (KeyDown(DIK_NUMPAD2)) menuScrollY = 8.0f;
    if (KeyDown(DIK_NUMPAD8)) menuScrollY = -8.0f;

    // The direction comes from the speed, not from which action is held.
    const bool lookingX = actionLookRight || actionLookLeft;
    const bool lookingY = actionLookDown || actionLookUp;
    if (lookingX) lookX += menuScrollX;
    if (lookingY) lookY += menuScrollY;
    if (!lookingX) SpringBack(lookX);
    if (!lookingY) SpringBack(lookY);
    LimitLook(lookX);
    LimitLook(lookY);

    cameraBaseX = static_cast<int>(static_cast<float>(playerX) - static_cast<float>(screenWidth) * 0.5f);

    // The Vop stays between 38 % and 62 % of the screen height.
    const float d = static_cast<float>(screenHeight) * 0.38f;
    const float below = static_cast<float>(screenHeight) - d;
    if (static_cast<float>(playerY - cameraBaseY) > below)
        cameraBaseY = static_cast<int>(static_cast<float>(playerY) - below);
    if (static_cast<float>(playerY - cameraBaseY) < d) cameraBaseY = static_cast<int>(static_cast<float>(playerY) - d);

    KeepInside(cameraBaseX, screenWidth, levelWidth);
    KeepInside(cameraBaseY, screenHeight, levelHeight);

    cameraX = static_cast<int>(static_cast<float>(cameraBaseX) + lookX);
    cameraY = static_cast<int>(static_cast<float>(cameraBaseY) + lookY);

    KeepViewInside(cameraX, cameraBaseX, lookX, screenWidth, levelWidth);
    KeepViewInside(cameraY, cameraBaseY, lookY, screenHeight, levelHeight);
}
