// The level checker: every record's design source, generated pictures and
// object placements against the fixed points of its definition and the rules
// the physics imposes (a clear fall at the start and checkpoint, ground under
// the goal, walkers and bouncers on ground, droppers under a ceiling, cannons
// on a base, standing ground clear of the gears' danger rings).
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "game/LevelDefinitions.h"
#include "game/LevelTable.h"
#include "gameplay/LevelAttempt.h"
#include "screens/LevelDecorations.h"
#include "screens/LevelHints.h"
#include "shared/LevelRecord.h"
#include "tools/levelgen/CollisionRaster.h"
#include "tools/levelgen/LevelSource.h"
#include "tools/levelgen/PlacementWriter.h"
#include "tools/replaysearch/ReplaySeeds.h"

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    bool Load(const std::string& path)
    {
        cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
        if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(s);
            return false;
        }
        width = cairo_image_surface_get_width(s);
        height = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        pixels.resize(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            std::memcpy(&pixels[static_cast<size_t>(y) * width], data + static_cast<size_t>(y) * stride, width * 4u);
        cairo_surface_destroy(s);
        return true;
    }
    uint32_t At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height) return collEmpty;
        return pixels[static_cast<size_t>(y) * width + x];
    }
    // The physics' border rule: outside and the last five columns and rows are solid.
    bool Border(int x, int y) const { return x <= 0 || y <= 0 || x + 5 >= width || y + 5 >= height; }
    bool Feet(int x, int y) const  // white or silver or border
    {
        if (Border(x, y)) return true;
        const uint32_t c = At(x, y);
        return c == collSolid || c == collPlatform;
    }
    bool White(int x, int y) const { return Border(x, y) || At(x, y) == collSolid; }
    bool FeetRow(int cx, int row, int half) const
    {
        for (int i = 0; i < 2 * half; i += 2)
            if (Feet(cx - half + i, row)) return true;
        return false;
    }
};

const std::vector<LevelDesign>& Designs()
{
    static std::vector<LevelDesign> designs;
    static bool loaded = false;
    if (!loaded) {
        loaded = true;
        std::string error;
        if (!ReadAllLevelDesigns("levels", designs, error)) ADD_FAILURE() << error;
    }
    return designs;
}

const LevelDesign* DesignOf(int rec)
{
    for (const LevelDesign& d : Designs())
        if (d.record == rec) return &d;
    return nullptr;
}

void FillTable()
{
    static bool filled = false;
    if (!filled) {
        FreshStartRandomState();  // the table as start-up fills it, music and kinds too
        filled = true;
    }
}

std::string FolderOf(const LevelRecord& r)
{
    // "data//w8//coll.png" -> "w8"
    std::string s = r.collFile;
    if (s.compare(0, 6, "data//") == 0) s.erase(0, 6);
    return s.substr(0, s.find('/'));
}

std::string Normalised(const char* name)
{
    std::string s;
    for (const char* p = name; *p; ++p)
        if (!(*p == '/' && !s.empty() && s.back() == '/')) s += *p;
    return s;
}

bool ReadWhole(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// The size in a PNG file's header.
bool PngSize(const std::string& path, int& w, int& h)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char b[24] = {};
    if (!in.read(reinterpret_cast<char*>(b), 24) || b[1] != 'P' || b[12] != 'I') return false;
    w = b[16] << 24 | b[17] << 16 | b[18] << 8 | b[19];
    h = b[20] << 24 | b[21] << 16 | b[22] << 8 | b[23];
    return true;
}

// Where a Vop let go at (x, y) comes to rest: the first feet row below, or -1
// when its body meets white first (no clear fall) -- the fall is straight
// down since it starts with zero speed.
int LandingRow(const Picture& p, int x, int y)
{
    for (int cy = y; cy + 40 < p.height + 40; ++cy) {
        if (p.FeetRow(x, cy + 40, 10)) return cy + 40;
        if (cy > p.height) break;
    }
    return -1;
}

