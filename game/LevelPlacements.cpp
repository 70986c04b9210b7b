// =============================================================================
// LEVEL DESIGN: object placements
// =============================================================================
// The level definitions fix, per record, the number of object slots, the empty
// slots, how many objects of each kind live there, the checkpoint object and
// the marks (picture variant, colours, pre-heating, drawn with the objects),
// and they give a few placements in full (record 0, parts of record 10, the
// bouncer rows of records 2 to 5, the checkpoint objects). Every other
// position, bound, speed, angle and trigger is level design, and this file is
// its one place.
//
// PLACEHOLDER: until the level designer replaces it, the placement below is
// generated, not designed. For each open slot, in slot order, it places the
// kinds still missing from the record's counts (walkers, bouncers, droppers,
// gears, cannons; record 10 places its gears first, as its definition orders
// them), spread evenly in x along the way from the start to the goal, at the
// start's height:
//   - walkers patrol 150 px either side at speed 4 and settle onto the ground;
//   - bouncers bounce in place (bounce 10);
//   - droppers hang 150 px above the start height and drop when the Vop
//     passes under them;
//   - gears turn above the top of the world, out of reach of every route;
//   - cannons stand at the top of the world and sweep from -60 to 60 degrees.
// The last open slots stay empty, as many as the record has empty slots.
// The marks the definitions count but do not place go to the first objects
// that lack them. tests/gameplay/LevelTableTest.cpp checks every record's
// counts, so a designed placement that breaks them is caught.
// =============================================================================

#include "game/LevelDefinitions.h"
#include "gameplay/LevelObjectFactories.h"

// Rest heights of the bouncer rows whose heights the definitions leave open.
const int32_t record2BouncerHomeY[6] = {700, 700, 700, 700, 700, 700};
const int32_t record4BouncerHomeY[12] = {600, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600};
const PlacedPoint record5BouncerPositions[3] = {{1000, 600}, {1200, 600}, {1400, 600}};
const int32_t record5BouncerHomeY[5] = {600, 600, 600, 600, 600};
// Speed of the checkpoint walkers and bounce of the checkpoint bouncers.
const int32_t checkpointWalkerSpeed = 4;
const int32_t checkpointBouncerBounce = 10;

