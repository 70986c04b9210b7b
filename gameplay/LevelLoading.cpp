#include "gameplay/LevelLoading.h"

#include <cstdio>

#include "engine/AudioWrappers.h"
#include "engine/GraphicsDevice.h"
#include "engine/PictureBatch.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelObjectFactories.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "shared/GameStates.h"

SpriteTexture levelTiles[maxTileRows][maxTileCols];
SpriteTexture levelDecor[maxDecorFiles];
SpriteTexture collTexture;

uint8_t levelPicturesEnabled = 1;
const char* collisionPathOverride = nullptr;

namespace {

struct ProvidedPicture {
    const uint32_t* pixels;
    int pitch, width, height;
};
ProvidedPicture providedCollision = {nullptr, 0, 0, 0};

// Largest world the level table can describe (15 tiles of 1024 across, 5 down).
const int maxLevelWidth = maxTileCols * 1024;
const int maxLevelHeight = maxTileRows * 1024;

// Tiles, decorations and the collision picture of one level start, decoded
// together on worker threads.
PictureBatch levelPictures;
static_assert(maxTileRows * maxTileCols + maxDecorFiles + 1 <= maxBatchPictures,
              "a level's pictures fit one batch");

bool LevelSizeValid(const LevelRecord& record)
{
    return record.width > 0 && record.height > 0 && record.width <= maxLevelWidth &&
           record.height <= maxLevelHeight;
}

// The collision file a level start reads, or null when it reads none (a
// world size no picture may have, or a picture provided in memory).
const char* CollisionFileToRead(const LevelRecord& record)
{
    if (!LevelSizeValid(record) || providedCollision.pixels != nullptr) return nullptr;
    return collisionPathOverride != nullptr ? collisionPathOverride : record.collFile;
}

// Points the probes at the level's collision picture: the decoded file when
// it covers exactly the level, else an empty picture of the level's size, so
// no probe ever reads outside the pixels it was given. `picture` is the
// decoded CollisionFileToRead(record), or null when that is null.
void TakeCollisionPicture(const LevelRecord& record, DecodedPicture* picture)
{
    const int w = record.width, h = record.height;
    if (!LevelSizeValid(record)) {
        std::fprintf(stderr, "Level %d has an invalid world size %d x %d\n", record.recordId, w, h);
        UseEmptyCollisionPicture(w > 0 ? (w < maxLevelWidth ? w : maxLevelWidth) : 0,
                                 h > 0 ? (h < maxLevelHeight ? h : maxLevelHeight) : 0);
        return;
    }
    levelWidth = w;
    levelHeight = h;
    if (picture == nullptr) {
        UseCollisionPixels(providedCollision.pixels, providedCollision.pitch, providedCollision.width,
                           providedCollision.height);
        return;
    }
    const char* path = CollisionFileToRead(record);
    if (picture->status == PictureStatus::Failed && picture->problem[0] == '\0') {
        std::fprintf(stderr, "Collision picture \"%s\" cannot be read: playing against an empty picture\n",
                     path);
    } else if (picture->status != PictureStatus::Failed &&
               (picture->fileWidth != w || picture->fileHeight != h)) {
        std::fprintf(stderr,
                     "Collision picture \"%s\" is %d x %d, the level is %d x %d: playing against an empty picture\n",
                     path, picture->fileWidth, picture->fileHeight, w, h);
        FreeDecodedPicture(picture);
    }
    // A refused or damaged file is reported by the load itself; every
    // failure leaves empty pixels of the level's size and logs "FAIL".
    collTexture.LoadDecoded(path, picture, true, w, h);
    const PixelLock lock = collTexture.LockPixels();
    UseCollisionPixels(lock.pixels, lock.pitch, w, h);
}

}  // namespace

void LoadCollisionPicture(const LevelRecord& record)
{
    DecodedPicture picture;
    const char* path = CollisionFileToRead(record);
    if (path != nullptr) DecodePictureFile(path, SurfacePictureRequest(), &picture);
    TakeCollisionPicture(record, path != nullptr ? &picture : nullptr);
    FreeDecodedPicture(&picture);
}