// A clear point to appear at: no white in the 80 x 80 box, ground below, no
// navy anywhere the deadly test looks during the fall.
void ExpectClearFall(const Picture& p, int x, int y, const char* what, int rec)
{
    for (int yy = y - 40; yy < y + 40; ++yy)
        for (int xx = x - 40; xx < x + 40; xx += 2)
            if (p.At(xx, yy) == collSolid) {
                ADD_FAILURE() << "record " << rec << ": white inside the " << what << " box at " << xx << "," << yy;
                return;
            }
    const int land = LandingRow(p, x, y);
    ASSERT_GT(land, 0) << "record " << rec << ": no ground under the " << what;
    EXPECT_LT(land, p.height - 5) << "record " << rec << ": the " << what << " falls to the bottom border";
    for (int cy = y; cy <= land - 40; ++cy)
        for (int dx : {-40, 0, 40})
            for (int dy : {-40, 0, 40, 42, 44, 45}) {
                if (dx == 40 && dy > 0) continue;  // not sampled by the deadly test
                if (p.At(x + dx, cy + dy) == collDeadly) {
                    ADD_FAILURE() << "record " << rec << ": navy in the " << what << "'s fall at " << x + dx << ","
                                  << cy + dy;
                    return;
                }
            }
}

struct GearRing {
    double x, y, r;
};

std::vector<GearRing> GearRings(const LevelRecord& r)
{
    std::vector<GearRing> rings;
    for (int j = 0; j < LiveObjectCount(r); ++j) {
        const LevelObject& o = r.objects[j];
        if (o.objState == ObjInactive) continue;
        if (o.objKind == KindBigGearCw || o.objKind == KindBigGearCcw) rings.push_back({double(o.objX), double(o.objY), 285});
        if (o.objKind == KindSmallGearCw || o.objKind == KindSmallGearCcw)
            rings.push_back({double(o.objX), double(o.objY), 159});
    }
    return rings;
}

class LevelChecker : public ::testing::Test {
protected:
    void SetUp() override { FillTable(); }
};

TEST_F(LevelChecker, EveryRecordHasOneDesignSourceMatchingItsDefinition)
{
    for (int rec = 0; rec < filledLevelRecords; ++rec) {
        const LevelDesign* d = DesignOf(rec);
        ASSERT_NE(d, nullptr) << "record " << rec << " has no levels/recNN.lvl";
        const LevelRecord& r = levelTable[rec];
        EXPECT_EQ(d->width, r.width) << d->path;
        EXPECT_EQ(d->height, r.height) << d->path;
        EXPECT_EQ(d->folder, FolderOf(r)) << d->path;
        for (const DecorPicture& dec : d->decor) {
            ASSERT_GE(dec.slot, 0);
            ASSERT_LT(dec.slot, r.decorCount) << d->path << ": decoration slot not loaded by the record";
            EXPECT_EQ(Normalised(dec.file.c_str()), Normalised(r.decorFiles[dec.slot])) << d->path;
        }
    }
}

// A tunnel picture the game draws is painted from the terrain of the box it
// is drawn over, so the design's box must be that place, and it must hold
// terrain (an empty picture leaves the tunnel without its roof).
TEST_F(LevelChecker, DrawnDecorationsArePaintedForThePlaceTheGameDrawsThem)
{
    for (const LevelDesign& d : Designs()) {
        if (d.draft) continue;
        for (const DecorPicture& dec : d.decor) {
            int x = 0, y = 0;
            if (!LevelDecorationPosition(d.record, dec.slot, &x, &y)) continue;
            EXPECT_EQ(dec.x, x) << d.path << ": decoration " << dec.slot << " is drawn at " << x << "," << y;
            EXPECT_EQ(dec.y, y) << d.path << ": decoration " << dec.slot << " is drawn at " << x << "," << y;
            Picture p;
            ASSERT_TRUE(p.Load(Normalised(dec.file.c_str()))) << dec.file;
            size_t painted = 0;
            for (uint32_t c : p.pixels) painted += (c >> 24) != 0;
            EXPECT_GT(painted, static_cast<size_t>(dec.w) * dec.h / 50)
                << d.path << ": the picture " << dec.file << " is (nearly) empty";
        }
    }
}

TEST_F(LevelChecker, PlacementsFileIsGeneratedFromTheSources)
{
    std::string text;
    ASSERT_TRUE(ReadWhole("game/LevelPlacements.cpp", text));
    EXPECT_TRUE(text == GeneratePlacementSource(Designs()))
        << "game/LevelPlacements.cpp is out of date: run fv_levelgen --placements game/LevelPlacements.cpp";
}

