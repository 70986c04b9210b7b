// fv_replaysearch: finds an input script that plays a level from its start to
// its goal, by greedy search with look-ahead over the real simulation. Each
// decision forks the process once per candidate input (the simulation is all
// global state, so a fork is an exact snapshot), lets the child play the
// candidate and a simple continuation, and keeps the best-scoring candidate.
//
//   fv_replaysearch --record 7 [--kind 1] [--difficulty 1] [--out FILE]
//                   [--prefix FILE] [--max-ticks N] [--step N] [--look N]
//                   [--until-x X] [--stall N] [--hunt R|L [--hunt-pops N]]
//                   [--seeds LIST] [--screen WxH]
//
// A candidate counts as passing only when it passes from every seed of the
// level's seed set (the fresh game start and seven more, or three more at
// difficulty 3): the same inputs kill the same objects from every seed, so
// each candidate is scored with the lowest kill score among them. The found
// script is played once more from every seed before it is written.
//
// With --until-x the travel gives up after --stall ticks (default 900)
// without getting nearer that x, so an unreachable target ends instead of
// idling; a search for the goal gives up only when --stall is given.
//
// The found script is plain input (replays/ format); the search only chooses
// which keys to hold.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "gameplay/LevelAttempt.h"
#include "gameplay/VopPhysics.h"
#include "shared/LevelRecord.h"
#include "tools/replaysearch/CommaList.h"
#include "tools/replaysearch/ReplayJobs.h"
#include "tools/replaysearch/ReplayRun.h"
#include "tools/replaysearch/ReplayTravel.h"

