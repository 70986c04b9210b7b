#include "game/DeviceReset.h"

#include "engine/GameFont.h"
#include "engine/GraphicsDevice.h"
#include "engine/InputDevices.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/Bloom.h"
#include "game/Resources.h"
#include "gameplay/LevelLoading.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

void ReloadLevelPictures()
{
    // Counts come from level data: never let them reach past the tables.
    int rows = currentLevel.tileRows;
    int cols = currentLevel.tileCols;
    if (rows > maxTileRows) rows = maxTileRows;
    if (cols > maxTileCols) cols = maxTileCols;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col)
            levelTiles[row][col].Load(currentLevel.tileFiles[row][col]);

    int decor = currentLevel.decorCount;
    if (decor > maxDecorFiles) decor = maxDecorFiles;
    for (int i = 0; i < decor; ++i)
        levelDecor[i].Load(currentLevel.decorFiles[i]);

    // The same loader as a level start: a missing picture, or one whose
    // size is not the level's, plays as empty ground instead of being read
    // past its end.
    LoadCollisionPicture(currentLevel);
}

void ResetDevice()
{
    deviceWasReset = 1;
    fontSmall.Release();
    fontMedium.Release();
    fontLarge.Release();
    if (shaderEnabled == 1)
        ReleaseBloom();

    ReleaseDirectInput();
    graphicsContext.CreateGraphicsDevice();
    InitDirectInput();

    if (gameState == InGame)
        ReloadLevelPictures();
    LoadResources();
    if (shaderEnabled == 1) {
        SetUpBloom();
        SetRenderStates(false);
    }
}

uint8_t TestDeviceForTick()
{
    uint8_t deviceOk = 1;
    if (TestCooperativeLevel() == deviceStatusLost)
        deviceOk = 0;
    if (TestCooperativeLevel() == deviceStatusNotReset) {
        ResetDevice();
        deviceOk = 1;
    }
    return deviceOk;
}
