#pragma once
// The fixed data of the 46 level definitions as plain tables, one row per
// record, in record order. Only the level table's fill reads them.
#include <cstdint>

#include "shared/LevelRecord.h"

constexpr int definedLevelCount = filledLevelRecords;

// Numbers, flags, music and checkpoint. Music is a file in "data//fvm//"
// unless the name is a full path. The snow flag is what the music pass
// derives from the level colour; it is kept here to be checked against it.
struct LevelNumbersRow {
    int32_t rec, order;
    const char* folder;
    int32_t tileCols, tileRows;
    int32_t startX, startY, cameraX, cameraY, goalX, goalY;
    int32_t timeBonus, threshold;
    uint8_t snow, boss, sprint, behind, variant, follow;
    int32_t kind;
    const char* music;
    int32_t checkpointX, checkpointY;
};

// The five colour keys and the start colour (RGB, alpha 255), fade and hold
// ticks, level colour (RGB, alpha 0) and trail brightness.
struct LevelColoursRow {
    int32_t rec;
    float keys[5][3];
    float start[3];
    int32_t fade, hold;
    float levelColour[3];
    int32_t trail;
};

// Decoration pictures in slot order and the three goal text offsets.
struct LevelDecorRow {
    int32_t rec;
    int32_t decorCount;
    const char* decor[7];
    int32_t goalText[3][2];
};

// The make-up of a record's objects: slot count, empty slots, live objects
// per kind, the checkpoint object's slot (-1 none), and the marks.
enum ObjectCountColumn {
    CountWalker, CountBouncer, CountDropper, CountGear30, CountGear40, CountGear50, CountGear60, CountCannon,
    objectCountColumns
};
struct LevelObjectsRow {
    int32_t rec;
    int32_t slots, empty;
    int32_t kinds[objectCountColumns];
    int32_t checkpointSlot;
    int32_t variant, drawnWithObjects, coloured;
    int32_t preHeated[2][2];  // {heat, how many}
};

// The checkpoint objects (every one starts with heat 100).
struct CheckpointObjectRow {
    int32_t rec, slot, kind, x, y, left, right;
};
constexpr int checkpointObjectCount = 16;

extern const LevelNumbersRow levelNumbers[definedLevelCount];
extern const LevelColoursRow levelColours[definedLevelCount];
extern const LevelDecorRow levelDecorations[definedLevelCount];
extern const LevelObjectsRow levelObjects[definedLevelCount];
extern const CheckpointObjectRow checkpointObjects[checkpointObjectCount];

// The kind of each column of the object counts.
int32_t KindOfCountColumn(int column);

// Fills one record's numbers, names, colours and decorations.
void DefineLevelNumbers(int rec, LevelRecord& record);
// Fills one record's objects: the given definitions, then the level-design
// placements of every slot they leave open, then the marks.
void DefineLevelObjects(int rec, LevelRecord& record);

// Level design (game/LevelPlacements.cpp): fills every slot whose `given`
// flag is clear so that the record's live objects match its row of object
// counts, and sets the marks the definitions do not place.
void PlaceLevelObjects(int rec, LevelRecord& record, const bool given[maxLevelObjects]);

// Level-design values the definitions use but do not fix (game/LevelPlacements.cpp).
struct PlacedPoint {
    int32_t x, y;
};
extern const int32_t record2BouncerHomeY[6];      // bouncer row of record 2, slots 0-5
extern const int32_t record4BouncerHomeY[12];     // bouncer row of record 4, slots 0-11
extern const PlacedPoint record5BouncerPositions[3];  // record 5, slots 4-6 (x, rest y)
extern const int32_t record5BouncerHomeY[5];      // bouncer row of record 5, slots 8-12
extern const int32_t checkpointWalkerSpeed;
extern const int32_t checkpointBouncerBounce;
