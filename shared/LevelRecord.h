#pragma once
// One enemy or machine of a level, and one whole level definition. Both are
// plain values: every copy of a level (live level, restart copy, checkpoint
// snapshot) is a full copy, objects and names included.
#include <cstdint>

// Kinds of level object.
enum LevelObjectKind : int32_t {
    KindWalker = 0,
    KindBouncer = 10,
    KindCeilingDropper = 20,
    KindBigGearCw = 30,
    KindBigGearCcw = 40,
    KindSmallGearCw = 50,
    KindSmallGearCcw = 60,
    KindCannon = 70,
};

// Object states; no object ever takes the value 2.
enum LevelObjectState : int32_t {
    ObjInactive = 0,
    ObjAlive = 1,
    ObjPopping = 3,
};

struct LevelObject {
    int32_t objX = 0, objY = 0;
    int32_t rightBound = 0, leftBound = 0;
    int32_t radius = 0;
    float objVelX = 0.0f, objVelY = 0.0f;   // y down positive; gears keep their turn speed in objVelY
    int32_t objState = ObjInactive;
    int32_t objKind = KindWalker;
    int32_t homeX = 0, homeY = 0;
    float baseSpeed = 0.0f;
    float bounceSpeed = 0.0f;
    float heat = 0.0f;
    float objAlpha = 255.0f;
    float squash = 1.0f;
    float objColour[4] = {0.0f, 0.0f, 0.0f, 255.0f};
    uint8_t mrVariant = 0;
    float phase = 0.0f;
    float rise = 0.0f;
    int32_t triggerX = 0, triggerY = 0;
    int32_t killPoints = 0;
    float angle = 0.0f;
    float angleFrom = 0.0f;
    float riseSpeed = 0.0f;
    uint8_t sweepToggle = 1, atEnd = 0, fired = 0;
    float angleTo = 0.0f;
    float shotSpeed2 = 0.0f;
    float sweepSpeed = 0.0f;
    float sweepPercent = 99.0f;
    uint8_t drawWithObjects = 0;
    uint8_t checkpointObject = 0;
    int32_t blinkLid = 0, blinkTimer = 0, blinkState = 0;
};

constexpr int maxLevelRecords = 50;
constexpr int filledLevelRecords = 46;
constexpr int maxLevelObjects = 50;
constexpr int maxTileRows = 5;
constexpr int maxTileCols = 15;
constexpr int maxDecorFiles = 10;
constexpr int levelNameSize = 50;    // file names (UTF-8)
constexpr int musicNameSize = 100;
constexpr int shaderNameSize = 50;

struct LevelRecord {
    int32_t startX, startY;
    int32_t cameraBaseX, cameraBaseY;
    int32_t height;
    int32_t width;
    float colourKeys[5][4];
    float startColour[4];
    int32_t colourFadeTicks;
    int32_t colourHoldTicks;
    char tileFiles[maxTileRows][maxTileCols][levelNameSize];
    char collFile[levelNameSize];
    char decorFiles[maxDecorFiles][levelNameSize];
    char eyeFile[levelNameSize];
    char musicFile[musicNameSize];
    char shaderName[shaderNameSize];
    int32_t decorCount;
    int32_t objectCount;
    LevelObject objects[maxLevelObjects];
    int32_t tileCols, tileRows;
    int32_t goalX, goalY;
    uint8_t objectsBehindWorld;
    float levelColour[4];
    int32_t trailBrightness;
    uint8_t mrVariant;
    uint8_t followAmbient;
    int32_t recordId;
    int32_t playOrder;
    int32_t thresholdPoints;
    int32_t timeBonusBase;
    int32_t bestScore;
    uint8_t snowLevel;
    int32_t statusColourGain;
    int32_t goalTextOffsets[3][2];
    uint8_t bossLevel;
    int32_t requiredKind;
    uint8_t sprintLevel;
    int32_t checkpointX, checkpointY;
};

extern LevelRecord levelTable[maxLevelRecords];
extern LevelRecord currentLevel;
extern LevelRecord restartLevel;
extern LevelRecord checkpointSnapshot;

// The live level's object count, cut to the slots that exist, so that a
// damaged count can never send a loop outside the object array.
inline int LiveObjectCount(const LevelRecord& record)
{
    int n = record.objectCount;
    if (n < 0) return 0;
    if (n > maxLevelObjects) return maxLevelObjects;
    return n;
}
