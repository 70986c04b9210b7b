#include <cstring>
#include <initializer_list>

#include "game/LevelDefinitions.h"
#include "gameplay/LevelObjectFactories.h"

// Per record: slots (objectCount), empty slots, live walkers, bouncers,
// droppers, gears 30, 40, 50, 60, cannons; the checkpoint object's slot;
// how many live objects carry the picture variant, are drawn with the
// objects, are coloured; pre-heated objects {heat, how many}.
const LevelObjectsRow levelObjects[definedLevelCount] = {
//   rec slots empty  W   B   D  g30 g40 g50 g60  C  cp var drw col pre-heated
    { 0,  7,  2, { 2,  1,  2,  0,  0,  0,  0,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    { 1, 27,  0, {27,  0,  0,  0,  0,  0,  0,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    { 2, 12,  0, { 5,  7,  0,  0,  0,  0,  0,  0}, -1, 12, 0, 12, {{150, 6}, {0, 0}}},
    { 3, 20,  0, { 7, 13,  0,  0,  0,  0,  0,  0}, 10, 11, 0, 11, {{100, 1}, {150, 10}}},
    { 4, 27,  0, { 3, 12, 12,  0,  0,  0,  0,  0}, -1,  0, 0, 27, {{0, 0}, {0, 0}}},
    { 5, 13,  0, { 3, 10,  0,  0,  0,  0,  0,  0}, -1, 13, 0,  0, {{0, 0}, {0, 0}}},
    { 6, 14,  1, {10,  3,  0,  0,  0,  0,  0,  0},  7,  0, 0,  0, {{100, 1}, {241, 5}}},
    { 7,  0,  0, { 0,  0,  0,  0,  0,  0,  0,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    { 8,  4,  1, { 2,  1,  0,  0,  0,  0,  0,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    { 9, 23,  0, {12,  6,  5,  0,  0,  0,  0,  0},  5,  0, 0,  0, {{100, 5}, {0, 0}}},
    {10, 41,  0, { 6,  4,  0,  6,  5, 10, 10,  0}, 35,  0, 0,  0, {{100, 1}, {0, 0}}},
    {11, 30,  0, { 5,  9, 16,  0,  0,  0,  0,  0},  8,  0, 0,  0, {{100, 1}, {0, 0}}},
    {12, 22,  2, {20,  0,  0,  0,  0,  0,  0,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {13, 22,  0, { 6, 13,  3,  0,  0,  0,  0,  0}, 18,  0, 0,  0, {{100, 1}, {0, 0}}},
    {14, 27,  0, { 6,  9,  0,  3,  3,  3,  3,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {15, 43,  3, {11,  9,  0,  3,  4,  7,  6,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {16, 25,  0, {11,  7,  0,  1,  0,  3,  3,  0}, 21,  0, 0,  0, {{100, 1}, {0, 0}}},
    {17, 28,  0, { 9,  5,  0,  3,  1,  6,  4,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {18, 22,  3, { 2,  7,  0,  0,  0,  0,  0, 10}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {19, 26,  1, { 7,  5, 12,  1,  0,  0,  0,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {20, 22,  7, {10,  5,  0,  0,  0,  0,  0,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {21, 40,  3, { 4,  6,  0,  3,  3,  5,  5, 11}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {22, 30,  0, { 3,  6,  0,  2,  2,  5,  6,  6}, 24,  0, 0,  0, {{100, 1}, {0, 0}}},
    {23, 22,  0, {16,  6,  0,  0,  0,  0,  0,  0}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {24, 22,  7, { 0, 15,  0,  0,  0,  0,  0,  0}, -1,  3, 0,  3, {{0, 0}, {0, 0}}},
    {25, 40,  9, { 8, 17,  0,  0,  1,  2,  1,  2}, -1, 31, 4, 18, {{0, 0}, {0, 0}}},
    {26, 50,  7, {11, 26,  4,  0,  0,  1,  1,  0}, -1,  8, 0, 43, {{0, 0}, {0, 0}}},
    {27, 35,  5, {10, 17,  0,  1,  0,  1,  0,  1}, -1, 30, 3,  0, {{0, 0}, {0, 0}}},
    {28, 50,  4, {11, 15, 10,  0,  0,  5,  1,  4}, -1, 10, 0, 10, {{0, 0}, {0, 0}}},
    {29, 30, 11, { 8,  5,  4,  1,  0,  0,  0,  1}, -1, 19, 0, 19, {{0, 0}, {0, 0}}},
    {30, 29,  0, {12,  6,  4,  1,  0,  0,  1,  5}, 11, 29, 0, 29, {{100, 1}, {0, 0}}},
    {31, 30,  1, {15,  4,  3,  0,  1,  1,  0,  5}, -1, 29, 0, 29, {{0, 0}, {0, 0}}},
    {32, 30,  3, {19,  7,  1,  0,  0,  0,  0,  0}, 21, 27, 0,  0, {{100, 1}, {0, 0}}},
    {33, 30,  6, {11, 12,  1,  0,  0,  0,  0,  0}, -1, 24, 0,  0, {{0, 0}, {0, 0}}},
    {34, 35,  5, {10,  0, 13,  1,  1,  2,  1,  2}, 25,  0, 0, 30, {{100, 1}, {0, 0}}},
    {35, 35,  6, {10,  3, 12,  1,  2,  1,  0,  0}, -1,  0, 0, 29, {{0, 0}, {0, 0}}},
    {36, 50,  0, {22,  6, 15,  1,  1,  0,  0,  5}, -1, 50, 0, 50, {{0, 0}, {0, 0}}},
    {37, 50,  4, {14,  8, 22,  1,  1,  0,  0,  0}, 26, 46, 0, 46, {{100, 1}, {0, 0}}},
    {38, 50, 16, {15,  2,  3,  3,  3,  3,  1,  4}, -1,  0, 0,  0, {{0, 0}, {0, 0}}},
    {39, 50, 25, {16,  4,  0,  0,  0,  1,  4,  0}, 17,  0, 0,  0, {{100, 1}, {0, 0}}},
    {40, 50, 21, {21,  0,  0,  0,  1,  3,  4,  0}, 20,  0, 0,  0, {{100, 1}, {0, 0}}},
    {41, 50, 15, {16,  5,  4,  1,  0,  7,  2,  0}, 21,  0, 0,  0, {{100, 1}, {0, 0}}},
    {42, 50, 11, { 9,  0,  0,  3,  1,  8,  3, 15}, -1,  0, 0, 39, {{0, 0}, {0, 0}}},
    {43, 50, 15, {10,  2, 14,  1,  2,  1,  1,  4}, -1,  0, 0, 35, {{0, 0}, {0, 0}}},
    {44, 35, 11, {17,  7,  0,  0,  0,  0,  0,  0}, 12,  0, 0, 24, {{100, 1}, {0, 0}}},
    {45, 50,  0, {12,  7, 26,  2,  3,  0,  0,  0}, -1, 50, 0, 50, {{0, 0}, {0, 0}}},
};

// Record, slot, kind, position, patrol bounds.
const CheckpointObjectRow checkpointObjects[checkpointObjectCount] = {
    { 3, 10, KindBouncer, 2640, 420, 1700, 3000},
    { 6,  7, KindBouncer, 5493, 430, 5000, 5500},
    { 9,  5, KindWalker, 5130, 650, 3328, 5835},
    {10, 35, KindWalker, 4200, 640, 4000, 4690},
    {11,  8, KindBouncer, 4876, 505, 4826, 4926},
    {13, 18, KindWalker, 2097, 428, 1732, 2655},
    {16, 21, KindBouncer, 3667, 458, 3617, 3717},
    {22, 24, KindBouncer, 2671, 407, 2621, 2721},
    {30, 11, KindBouncer, 3570, 812, 3520, 3620},
    {32, 21, KindWalker, 4000, 500, 3363, 4318},
    {34, 25, KindWalker, 3366, 255, 3050, 4405},
    {37, 26, KindBouncer, 2873, 975, 2823, 2923},
    {39, 17, KindBouncer, 4853, 676, 4803, 4903},
    {40, 20, KindWalker, 3920, 722, 3845, 4074},
    {41, 21, KindWalker, 4100, 700, 3911, 4259},
    {44, 12, KindWalker, 3300, 415, 2290, 3990},
};

int32_t KindOfCountColumn(int column)
{
    static const int32_t kinds[objectCountColumns] = {KindWalker,    KindBouncer,   KindCeilingDropper,
                                                      KindBigGearCw, KindBigGearCcw, KindSmallGearCw,
                                                      KindSmallGearCcw, KindCannon};
    return (column >= 0 && column < objectCountColumns) ? kinds[column] : KindWalker;
}

namespace {

LevelObject FieldObject(int32_t kind)
{
    LevelObject o;
    o.objState = ObjAlive;
    o.objKind = kind;
    return o;
}

// Record 0, slot by slot; slots 2 and 5 stay empty.
void DefineRecord0(LevelRecord& r, bool given[])
{
    LevelObject w0 = FieldObject(KindWalker);  // no homeX: it stays 0
    w0.objX = 2400; w0.objY = 400; w0.leftBound = 2140; w0.rightBound = 3430;
    w0.objVelX = 7; w0.baseSpeed = 7; w0.radius = 40;
    LevelObject w1 = FieldObject(KindWalker);
    w1.objX = w1.homeX = 430; w1.objY = 648; w1.leftBound = 400; w1.rightBound = 970;
    w1.objVelX = 4; w1.baseSpeed = 4; w1.radius = 40;
    LevelObject b3 = FieldObject(KindBouncer);
    b3.objX = b3.homeX = 1005; b3.objY = b3.homeY = 740; b3.leftBound = 1005; b3.rightBound = 1005;
    b3.objVelX = 0; b3.objVelY = 0; b3.bounceSpeed = -12; b3.radius = 40; b3.squash = 1;
    LevelObject d4 = FieldObject(KindCeilingDropper);
    d4.objX = 2820; d4.objY = 258; d4.triggerX = 2760; d4.triggerY = 0; d4.radius = 40;
    LevelObject d6 = FieldObject(KindCeilingDropper);
    d6.objX = 3346; d6.objY = 529; d6.triggerX = 3286; d6.triggerY = 0; d6.radius = 40;
    r.objects[0] = w0;
    r.objects[1] = w1;
    r.objects[3] = b3;
    r.objects[4] = d4;
    r.objects[6] = d6;
    for (int j = 0; j < 7; ++j) given[j] = true;  // 2 and 5 given as empty
}

// Record 10: gears in slots 0 to 30, walkers 31 to 35, bouncers 36 to 39,
// a walker in 40. The slots named here are given; the rest is level design.
void DefineRecord10(LevelRecord& r, bool given[])
{
    r.objects[0] = MakeGearObjectFlipped(953, 413, 0.0f, 0.026f, 40);
    r.objects[1] = MakeGearObjectFlipped(781, 750, 0.0f, 0.055f, 50);
    r.objects[2] = MakeGearObjectFlipped(524, 1235, 0.13f, 0.017f, 30);
    r.objects[31] = MakeWalkerObject(2300, 800, 2100, 2525, 8, false);
    r.objects[32] = MakeWalkerObject(3220, 630, 2915, 3895, 10, true);
    r.objects[33] = MakeWalkerObject(3315, 630, 2915, 3895, 10, true);
    r.objects[34] = MakeWalkerObject(3410, 630, 2915, 3895, 10, true);
    r.objects[35] = MakeWalkerObject(4200, 640, 4000, 4690, 6, false);
    r.objects[36] = MakeBouncerObject(6020, 625, 0, 0, 11, true);
    r.objects[40] = MakeWalkerObject(7050, 700, 6883, 7400, 9, false);
    for (int j : {0, 1, 2, 31, 32, 33, 34, 35, 36, 40}) given[j] = true;
}

LevelObject LoopBouncer(int32_t x, int32_t homeY, int32_t objY, float velY, float bounce, int32_t left, int32_t right)
{
    LevelObject o = FieldObject(KindBouncer);
    o.objX = o.homeX = x;
    o.homeY = homeY;
    o.objY = objY;
    o.objVelY = velY;
    o.bounceSpeed = bounce;
    o.leftBound = left;
    o.rightBound = right;
    o.radius = 40;
    return o;
}

// Rows of bouncers 85 px apart, each starting at another point of its bounce.
void DefineBouncerLoops(int rec, LevelRecord& r, bool given[])
{
    switch (rec) {
    case 2:
        for (int s = 0; s <= 5; ++s) {
            const int32_t homeY = record2BouncerHomeY[s];
            r.objects[s] = LoopBouncer(3985 + 85 * s, homeY, homeY - 100, -1.5f * s, -10, 3980, 4500);
            r.objects[s].heat = 150;
            r.objects[s].mrVariant = 1;
            given[s] = true;
        }
        break;
    case 3:
        for (int s = 0; s <= 10; ++s) {
            r.objects[s] = LoopBouncer(1840 + 80 * s, 492, 420, -1.505f * s, -7.5f, 1700, 3000);
            r.objects[s].heat = 150;
            r.objects[s].mrVariant = 1;
            given[s] = true;
        }
        break;
    case 4:
        for (int s = 0; s <= 11; ++s) {
            const int32_t homeY = record4BouncerHomeY[s];
            r.objects[s] = LoopBouncer(2170 + 85 * s, homeY, homeY - 100, -1.5f * s, -11, 2100, 3500);
            given[s] = true;
        }
        break;
    case 5:
        for (int s = 4; s <= 6; ++s) {
            const PlacedPoint p = record5BouncerPositions[s - 4];
            r.objects[s] = LoopBouncer(p.x, p.y, p.y, -static_cast<float>(s), -10, 800, 1700);
            r.objects[s].mrVariant = 1;
            given[s] = true;
        }
        for (int s = 8; s <= 12; ++s) {
            const int32_t homeY = record5BouncerHomeY[s - 8];
            r.objects[s] = LoopBouncer(2300 + 85 * (s - 8), homeY, homeY - 100, -static_cast<float>(s), -11, 2200, 3000);
            r.objects[s].mrVariant = 1;
            given[s] = true;
        }
        break;
    default:
        break;
    }
}

void DefineCheckpointObject(int rec, LevelRecord& r, bool given[])
{
    for (const CheckpointObjectRow& c : checkpointObjects) {
        if (c.rec != rec || c.slot < 0 || c.slot >= maxLevelObjects) continue;
        LevelObject o;
        if (given[c.slot]) {
            o = r.objects[c.slot];  // a bouncer row already holds it
        } else if (c.kind == KindWalker) {
            o = MakeWalkerObject(c.x, c.y, static_cast<float>(c.left), static_cast<float>(c.right),
                                 checkpointWalkerSpeed, false);
        } else {
            o = MakeBouncerObject(c.x, c.y, static_cast<float>(c.left), static_cast<float>(c.right),
                                  checkpointBouncerBounce, false);
            o.objY = o.homeY = c.y;  // the table gives the object's own position
        }
        o.heat = 100;
        o.checkpointObject = 1;
        r.objects[c.slot] = o;
        given[c.slot] = true;
    }
}

void SetVariant(LevelRecord& r, int from, int to)
{
    for (int j = from; j <= to; ++j) r.objects[j].mrVariant = 1;
}

void SetColour(LevelRecord& r, int from, int to, float value)
{
    for (int j = from; j <= to; ++j)
        for (int c = 0; c < 3; ++c) r.objects[j].objColour[c] = value;
}

// The mark loops over slot ranges (both ends included).
void ApplyMarkLoops(int rec, LevelRecord& r)
{
    switch (rec) {
    case 4: SetColour(r, 0, 26, 225); break;
    case 25: SetVariant(r, 0, 31); break;
    case 26: SetColour(r, 0, 49, 225); break;
    case 27: SetVariant(r, 0, 34); break;
    case 29: SetVariant(r, 0, 18); break;
    case 30: SetVariant(r, 0, 28); break;
    case 31: SetVariant(r, 0, 28); break;
    case 32: SetVariant(r, 0, 29); break;
    case 33: SetVariant(r, 0, 29); break;
    case 34: SetColour(r, 0, 34, 225); break;
    case 35: SetColour(r, 0, 34, 225); break;
    case 36: SetVariant(r, 0, 49); break;
    case 37:
        SetVariant(r, 0, 49);
        for (LevelObject& o : r.objects) {
            o.objColour[1] = o.objColour[2] = o.objColour[0];  // a grey of its red
            o.objColour[3] = 255;
        }
        break;
    case 42:
    case 43:
    case 44: SetColour(r, 0, 49, 225); break;
    default: break;
    }
}

}  // namespace

void DefineLevelObjects(int rec, LevelRecord& record)
{
    const LevelObjectsRow& row = levelObjects[rec];
    record.objectCount = row.slots;
    bool given[maxLevelObjects] = {};
    if (rec == 0) DefineRecord0(record, given);
    if (rec == 10) DefineRecord10(record, given);
    DefineBouncerLoops(rec, record, given);
    DefineCheckpointObject(rec, record, given);
    PlaceLevelObjects(rec, record, given);
    ApplyMarkLoops(rec, record);
}