namespace {

const int defaultKindOrder[objectCountColumns] = {CountWalker, CountBouncer, CountDropper, CountGear30,
                                                  CountGear40, CountGear50, CountGear60, CountCannon};
const int gearsFirstKindOrder[objectCountColumns] = {CountGear30, CountGear40, CountGear50, CountGear60,
                                                     CountWalker, CountBouncer, CountDropper, CountCannon};

int ColumnOfKind(int32_t kind)
{
    for (int c = 0; c < objectCountColumns; ++c)
        if (KindOfCountColumn(c) == kind) return c;
    return -1;
}

LevelObject PlaceholderObject(int column, int32_t x, const LevelRecord& r)
{
    const int32_t y = r.startY;
    switch (column) {
    case CountWalker:
        return MakeWalkerObject(x, y, static_cast<float>(x - 150), static_cast<float>(x + 150), 4, false);
    case CountBouncer:
        return MakeBouncerObject(x, y + 40, 0, 0, 10, true);
    case CountDropper: {
        const int32_t hang = y - 150 > 40 ? y - 150 : 40;
        return MakeCeilingDropperObject(x, hang, static_cast<float>(x - 75), 0);
    }
    case CountGear30:
    case CountGear40:
        return MakeGearObject(x - 249, -649, 0.0f, 0.02f, KindOfCountColumn(column));
    case CountGear50:
    case CountGear60:
        return MakeGearObject(x - 122, -422, 0.0f, 0.03f, KindOfCountColumn(column));
    default:
        return MakeCannonObject(static_cast<float>(x), 60.0f, -60.0f, 60.0f, 8.0f, 8.0f, 1.0f, 0, 0, 0);
    }
}

bool IsLive(const LevelObject& o) { return o.objState != ObjInactive; }

void AddVariantMarks(LevelRecord& r, int wanted)
{
    int have = 0;
    for (int j = 0; j < r.objectCount; ++j) have += IsLive(r.objects[j]) && r.objects[j].mrVariant;
    for (int j = 0; j < r.objectCount && have < wanted; ++j) {
        LevelObject& o = r.objects[j];
        if (IsLive(o) && !o.mrVariant) {
            o.mrVariant = 1;
            ++have;
        }
    }
}

bool IsColoured(const LevelObject& o) { return o.objColour[0] != 0 || o.objColour[1] != 0 || o.objColour[2] != 0; }

void AddColourMarks(LevelRecord& r, int wanted)
{
    int have = 0;
    for (int j = 0; j < r.objectCount; ++j) have += IsLive(r.objects[j]) && IsColoured(r.objects[j]);
    for (int j = 0; j < r.objectCount && have < wanted; ++j) {
        LevelObject& o = r.objects[j];
        if (IsLive(o) && !IsColoured(o)) {
            for (int c = 0; c < 3; ++c) o.objColour[c] = r.colourKeys[0][c];
            if (!IsColoured(o)) o.objColour[0] = 200;
            ++have;
        }
    }
}

void AddDrawnWithObjects(LevelRecord& r, int wanted)
{
    int have = 0;
    for (int j = 0; j < r.objectCount && have < wanted; ++j) {
        LevelObject& o = r.objects[j];
        if (IsLive(o) && o.objKind >= KindBigGearCw) {
            o.drawWithObjects = 1;
            ++have;
        }
    }
}

void AddPreHeat(LevelRecord& r, int heat, int wanted)
{
    int have = 0;
    for (int j = 0; j < r.objectCount; ++j) have += IsLive(r.objects[j]) && r.objects[j].heat == heat;
    for (int j = 0; j < r.objectCount && have < wanted; ++j) {
        LevelObject& o = r.objects[j];
        const bool enemy = o.objKind == KindWalker || o.objKind == KindBouncer;
        if (IsLive(o) && enemy && !o.checkpointObject && o.heat == 0) {
            o.heat = static_cast<float>(heat);
            ++have;
        }
    }
}

}  // namespace

void PlaceLevelObjects(int rec, LevelRecord& r, const bool given[maxLevelObjects])
{
    const LevelObjectsRow& row = levelObjects[rec];
    const int slots = row.slots < maxLevelObjects ? row.slots : maxLevelObjects;

    int missing[objectCountColumns];
    for (int c = 0; c < objectCountColumns; ++c) missing[c] = row.kinds[c];
    int openSlots = 0, emptyLeft = row.empty;
    for (int j = 0; j < slots; ++j) {
        if (!given[j]) {
            ++openSlots;
            continue;
        }
        if (!IsLive(r.objects[j])) {
            --emptyLeft;
            continue;
        }
        const int c = ColumnOfKind(r.objects[j].objKind);
        if (c >= 0) --missing[c];
    }
    const int toPlace = openSlots - (emptyLeft > 0 ? emptyLeft : 0);

    int lo = (r.startX < r.goalX ? r.startX : r.goalX) + 300;
    int hi = (r.startX < r.goalX ? r.goalX : r.startX) - 300;
    if (hi <= lo) {
        lo = 200;
        hi = r.width - 200;
    }

    const int* order = rec == 10 ? gearsFirstKindOrder : defaultKindOrder;
    int placed = 0, orderIndex = 0;
    for (int j = 0; j < slots; ++j) {
        if (given[j]) continue;
        if (placed >= toPlace) break;  // the rest stay empty
        while (orderIndex < objectCountColumns && missing[order[orderIndex]] <= 0) ++orderIndex;
        if (orderIndex >= objectCountColumns) break;
        const int column = order[orderIndex];
        const int32_t x = lo + static_cast<int32_t>(static_cast<int64_t>(hi - lo) * (placed + 1) / (toPlace + 1));
        r.objects[j] = PlaceholderObject(column, x, r);
        --missing[column];
        ++placed;
    }

    AddVariantMarks(r, row.variant);
    AddColourMarks(r, row.coloured);
    AddDrawnWithObjects(r, row.drawnWithObjects);
    for (const auto& pre : row.preHeated)
        if (pre[0] != 0 && pre[0] != 100) AddPreHeat(r, pre[0], pre[1]);
}
