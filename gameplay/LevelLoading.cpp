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
#include "gameplay/DangerMeter.h"
#include "gameplay/LevelObjectFactories.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "shared/GameStates.h"

int checkpointX = 0, checkpointY = 0;
uint8_t checkpointReached = 0;
int checkpointTimeBonus = 0;
int checkpointKillScore = 0;
float checkpointDanger = 0.0f;

uint8_t levelDone = 0;
uint8_t bossBeaten = 0;
int thresholdPoints = 0;
int timeBonus = 0;
int killScore = 0;
int shownScore = 0;
int levelTickCounter = 0;
uint8_t newLevelUnlocked = 0, levelNotPassed = 0, newKindUnlocked = 0;
int vopBlinkLid = 0, vopBlinkTimer = 0, vopBlinkState = 0;

// 32-bit factors: 1.15 and 1.4 are stored just below their decimal values,
// so those kinds lose a point of time bonus (base 100 gives 114 and 139).
const float kindFactor[7] = {0.0f, 1.0f, 1.15f, 1.5f, 1.2f, 1.4f, 1.6f};

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

void ClearTrailAlpha()
{
    for (int i = 0; i < trailLength; ++i) trailAlpha[i] = 0.0f;
}

void PlaceTrailAt(int x, int y)
{
    for (int i = 0; i < trailLength; ++i) {
        trailX[i] = static_cast<float>(x);
        trailY[i] = static_cast<float>(y);
    }
}

}  // namespace

void ProvideCollisionPicture(const uint32_t* pixels, int pitch, int width, int height)
{
    providedCollision = {pixels, pitch, width, height};
}

int StartingTimeBonus(const LevelRecord& record)
{
    const int base = record.timeBonusBase;
    const int kind = (vopKind >= 0 && vopKind <= 6) ? vopKind : 0;
    // Wider than single precision on purpose: a factor stored just below its
    // decimal value then loses a point, as the game always did.
    int bonus = static_cast<int>(static_cast<double>(base) * static_cast<double>(kindFactor[kind]));
    if (record.sprintLevel) bonus = base + (difficulty == 1 ? 8 : difficulty == 2 ? 4 : 0);
    if (record.bossLevel) bonus = base + (difficulty == 1 ? 7 : difficulty == 2 ? 3 : 0);
    return bonus;
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

    SetLevelColourCycle(record);

    dangerMeter = 0.0f;
    playerAlpha = 255.0f;
    velX = 0.0f;
    velY = 0.0f;
    ClearTrailAlpha();
    std::printf(" -Variablen angepasst!\n");
    deviceWasReset = 0;
    std::printf(" -Alte Welt released!\n");

    for (int i = 0; i < tileCount; ++i) LoadBatchPicture(levelPictures, i);
    lookX = 0.0f;
    lookY = 0.0f;
    std::printf(" -Welt geladen!\n");
    std::printf(" -Alte Coll relased!\n");

    if (collIndex >= 0)
        TakeCollisionPicture(record, WaitForBatchPicture(levelPictures, collIndex));
    else
        LoadCollisionPicture(record);
    FinishPictureBatch(levelPictures);
    std::printf(" -Coll geladen!\n");
    std::printf(" -Coll berechnet!\n");

    endState = EndAlive;
    levelDone = 0;
    fadeState = FadeNone;
    bossBeaten = 0;

    currentLevel = record;
    restartLevel = record;

    PlaceTrailAt(record.startX, record.startY);
    thresholdPoints = record.thresholdPoints;
    timeBonus = StartingTimeBonus(record);
    killScore = 0;
    levelTickCounter = 0;
    newLevelUnlocked = levelNotPassed = newKindUnlocked = 0;
    RandomiseKillScores();
    bloomFlashInput = 0.0f;
    vopBlinkLid = vopBlinkTimer = vopBlinkState = 0;
    shownScore = 0;
    std::printf("Level geladen!\n");
}

void RestartLevel()
{
    playerX = restartLevel.startX;
    playerY = restartLevel.startY;
    cameraBaseX = restartLevel.cameraBaseX;
    cameraBaseY = restartLevel.cameraBaseY;
    thresholdPoints = restartLevel.thresholdPoints;
    timeBonus = StartingTimeBonus(restartLevel);
    killScore = 0;
    dangerMeter = 0.0f;

    if (checkpointReached && checkpointsEnabled) {
        playerX = checkpointX;
        playerY = checkpointY;
        cameraBaseX = playerX - screenWidth / 2;
        cameraBaseY = playerY - screenHeight / 2;
        restartLevel = checkpointSnapshot;
        timeBonus = checkpointTimeBonus;
        killScore = checkpointKillScore;
        if (vopKind == 6) dangerMeter = checkpointDanger;
    } else {
        const int id = restartLevel.recordId;
        if (id >= 0 && id < maxLevelRecords)
            restartLevel = levelTable[id];
        else
            std::fprintf(stderr, "Restart of a level with the invalid record id %d: replaying its last copy\n", id);
    }

    lookX = 0.0f;
    lookY = 0.0f;
    SetLevelColourCycle(restartLevel);
    playerAlpha = 255.0f;
    ClearTrailAlpha();
    velX = 0.0f;
    velY = 0.0f;
    endState = EndAlive;
    levelDone = 0;
    bossBeaten = 0;

    currentLevel = restartLevel;
    PlaceTrailAt(restartLevel.startX, restartLevel.startY);
    levelTickCounter = 0;
    newLevelUnlocked = levelNotPassed = newKindUnlocked = 0;
    RandomiseKillScores();
    bloomFlashInput = 0.0f;
    vopBlinkLid = vopBlinkTimer = vopBlinkState = 0;
    shownScore = 0;
}

void SaveCheckpoint(int objectIndex)
{
    checkpointSnapshot = currentLevel;
    if (objectIndex >= 0 && objectIndex < maxLevelObjects)
        checkpointSnapshot.objects[objectIndex].objState = ObjInactive;
    checkpointReached = 1;
    checkpointTimeBonus = timeBonus;
    checkpointKillScore = killScore;
    if (vopKind == 6) checkpointDanger = dangerMeter;
}
