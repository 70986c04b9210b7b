// fv_replay: plays one level headless, tick by tick, from a script of action
// flags, with the same gameplay sequence as the game's in-game update, and
// prints the outcome and a hash of the simulation state.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/InputActions.h"
#include "engine/Settings.h"
#include "game/LevelTable.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/DangerMeter.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/LevelTick.h"
#include "gameplay/SimRandom.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"
#include "tools/replaysearch/ReplayRun.h"
#include "tools/replaysearch/ReplaySeeds.h"

namespace {

const char* usageText =
    "Usage: fv_replay --script FILE [--record N --kind K --difficulty D] [options]\n"
    "\n"
    "Plays level record N (0-45) headless with Vop kind K (1 beginner, 2 spike,\n"
    "3 air, 4 rock, 5 angry, 6 elite) at difficulty D (1-3), feeding the actions\n"
    "of the script tick by tick, and prints whether the goal was reached, the\n"
    "tick count, kill score, time bonus, total, pass, deaths and a hash of the\n"
    "simulation state. The same inputs always give the same hash.\n"
    "\n"
    "Options:\n"
    "  --coll PATH        collision picture to play on instead of the record's\n"
    "                     (the record's file in data/ is used when present)\n"
    "  --fresh            start the level from the random state of a fresh game\n"
    "                     start, as the game's first level of a run (default)\n"
    "  --seed S           start it from the random state S instead (0-4294967295,\n"
    "                     or \"fresh\")\n"
    "  --seeds LIST       play the script once from each seed of a comma-separated\n"
    "                     list of \"fresh\", numbers, \"default\" (the fresh start\n"
    "                     and the seven seeds every replay must pass from) and\n"
    "                     \"hard\" (the fresh start and the first three), print a\n"
    "                     line per seed, and exit 1 unless every one passed\n"
    "  --screen WxH       screen size the camera and objects see (default 1024x768,\n"
    "                     the size the level replays are made at)\n"
    "  --checkpoints 0|1  checkpoints option (default 1)\n"
    "  --shader 0|1       shader option, which changes the colour hold (default 1)\n"
    "  --until-left       keep playing without input after the script ends until\n"
    "                     the level is left (at most 20000 more ticks)\n"
    "  --trace            print the Vop's position and state every tick\n"
    "\n"
    "Script: one line per stretch of ticks, \"<ticks> <flags>\", where flags is\n"
    "a run of letters held for that many ticks, or \"-\" for none:\n"
    "  L left, R right, J jump, U up (also jumps), D down, A attack,\n"
    "  B back (leave the level), X restart from the level's start.\n"
    "Blank lines and text after '#' are ignored. A script may start with the\n"
    "lines \"record N\", \"kind K\" and \"difficulty D\" (as the level replays in\n"
    "replays/ do); the command line overrides them. Example:\n"
    "  # run right, jump the first gap, attack the walkers\n"
    "  90 R\n"
    "  1  RJ\n"
    "  200 RA\n"
    "\n"
    "Report: \"ticks\" counts the ticks until the goal was reached (all simulated\n"
    "ticks when it was not); kill score, time bonus, total and pass are those of\n"
    "the goal's tick; \"deaths\" counts every death; the hash covers the Vop, the\n"
    "scores and the camera of every tick and the objects, trail, colour and\n"
    "random sequence at the end. The random state decides the objects' kill\n"
    "points; \"kills\" counts the enemies the trail popped, worth 8 to 12 points\n"
    "each from one seed or another. Exit status 2 for bad arguments or scripts.\n"
    "\n"
    "The simulation runs the game's in-game order each tick: flash decay, the\n"
    "gameplay tick (physics, camera, end sequence, objects, danger and goal,\n"
    "boss test, trail, colour, phases, blink), the bars' transition (a death or\n"
    "the restart key restarts the level when the bars have closed), the end\n"
    "screen, back and restart keys, and the time countdown. It stops when the\n"
    "level is left or the script ends.\n";

struct ScriptStep {
    int ticks;
    ActionFlags flags;
};

bool ParseFlags(const char* text, ActionFlags& f, int line)
{
    f = ActionFlags{};
    if (std::strcmp(text, "-") == 0) return true;
    for (const char* c = text; *c; ++c) {
        switch (*c) {
        case 'L': f.actionLeft = 1; break;
        case 'R': f.actionRight = 1; break;
        case 'J': f.actionJump = 1; break;
        case 'U': f.actionUp = 1; break;
        case 'D': f.actionDown = 1; break;
        case 'A': f.actionAttack = 1; break;
        case 'B': f.actionBack = 1; break;
        case 'X': f.actionRestart = 1; break;
        default:
            std::fprintf(stderr, "fv_replay: script line %d: unknown flag '%c'\n", line, *c);
            return false;
        }
    }
    return true;
}

struct ScriptHeader {
    int record = -1, kind = -1, difficulty = -1;
};

// "record N", "kind K" or "difficulty D": true when the line is one of them.
bool ParseHeaderLine(const char* line, ScriptHeader& header)
{
    char word[16] = "";
    long value = 0;
    if (std::sscanf(line, "%15s %ld", word, &value) != 2) return false;
    if (std::strcmp(word, "record") == 0) header.record = static_cast<int>(value);
    else if (std::strcmp(word, "kind") == 0) header.kind = static_cast<int>(value);
    else if (std::strcmp(word, "difficulty") == 0) header.difficulty = static_cast<int>(value);
    else return false;
    return true;
}

bool ReadScript(const char* path, std::vector<ScriptStep>& steps, ScriptHeader& header)
{
    FILE* f = std::fopen(path, "r");
    if (f == nullptr) {
        std::fprintf(stderr, "fv_replay: cannot read the script \"%s\": %s\n", path, std::strerror(errno));
        return false;
    }
    char line[512];
    int number = 0;
    bool ok = true;
    while (ok && std::fgets(line, sizeof line, f) != nullptr) {
        ++number;
        if (std::strchr(line, '\n') == nullptr && !std::feof(f)) {
            // Longer than the buffer: the rest of the line is a comment when
            // a '#' came already, else the line cannot be a step.
            const bool comment = std::strchr(line, '#') != nullptr;
            int c;
            while ((c = std::fgetc(f)) != EOF && c != '\n') {
            }
            if (!comment) {
                std::fprintf(stderr, "fv_replay: script line %d is longer than %zu characters\n", number,
                             sizeof line - 2);
                ok = false;
                break;
            }
        }
        if (char* hash = std::strchr(line, '#')) *hash = '\0';
        char flags[256] = "";
        long ticks = 0;
        char extra[8];
        const int got = std::sscanf(line, "%ld %255s %7s", &ticks, flags, extra);
        if (got < 0) continue;  // blank or comment
        if (got == 0 && ParseHeaderLine(line, header)) continue;
        if (got != 2 || ticks < 0 || ticks > 10000000) {
            std::fprintf(stderr, "fv_replay: script line %d: expected \"<ticks> <flags>\"\n", number);
            ok = false;
            break;
        }
        ScriptStep step;
        step.ticks = static_cast<int>(ticks);
        if (!ParseFlags(flags, step.flags, number)) ok = false;
        steps.push_back(step);
    }
    std::fclose(f);
    return ok;
}

bool ParseInt(const char* text, long lo, long hi, int& out)
{
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

// FNV-1a over the simulation state.
struct StateHash {
    uint64_t value = 1469598103934665603ull;
    void Bytes(const void* data, size_t n)
    {
        const unsigned char* p = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < n; ++i) {
            value ^= p[i];
            value *= 1099511628211ull;
        }
    }
    void Int(int32_t v) { Bytes(&v, sizeof v); }
    void Float(float v) { Bytes(&v, sizeof v); }
};

void HashTick(StateHash& h)
{
    h.Int(playerX);
    h.Int(playerY);
    h.Float(velX);
    h.Float(velY);
    h.Float(dangerMeter);
    h.Int(endState);
    h.Int(levelDone);
    h.Int(killScore);
    h.Int(timeBonus);
    h.Int(cameraX);
    h.Int(cameraY);
}

void HashLevel(StateHash& h)
{
    const int count = LiveObjectCount(currentLevel);
    for (int j = 0; j < count; ++j) {
        const LevelObject& o = currentLevel.objects[j];
        h.Int(o.objX);
        h.Int(o.objY);
        h.Int(o.objState);
        h.Float(o.objVelX);
        h.Float(o.objVelY);
        h.Float(o.heat);
        h.Float(o.angle);
        h.Float(o.sweepPercent);
        h.Float(o.rise);
        h.Int(o.triggerX);
        h.Int(o.killPoints);
    }
    for (int e = 0; e < trailEntries; ++e) {
        h.Float(trailX[e]);
        h.Float(trailY[e]);
        h.Float(trailAlpha[e]);
        h.Int(trailHot[e]);
    }
    for (float c : ambientColour) h.Float(c);
    h.Int(static_cast<int32_t>(SimRandomState()));
}

// The in-game bars, as the screen transition moves them: they reopen to 5
// pixels, close by 8 per tick when the level asks, and at the switch a
// restart happens or the level is left.
struct Bars {
    int curtain = 0;
    int half = 0;
    bool open = false;
    bool idle = true;
};

// What one play of the script came to.
struct Outcome {
    int finished = 0, passed = 0;
    int ticks = 0, simulated = 0, deaths = 0, kills = 0;
    int killScore = 0, timeBonus = 0, total = 0, threshold = 0;
    uint64_t hash = 0;
};

struct RunSettings {
    int record = -1;
    bool untilLeft = false, trace = false;
};

// Enemies the kill rule popped this tick: it leaves them popping at full
// heat (the goal pops the rest unscored, with less).
int KillsThisTick(const uint8_t* aliveBefore, int count)
{
    int kills = 0;
    for (int j = 0; j < count; ++j) {
        const LevelObject& o = currentLevel.objects[j];
        if (aliveBefore[j] && o.objState == ObjPopping && o.heat >= 255.0f &&
            (o.objKind == KindWalker || o.objKind == KindBouncer))
            ++kills;
    }
    return kills;
}

// Plays the script once from the random state `state`; the level table is
// filled already.
Outcome PlayOnce(const RunSettings& run, const std::vector<ScriptStep>& script, uint32_t state)
{
    const int record = run.record;
    gameState = InGame;
    SeedSimRandom(state);
    LoadLevel(levelTable[record]);

    Bars bars;
    bars.half = screenHeight / 2;
    bars.curtain = bars.half;

    StateHash hash;
    int tick = 0, deaths = 0, goalTick = -1, goalKills = 0, goalTime = 0, kills = 0;
    bool passed = false, left = false;
    size_t stepIndex = 0;
    int stepLeft = script.empty() ? 0 : script[0].ticks;
    int idleTicks = 0;

    while (!left) {
        while (stepIndex < script.size() && stepLeft == 0) {
            ++stepIndex;
            if (stepIndex < script.size()) stepLeft = script[stepIndex].ticks;
        }
        if (stepIndex >= script.size()) {
            if (!run.untilLeft || idleTicks >= 20000) break;
            RestoreActionFlags(ActionFlags{});
            ++idleTicks;
        } else {
            RestoreActionFlags(script[stepIndex].flags);
            --stepLeft;
        }

        DecayFlashes();
        const int endBefore = endState;
        const bool doneBefore = levelDone != 0;
        const int count = LiveObjectCount(currentLevel);
        uint8_t aliveBefore[maxLevelObjects];
        for (int j = 0; j < count; ++j) aliveBefore[j] = currentLevel.objects[j].objState == ObjAlive;
        SimulateLevelTick();
        if (!doneBefore) kills += KillsThisTick(aliveBefore, count);
        if (endBefore == EndAlive && endState != EndAlive) ++deaths;
        if (!doneBefore && levelDone) {
            goalTick = tick + 1;
            goalKills = killScore;
            goalTime = timeBonus;
            const int threshold = levelTable[record].thresholdPoints;
            passed = currentLevel.sprintLevel ? goalTime >= threshold
                                              : (goalKills + goalTime >= threshold || currentLevel.bossLevel);
        }

        // The bars: reopen, close on a request, switch when closed.
        if (bars.curtain > 5 && !bars.open)
            bars.curtain -= 8;
        else
            bars.open = true;
        if (!bars.idle) {
            if (bars.curtain >= bars.half) {
                bars.idle = true;
                bars.open = false;
                if (fadeState == FadeLeaveLevel) {
                    left = true;
                } else {
                    fadeState = FadeNone;
                    RestartLevel();
                }
            }
            if (bars.curtain < bars.half) bars.curtain += 8;
        }
        if (bars.idle && bars.open &&
            (fadeState == FadeLeaveLevel || fadeState == FadeRestartAfterDeath || fadeState == FadeRestartKey))
            bars.idle = false;
        if (levelDone) goalScoreFade += 1;
        UpdateEndScreen();
        if (actionBack && fadeState == FadeNone && endState == EndAlive) fadeState = FadeLeaveLevel;
        if (actionRestart && fadeState == FadeNone && !levelDone && endState == EndAlive) {
            fadeState = FadeRestartKey;
            checkpointReached = 0;
        }
        AdvanceLevelTime();

        HashTick(hash);
        ++tick;
        if (run.trace)
            std::fprintf(stderr, "tick %d: x %d y %d velX %.3f velY %.3f danger %.1f end %d done %d\n", tick,
                         playerX, playerY, static_cast<double>(velX), static_cast<double>(velY),
                         static_cast<double>(dangerMeter), endState, levelDone);
    }
    HashLevel(hash);

    Outcome out;
    out.finished = goalTick >= 0;
    out.passed = out.finished && passed;
    out.ticks = out.finished ? goalTick : tick;
    out.simulated = tick;
    out.deaths = deaths;
    out.kills = kills;
    out.killScore = out.finished ? goalKills : killScore;
    out.timeBonus = out.finished ? goalTime : timeBonus;
    out.total = currentLevel.sprintLevel ? out.timeBonus : out.killScore + out.timeBonus;
    out.threshold = levelTable[record].thresholdPoints;
    out.hash = hash.value;
    return out;
}

// Plays the script from every seed, each in a child process (the simulation
// is global state; a fork starts each from the same filled table).
bool PlayFromSeeds(const RunSettings& run, const std::vector<ScriptStep>& script,
                   const std::vector<ReplaySeed>& seeds, uint32_t fresh, std::vector<Outcome>& outcomes)
{
    outcomes.assign(seeds.size(), Outcome{});
    for (size_t i = 0; i < seeds.size(); ++i) {
        int fd[2];
        if (pipe(fd) != 0) return false;
        std::fflush(stdout);
        std::fflush(stderr);
        const pid_t pid = fork();
        if (pid < 0) return false;
        if (pid == 0) {
            close(fd[0]);
            const Outcome o = PlayOnce(run, script, seeds[i].fresh ? fresh : seeds[i].state);
            const bool ok = write(fd[1], &o, sizeof o) == static_cast<ssize_t>(sizeof o);
            _exit(ok ? 0 : 1);
        }
        close(fd[1]);
        const bool got = read(fd[0], &outcomes[i], sizeof outcomes[i]) == static_cast<ssize_t>(sizeof outcomes[i]);
        close(fd[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!got) return false;
    }
    return true;
}

std::string SeedLabel(const ReplaySeed& seed, uint32_t fresh)
{
    char text[64];
    if (seed.fresh)
        std::snprintf(text, sizeof text, "fresh start (state %u)", fresh);
    else
        std::snprintf(text, sizeof text, "seed %u", seed.state);
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    int record = -1, kind = -1, level = -1, checkpoints = 1, shader = 1;
    int width = 1024, height = 768;
    const char* scriptPath = nullptr;
    const char* collPath = nullptr;
    bool untilLeft = false, trace = false, seedGiven = false;
    std::vector<ReplaySeed> seeds = {FreshStartSeed()};
    bool seedList = false;

    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = true;
        if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            std::fputs(usageText, stdout);
            return 0;
        } else if (std::strcmp(a, "--until-left") == 0) {
            untilLeft = true;
        } else if (std::strcmp(a, "--trace") == 0) {
            trace = true;
        } else if (std::strcmp(a, "--fresh") == 0) {
            ok = !seedGiven;
            seedGiven = true;
        } else if (v == nullptr) {
            ok = false;
        } else if (std::strcmp(a, "--record") == 0) {
            ok = ParseInt(v, 0, filledLevelRecords - 1, record), ++i;
        } else if (std::strcmp(a, "--kind") == 0) {
            ok = ParseInt(v, 1, 6, kind), ++i;
        } else if (std::strcmp(a, "--difficulty") == 0) {
            ok = ParseInt(v, 1, 3, level), ++i;
        } else if (std::strcmp(a, "--seed") == 0 || std::strcmp(a, "--seeds") == 0) {
            std::string error;
            const bool list = std::strcmp(a, "--seeds") == 0;
            ok = !seedGiven && ParseSeedList(v, seeds, error) && (list || seeds.size() == 1);
            if (!error.empty()) std::fprintf(stderr, "fv_replay: %s\n", error.c_str());
            seedGiven = true;
            seedList = list;
            ++i;
        } else if (std::strcmp(a, "--checkpoints") == 0) {
            ok = ParseInt(v, 0, 1, checkpoints), ++i;
        } else if (std::strcmp(a, "--shader") == 0) {
            ok = ParseInt(v, 0, 1, shader), ++i;
        } else if (std::strcmp(a, "--script") == 0) {
            scriptPath = v, ++i;
        } else if (std::strcmp(a, "--coll") == 0) {
            collPath = v, ++i;
        } else if (std::strcmp(a, "--screen") == 0) {
            ok = std::sscanf(v, "%dx%d", &width, &height) == 2 && width >= 320 && width <= 16384 &&
                 height >= 200 && height <= 16384;
            ++i;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "fv_replay: bad argument \"%s\"%s%s\n(try --help; give one of --fresh, --seed, --seeds)\n",
                         a, v ? " " : "", v ? v : "");
            return 2;
        }
    }
    if (scriptPath == nullptr) {
        std::fprintf(stderr, "fv_replay: --script is required (try --help)\n");
        return 2;
    }
    std::vector<ScriptStep> script;
    ScriptHeader header;
    if (!ReadScript(scriptPath, script, header)) return 2;
    if (record < 0) record = header.record;
    if (kind < 0) kind = header.kind;
    if (level < 0) level = header.difficulty;
    if (record < 0 || record >= filledLevelRecords || kind < 1 || kind > 6 || level < 1 || level > 3) {
        std::fprintf(stderr, "fv_replay: the record (0-%d), kind (1-6) and difficulty (1-3) must come from the "
                             "command line or the script's header (try --help)\n", filledLevelRecords - 1);
        return 2;
    }
    if (collPath != nullptr && access(collPath, R_OK) != 0) {
        std::fprintf(stderr, "fv_replay: cannot read the collision picture \"%s\"\n", collPath);
        return 2;
    }

    // The gameplay logs its German progress lines to standard output; keep
    // the report clean by sending them to standard error.
    std::fflush(stdout);
    const int reportFd = dup(STDOUT_FILENO);
    dup2(STDERR_FILENO, STDOUT_FILENO);

    SetSilentAudio(true);
    musicEnabled = 0;
    soundEnabled = 0;
    levelPicturesEnabled = 0;
    screenWidth = width;
    screenHeight = height;
    difficulty = level;
    vopKind = kind;
    checkpointsEnabled = static_cast<uint8_t>(checkpoints);
    shaderEnabled = shader;
    // Settings and progress go to a scratch folder, never to the player's own.
    UseScratchSettings();

    // The table is filled as at start-up, which leaves the random state a
    // fresh game starts its first level from.
    const uint32_t fresh = FreshStartRandomState();
    unlockedLevels = levelTable[record].playOrder;
    collisionPathOverride = collPath;

    RunSettings run;
    run.record = record;
    run.untilLeft = untilLeft;
    run.trace = trace;
    std::vector<Outcome> outcomes;
    bool played = true;
    if (seedList) {
        played = PlayFromSeeds(run, script, seeds, fresh, outcomes);
    } else {
        outcomes.push_back(PlayOnce(run, script, seeds[0].fresh ? fresh : seeds[0].state));
    }
    RemoveScratchSettings();

    std::fflush(stdout);
    dup2(reportFd, STDOUT_FILENO);
    close(reportFd);
    if (!played) {
        std::fprintf(stderr, "fv_replay: could not start a play for every seed\n");
        return 2;
    }

    std::printf("record: %d\nkind: %d\ndifficulty: %d\n", record, kind, level);
    if (seedList) {
        int passedCount = 0;
        for (size_t i = 0; i < seeds.size(); ++i) {
            const Outcome& o = outcomes[i];
            passedCount += o.passed;
            std::printf("%-28s %s  ticks %5d  kills %2d  kill score %3d  time bonus %3d  total %3d of %3d  %s%s\n",
                        (SeedLabel(seeds[i], fresh) + ":").c_str(), o.finished ? "finished" : "not finished",
                        o.ticks, o.kills, o.killScore, o.timeBonus, o.total, o.threshold,
                        o.passed ? "passed" : "NOT PASSED", o.deaths > 0 ? " (after a death)" : "");
        }
        std::printf("passed from all seeds: %s (%d of %zu)\n", passedCount == static_cast<int>(seeds.size()) ? "yes" : "no",
                    passedCount, seeds.size());
        return passedCount == static_cast<int>(seeds.size()) ? 0 : 1;
    }

    const Outcome& o = outcomes[0];
    std::printf("random state: %s\n", SeedLabel(seeds[0], fresh).c_str());
    std::printf("finished: %s\n", o.finished ? "yes" : "no");
    std::printf("ticks: %d\n", o.ticks);
    std::printf("kill score: %d\n", o.killScore);
    std::printf("time bonus: %d\n", o.timeBonus);
    std::printf("total: %d\n", o.total);
    std::printf("passed: %s\n", o.passed ? "yes" : "no");
    std::printf("deaths: %d\n", o.deaths);
    std::printf("kills: %d\n", o.kills);
    if (o.passed && o.deaths > 0)
        std::fprintf(stderr, "fv_replay: passed only after %d restart%s; a level replay must pass without dying\n",
                     o.deaths, o.deaths == 1 ? "" : "s");
    std::printf("simulated ticks: %d\n", o.simulated);
    std::printf("hash: %016llx\n", static_cast<unsigned long long>(o.hash));
    return 0;
}
