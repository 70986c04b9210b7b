// Where the creatures and machines of every played level stand, judged on
// the game's own loading and object update: no creature's centre inside the
// ground nor its body deep in it, at the start or anywhere its patrol, bounce
// or landing takes it;
// creatures far enough apart to read as one each, unless a pack shares its
// patrol by design; every object within sight of the level's route (its
// default replays, at each screen size they prove) and no creature killed
// before the player has seen it alive there; every gear held by ground or a
// wall at its rim; every gear turning at a speed the level definitions allow.
//
// What fails today stands in the tables below, one row per level and rule;
// the test fails when a level's findings differ from its row either way, so
// mending a level means taking its failures out of the table.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/Settings.h"
#include "gameplay/Camera.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelObjectUpdate.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "shared/LevelRecord.h"
#include "tools/replaysearch/ReplayRun.h"

namespace {

constexpr int creatureRadius = 40;
// How deep a creature's body, as drawn, may reach into the ground: a walker
// stands on its lowest row, a bouncer squashed on landing dips about 7 px
// and stands 11 px deep at rest.
constexpr int sinkAllowance = 15;
// The gear pictures' tooth tips, from their pivot.
constexpr int bigGearRim = 246, smallGearRim = 123;
// Ground this close outside the rim still holds the gear.
constexpr int mountReach = 6;
// The turn per tick the level definitions give their gears.
constexpr float slowestTurn = 0.017f, fastestTurn = 0.06f;
// Long enough for every patrol to run end to end and back.
constexpr int settleTicks = 3000;
// An object is within sight when any part of it is inside the screen
// (screenWidth x screenHeight, the size the replay is played at) around the
// camera.

// A pack whose members share their patrol by design may stand closer than
// two radii: list it here. The test checks that they really share it
// (walkers: the same patrol bounds; bouncers: the same explicit bounds, so
// they wake and leap together), so nothing else can hide here. Packs
// closer than two radii read as one many-eyed blob, and whether a level
// wants that is its designer's call (the spacing failures say which close
// pairs would qualify): record 9's stations keep each pair within their
// stone's reach.
struct Pack {
    int record;
    const char* slots;
};
const Pack designedPacks[] = {
    {9, "0 1"},
    {9, "4 6"},
    {9, "9 10"},
    {9, "14 15"},
    {9, "18 19"},
    {-1, ""},
};

// Today's failures, per record: slots (or slot pairs "a-b") as a list.
struct Row {
    int record;
    const char* items;
};
// Creatures whose centre enters the ground, or whose drawn body sinks deeper
// than the allowance.
const Row knownInGround[] = {
    {-1, ""},  // a placeholder: the table stays an array when no row is left
};
// Creature pairs under two radii apart at the start, outside a designed pack.
const Row knownTooClose[] = {
    {-1, ""},
};
// Objects the default replays never bring within sight at some size they prove.
const Row knownUnseen[] = {
    {34, "3"},
    {-1, ""},
};
// Creatures killed (by a dropper, a cannon ball or a trail) before they were
// ever within sight alive, at some size the default replays prove.
const Row knownKilledUnseen[] = {
    {27, "16"},
    {-1, ""},
};
// Gears with no ground or wall at their rim.
const Row knownFloatingGears[] = {
    {-1, ""},
};
// Gears turning outside the allowed speeds (or against their kind).
const Row knownGearTurns[] = {
    {-1, ""},
};

bool IsCreature(const LevelObject& o)
{
    return o.objKind == KindWalker || o.objKind == KindBouncer || o.objKind == KindCeilingDropper;
}

bool IsGear(const LevelObject& o)
{
    return o.objKind == KindBigGearCw || o.objKind == KindBigGearCcw || o.objKind == KindSmallGearCw ||
           o.objKind == KindSmallGearCcw;
}

int GearRim(const LevelObject& o)
{
    return o.objKind == KindBigGearCw || o.objKind == KindBigGearCcw ? bigGearRim : smallGearRim;
}

// Solid white in the loaded collision picture (outside it: nothing). The
// silver planks are left out: creatures leap through them as the Vop does.
bool GroundAt(int x, int y)
{
    if (x < 0 || y < 0 || x >= levelWidth || y >= levelHeight) return false;
    return collPixels[static_cast<size_t>(y) * collPitch + x] == solidColour;
}

// Where a creature's body stands for the spacing rule: a bouncer at rest.
std::pair<int, int> Stand(const LevelObject& o)
{
    if (o.objKind == KindBouncer) return {o.homeX, o.homeY};
    return {o.objX, o.objY};
}

struct Findings {
    std::set<std::string> inGround, tooClose, unseen, killedUnseen, floatingGears, gearTurns;
    std::set<std::string> sharingPatrol;           // the close pairs that could be declared a pack
    std::map<std::string, std::string> details;  // item -> what was seen
    double worldSeen = 0;                          // share of the world in sight at some tick
    bool routePlayed = false;
};

std::string Pair(int a, int b) { return std::to_string(a) + "-" + std::to_string(b); }

std::set<std::string> Items(const char* text)
{
    std::set<std::string> items;
    std::istringstream words(text);
    std::string w;
    while (words >> w) items.insert(w);
    return items;
}

std::set<int> PackSlots(int record)
{
    std::set<int> slots;
    for (const Pack& p : designedPacks)
        if (p.record == record)
            for (const std::string& s : Items(p.slots)) slots.insert(std::stoi(s));
    return slots;
}

// A bouncer made without bounds of its own patrols x - 50 to x + 50.
bool DefaultBounds(const LevelObject& o) { return o.leftBound == o.homeX - 50 && o.rightBound == o.homeX + 50; }

bool SharePatrol(const LevelObject& a, const LevelObject& b)
{
    if (a.objKind != b.objKind || a.leftBound != b.leftBound || a.rightBound != b.rightBound) return false;
    if (a.objKind == KindWalker) return true;
    return a.objKind == KindBouncer && !DefaultBounds(a) && !DefaultBounds(b);
}

// How deep the creature's body, as the game draws it (an ellipse whose
// height follows a bouncer's squash), reaches into the ground under it: for
// each column, the first ground pixel below the drawn centre and within 45
// degrees of straight down (a side pressed against a wall is not sinking),
// measured along the ray from the centre to the outline, so a ball on a
// slope counts what its lower side sinks in, not only what lies under its
// centre; the whole drawn half height when the centre itself is in the
// ground.
int SinkDepth(const LevelObject& o)
{
    if (o.objKind == KindCeilingDropper) return GroundAt(o.objX, o.objY) ? creatureRadius : 0;
    if (GroundAt(o.objX, o.objY)) return creatureRadius;
    const bool bouncer = o.objKind == KindBouncer;
    const double halfW = creatureRadius * (bouncer ? 0.96 + std::cos(4.0 * o.phase) / 17.0 : 1.0);
    const double halfH = creatureRadius * (bouncer ? o.squash : 1.0);
    const int cy = o.objY + 1;
    double deepest = 0;
    for (int dx = -static_cast<int>(halfW); dx <= static_cast<int>(halfW); ++dx) {
        const double across = static_cast<double>(dx) / halfW;
        const int bottom = cy + static_cast<int>(halfH * std::sqrt(std::max(0.0, 1.0 - across * across)));
        for (int y = cy + std::abs(dx); y <= bottom; ++y) {
            if (!GroundAt(o.objX + dx, y)) continue;
            const double down = static_cast<double>(y - cy) / halfH;
            const double reach = std::sqrt(across * across + down * down);
            if (reach > 0) deepest = std::max(deepest, std::hypot(dx, y - cy) * (1.0 / reach - 1.0));
            break;
        }
    }
    return static_cast<int>(deepest);
}

// Runs every object of the level with the game's update, all of them awake
// (the screen made wide enough to see every patrol) and the Vop far away, so
// nothing but their own rules moves them; notes creatures that sink into the
// ground, with their deepest place.
void SettleObjects(const LevelRecord& rec, Findings& f)
{
    const int keptW = screenWidth, keptH = screenHeight;
    currentLevel = rec;
    for (uint8_t& h : trailHot) h = 0;
    levelDone = 0;
    cameraX = cameraY = -1000000;
    screenWidth = screenHeight = 3000000;
    playerX = playerY = -1000000;
    const int count = LiveObjectCount(rec);
    std::vector<int> deepest(static_cast<size_t>(count), sinkAllowance);
    for (int tick = 0; tick <= settleTicks; ++tick) {
        for (int j = 0; j < count; ++j) {
            const LevelObject& o = currentLevel.objects[j];
            if (o.objState != ObjAlive || !IsCreature(o)) continue;
            const int depth = SinkDepth(o);
            if (depth <= deepest[static_cast<size_t>(j)]) continue;
            deepest[static_cast<size_t>(j)] = depth;
            const std::string item = std::to_string(j);
            f.inGround.insert(item);
            const std::string how =
                GroundAt(o.objX, o.objY) ? "centre in the ground" : "body " + std::to_string(depth) + " px deep";
            f.details[item] = how + " at " + std::to_string(o.objX) + "," + std::to_string(o.objY) +
                              (tick == 0 ? " from the start" : " after " + std::to_string(tick) + " ticks");
        }
        UpdateLevelObjects();
    }
    screenWidth = keptW;
    screenHeight = keptH;
}

void CheckSpacing(const LevelRecord& rec, Findings& f)
{
    const std::set<int> pack = PackSlots(rec.recordId);
    const int count = LiveObjectCount(rec);
    for (int a = 0; a < count; ++a)
        for (int b = a + 1; b < count; ++b) {
            const LevelObject& oa = rec.objects[a];
            const LevelObject& ob = rec.objects[b];
            if (oa.objState != ObjAlive || ob.objState != ObjAlive || !IsCreature(oa) || !IsCreature(ob)) continue;
            const auto pa = Stand(oa), pb = Stand(ob);
            const double d = std::hypot(pa.first - pb.first, pa.second - pb.second);
            if (d >= 2 * creatureRadius) continue;
            const bool share = SharePatrol(oa, ob);
            if (pack.count(a) && pack.count(b) && share) continue;
            f.tooClose.insert(Pair(a, b));
            if (share) f.sharingPatrol.insert(Pair(a, b));
            char text[96];
            std::snprintf(text, sizeof text, "%.0f px apart%s", d, share ? ", sharing their patrol" : "");
            f.details[Pair(a, b)] = text;
        }
}

void CheckGearTurns(const LevelRecord& rec, Findings& f)
{
    const int count = LiveObjectCount(rec);
    for (int j = 0; j < count; ++j) {
        const LevelObject& o = rec.objects[j];
        if (o.objState != ObjAlive || !IsGear(o) || (o.objVelY >= slowestTurn && o.objVelY <= fastestTurn)) continue;
        f.gearTurns.insert(std::to_string(j));
        char text[64];
        std::snprintf(text, sizeof text, "turns %.3f per tick", static_cast<double>(o.objVelY));
        f.details["turn " + std::to_string(j)] = text;
    }
}

void CheckGearMounts(const LevelRecord& rec, Findings& f)
{
    const int count = LiveObjectCount(rec);
    for (int j = 0; j < count; ++j) {
        const LevelObject& o = rec.objects[j];
        if (o.objState != ObjAlive || !IsGear(o)) continue;
        const int reach = GearRim(o) + mountReach;
        bool held = false;
        for (int dy = -reach; dy <= reach && !held; ++dy)
            for (int dx = -reach; dx <= reach && !held; ++dx)
                held = dx * dx + dy * dy <= reach * reach && GroundAt(o.objX + dx, o.objY + dy);
        if (held) continue;
        const std::string item = std::to_string(j);
        f.floatingGears.insert(item);
        // A gear meshing with another is still not held: say so, as a hint.
        std::string meshes;
        for (int k = 0; k < count; ++k) {
            const LevelObject& g = rec.objects[k];
            if (k == j || g.objState != ObjAlive || !IsGear(g)) continue;
            if (std::hypot(g.objX - o.objX, g.objY - o.objY) <= GearRim(g) + GearRim(o) + mountReach)
                meshes += (meshes.empty() ? ", meshes with gear " : " ") + std::to_string(k);
        }
        f.details["mount " + item] = "centre " + std::to_string(o.objX) + "," + std::to_string(o.objY) + meshes;
    }
}

// What the camera shows along one replay at one size.
struct RouteWatch {
    const LevelRecord* rec;
    std::vector<uint8_t> seen;       // within sight at some tick
    std::vector<uint8_t> seenAlive;  // within sight at some tick while alive
    std::vector<uint8_t> killedUnseen;
    std::vector<uint8_t> cells;  // 64-px cells of the world in sight
    int cols, rows;
};
constexpr int cellSize = 64;

bool InSight(int x, int y, int reach)
{
    return x + reach > cameraX && x - reach < cameraX + screenWidth && y + reach > cameraY &&
           y - reach < cameraY + screenHeight;
}

bool WatchTick(void* context, int)
{
    RouteWatch& w = *static_cast<RouteWatch*>(context);
    const int count = LiveObjectCount(*w.rec);
    for (int j = 0; j < count; ++j) {
        const LevelObject& o = currentLevel.objects[j];
        const size_t k = static_cast<size_t>(j);
        // Killed this tick (not popped by the goal) without ever having been
        // in sight alive: judged on the ticks before, when it still lived.
        if (o.objState == ObjPopping && IsCreature(o) && !levelDone && !w.seenAlive[k])
            w.killedUnseen[k] = 1;
        if (o.objState == ObjInactive) continue;
        const LevelObject& start = w.rec->objects[j];
        int x = o.objX, y = o.objY, reach = creatureRadius;
        if (IsGear(o)) reach = GearRim(o);
        if (o.objKind == KindCannon) x = start.homeX, y = start.homeY, reach = 100;  // the barrel
        const bool now = InSight(x, y, reach);
        if (now && o.objState == ObjAlive) w.seenAlive[k] = 1;
        if (now) w.seen[k] = 1;
    }
    for (int cy = std::max(0, cameraY / cellSize); cy < w.rows && cy * cellSize < cameraY + screenHeight; ++cy)
        for (int cx = std::max(0, cameraX / cellSize); cx < w.cols && cx * cellSize < cameraX + screenWidth; ++cx)
            w.cells[static_cast<size_t>(cy) * w.cols + cx] = 1;
    return true;
}

// The level's default replays: orderNN-recMM.txt and orderNN-recMM-TAG.txt.
std::vector<ReplayScript> DefaultReplays(const LevelRecord& rec)
{
    std::vector<ReplayScript> scripts;
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "order%02d-rec%02d", rec.playOrder, rec.recordId);
    if (DIR* dir = opendir("replays")) {
        std::vector<std::string> names;
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name.compare(0, std::strlen(prefix), prefix) == 0 && name.size() > 4 &&
                name.compare(name.size() - 4, 4, ".txt") == 0)
                names.push_back(name);
        }
        closedir(dir);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            ReplayScript script;
            std::string error;
            if (ReadReplayScript("replays/" + name, script, error)) scripts.push_back(script);
        }
    }
    return scripts;
}

