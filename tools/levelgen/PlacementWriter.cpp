#include "tools/levelgen/PlacementWriter.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

std::string Int(double v)
{
    return std::to_string(static_cast<long>(std::trunc(v)));
}

std::string Float(double v)
{
    char b[48];
    std::snprintf(b, sizeof b, "%.6g", v);
    std::string s = b;
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s + "f";
}

std::string Flag(const std::vector<double>& a, size_t i) { return (i < a.size() && a[i] != 0) ? "1" : "0"; }

std::string ObjectExpression(const PlacedObject& o)
{
    const std::vector<double>& a = o.args;
    if (o.kind == "walker")
        return "MakeWalkerObject(" + Int(a[0]) + ", " + Int(a[1]) + ", " + Float(a[2]) + ", " + Float(a[3]) + ", " +
               Int(a[4]) + ", " + Flag(a, 5) + ")";
    if (o.kind == "bouncer") {
        const bool bounds = a.size() == 5;
        return "MakeBouncerObject(" + Int(a[0]) + ", " + Int(a[1]) + ", " + Float(bounds ? a[3] : 0) + ", " +
               Float(bounds ? a[4] : 0) + ", " + Int(a[2]) + ", " + (bounds ? "0" : "1") + ")";
    }
    if (o.kind == "dropbouncer") {
        const bool bounds = a.size() == 6;
        return "MakeDroppedBouncerObject(" + Int(a[0]) + ", " + Int(a[1]) + ", " + Int(a[2]) + ", " +
               Float(bounds ? a[4] : 0) + ", " + Float(bounds ? a[5] : 0) + ", " + Int(a[3]) + ", " +
               (bounds ? "0" : "1") + ")";
    }
    if (o.kind == "dropper")
        return "MakeCeilingDropperObject(" + Int(a[0]) + ", " + Int(a[1]) + ", " + Float(a[2]) + ", " + Float(a[3]) + ")";
    if (o.kind == "gear" || o.kind == "gearflipped")
        return std::string(o.kind == "gear" ? "MakeGearObject(" : "MakeGearObjectFlipped(") + Int(a[1]) + ", " +
               Int(a[2]) + ", " + Float(a[3]) + ", " + Float(a[4]) + ", " + Int(a[0]) + ")";
    if (o.kind == "cannon")
        return "MakeCannonObject(" + Float(a[0]) + ", " + Float(a[1]) + ", " + Float(a[2]) + ", " + Float(a[3]) +
               ", " + Float(a[4]) + ", " + Float(a[5]) + ", " + Float(a[6]) + ", " + Flag(a, 7) + ", 0, 0)";
    return "LevelObject()";
}

const std::vector<int>* Row(const LevelDesign* d, const std::string& name)
{
    if (!d) return nullptr;
    for (const auto& r : d->rows)
        if (r.first == name) return &r.second;
    return nullptr;
}

std::string IntList(const std::vector<int>* values, size_t count, int fallback)
{
    std::string s;
    for (size_t i = 0; i < count; ++i) {
        if (i) s += ", ";
        s += std::to_string(values && i < values->size() ? (*values)[i] : fallback);
    }
    return s;
}

const char* header = R"(// =============================================================================
// GENERATED FILE -- do not edit. Written by tools/levelgen from the level
// design sources levels/rec*.lvl; regenerate with
//     <build>/tools/levelgen/fv_levelgen --placements game/LevelPlacements.cpp
// from the project root (levels/README.md). tests/levels checks that this
// file matches the sources.
// =============================================================================
// The level definitions fix, per record, the slot count, the empty slots, how
// many objects of each kind live there, the checkpoint object and the marks;
// they give a few placements in full. Every other position, bound, speed,
// angle and trigger is level design and comes from the design sources.
// A record without a design source gets a plain placeholder spread along the
// way from its start to its goal, so the counts always hold.

#include "game/LevelDefinitions.h"
#include "gameplay/LevelObjectFactories.h"

)";

const char* helpers = R"(
namespace {

const int defaultKindOrder[objectCountColumns] = {CountWalker, CountBouncer, CountDropper, CountGear30,
                                                  CountGear40, CountGear50, CountGear60, CountCannon};

[[maybe_unused]] int ColumnOfKind(int32_t kind)
{
    for (int c = 0; c < objectCountColumns; ++c)
        if (KindOfCountColumn(c) == kind) return c;
    return -1;
}

[[maybe_unused]] bool IsLive(const LevelObject& o) { return o.objState != ObjInactive; }

[[maybe_unused]] LevelObject PlaceholderObject(int column, int32_t x, const LevelRecord& r)
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

// Records without a design source: the kinds still missing, in kind order,
// spread evenly between the start and the goal.
[[maybe_unused]] void PlaceholderPlacement(int rec, LevelRecord& r, const bool given[])
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
[[maybe_unused]] void AddVariantMarks(LevelRecord& r, int wanted)
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

[[maybe_unused]] bool IsColoured(const LevelObject& o) { return o.objColour[0] != 0 || o.objColour[1] != 0 || o.objColour[2] != 0; }

[[maybe_unused]] void AddColourMarks(LevelRecord& r, int wanted)
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

[[maybe_unused]] void AddDrawnWithObjects(LevelRecord& r, int wanted)
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

[[maybe_unused]] void AddPreHeat(LevelRecord& r, int heat, int wanted)
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

[[maybe_unused]] void SetColourOf(LevelObject& o, float r, float g, float b)
{
    o.objColour[0] = r;
    o.objColour[1] = g;
    o.objColour[2] = b;
}

)";

}  // namespace