namespace {

void SetLevelColourCycle(const LevelRecord& record)
{
    for (int k = 0; k < 5; ++k)
        for (int c = 0; c < 4; ++c) colourKeys[k][c] = record.colourKeys[k][c];
    colourPrevKey = 4;
    colourNextKey = 0;
    colourKeyCount = 5;
    colourFadeTicks = record.colourFadeTicks;
    for (int c = 0; c < 4; ++c) colourReached[c] = 0;
    for (int c = 0; c < 4; ++c) ambientColour[c] = record.startColour[c];
}

// The live level becomes a copy of the record, the Vop at rest with its
// trail gathered at the record's start, and the objects' kill points drawn.
void PlayLevelCopy(const LevelRecord& record)
{
    lookX = 0.0f;
    lookY = 0.0f;
    SetLevelColourCycle(record);
    velX = 0.0f;
    velY = 0.0f;
    currentLevel = record;
    for (int i = 0; i < trailLength; ++i) {
        trailAlpha[i] = 0.0f;
        trailX[i] = static_cast<float>(record.startX);
        trailY[i] = static_cast<float>(record.startY);
    }
    RandomiseKillScores();
    bloomFlashInput = 0.0f;
}

}  // namespace

void ProvideCollisionPicture(const uint32_t* pixels, int pitch, int width, int height)
{
    providedCollision = {pixels, pitch, width, height};
}

void LoadLevel(LevelRecord record)
{
    // The files are decoded while the music opens and the values are set;
    // the records are filled below in their order, so the log, the order of
    // effects and the textures' ids stay as if each were loaded in turn.
    int tileCount = 0;
    if (levelPicturesEnabled) {
        const int rows = record.tileRows < maxTileRows ? record.tileRows : maxTileRows;
        const int cols = record.tileCols < maxTileCols ? record.tileCols : maxTileCols;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                AddBatchPicture(levelPictures, &levelTiles[r][c], record.tileFiles[r][c]);
        const int decor = record.decorCount < maxDecorFiles ? record.decorCount : maxDecorFiles;
        for (int i = 0; i < decor; ++i) AddBatchPicture(levelPictures, &levelDecor[i], record.decorFiles[i]);
        tileCount = levelPictures.count;
    }
    const char* collPath = CollisionFileToRead(record);
    const int collIndex =
        collPath != nullptr ? AddBatchPicture(levelPictures, nullptr, collPath, true, record.width, record.height)
                            : -1;
    StartPictureBatch(levelPictures);

    musicStream.Open(record.musicFile, 1);
    musicStream.Play();
    musicStream.SetVolume(static_cast<float>(levelMusicVolume + musicDuck));
    std::printf("Level wird geladen:\n");

    playerX = record.startX;
    playerY = record.startY;
    cameraBaseX = record.cameraBaseX;
    cameraBaseY = record.cameraBaseY;
    levelHeight = record.height;
    levelWidth = record.width;
    checkpointX = record.checkpointX;
    checkpointY = record.checkpointY;
    checkpointReached = 0;
    ResetAttempt(record);
    std::printf(" -Variablen angepasst!\n");
    deviceWasReset = 0;
    std::printf(" -Alte Welt released!\n");

    for (int i = 0; i < tileCount; ++i) LoadBatchPicture(levelPictures, i);
    std::printf(" -Welt geladen!\n");
    std::printf(" -Alte Coll relased!\n");

    if (collIndex >= 0)
        TakeCollisionPicture(record, WaitForBatchPicture(levelPictures, collIndex));
    else
        LoadCollisionPicture(record);
    FinishPictureBatch(levelPictures);
    std::printf(" -Coll geladen!\n");
    std::printf(" -Coll berechnet!\n");

    fadeState = FadeNone;
    restartLevel = record;
    PlayLevelCopy(record);
    std::printf("Level geladen!\n");
}

void RestartLevel()
{
    // The start and the bonus come from the copy being left, the level
    // itself from the table or the checkpoint's snapshot.
    ResetAttempt(restartLevel);
    playerX = restartLevel.startX;
    playerY = restartLevel.startY;
    cameraBaseX = restartLevel.cameraBaseX;
    cameraBaseY = restartLevel.cameraBaseY;

    if (checkpointReached && checkpointsEnabled) {
        playerX = checkpointX;
        playerY = checkpointY;
        cameraBaseX = playerX - screenWidth / 2;
        cameraBaseY = playerY - screenHeight / 2;
        restartLevel = checkpointSnapshot;
        timeBonus = checkpointTimeBonus;
        killScore = checkpointKillScore;
        if (vopKind == EliteVop) dangerMeter = checkpointDanger;
    } else {
        const int id = restartLevel.recordId;
        if (id >= 0 && id < maxLevelRecords)
            restartLevel = levelTable[id];
        else
            std::fprintf(stderr, "Restart of a level with the invalid record id %d: replaying its last copy\n", id);
    }
    PlayLevelCopy(restartLevel);
}