void WatchRoute(const LevelRecord& rec, Findings& f)
{
    const int count = LiveObjectCount(rec);
    std::vector<uint8_t> cellsSeen;
    std::map<int, std::string> unseenAt, killedAt;
    for (const ReplayScript& script : DefaultReplays(rec))
        for (const ScreenSize& screen : script.screens) {
            RouteWatch w;
            w.rec = &rec;
            w.seen.assign(static_cast<size_t>(count), 0);
            w.seenAlive.assign(static_cast<size_t>(count), 0);
            w.killedUnseen.assign(static_cast<size_t>(count), 0);
            w.cols = rec.width / cellSize;
            w.rows = rec.height / cellSize;
            w.cells.assign(static_cast<size_t>(w.cols) * w.rows, 0);
            PlayReplay(script, 0, WatchTick, &w, FreshStartSeed(), screen);
            f.routePlayed = true;
            if (cellsSeen.empty()) cellsSeen.assign(w.cells.size(), 0);
            for (size_t c = 0; c < w.cells.size(); ++c) cellsSeen[c] |= w.cells[c];
            for (int j = 0; j < count; ++j) {
                const size_t k = static_cast<size_t>(j);
                if (rec.objects[j].objState == ObjAlive && !w.seen[k]) unseenAt[j] += " " + ScreenName(screen);
                if (w.killedUnseen[k]) killedAt[j] += " " + ScreenName(screen);
            }
        }
    size_t inSight = 0;
    for (uint8_t c : cellsSeen) inSight += c;
    f.worldSeen = cellsSeen.empty() ? 0 : static_cast<double>(inSight) / static_cast<double>(cellsSeen.size());
    for (const auto& u : unseenAt) {
        f.unseen.insert(std::to_string(u.first));
        f.details[std::to_string(u.first)] = "unseen at" + u.second;
    }
    for (const auto& k : killedAt) {
        f.killedUnseen.insert(std::to_string(k.first));
        f.details["killed " + std::to_string(k.first)] = "killed unseen at" + k.second;
    }
}

