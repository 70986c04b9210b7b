// The filled level table against a second reading of the level definitions
// (LevelDefinitionRows.h): every record's numbers, music, flags, colours,
// pictures, goal texts and object make-up, the checkpoint objects, the
// bouncer rows and the two levels given in full. Every difference is
// reported by record and field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "GameplayTestSupport.h"
#include "LevelDefinitionRows.h"
#include "support/TableRows.h"
#include "game/LevelTable.h"

using namespace gameplay_test;
using namespace leveltable_rows;
using namespace tablerows;

namespace {

// Where the level designs still differ from the definitions; the level work
// empties this list. A new difference fails, and so does a listed one that
// has been mended.
const std::vector<std::string> knownMismatches = {};

// The differences found, by record and field.
class Findings {
public:
    template <typename A, typename B>
    void Same(const std::string& key, const A& actual, const B& expected)
    {
        if (actual == expected) return;
        std::ostringstream what;
        what << "is " << actual << ", defined as " << expected;
        found_[key] = what.str();
    }
    void Near(const std::string& key, float actual, float expected)
    {
        if (std::fabs(actual - expected) > 1e-4f) Same(key, actual, expected);
    }
    // Fails on every difference not in the known list and on every listed
    // one that no longer differs.
    void ExpectOnlyKnown() const
    {
        std::set<std::string> known(std::begin(knownMismatches), std::end(knownMismatches));
        for (const auto& f : found_)
            if (!known.count(f.first)) ADD_FAILURE() << f.first << " " << f.second;
        for (const std::string& k : known)
            if (!found_.count(k)) ADD_FAILURE() << k << " now matches: take it off the known list";
    }

private:
    std::map<std::string, std::string> found_;
};

std::string Pair(int a, int b) { return std::to_string(a) + ", " + std::to_string(b); }
std::string Key(int rec, const char* field) { return "record " + std::to_string(rec) + " " + field; }
std::string Key(int rec, int slot, const char* field)
{
    return "record " + std::to_string(rec) + " slot " + std::to_string(slot) + " " + field;
}

void CheckNumbers(Findings& f)
{
    for (const char* row : numberRows) {
        const std::vector<std::string> c = Cells(row);
        const int r = Number(c[0]);
        const LevelRecord& rec = levelTable[r];
        f.Same(Key(r, "record id"), rec.recordId, r);
        f.Same(Key(r, "play order"), rec.playOrder, Number(c[1]));
        const std::vector<int> tiles = Numbers(c[3]), world = Numbers(c[4]);
        f.Same(Key(r, "tile columns"), rec.tileCols, tiles[0]);
        f.Same(Key(r, "tile rows"), rec.tileRows, tiles[1]);
        f.Same(Key(r, "width"), rec.width, world[0]);
        f.Same(Key(r, "height"), rec.height, world[1]);
        const std::vector<int> start = Numbers(c[5]), camera = Numbers(c[6]), goal = Numbers(c[7]);
        f.Same(Key(r, "start x"), rec.startX, start[0]);
        f.Same(Key(r, "start y"), rec.startY, start[1]);
        f.Same(Key(r, "camera x"), rec.cameraBaseX, camera[0]);
        f.Same(Key(r, "camera y"), rec.cameraBaseY, camera[1]);
        f.Same(Key(r, "goal x"), rec.goalX, goal[0]);
        f.Same(Key(r, "goal y"), rec.goalY, goal[1]);
        f.Same(Key(r, "time bonus"), rec.timeBonusBase, Number(c[8]));
        f.Same(Key(r, "threshold"), rec.thresholdPoints, Number(c[9]));
        f.Same(Key(r, "snow"), int(rec.snowLevel), int(Has(c[10], "snow")));
        f.Same(Key(r, "status colour gain"), rec.statusColourGain, Has(c[10], "snow") ? 3 : 0);
        f.Same(Key(r, "boss"), int(rec.bossLevel), int(Has(c[10], "boss")));
        f.Same(Key(r, "sprint"), int(rec.sprintLevel), int(Has(c[10], "sprint")));
        f.Same(Key(r, "behind"), int(rec.objectsBehindWorld), int(Has(c[10], "behind")));
        f.Same(Key(r, "variant"), int(rec.mrVariant), int(Has(c[10], "variant")));
        f.Same(Key(r, "follow"), int(rec.followAmbient), int(Has(c[10], "follow")));
        f.Same(Key(r, "kind"), rec.requiredKind, Number(c[11]));
        const std::string music = Quoted(c[12])[0];
        f.Same(Key(r, "music"), std::string(rec.musicFile),
               music.compare(0, 4, "data") == 0 ? music : "data//fvm//" + music);
        const std::vector<int> checkpoint = Numbers(c[13]);
        f.Same(Key(r, "checkpoint x"), rec.checkpointX, checkpoint.empty() ? 0 : checkpoint[0]);
        f.Same(Key(r, "checkpoint y"), rec.checkpointY, checkpoint.empty() ? 0 : checkpoint[1]);

        // Tiles lie in the level's folder in one of three name patterns.
        const std::string folder = "data//" + c[2] + "//";
        f.Same(Key(r, "collision picture"), std::string(rec.collFile), folder + "coll.png");
        for (int row = 0; row < rec.tileRows && row < maxTileRows; ++row)
            for (int col = 0; col < rec.tileCols && col < maxTileCols; ++col) {
                char name[64];
                if (r == 1 || r == 13 || r == 14)
                    std::snprintf(name, sizeof name, "world_%d_%d.png", row, col);
                else if (r >= 29)
                    std::snprintf(name, sizeof name, "world-%d-%d.png", col, row);
                else
                    std::snprintf(name, sizeof name, "world_%d.png", col);
                f.Same(Key(r, "tile name"), std::string(rec.tileFiles[row][col]), folder + name);
            }
        f.Same(Key(r, "eye picture"), std::string(rec.eyeFile), "data//sprite//playereye.png");
        f.Same(Key(r, "best score"), rec.bestScore, 0);
    }
}

void CheckColours(Findings& f)
{
    for (const char* row : colourRows) {
        const std::vector<std::string> c = Cells(row);
        const int r = Number(c[0]);
        const LevelRecord& rec = levelTable[r];
        for (int k = 0; k < 5; ++k) {
            const std::vector<int> key = Numbers(c[1 + k]);
            for (int ch = 0; ch < 3; ++ch) f.Same(Key(r, "colour key"), rec.colourKeys[k][ch], float(key[ch]));
            f.Same(Key(r, "colour key alpha"), rec.colourKeys[k][3], 255.0f);
        }
        const std::vector<int> start = Numbers(c[6]);
        for (int ch = 0; ch < 3; ++ch) f.Same(Key(r, "start colour"), rec.startColour[ch], float(start[ch]));
        f.Same(Key(r, "start colour alpha"), rec.startColour[3], 255.0f);
        f.Same(Key(r, "fade ticks"), rec.colourFadeTicks, Number(c[7]));
        f.Same(Key(r, "hold ticks"), rec.colourHoldTicks, Number(c[8]));
        std::vector<int> level = Numbers(c[9]);
        level.resize(3, 0);
        for (int ch = 0; ch < 3; ++ch) f.Same(Key(r, "level colour"), rec.levelColour[ch], float(level[ch]));
        f.Same(Key(r, "level colour alpha"), rec.levelColour[3], 0.0f);
        f.Same(Key(r, "trail brightness"), rec.trailBrightness, Number(c[10]));
    }
}

void CheckDecorations(Findings& f)
{
    for (const char* row : decorRows) {
        const std::vector<std::string> c = Cells(row);
        const int r = Number(c[0]);
        const LevelRecord& rec = levelTable[r];
        std::vector<std::string> names = Quoted(c[1]);
        if (c[1] == "(empty name)") names.push_back("");
        f.Same(Key(r, "decoration count"), rec.decorCount, int(names.size()));
        for (size_t i = 0; i < names.size() && i < size_t(maxDecorFiles); ++i)
            f.Same(Key(r, "decoration name"), std::string(rec.decorFiles[i]), names[i]);
        const std::vector<int> offsets = Numbers(c[2]);
        for (int i = 0; i < 6; ++i) f.Same(Key(r, "goal text offset"), rec.goalTextOffsets[i / 2][i % 2], offsets[i]);
    }
}

bool Live(const LevelObject& o) { return o.objState != ObjInactive; }

void CheckObjectMakeUp(Findings& f)
{
    const int kinds[] = {KindWalker,      KindBouncer,     KindCeilingDropper, KindBigGearCw,
                         KindBigGearCcw,  KindSmallGearCw, KindSmallGearCcw,   KindCannon};
    for (const char* row : objectRows) {
        const std::vector<std::string> c = Cells(row);
        const int r = Number(c[0]);
        const LevelRecord& rec = levelTable[r];
        f.Same(Key(r, "object slots"), rec.objectCount, Number(c[1]));
        int empty = 0, variant = 0, coloured = 0, drawn = 0;
        std::map<int, int> heats;
        for (int j = 0; j < rec.objectCount && j < maxLevelObjects; ++j) {
            const LevelObject& o = rec.objects[j];
            if (!Live(o)) {
                ++empty;
                continue;
            }
            f.Same(Key(r, j, "state"), o.objState, int(ObjAlive));
            variant += o.mrVariant;
            coloured += o.objColour[0] != 0 || o.objColour[1] != 0 || o.objColour[2] != 0;
            drawn += o.drawWithObjects;
            if (o.heat != 0 && !(o.objKind == KindCannon && o.heat == 50.0f)) ++heats[int(o.heat)];
            f.Same(Key(r, j, "kill points"), o.killPoints, 0);
            const int checkpoint = c[11] == "-" ? -1 : Number(c[11]);
            f.Same(Key(r, j, "checkpoint mark"), int(o.checkpointObject), j == checkpoint ? 1 : 0);
        }
        f.Same(Key(r, "empty slots"), empty, Number(c[2]));
        for (int k = 0; k < 8; ++k) {
            int n = 0;
            for (int j = 0; j < rec.objectCount && j < maxLevelObjects; ++j)
                n += Live(rec.objects[j]) && rec.objects[j].objKind == kinds[k];
            f.Same(Key(r, ("objects of kind " + std::to_string(kinds[k])).c_str()), n, Number(c[3 + k]));
        }
        // Marks: "variant 12; coloured 12; pre-heated 100 x1, 150 x10".
        int wantVariant = 0, wantColoured = 0, wantDrawn = 0;
        std::map<int, int> wantHeats;
        std::stringstream marks(c[12]);
        std::string mark;
        while (std::getline(marks, mark, ';')) {
            const std::vector<int> n = Numbers(mark);
            if (Has(mark, "variant")) wantVariant = n[0];
            if (Has(mark, "coloured")) wantColoured = n[0];
            if (Has(mark, "drawn with objects")) wantDrawn = n[0];
            if (Has(mark, "pre-heated"))
                for (size_t i = 0; i + 1 < n.size(); i += 2) wantHeats[n[i]] = n[i + 1];
        }
        f.Same(Key(r, "objects with the variant"), variant, wantVariant);
        f.Same(Key(r, "coloured objects"), coloured, wantColoured);
        f.Same(Key(r, "objects drawn with objects"), drawn, wantDrawn);
        f.Same(Key(r, "pre-heated objects"), heats == wantHeats, true);
    }
}

void CheckCheckpointObjects(Findings& f)
{
    for (const char* row : checkpointRows) {
        const std::vector<std::string> c = Cells(row);
        const int r = Number(c[0]), j = Number(c[1]);
        const LevelObject& o = levelTable[r].objects[j];
        f.Same(Key(r, j, "kind"), o.objKind, c[2] == "walker" ? int(KindWalker) : int(KindBouncer));
        const std::vector<int> at = Numbers(c[3]), patrol = Numbers(c[4]);
        f.Same(Key(r, j, "x"), o.objX, at[0]);
        f.Same(Key(r, j, "y"), o.objY, at[1]);
        f.Same(Key(r, j, "bounds"), Pair(o.leftBound, o.rightBound),
               Pair(patrol[0], patrol[1]));
        f.Same(Key(r, j, "heat"), o.heat, 100.0f);
        f.Same(Key(r, j, "checkpoint mark"), int(o.checkpointObject), 1);
    }
}

// The rows of bouncers the definitions build in loops: x = x0 + step x
// (slot - first), y speed = perSlot x slot.
struct BouncerRow {
    int rec, first, last;
    int x0, step;      // step 0: positions set slot by slot
    int homeY, objY;   // 0, 0: objY = homeY - 100; -1, -1: set slot by slot
    float perSlot, bounce;
    int left, right;
    float heat;  // 0: not set by the row
    int variant;
};
const BouncerRow bouncerRows[] = {
    {2, 0, 5, 3985, 85, 0, 0, -1.5f, -10, 3980, 4500, 150, 1},
    {3, 0, 10, 1840, 80, 492, 420, -1.505f, -7.5f, 1700, 3000, 150, 1},
    {4, 0, 11, 2170, 85, 0, 0, -1.5f, -11, 2100, 3500, 0, 0},
    {5, 4, 6, 0, 0, -1, -1, -1.0f, -10, 800, 1700, 0, 1},
    {5, 8, 12, 2300, 85, 0, 0, -1.0f, -11, 2200, 3000, 0, 1},
};

void CheckBouncerRows(Findings& f)
{
    for (const BouncerRow& b : bouncerRows) {
        for (int j = b.first; j <= b.last; ++j) {
            const LevelObject& o = levelTable[b.rec].objects[j];
            const int r = b.rec;
            f.Same(Key(r, j, "kind"), o.objKind, int(KindBouncer));
            if (b.step != 0) {
                f.Same(Key(r, j, "x"), o.objX, b.x0 + b.step * (j - b.first));
                f.Same(Key(r, j, "home x"), o.homeX, o.objX);
            }
            if (b.homeY == 0) f.Same(Key(r, j, "y"), o.objY, o.homeY - 100);
            if (b.homeY > 0) {
                f.Same(Key(r, j, "home y"), o.homeY, b.homeY);
                f.Same(Key(r, j, "y"), o.objY, b.objY);
            }
            f.Near(Key(r, j, "y speed"), o.objVelY, b.perSlot * float(j));
            f.Near(Key(r, j, "bounce"), o.bounceSpeed, b.bounce);
            f.Same(Key(r, j, "bounds"), Pair(o.leftBound, o.rightBound),
                   Pair(b.left, b.right));
            if (b.heat != 0 && !o.checkpointObject) f.Same(Key(r, j, "heat"), o.heat, b.heat);
            f.Same(Key(r, j, "variant"), int(o.mrVariant), b.variant);
        }
    }
}

void SameObject(Findings& f, int r, int j, const LevelObject& expected)
{
    const LevelObject& o = levelTable[r].objects[j];
    f.Same(Key(r, j, "kind"), o.objKind, expected.objKind);
    f.Same(Key(r, j, "x"), o.objX, expected.objX);
    f.Same(Key(r, j, "y"), o.objY, expected.objY);
    f.Same(Key(r, j, "home"), Pair(o.homeX, o.homeY), Pair(expected.homeX, expected.homeY));
    f.Same(Key(r, j, "bounds"), Pair(o.leftBound, o.rightBound),
           Pair(expected.leftBound, expected.rightBound));
    f.Near(Key(r, j, "x speed"), o.objVelX, expected.objVelX);
    f.Near(Key(r, j, "y speed"), o.objVelY, expected.objVelY);
    f.Near(Key(r, j, "speed"), o.baseSpeed, expected.baseSpeed);
    f.Near(Key(r, j, "bounce"), o.bounceSpeed, expected.bounceSpeed);
    f.Near(Key(r, j, "angle"), o.angle, expected.angle);
    f.Same(Key(r, j, "trigger"), Pair(o.triggerX, o.triggerY), Pair(expected.triggerX, expected.triggerY));
    f.Same(Key(r, j, "radius"), o.radius, expected.radius);
    f.Near(Key(r, j, "squash"), o.squash, expected.squash);
}

LevelObject Fields(int kind, int x, int y, int homeX, int homeY, int left, int right, float velX,
                   float speed, int radius)
{
    LevelObject o;
    o.objState = ObjAlive;
    o.objKind = kind;
    o.objX = x;
    o.objY = y;
    o.homeX = homeX;
    o.homeY = homeY;
    o.leftBound = left;
    o.rightBound = right;
    o.objVelX = velX;
    o.baseSpeed = speed;
    o.radius = radius;
    return o;
}

// Record 0 is set field by field; record 10 by factory calls.
void CheckLevelsGivenInFull(Findings& f)
{
    SameObject(f, 0, 0, Fields(KindWalker, 2400, 400, 0, 0, 2140, 3430, 7, 7, 40));
    SameObject(f, 0, 1, Fields(KindWalker, 430, 648, 430, 0, 400, 970, 4, 4, 40));
    LevelObject bouncer = Fields(KindBouncer, 1005, 740, 1005, 740, 1005, 1005, 0, 0, 40);
    bouncer.bounceSpeed = -12;
    SameObject(f, 0, 3, bouncer);
    LevelObject dropper = Fields(KindCeilingDropper, 2820, 258, 0, 0, 0, 0, 0, 0, 40);
    dropper.triggerX = 2760;
    SameObject(f, 0, 4, dropper);
    dropper.objX = 3346;
    dropper.objY = 529;
    dropper.triggerX = 3286;
    SameObject(f, 0, 6, dropper);

    SameObject(f, 10, 0, MakeGearObjectFlipped(953, 413, 0, 0.026f, 40));
    SameObject(f, 10, 1, MakeGearObjectFlipped(781, 750, 0, 0.055f, 50));
    SameObject(f, 10, 2, MakeGearObjectFlipped(524, 1235, 0.13f, 0.017f, 30));
    for (int j = 0; j <= 30; ++j) {
        const LevelObject& o = levelTable[10].objects[j];
        f.Same(Key(10, j, "is a gear"), o.objKind >= KindBigGearCw && o.objKind <= KindSmallGearCcw, true);
        f.Same(Key(10, j, "turn speed in 0.017..0.06"), o.objVelY >= 0.0169f && o.objVelY <= 0.0601f, true);
    }
    for (int j = 31; j <= 35; ++j) f.Same(Key(10, j, "kind"), levelTable[10].objects[j].objKind, int(KindWalker));
    SameObject(f, 10, 31, MakeWalkerObject(2300, 800, 2100, 2525, 8, false));
    SameObject(f, 10, 32, MakeWalkerObject(3220, 630, 2915, 3895, 10, true));
    SameObject(f, 10, 33, MakeWalkerObject(3315, 630, 2915, 3895, 10, true));
    SameObject(f, 10, 34, MakeWalkerObject(3410, 630, 2915, 3895, 10, true));
    SameObject(f, 10, 35, MakeWalkerObject(4200, 640, 4000, 4690, 6, false));
    SameObject(f, 10, 36, MakeBouncerObject(6020, 625, 0, 0, 11, true));
    // The other bouncers find their range by themselves, 50 pixels to each side.
    for (int j = 37; j <= 39; ++j) {
        const LevelObject& o = levelTable[10].objects[j];
        f.Same(Key(10, j, "kind"), o.objKind, int(KindBouncer));
        f.Same(Key(10, j, "bounds"), Pair(o.leftBound, o.rightBound),
               Pair(o.homeX - 50, o.homeX + 50));
    }
    SameObject(f, 10, 40, MakeWalkerObject(7050, 700, 6883, 7400, 9, false));
}

class LevelTableTest : public GameplayTest {
protected:
    void SetUp() override
    {
        GameplayTest::SetUp();
        InitLevelTable();
        MusicChoice();
    }
};

TEST_F(LevelTableTest, EveryRecordMatchesASecondReadingOfTheDefinitions)
{
    Findings f;
    CheckNumbers(f);
    CheckColours(f);
    CheckDecorations(f);
    CheckObjectMakeUp(f);
    CheckCheckpointObjects(f);
    CheckBouncerRows(f);
    CheckLevelsGivenInFull(f);
    f.ExpectOnlyKnown();
    // Every order from 1 to 45 once; the records the game never plays stay empty.
    std::set<int> orders;
    for (int r = 0; r < filledLevelRecords; ++r) orders.insert(levelTable[r].playOrder);
    EXPECT_EQ(orders.size(), 46u);
    for (int r = filledLevelRecords; r < maxLevelRecords; ++r) {
        EXPECT_EQ(levelTable[r].objectCount, 0);
        EXPECT_EQ(levelTable[r].collFile[0], '\0');
        EXPECT_EQ(levelTable[r].musicFile[0], '\0');
    }
    for (const LevelObject& o : levelTable[45].objects) EXPECT_EQ(o.mrVariant, 1);
}

TEST_F(LevelTableTest, PhasesAreWholeNumbersDrawnInRecordAndSlotOrder)
{
    InitLevelTable();
    SeedSimRandom(77);
    MusicChoice();
    SeedSimRandom(77);
    for (int r = 0; r < maxLevelRecords; ++r)
        for (int j = 0; j < levelTable[r].objectCount; ++j)
            EXPECT_EQ(levelTable[r].objects[j].phase, static_cast<float>(SimRand() % 1000));
}

}  // namespace
