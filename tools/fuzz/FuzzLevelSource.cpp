// Any bytes as a level design source. A source the reader accepts must hold
// only what the painters and the placement writer can take without
// undefined behaviour: slots inside their tables, a size inside the tile
// table, numbers far inside the int range. A refusal must name the file.
#include <cmath>
#include <cstdint>
#include <string>

#include "shared/LevelRecord.h"
#include "tools/levelgen/LevelSource.h"

namespace {

bool Bounded(double v) { return std::isfinite(v) && std::fabs(v) <= 2e6; }

void Check(const LevelDesign& d)
{
    bool ok = d.record >= 0 && d.record <= 45 && d.width > 0 && d.height > 0 &&
              d.width <= maxTileCols * 1024 && d.height <= maxTileRows * 1024;
    for (const TerrainShape& s : d.shapes)
        for (size_t i = 0; i < s.xs.size(); ++i) ok = ok && Bounded(s.xs[i]) && Bounded(s.ys[i]);
    for (const Prop& p : d.props) ok = ok && Bounded(p.x) && Bounded(p.y) && Bounded(p.scale);
    for (const DecorPicture& p : d.decor)
        ok = ok && p.slot >= 0 && p.slot < maxDecorFiles && p.w > 0 && p.h > 0 && p.w <= 4096 && p.h <= 4096 &&
             Bounded(p.x) && Bounded(p.y);
    for (const PlacedObject& o : d.objects) {
        ok = ok && o.slot >= 0 && o.slot < maxLevelObjects;
        for (double v : o.args) ok = ok && Bounded(v);
    }
    for (const ObjectMark& m : d.marks) {
        ok = ok && m.slot >= 0 && m.slot < maxLevelObjects;
        for (double v : m.args) ok = ok && Bounded(v);
    }
    if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    LevelDesign design;
    std::string error;
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (ReadLevelDesignText(text, "fuzz.lvl", design, error))
        Check(design);
    else if (error.rfind("fuzz.lvl:", 0) != 0)
        __builtin_trap();
    return 0;
}