// What a rule needs computed, for every played level: the start (nothing
// loaded), the ground (the collision picture, and the objects run on it),
// the route (the default replay played). Each part runs once per process.
enum class Part { Start, Ground, Route };

const std::map<int, Findings>& FindingsWith(Part part)
{
    static std::map<int, Findings> all;
    static bool done[3] = {false, false, false};
    bool& partDone = done[static_cast<int>(part)];
    if (partDone) return all;
    partDone = true;
    PrepareReplayWorld();
    for (int r = 0; r < filledLevelRecords; ++r) {
        const LevelRecord& rec = levelTable[r];
        if (rec.playOrder == 0) continue;
        Findings& f = all[r];
        switch (part) {
        case Part::Start:
            CheckSpacing(rec, f);
            CheckGearTurns(rec, f);
            break;
        case Part::Ground:
            BeginReplayLevel(r, rec.requiredKind == 0 ? 1 : rec.requiredKind, 1);  // loads the collision picture
            CheckGearMounts(rec, f);
            SettleObjects(rec, f);
            break;
        case Part::Route: WatchRoute(rec, f); break;
        }
    }
    return all;
}

std::string Joined(const std::set<std::string>& items)
{
    std::vector<std::string> sorted(items.begin(), items.end());
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        const int na = std::stoi(a), nb = std::stoi(b);
        if (na != nb) return na < nb;
        const size_t da = a.find('-'), db = b.find('-');
        return (da == std::string::npos ? 0 : std::stoi(a.substr(da + 1))) <
               (db == std::string::npos ? 0 : std::stoi(b.substr(db + 1)));
    });
    std::string text;
    for (const std::string& s : sorted) text += (text.empty() ? "" : " ") + s;
    return text;
}