std::string GeneratePlacementSource(const std::vector<LevelDesign>& designs)
{
    const LevelDesign* byRecord[46] = {};
    for (const LevelDesign& d : designs)
        if (d.record >= 0 && d.record < 46) byRecord[d.record] = &d;
    std::ostringstream o;
    o << header;
    o << "// Rest heights of the bouncer rows whose heights the definitions leave open.\n";
    o << "const int32_t record2BouncerHomeY[6] = {" << IntList(Row(byRecord[2], "record2BouncerHomeY"), 6, 700) << "};\n";
    o << "const int32_t record4BouncerHomeY[12] = {" << IntList(Row(byRecord[4], "record4BouncerHomeY"), 12, 600)
      << "};\n";
    const std::vector<int>* spots = Row(byRecord[5], "record5BouncerPositions");
    o << "const PlacedPoint record5BouncerPositions[3] = {";
    for (int i = 0; i < 3; ++i) {
        const int x = spots && spots->size() >= 6 ? (*spots)[2 * i] : 1000 + 200 * i;
        const int y = spots && spots->size() >= 6 ? (*spots)[2 * i + 1] : 600;
        o << (i ? ", " : "") << "{" << x << ", " << y << "}";
    }
    o << "};\n";
    o << "const int32_t record5BouncerHomeY[5] = {" << IntList(Row(byRecord[5], "record5BouncerHomeY"), 5, 600)
      << "};\n";
    o << "// Speed of the checkpoint walkers and bounce of the checkpoint bouncers.\n";
    o << "const int32_t checkpointWalkerSpeed = 4;\nconst int32_t checkpointBouncerBounce = 10;\n";
    o << helpers;
    for (int rec = 0; rec < 46; ++rec) {
        const LevelDesign* d = byRecord[rec];
        if (!d) continue;
        o << "// " << d->path.substr(d->path.rfind('/') == std::string::npos ? 0 : d->path.rfind('/') + 1) << "\n";
        o << "void PlaceRecord" << rec << "(LevelRecord& r, const bool given[])\n{\n";
        if (d->objects.empty() && d->marks.empty()) o << "    (void)r;\n    (void)given;\n";
        for (const PlacedObject& p : d->objects)
            o << "    if (!given[" << p.slot << "]) r.objects[" << p.slot << "] = " << ObjectExpression(p) << ";\n";
        for (const ObjectMark& m : d->marks) {
            o << "    ";
            if (m.field == "heat") o << "r.objects[" << m.slot << "].heat = " << Float(m.args[0]) << ";\n";
            else if (m.field == "variant") o << "r.objects[" << m.slot << "].mrVariant = 1;\n";
            else if (m.field == "withobjects") o << "r.objects[" << m.slot << "].drawWithObjects = 1;\n";
            else if (m.field == "colour")
                o << "SetColourOf(r.objects[" << m.slot << "], " << Float(m.args[0]) << ", " << Float(m.args[1])
                  << ", " << Float(m.args[2]) << ");\n";
        }
        o << "}\n\n";
    }
    o << "}  // namespace\n\n";
    o << "void PlaceLevelObjects(int rec, LevelRecord& r, const bool given[maxLevelObjects])\n{\n";
    o << "    // Only the defined records have placements; any other id places nothing.\n";
    o << "    if (rec < 0 || rec >= definedLevelCount) return;\n";
    o << "    switch (rec) {\n";
    for (int rec = 0; rec < 46; ++rec)
        if (byRecord[rec]) o << "    case " << rec << ": PlaceRecord" << rec << "(r, given); break;\n";
    o << "    default: PlaceholderPlacement(rec, r, given); break;\n    }\n";
    o << "    const LevelObjectsRow& row = levelObjects[rec];\n";
    o << "    AddVariantMarks(r, row.variant);\n    AddColourMarks(r, row.coloured);\n";
    o << "    AddDrawnWithObjects(r, row.drawnWithObjects);\n";
    o << "    for (const auto& pre : row.preHeated)\n";
    o << "        if (pre[0] != 0 && pre[0] != 100) AddPreHeat(r, pre[0], pre[1]);\n}\n";
    return o.str();
}