namespace {

// A candidate: "RJ" holds those keys for one decision step; "A:40,L:12"
// holds A for 40 ticks and then L for 12 (a longer manoeuvre).
std::vector<std::pair<std::string, int>> Macro(const std::string& c, int step)
{
    std::vector<std::pair<std::string, int>> parts;
    for (const std::string& part : CommaSeparatedWords(c)) {
        const size_t colon = part.find(':');
        if (colon == std::string::npos) parts.push_back({part, step});
        else parts.push_back({part.substr(0, colon), std::atoi(part.c_str() + colon + 1)});
    }
    return parts;
}

ReplayStep Keys(const char* k)
{
    ReplayStep s;
    s.ticks = 1;
    for (; *k; ++k) {
        if (*k == 'R') s.right = 1;
        if (*k == 'L') s.left = 1;
        if (*k == 'J') s.jump = 1;
        if (*k == 'A') s.attack = 1;
    }
    return s;
}

struct Settings {
    int record = -1, kind = 1, difficulty = 1;
    int step = 4, look = 90, maxTicks = 12000;
    double killWeight = 60;
    double enemyPull = 0.5;
    double dangerWeight = 0.5;
    bool attack = true;
    int targetX = -1;  // --until-x: travel toward this x instead of the goal
    std::vector<ReplaySeed> seeds;  // the candidate must pass from each
    ScreenSize screen;              // the size the camera and objects see
};

int AliveEnemies()
{
    int alive = 0;
    for (int j = 0; j < LiveObjectCount(currentLevel); ++j) {
        const LevelObject& o = currentLevel.objects[j];
        if (o.objState == ObjAlive && (o.objKind == KindWalker || o.objKind == KindBouncer)) ++alive;
    }
    return alive;
}

double Evaluate(const Settings& cfg, int tick, double threshold)
{
    const LevelRecord& rec = levelTable[cfg.record];
    ReplayResult r = CurrentReplayResult(cfg.record, tick);
    if (r.died) return -1e9 + tick;
    // Scored by the seed that gives the fewest points.
    int lowest = 0;
    const bool passesFromAll = PassesFromAll(cfg.record, cfg.seeds, &lowest);
    if (r.finished) return r.passed && passesFromAll ? 1e8 + lowest * 1000.0 - tick : -1e8 + lowest * 1000.0;
    const int lowestKills = rec.sprintLevel ? 0 : lowest - timeBonus;
    // A travel to an x past the goal (or back toward it) is scored along x only.
    const double dx = playerX - (cfg.targetX >= 0 ? cfg.targetX : rec.goalX);
    const double dy = cfg.targetX >= 0 ? 0.0 : playerY - (rec.goalY - 60);
    double score = -std::sqrt(dx * dx + dy * dy);
    const bool needKills = rec.bossLevel || (!rec.sprintLevel && lowest < threshold);
    if (needKills) {
        score += cfg.killWeight * lowestKills;
        // Draw the Vop toward the nearest enemy still alive.
        double nearest = 1e9;
        for (int j = 0; j < LiveObjectCount(currentLevel); ++j) {
            const LevelObject& o = currentLevel.objects[j];
            if (o.objState != ObjAlive || (o.objKind != KindWalker && o.objKind != KindBouncer)) continue;
            nearest = std::min(nearest, std::hypot(double(o.objX - playerX), double(o.objY - playerY)));
        }
        if (nearest < 1e9) score -= cfg.enemyPull * nearest;
    }
    if (rec.bossLevel) score -= AliveEnemies() * 400.0;
    score -= cfg.dangerWeight * dangerMeter;
    return score;
}

// What the command line asks for.
struct Options {
    Settings cfg;
    int untilX = -1, stallTicks = -1, huntPops = 1;
    std::string out, prefix, hunt, seedList, screenText, trace;
};

Options ReadOptions(int argc, char** argv)
{
    Options o;
    Settings& cfg = o.cfg;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        const int v = std::atoi(argv[i + 1]);
        if (a == "--record") cfg.record = v;
        else if (a == "--seeds") o.seedList = argv[i + 1];
        else if (a == "--screen") o.screenText = argv[i + 1];
        else if (a == "--kind") cfg.kind = v;
        else if (a == "--difficulty") cfg.difficulty = v;
        else if (a == "--out") o.out = argv[i + 1];
        else if (a == "--prefix") o.prefix = argv[i + 1];
        else if (a == "--hunt") o.hunt = argv[i + 1];
        else if (a == "--until-x") o.untilX = v;
        else if (a == "--stall") o.stallTicks = v;
        else if (a == "--hunt-pops") o.huntPops = v;
        else if (a == "--max-ticks") cfg.maxTicks = v;
        else if (a == "--step") cfg.step = v;
        else if (a == "--look") cfg.look = v;
        else if (a == "--kill-weight") cfg.killWeight = v;
        else if (a == "--enemy-pull") cfg.enemyPull = std::atof(argv[i + 1]);
        else if (a == "--danger-weight") cfg.dangerWeight = std::atof(argv[i + 1]);
        else if (a == "--no-attack") cfg.attack = v == 0;
    }
    // --trace may stand anywhere, also where the pairs above do not look.
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--trace" && o.trace.empty()) o.trace = argv[i + 1];
    return o;
}

void PrintUsage()
{
    std::fputs("usage: fv_replaysearch --record N [--kind K] [--difficulty D] [--out FILE] [options]\n"
               "       fv_replaysearch --trace FILE\n"
               "Run from the project root after a build (it plays the levels in data/).\n"
               "  --prefix FILE     continue from the end of this script\n"
               "  --until-x X       stop the travel at x (gives up after --stall ticks)\n"
               "  --stall N         give up after N ticks without getting nearer the target\n"
               "  --hunt R|L        time one ambush: roll in, wait, heat, back off\n"
               "  --hunt-pops N     the ambush must pop at least N enemies (default 1)\n"
               "  --no-attack 1     travel without heating\n"
               "  --max-ticks N, --step N, --look N, --kill-weight W, --enemy-pull P,\n"
               "  --danger-weight W tune the greedy search\n"
               "  --seeds LIST      seeds a candidate must pass from: a comma-separated list\n"
               "                    of fresh, numbers, default (fresh and seven more) and hard\n"
               "                    (fresh and three more); by default the level's own set,\n"
               "                    hard at difficulty 3\n"
               "  --screen WxH      the screen size the camera and objects see (default\n"
               "                    1920x1080, the game's default; with --trace, the script's\n"
               "                    first size)\n"
               "  --trace FILE      play a script, printing the Vop, enemies and cannons every\n"
               "                    10 ticks and each pop and contact\n",
               stderr);
}