// Compares one rule's findings of every level with its table.
// The findings also go to artifacts/proof/creatures-<file>.tsv for the
// proof report.
template <size_t N>
void CompareWithTable(Part part, const char* rule, const char* file, std::set<std::string> Findings::*items,
                      const Row (&table)[N], const char* detailPrefix = "")
{
    std::map<int, std::set<std::string>> listed;
    for (const Row& row : table)
        if (row.record >= 0) listed[row.record] = Items(row.items);
    mkdir("artifacts", 0755);
    mkdir("artifacts/proof", 0755);
    std::ofstream out(std::string("artifacts/proof/creatures-") + file + ".tsv");
    out << "# record\tplay order\t" << rule << "\n";
    for (const auto& level : FindingsWith(part)) {
        out << level.first << '\t' << levelTable[level.first].playOrder << '\t' << Joined(level.second.*items) << '\n';
        const int r = level.first;
        const std::set<std::string>& found = level.second.*items;
        const std::set<std::string>& known = listed[r];
        std::string news, fixed;
        for (const std::string& s : found)
            if (!known.count(s)) {
                const auto d = level.second.details.find(detailPrefix + s);
                news += " " + s + (d != level.second.details.end() ? " (" + d->second + ")" : "");
            }
        for (const std::string& s : known)
            if (!found.count(s)) fixed += " " + s;
        EXPECT_TRUE(news.empty() && fixed.empty())
            << "record " << r << " (play order " << levelTable[r].playOrder << "), " << rule << ":"
            << (news.empty() ? "" : "\n  new:" + news) << (fixed.empty() ? "" : "\n  mended, take out of the table:" + fixed)
            << "\n  row: {" << r << ", \"" << Joined(found) << "\"},";
    }
}