TEST_F(LevelChecker, GeneratedPicturesHaveTheLevelSizeAndOnlyCollisionColours)
{
    for (int rec = 0; rec < filledLevelRecords; ++rec) {
        const LevelRecord& r = levelTable[rec];
        Picture p;
        ASSERT_TRUE(p.Load(Normalised(r.collFile))) << r.collFile;
        EXPECT_EQ(p.width, r.width) << r.collFile;
        EXPECT_EQ(p.height, r.height) << r.collFile;
        size_t wrong = 0;
        for (uint32_t c : p.pixels)
            wrong += c != collEmpty && c != collSolid && c != collPlatform && c != collDeadly;
        EXPECT_EQ(wrong, 0u) << r.collFile << " holds other colours";
        for (int row = 0; row < r.tileRows; ++row)
            for (int col = 0; col < r.tileCols; ++col) {
                const std::string tile = Normalised(r.tileFiles[row][col]);
                int w = 0, h = 0;
                EXPECT_TRUE(PngSize(tile, w, h)) << tile;
                EXPECT_EQ(w, 1024) << tile;
                EXPECT_EQ(h, 1024) << tile;
            }
    }
}

TEST_F(LevelChecker, ObjectsMatchTheRecordsCountsAndSlots)
{
    for (int rec = 0; rec < filledLevelRecords; ++rec) {
        const LevelRecord& r = levelTable[rec];
        const LevelObjectsRow& row = levelObjects[rec];
        ASSERT_EQ(r.objectCount, row.slots) << "record " << rec;
        int kinds[objectCountColumns] = {}, empty = 0;
        for (int j = 0; j < r.objectCount; ++j) {
            const LevelObject& o = r.objects[j];
            if (o.objState == ObjInactive) {
                ++empty;
                continue;
            }
            for (int c = 0; c < objectCountColumns; ++c) kinds[c] += KindOfCountColumn(c) == o.objKind;
            if (o.checkpointObject) {
                EXPECT_EQ(j, row.checkpointSlot) << "record " << rec;
            }
        }
        EXPECT_EQ(empty, row.empty) << "record " << rec;
        for (int c = 0; c < objectCountColumns; ++c) EXPECT_EQ(kinds[c], row.kinds[c]) << "record " << rec << " column " << c;
        if (row.checkpointSlot >= 0) {
            EXPECT_TRUE(r.objects[row.checkpointSlot].checkpointObject) << "record " << rec;
        }
        // A design may only place slots the definitions leave open.
        if (const LevelDesign* d = DesignOf(rec)) {
            for (const PlacedObject& o : d->objects) {
                EXPECT_LT(o.slot, row.slots) << d->path << " slot " << o.slot;
            }
        }
    }
}

