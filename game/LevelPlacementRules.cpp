// Placement rules shared by every level record: the plain placeholder for a
// record without a design source, and the marks (picture variant, colour,
// drawn with the objects, pre-heat) that the definitions count but the
// design sources leave unset. The generated placements call these.
#include "game/LevelPlacementRules.h"

#include "game/LevelDefinitions.h"
#include "gameplay/LevelObjectFactories.h"

namespace {

const int defaultKindOrder[objectCountColumns] = {CountWalker, CountBouncer, CountDropper, CountGear30,
                                                  CountGear40, CountGear50, CountGear60, CountCannon};

int ColumnOfKind(int32_t kind)
{
    for (int c = 0; c < objectCountColumns; ++c)
        if (KindOfCountColumn(c) == kind) return c;
    return -1;
}

bool IsLive(const LevelObject& o) { return o.objState != ObjInactive; }

LevelObject PlaceholderObject(int column, int32_t x, const LevelRecord& r)
{
    const int32_t y = r.startY;
    switch (column) {
    case CountWalker:
        return MakeWalkerObject(x, y, static_cast<float>(x - 150), static_cast<float>(x + 150), 4, 0);
    case CountBouncer:
        return MakeBouncerObject(x, y + 40, 0, 0, 10, 1);
    case CountDropper:
        return MakeCeilingDropperObject(x, y - 150 > 40 ? y - 150 : 40, static_cast<float>(x - 75), 0);
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

bool IsColoured(const LevelObject& o) { return o.objColour[0] != 0 || o.objColour[1] != 0 || o.objColour[2] != 0; }

}  // namespace

// Records without a design source: the kinds still missing, in kind order,
// spread evenly between the start and the goal.
void PlaceholderPlacement(int rec, LevelRecord& r, const bool given[])
{
    if (rec < 0 || rec >= definedLevelCount) return;
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
    int placed = 0, orderIndex = 0;
    for (int j = 0; j < slots; ++j) {
        if (given[j]) continue;
        if (placed >= toPlace) break;
        while (orderIndex < objectCountColumns && missing[defaultKindOrder[orderIndex]] <= 0) ++orderIndex;
        if (orderIndex >= objectCountColumns) break;
        const int column = defaultKindOrder[orderIndex];
        const int32_t x = lo + static_cast<int32_t>(static_cast<int64_t>(hi - lo) * (placed + 1) / (toPlace + 1));
        r.objects[j] = PlaceholderObject(column, x, r);
        --missing[column];
        ++placed;
    }
}

// The marks the definitions count but the placements did not set go to the
// first live objects that lack them.
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
    for (int j = 0; j < r.objectCount; ++j) have += IsLive(r.objects[j]) && r.objects[j].drawWithObjects;
    for (int j = 0; j < r.objectCount && have < wanted; ++j) {
        LevelObject& o = r.objects[j];
        if (IsLive(o) && o.objKind >= KindBigGearCw && !o.drawWithObjects) {
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

void SetColourOf(LevelObject& o, float r, float g, float b)
{
    o.objColour[0] = r;
    o.objColour[1] = g;
    o.objColour[2] = b;
}

void ApplyCountedMarks(int rec, LevelRecord& r)
{
    if (rec < 0 || rec >= definedLevelCount) return;
    const LevelObjectsRow& row = levelObjects[rec];
    AddVariantMarks(r, row.variant);
    AddColourMarks(r, row.coloured);
    AddDrawnWithObjects(r, row.drawnWithObjects);
    for (const auto& pre : row.preHeated)
        if (pre[0] != 0 && pre[0] != 100) AddPreHeat(r, pre[0], pre[1]);
}