TEST(CreaturePlacement, NoCreatureSinksIntoTheGround)
{
    CompareWithTable(Part::Ground, "creatures in the ground", "ground", &Findings::inGround, knownInGround);
}

TEST(CreaturePlacement, CreaturesStandTwoRadiiApartUnlessTheyShareAPatrol)
{
    CompareWithTable(Part::Start, "creatures under two radii apart", "spacing", &Findings::tooClose, knownTooClose);
    std::ofstream out("artifacts/proof/creatures-spacing-shared.tsv");
    out << "# record\tplay order\tclose pairs that share their patrol\n";
    for (const auto& level : FindingsWith(Part::Start))
        out << level.first << '\t' << levelTable[level.first].playOrder << '\t' << Joined(level.second.sharingPatrol) << '\n';
}

TEST(CreaturePlacement, DesignedPacksReallyShareTheirPatrol)
{
    PrepareReplayWorld();
    for (const Pack& p : designedPacks) {
        if (p.record < 0) continue;
        const std::set<std::string> slots = Items(p.slots);
        ASSERT_GE(slots.size(), 2u) << "record " << p.record;
        const LevelObject& first = levelTable[p.record].objects[std::stoi(*slots.begin())];
        for (const std::string& s : slots)
            EXPECT_TRUE(SharePatrol(first, levelTable[p.record].objects[std::stoi(s)]))
                << "record " << p.record << " slot " << s << " does not share the pack's patrol";
    }
}

