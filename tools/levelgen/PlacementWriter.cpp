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
#include "game/LevelPlacementRules.h"
#include "gameplay/LevelObjectFactories.h"

)";

const char* helpers = "\nnamespace {\n\n";

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
    o << "    ApplyCountedMarks(rec, r);\n}\n";
    return o.str();
}