// The fixed points and the object rules of the designed (not draft) levels.
TEST_F(LevelChecker, DesignedLevelsHonourTheirFixedPointsAndObjectRules)
{
    for (const LevelDesign& d : Designs()) {
        if (d.draft) continue;
        SCOPED_TRACE(d.path);
        const int rec = d.record;
        const LevelRecord& r = levelTable[rec];
        Picture p;
        ASSERT_TRUE(p.Load(Normalised(r.collFile)));
        ExpectClearFall(p, r.startX, r.startY, "start", rec);
        if (r.checkpointX != 0 || r.checkpointY != 0) ExpectClearFall(p, r.checkpointX, r.checkpointY, "checkpoint", rec);

        // Goal: somewhere in the goal box the Vop can stand on ground with
        // its body free.
        bool standable = false;
        for (int x = r.goalX - 16; x <= r.goalX + 59 && !standable; x += 5)
            for (int g = r.goalY - 199; g <= r.goalY + 56 && !standable; ++g) {
                if (!p.FeetRow(x, g, 10) || p.FeetRow(x, g - 1, 10)) continue;
                bool free = true;
                for (int y = g - 80; y < g && free; y += 2)
                    for (int xx = x - 12; xx <= x + 12 && free; xx += 3) free = !p.White(xx, y);
                standable = free && g < r.height - 5;
            }
        EXPECT_TRUE(standable) << "no ground to stand on in the goal box of record " << rec;

        const std::vector<GearRing> rings = GearRings(r);
        for (int j = 0; j < LiveObjectCount(r); ++j) {
            const LevelObject& o = r.objects[j];
            if (o.objState == ObjInactive) continue;
            // Nothing touches the Vop at its start.
            if (o.objKind != KindCannon && o.objKind < KindBigGearCw) {
                EXPECT_FALSE(std::abs(o.objX - r.startX) < 60 && std::abs(o.objY - r.startY) < 60)
                    << "object " << j << " touches the start";
            }
            if (o.objKind == KindWalker) {
                // Walk the patrol both ways as the object update does.
                int x = o.objX, y = o.objY;
                EXPECT_TRUE(p.Feet(x - 2, y + 40) || p.Feet(x, y + 40)) << "walker " << j << " not on ground";
                for (int dir : {1, -1, 1}) {
                    const int end = dir > 0 ? o.rightBound : o.leftBound;
                    for (int guard = 0; guard < 6000 && (dir > 0 ? x < end : x > end); ++guard) {
                        x += 2 * dir;
                        y -= 2;
                        for (int k = 0; k < 4 && !(p.Feet(x - 2, y + 40) || p.Feet(x, y + 40)); ++k) ++y;
                        if (!(p.Feet(x - 2, y + 40) || p.Feet(x, y + 40))) {
                            ADD_FAILURE() << "walker " << j << " leaves the ground at " << x << "," << y + 40;
                            guard = 1 << 20;
                        } else if (p.White(x, y + 30) && y + 30 < r.height - 5) {
                            ADD_FAILURE() << "walker " << j << " walks into a slope steeper than 1:1 at " << x;
                            guard = 1 << 20;
                        }
                    }
                }
            } else if (o.objKind == KindBouncer) {
                // Ground where the squashed body lands, and room for its jump.
                bool ground = false;
                for (int y = o.homeY + 10; y <= o.homeY + 60 && !ground; ++y) ground = p.Feet(o.objX, y);
                EXPECT_TRUE(ground) << "bouncer " << j << " has no ground under its rest point";
                double v = o.bounceSpeed, rise = 0;
                while (v < 0) {
                    rise += std::ceil(-v);
                    v += 0.25f;
                }
                for (int y = o.homeY + 12 - static_cast<int>(rise) - 40; y < o.homeY; y += 3)
                    if (y > 0 && p.At(o.objX, y) == collSolid) {
                        ADD_FAILURE() << "bouncer " << j << " bounces into white at " << o.objX << "," << y;
                        break;
                    }
            } else if (o.objKind == KindCeilingDropper) {
                bool ceiling = false;
                for (int y = o.objY - 80; y <= o.objY - 30 && !ceiling; ++y) ceiling = p.White(o.objX, y);
                EXPECT_TRUE(ceiling) << "dropper " << j << " hangs from no ceiling";
                EXPECT_FALSE(p.Feet(o.objX, o.objY + 40)) << "dropper " << j << " hangs inside the ground";
            } else if (o.objKind == KindCannon) {
                bool base = false;
                for (int y = o.homeY - 10; y <= o.homeY + 60 && !base; ++y) base = p.Feet(o.homeX, y);
                EXPECT_TRUE(base) << "cannon " << j << " stands on nothing";
            }
        }
        // Standing ground (a top with room for the body above) clear of the
        // gears' danger rings.
        if (!rings.empty())
            for (int x = 12; x < r.width - 17; x += 4)
                for (int y = 81; y < r.height - 5; ++y) {
                    if (!p.Feet(x, y) || p.Feet(x, y - 1)) continue;
                    bool free = true;
                    for (int yy = y - 80; yy < y && free; yy += 4) free = !p.White(x, yy);
                    if (!free) continue;
                    for (const GearRing& g : rings)
                        if (std::hypot(x - g.x, y - 40 - g.y) <= g.r) {
                            ADD_FAILURE() << "standing ground at " << x << "," << y << " lies in a gear ring";
                            x = r.width;
                            break;
                        }
                }
    }
}

// A normal level's threshold must be within reach for a player whose every
// kill scores the least (8 points) and who arrives with the whole time bonus:
// the enemies between the start and the goal are all the points there are.
TEST_F(LevelChecker, NormalLevelsHoldEnoughEnemiesBeforeTheGoalForTheirThreshold)
{
    for (const LevelDesign& d : Designs()) {
        const LevelRecord& r = levelTable[d.record];
        if (d.draft || r.sprintLevel || r.bossLevel || r.thresholdPoints <= 0) continue;
        const int lo = std::min(r.startX, r.goalX) - 100, hi = std::max(r.startX, r.goalX) + 100;
        int enemies = 0;
        for (int j = 0; j < LiveObjectCount(r); ++j) {
            const LevelObject& o = r.objects[j];
            if (o.objState != ObjInactive && (o.objKind == KindWalker || o.objKind == KindBouncer) && o.objX >= lo &&
                o.objX <= hi)
                ++enemies;
        }
        vopKind = r.requiredKind == 0 ? 1 : r.requiredKind;
        difficulty = 1;
        const int bonus = StartingTimeBonus(r);
        EXPECT_GE(enemies * 8 + bonus, r.thresholdPoints)
            << d.path << ": " << enemies << " enemies before the goal and a time bonus of " << bonus;
    }
}

}  // namespace