TEST(CreaturePlacement, EveryObjectComesWithinSightOfTheRoute)
{
    for (const auto& level : FindingsWith(Part::Route))
        EXPECT_TRUE(level.second.routePlayed) << "record " << level.first << " has no default replay to follow";
    CompareWithTable(Part::Route, "objects never within sight of the route", "route", &Findings::unseen, knownUnseen);
    std::ofstream out("artifacts/proof/creatures-world-seen.tsv");
    out << "# record\tplay order\tpercent of the world within sight of the route\n";
    for (const auto& level : FindingsWith(Part::Route))
        out << level.first << '\t' << levelTable[level.first].playOrder << '\t'
            << static_cast<int>(std::lround(100 * level.second.worldSeen)) << '\n';
}

TEST(CreaturePlacement, NoCreatureDiesBeforeThePlayerHasSeenItAlive)
{
    CompareWithTable(Part::Route, "creatures killed before they were in sight alive", "killed-unseen",
                     &Findings::killedUnseen, knownKilledUnseen, "killed ");
}

TEST(CreaturePlacement, EveryGearIsHeldAtItsRim)
{
    CompareWithTable(Part::Ground, "gears with nothing at their rim", "gear-mounts", &Findings::floatingGears,
                     knownFloatingGears, "mount ");
}

TEST(CreaturePlacement, EveryGearTurnsAtAnAllowedSpeed)
{
    CompareWithTable(Part::Start, "gears turning outside 0.017 to 0.06 per tick", "gear-turns", &Findings::gearTurns,
                     knownGearTurns, "turn ");
}

}  // namespace
