// fv_replay: plays one level headless, tick by tick, from a script of action
// flags, with the same gameplay sequence as the game's in-game update, and
// prints the outcome and a hash of the simulation state.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
    "  --seed S           seed of the simulation's random sequence (default 1)\n"
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
    "random sequence at the end. Exit status 2 for bad arguments or scripts.\n"
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

}  // namespace

int main(int argc, char** argv)
{
    int record = -1, kind = -1, level = -1, seed = 1, checkpoints = 1, shader = 1;
    int width = 1024, height = 768;
    const char* scriptPath = nullptr;
    const char* collPath = nullptr;
    bool untilLeft = false, trace = false;

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
        } else if (v == nullptr) {
            ok = false;
        } else if (std::strcmp(a, "--record") == 0) {
            ok = ParseInt(v, 0, filledLevelRecords - 1, record), ++i;
        } else if (std::strcmp(a, "--kind") == 0) {
            ok = ParseInt(v, 1, 6, kind), ++i;
        } else if (std::strcmp(a, "--difficulty") == 0) {
            ok = ParseInt(v, 1, 3, level), ++i;
        } else if (std::strcmp(a, "--seed") == 0) {
            ok = ParseInt(v, 0, 2147483647L, seed), ++i;
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
            std::fprintf(stderr, "fv_replay: bad argument \"%s\"%s%s\n(try --help)\n", a, v ? " " : "", v ? v : "");
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

    // The table is filled from the sequence's first state, as at start-up;
    // the seed then starts the level, the moment the level replays and the
    // replay search seed it too, so all three score the same kills.
    SeedSimRandom(1);
    InitLevelTable();
    MusicChoice();
    unlockedLevels = levelTable[record].playOrder;
    collisionPathOverride = collPath;
    gameState = InGame;
    SeedSimRandom(static_cast<uint32_t>(seed));
    LoadLevel(levelTable[record]);

    Bars bars;
    bars.half = screenHeight / 2;
    bars.curtain = bars.half;

    StateHash hash;
    int tick = 0, deaths = 0, goalTick = -1, goalKills = 0, goalTime = 0;
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
            if (!untilLeft || idleTicks >= 20000) break;
            RestoreActionFlags(ActionFlags{});
            ++idleTicks;
        } else {
            RestoreActionFlags(script[stepIndex].flags);
            --stepLeft;
        }

        DecayFlashes();
        const int endBefore = endState;
        const bool doneBefore = levelDone != 0;
        SimulateLevelTick();
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
        if (trace)
            std::fprintf(stderr, "tick %d: x %d y %d velX %.3f velY %.3f danger %.1f end %d done %d\n", tick,
                         playerX, playerY, static_cast<double>(velX), static_cast<double>(velY),
                         static_cast<double>(dangerMeter), endState, levelDone);
    }
    HashLevel(hash);
    RemoveScratchSettings();

    std::fflush(stdout);
    dup2(reportFd, STDOUT_FILENO);
    close(reportFd);

    const bool finished = goalTick >= 0;
    const int kills = finished ? goalKills : killScore;
    const int time = finished ? goalTime : timeBonus;
    const int total = currentLevel.sprintLevel ? time : kills + time;
    std::printf("record: %d\nkind: %d\ndifficulty: %d\n", record, kind, level);
    std::printf("finished: %s\n", finished ? "yes" : "no");
    std::printf("ticks: %d\n", finished ? goalTick : tick);
    std::printf("kill score: %d\n", kills);
    std::printf("time bonus: %d\n", time);
    std::printf("total: %d\n", total);
    std::printf("passed: %s\n", finished && passed ? "yes" : "no");
    std::printf("deaths: %d\n", deaths);
    if (finished && passed && deaths > 0)
        std::fprintf(stderr, "fv_replay: passed only after %d restart%s; a level replay must pass without dying\n",
                     deaths, deaths == 1 ? "" : "s");
    std::printf("simulated ticks: %d\n", tick);
    std::printf("hash: %016llx\n", static_cast<unsigned long long>(hash.value));
    return 0;
}