// One trace line: the Vop and the enemies within 700 px (w walker, b
// bouncer, d dropper, c cannon, its ball's place once fired marked *).
void PrintTraceSample(int tick)
{
    std::fprintf(stderr, "%5d vop %5d %5d d%3.0f k%d |", tick, playerX, playerY, dangerMeter, killScore);
    for (int j = 0; j < LiveObjectCount(currentLevel); ++j) {
        const LevelObject& o = currentLevel.objects[j];
        const bool cannon = o.objKind == KindCannon;
        if (o.objState != ObjAlive || (o.objKind > KindCeilingDropper && !cannon) || std::abs(o.objX - playerX) >= 700)
            continue;
        const char kind = cannon ? 'c' : o.objKind == KindWalker ? 'w' : o.objKind == KindBouncer ? 'b' : 'd';
        std::fprintf(stderr, " %c%d:%d,%d", kind, j, o.objX, o.objY);
        if (cannon)
            std::fprintf(stderr, "%s", o.fired ? "*" : "");
        else
            std::fprintf(stderr, " h%.0f v%.1f", o.heat, o.objVelX);
    }
    std::fprintf(stderr, "\n");
}

// --trace: plays a script and prints the Vop and the enemies every 10 ticks.
int RunTrace(const std::string& path, const std::string& screenText)
{
    ReplayScript t;
    std::string error;
    if (!ReadReplayScript(path, t, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    int tick = 0, lastKill = 0;
    float lastDanger = 0;
    ScreenSize traceScreen = t.screens.empty() ? ScreenSize{} : t.screens[0];
    if (!screenText.empty() && !ParseScreenSize(screenText, traceScreen)) {
        std::fprintf(stderr, "fv_replaysearch: \"%s\" is not a screen size WxH\n", screenText.c_str());
        return 2;
    }
    BeginReplayLevel(t.record, t.kind, t.difficulty, ReplaySeed{}, traceScreen);
    int lastAlive = AliveEnemies();
    for (const ReplayStep& s : t.steps)
        for (int k = 0; k < s.ticks && !ReplayLevelOver(); ++k) {
            StepReplayTick(s);
            ++tick;
            // Pops and contact as they happen, between the samples. Pops
            // are counted, not scored: boss and sprint levels score none.
            const int alive = AliveEnemies();
            if (alive < lastAlive || killScore != lastKill)
                std::fprintf(stderr, "%5d   pop: %d left, kill score %d -> %d\n", tick, alive, lastKill, killScore);
            lastAlive = alive;
            // Contact, not the steady rise of some levels nor the goal's own mark.
            if (dangerMeter > lastDanger + 3.0f && !ReplayLevelOver())
                std::fprintf(stderr, "%5d   danger %.0f -> %.0f at vop %d %d\n", tick, lastDanger, dangerMeter,
                             playerX, playerY);
            lastKill = killScore;
            lastDanger = dangerMeter;
            if (tick % 10 == 0 || getenv("FV_TRACE_ALL")) PrintTraceSample(tick);
        }
    const ReplayResult r = CurrentReplayResult(t.record, tick);
    std::fprintf(stderr, "%s after %d ticks, score %d alive %d danger %.0f\n", r.finished ? "finished" : r.died ? "died" : "stopped", tick, r.score, AliveEnemies(), dangerMeter);
    return 0;
}

// The seeds and the screen size the options name; false (with the message
// printed) for a list or a size that does not read.
bool SettleSeedsAndScreen(Options& o)
{
    o.cfg.seeds = RequiredReplaySeeds(o.cfg.difficulty);
    if (!o.seedList.empty()) {
        std::string error;
        if (!ParseSeedList(o.seedList, o.cfg.seeds, error)) {
            std::fprintf(stderr, "fv_replaysearch: %s\n", error.c_str());
            return false;
        }
    }
    if (!o.screenText.empty() && !ParseScreenSize(o.screenText, o.cfg.screen)) {
        std::fprintf(stderr, "fv_replaysearch: \"%s\" is not a screen size WxH\n", o.screenText.c_str());
        return false;
    }
    return true;
}

// --prefix: plays the script's steps and keeps them, tick by tick.
bool PlayPrefix(const std::string& prefix, ReplayScript& script, int& tick)
{
    ReplayScript p;
    std::string error;
    if (!ReadReplayScript(prefix, p, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    for (const ReplayStep& s : p.steps)
        for (int t = 0; t < s.ticks && !ReplayLevelOver(); ++t) {
            StepReplayTick(s);
            ++tick;
            ReplayStep one = s;
            one.ticks = 1;
            script.steps.push_back(one);
        }
    return true;
}

// One ambush of the hunt: approach (hold the hunt key for r ticks), wait w
// ticks, heat the trail for a ticks, go on or back off for b, and wait.
struct Ambush {
    int r, w, a, b;
    bool forward;
};

std::string AmbushMacro(const Ambush& t, const std::string& hunt)
{
    const std::string back = hunt == "R" ? "L" : "R";
    return hunt + ":" + std::to_string(t.r) + ",-:" + std::to_string(t.w) + ",A:" + std::to_string(t.a) + "," +
           (t.forward ? hunt : back) + ":" + std::to_string(t.b) + ",-:60";
}

// The first ambush of tries[begin, end) (each played in a child process)
// that pops enough enemies without a death or a hot Vop, or -1. -2 when a
// child could not be started.
int FirstWorkingAmbush(const std::vector<Ambush>& tries, size_t begin, size_t end, const Options& o,
                       int startAlive)
{
    std::vector<int> pipes;
    std::vector<pid_t> kids;
    for (size_t i = begin; i < end; ++i) {
        int fd[2];
        if (pipe(fd) != 0) return -2;
        const pid_t pid = fork();
        if (pid == 0) {
            close(fd[0]);
            int ok = 0;
            for (const auto& part : Macro(AmbushMacro(tries[i], o.hunt), 1))
                for (int k = 0; k < part.second && !ReplayLevelOver(); ++k) StepReplayTick(Keys(part.first.c_str()));
            ok = !ReplayLevelOver() && AliveEnemies() <= startAlive - o.huntPops && dangerMeter < 120;
            if (write(fd[1], &ok, sizeof ok) != sizeof ok) _exit(1);
            _exit(0);
        }
        close(fd[1]);
        pipes.push_back(fd[0]);
        kids.push_back(pid);
    }
    int found = -1;
    for (size_t k = 0; k < pipes.size(); ++k) {
        int ok = 0;
        if (read(pipes[k], &ok, sizeof ok) != sizeof ok) ok = 0;
        close(pipes[k]);
        waitpid(kids[k], nullptr, 0);
        if (ok && found < 0) found = static_cast<int>(begin + k);
    }
    return found;
}

// --hunt: pops enemies (at least --hunt-pops) by the quickest ambush that
// does it without a death, and keeps its steps. 0 when found, else the
// exit code.
int Hunt(Options& o, ReplayScript& script, int& tick)
{
    std::vector<Ambush> tries;
    for (int total = 0; total <= 600; total += 4)
        for (int r = 0; r <= std::min(total, 160); r += 4)
            for (int a : {30, 45})
                for (int b : {16, 26})
                    for (bool f : {false, true}) tries.push_back({r, total - r, a, b, f});
    const int startAlive = AliveEnemies();
    const size_t batch = 128;
    int found = -1;
    for (size_t b = 0; b < tries.size() && found < 0; b += batch) {
        found = FirstWorkingAmbush(tries, b, std::min(tries.size(), b + batch), o, startAlive);
        if (found == -2) return 1;
    }
    if (found < 0) {
        std::fprintf(stderr, "hunt: no ambush pops %d enem%s\n", o.huntPops, o.huntPops == 1 ? "y" : "ies");
        return 1;
    }
    const std::string m = AmbushMacro(tries[found], o.hunt);
    std::fprintf(stderr, "hunt: %s\n", m.c_str());
    for (const auto& part : Macro(m, 1))
        for (int k = 0; k < part.second; ++k) {
            ReplayStep one = Keys(part.first.c_str());
            StepReplayTick(one);
            ++tick;
            script.steps.push_back(one);
        }
    o.cfg.maxTicks = 0;  // the hunt alone
    return 0;
}

// Continuations after a candidate: toward the target, with and without jumps.
constexpr int continuations = 3;

// Scores every candidate with each continuation, each in a child process,
// and returns the best candidate and its score; false when a child could
// not be started.
bool ChooseCandidate(const Settings& cfg, const std::vector<std::string>& candidates, int tick, int dir,
                     double threshold, size_t* bestCand, double* best)
{
    const size_t n = candidates.size() * continuations;
    std::vector<int> pipes(n);
    std::vector<pid_t> kids(n);
    for (size_t c = 0; c < n; ++c) {
        int fd[2];
        if (pipe(fd) != 0) return false;
        const pid_t pid = fork();
        if (pid == 0) {
            close(fd[0]);
            const int cont = static_cast<int>(c % continuations);
            int t = tick;
            for (const auto& part : Macro(candidates[c / continuations], cfg.step))
                for (int k = 0; k < part.second && !ReplayLevelOver(); ++k, ++t) StepReplayTick(Keys(part.first.c_str()));
            for (int k = 0; k < cfg.look && !ReplayLevelOver(); ++k, ++t) {
                ReplayStep s{};
                s.ticks = 1;
                (dir > 0 ? s.right : s.left) = 1;
                if (cont == 1) s.jump = (k % 24) < 12;
                if (cont == 2) s.jump = (k % 40) < 20, s.attack = cfg.attack;
                StepReplayTick(s);
            }
            const double v = Evaluate(cfg, t, threshold);
            if (write(fd[1], &v, sizeof v) != sizeof v) _exit(1);
            _exit(0);
        }
        close(fd[1]);
        pipes[c] = fd[0];
        kids[c] = pid;
    }
    *best = -1e300;
    *bestCand = 0;
    for (size_t c = 0; c < n; ++c) {
        double v = -1e300;
        if (read(pipes[c], &v, sizeof v) != sizeof v) v = -1e300;
        close(pipes[c]);
        waitpid(kids[c], nullptr, 0);
        if (v > *best) *best = v, *bestCand = c / continuations;
    }
    return true;
}

// The greedy travel toward the goal (or --until-x): one candidate chosen
// and kept per decision until the level ends, the target is reached, the
// ticks run out or the travel stalls. False when a child could not be
// started.
bool Travel(Options& o, ReplayScript& script, int& tick)
{
    const Settings& cfg = o.cfg;
    const double threshold = levelTable[cfg.record].thresholdPoints;
    std::vector<std::string> candidates = {"R", "RJ", "L", "LJ", "-", "J", "-:20"};
    if (cfg.attack) {
        for (const char* k : {"RA", "RJA", "LA", "LJA", "A", "A:30", "A:40,L:14", "A:40,R:14", "A:30,J:2,-:10",
                              "A:20,LJ:2,L:10", "A:20,RJ:2,R:10", "A:40,L:20,-:40", "A:40,R:20,-:40", "-:40"})
            candidates.push_back(k);
    }
    if (o.stallTicks < 0 && o.untilX >= 0) o.stallTicks = 900;
    const int target = o.untilX >= 0 ? o.untilX : levelTable[cfg.record].goalX;
    const int travel = TravelDirection(playerX, target);
    o.cfg.targetX = o.untilX;
    int nearest = std::abs(playerX - target), nearestTick = tick;
    while (!ReplayLevelOver() && tick < cfg.maxTicks) {
        if (o.untilX >= 0 && ReachedTravelTarget(travel, o.untilX, playerX))
            break;
        if (std::abs(playerX - target) < nearest) nearest = std::abs(playerX - target), nearestTick = tick;
        if (o.stallTicks >= 0 && tick - nearestTick > o.stallTicks) {
            std::fprintf(stderr, "no progress toward x %d for %d ticks: giving up at (%d, %d)\n", target, o.stallTicks,
                         playerX, playerY);
            break;
        }
        // The continuations head for the target, overshot or not.
        const int dir = TravelDirection(playerX, target);
        double best = 0;
        size_t bestCand = 0;
        if (!ChooseCandidate(cfg, candidates, tick, dir, threshold, &bestCand, &best)) return false;
        for (const auto& part : Macro(candidates[bestCand], cfg.step)) {
            const ReplayStep chosen = Keys(part.first.c_str());
            for (int k = 0; k < part.second && !ReplayLevelOver(); ++k) {
                StepReplayTick(chosen);
                ++tick;
                script.steps.push_back(chosen);
            }
        }
        if (tick % 200 < cfg.step)
            std::fprintf(stderr, "tick %d at (%d, %d) danger %.0f kills %d best %.0f [%s]\n", tick, playerX, playerY,
                         dangerMeter, killScore, best, candidates[bestCand].c_str());
    }
    return true;
}

// The proof: a script that reaches the goal, played afresh from every seed.
// True when it passes from all of them.
bool ProveFromEverySeed(const Settings& cfg, const ReplayScript& script, const ReplayResult& r)
{
    std::vector<ReplayJob> jobs;
    if (r.finished)
        for (const ReplaySeed& seed : cfg.seeds) {
            ReplayJob job;
            job.script = script;
            job.seed = seed;
            job.screen = cfg.screen;
            job.idleTicks = 120;
            jobs.push_back(job);
        }
    std::vector<ReplayResult> proofs;
    int passedFrom = 0;
    if (!PlayReplaysInParallel(jobs, 8, proofs)) std::fprintf(stderr, "could not play the script from every seed\n");
    for (size_t i = 0; i < proofs.size(); ++i) {
        passedFrom += proofs[i].passed;
        std::fprintf(stderr, "  from seed %-10s %s, score %d of %d\n", SeedName(cfg.seeds[i]).c_str(),
                     proofs[i].passed ? "passed" : proofs[i].finished ? "short" : proofs[i].died ? "died" : "unfinished",
                     proofs[i].score, levelTable[cfg.record].thresholdPoints);
    }
    if (r.finished) std::fprintf(stderr, "passes from %d of %zu seeds\n", passedFrom, cfg.seeds.size());
    return passedFrom == static_cast<int>(cfg.seeds.size());
}

}  // namespace

int main(int argc, char** argv)
{
    Options o = ReadOptions(argc, argv);
    if (!o.trace.empty()) return RunTrace(o.trace, o.screenText);
    Settings& cfg = o.cfg;
    if (cfg.record < 0 || cfg.record > 45) {
        PrintUsage();
        return 2;
    }
    if (!SettleSeedsAndScreen(o)) return 2;
    ReplayScript script;
    script.record = cfg.record;
    script.kind = cfg.kind;
    script.difficulty = cfg.difficulty;
    script.screens = {cfg.screen};
    BeginReplayLevel(cfg.record, cfg.kind, cfg.difficulty, ReplaySeed{}, cfg.screen);
    int tick = 0;
    if (!o.prefix.empty() && !PlayPrefix(o.prefix, script, tick)) return 1;
    if (!o.hunt.empty()) {
        const int failed = Hunt(o, script, tick);
        if (failed) return failed;
    }
    if (!Travel(o, script, tick)) return 1;
    const ReplayResult r = CurrentReplayResult(cfg.record, tick);
    std::fprintf(stderr, "record %d: %s after %d ticks, score %d, %s\n", cfg.record,
                 r.finished ? "finished" : r.died ? "died" : "stopped", r.ticks, r.score,
                 r.passed ? "passed" : "not passed");
    const bool provedAll = ProveFromEverySeed(cfg, script, r);
    const std::string text = FormatReplayScript(script);
    if (!o.out.empty()) {
        std::ofstream f(o.out);
        f << "# Found by fv_replaysearch; plays record " << cfg.record << " from its start to its goal.\n" << text;
    } else {
        std::fputs(text.c_str(), stdout);
    }
    return ((r.passed && provedAll) || !o.hunt.empty() || o.untilX >= 0) ? 0 : 1;
}
