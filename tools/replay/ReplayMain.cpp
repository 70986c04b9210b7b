// fv_replay: plays one level headless, tick by tick, from a script of action
// flags, with the same gameplay sequence as the game's in-game update, and
// prints the outcome and a hash of the simulation state.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "game/LevelTable.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelLoading.h"
#include "platform/Audio.h"
#include "shared/LevelRecord.h"
#include "tools/replaysearch/ReplayAsGame.h"
#include "tools/replaysearch/ReplayRun.h"
#include "tools/replaysearch/ReplaySeeds.h"

namespace {

const char* usageText =
    "Usage: fv_replay --script FILE [--record N --kind K --difficulty D] [options]\n"
    "       fv_replay --rehash FILE...\n"
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
    "  --screen LIST      screen size the camera and objects see: WxH (default\n"
    "                     1920x1080, the game's default), a comma-separated list\n"
    "                     of sizes, \"proof\" (the nine sizes every level is proven\n"
    "                     at) or \"script\" (the sizes the script's screens line\n"
    "                     names); with more than one size, a line per size and seed\n"
    "  --checkpoints 0|1  checkpoints option (default 1)\n"
    "  --shader 0|1       shader option, which changes the colour hold (default 1)\n"
    "  --until-left       keep playing without input after the script ends until\n"
    "                     the level is left (at most 20000 more ticks)\n"
    "  --trace            print the Vop's position and state every tick\n"
    "  --rehash FILE...   rewrite each script's hash lines: one per size its\n"
    "                     screens line names, from a fresh start, with nothing\n"
    "                     else of the file changed (after a level is changed on\n"
    "                     purpose; the level tests compare them)\n"
    "\n"
    "Script: one line per stretch of ticks, \"<ticks> <flags>\", where flags is\n"
    "a run of letters held for that many ticks, or \"-\" for none:\n"
    "  L left, R right, J jump, U up (also jumps), D down, A attack,\n"
    "  B back (leave the level), X restart from the level's start.\n"
    "Blank lines and text after '#' are ignored. A script may start with the\n"
    "lines \"record N\", \"kind K\" and \"difficulty D\" (as the level replays in\n"
    "replays/ do); the command line overrides them. The level replays also name\n"
    "the sizes they prove (\"screens 800x600 1920x1080\") and keep a hash for each\n"
    "(\"hash 1920x1080 <16 hex digits>\"). Example:\n"
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

bool ParseInt(const char* text, long lo, long hi, int& out)
{
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

// What the command line asks for.
struct Request {
    int record = -1, kind = -1, level = -1;
    ReplayGameOptions options;
    const char* scriptPath = nullptr;
    const char* collPath = nullptr;
    std::vector<ReplaySeed> seeds = std::vector<ReplaySeed>(1);  // a fresh start
    bool seedList = false;
    std::vector<ScreenSize> screens = std::vector<ScreenSize>(1);  // the game's default
    bool screensFromScript = false;
    std::vector<const char*> rehash;
};

// False with a message for anything it cannot take.
bool ParseArguments(int argc, char** argv, Request& q, bool* help)
{
    bool seedGiven = false;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = true;
        if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            *help = true;
            return true;
        } else if (std::strcmp(a, "--rehash") == 0) {
            for (++i; i < argc; ++i) q.rehash.push_back(argv[i]);
            ok = !q.rehash.empty();
        } else if (std::strcmp(a, "--until-left") == 0) {
            q.options.untilLeft = true;
        } else if (std::strcmp(a, "--trace") == 0) {
            q.options.trace = true;
        } else if (std::strcmp(a, "--fresh") == 0) {
            ok = !seedGiven;
            seedGiven = true;
        } else if (v == nullptr) {
            ok = false;
        } else if (std::strcmp(a, "--record") == 0) {
            ok = ParseInt(v, 0, filledLevelRecords - 1, q.record), ++i;
        } else if (std::strcmp(a, "--kind") == 0) {
            ok = ParseInt(v, 1, 6, q.kind), ++i;
        } else if (std::strcmp(a, "--difficulty") == 0) {
            ok = ParseInt(v, 1, 3, q.level), ++i;
        } else if (std::strcmp(a, "--seed") == 0 || std::strcmp(a, "--seeds") == 0) {
            std::string error;
            const bool list = std::strcmp(a, "--seeds") == 0;
            ok = !seedGiven && ParseSeedList(v, q.seeds, error) && (list || q.seeds.size() == 1);
            if (!error.empty()) std::fprintf(stderr, "fv_replay: %s\n", error.c_str());
            seedGiven = true;
            q.seedList = list;
            ++i;
        } else if (std::strcmp(a, "--checkpoints") == 0) {
            int c = 1;
            ok = ParseInt(v, 0, 1, c), ++i;
            q.options.checkpoints = static_cast<uint8_t>(c);
        } else if (std::strcmp(a, "--shader") == 0) {
            ok = ParseInt(v, 0, 1, q.options.shader), ++i;
        } else if (std::strcmp(a, "--script") == 0) {
            q.scriptPath = v, ++i;
        } else if (std::strcmp(a, "--coll") == 0) {
            q.collPath = v, ++i;
        } else if (std::strcmp(a, "--screen") == 0) {
            std::string error;
            q.screensFromScript = std::strcmp(v, "script") == 0;
            ok = q.screensFromScript || ParseScreenList(v, q.screens, error);
            if (!error.empty()) std::fprintf(stderr, "fv_replay: %s\n", error.c_str());
            ++i;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "fv_replay: bad argument \"%s\"%s%s\n(try --help; give one of --fresh, --seed, --seeds)\n",
                         a, v ? " " : "", v ? v : "");
            return false;
        }
    }
    return true;
}

// Silent audio, no level pictures, settings in a scratch folder, and the
// level table filled as at start-up, which leaves the random state a fresh
// game starts its first level from. Returns that state.
uint32_t PrepareWorld(const char* collPath)
{
    SetSilentAudio(true);
    musicEnabled = 0;
    soundEnabled = 0;
    levelPicturesEnabled = 0;
    UseScratchSettings();
    const uint32_t fresh = FreshStartRandomState();
    collisionPathOverride = collPath;
    return fresh;
}

// One play of the script from each seed at each size, each in a child
// process (the simulation is global state; a fork starts each from the same
// filled table). Outcomes by size, then seed.
bool PlayAll(const ReplayScript& script, const Request& q, uint32_t fresh, std::vector<ReplayGameOutcome>& outcomes)
{
    outcomes.clear();
    for (const ScreenSize& screen : q.screens)
        for (const ReplaySeed& seed : q.seeds) {
            int fd[2];
            if (pipe(fd) != 0) return false;
            std::fflush(stdout);
            std::fflush(stderr);
            const pid_t pid = fork();
            if (pid < 0) return false;
            if (pid == 0) {
                close(fd[0]);
                const ReplayGameOutcome o = PlayScriptAsGame(script, seed.fresh ? fresh : seed.state, screen, q.options);
                const bool ok = write(fd[1], &o, sizeof o) == static_cast<ssize_t>(sizeof o);
                _exit(ok ? 0 : 1);
            }
            close(fd[1]);
            ReplayGameOutcome o;
            const bool got = read(fd[0], &o, sizeof o) == static_cast<ssize_t>(sizeof o);
            close(fd[0]);
            int status = 0;
            waitpid(pid, &status, 0);
            if (!got) return false;
            outcomes.push_back(o);
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

void PrintOne(const ReplayGameOutcome& o, const std::string& seedLabel, const ScreenSize& screen)
{
    std::printf("screen: %s\n", ScreenName(screen).c_str());
    std::printf("random state: %s\n", seedLabel.c_str());
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
}

// A line per size and seed; true when every play passed.
bool PrintTable(const std::vector<ReplayGameOutcome>& outcomes, const Request& q, uint32_t fresh)
{
    int passedCount = 0;
    size_t k = 0;
    for (const ScreenSize& screen : q.screens)
        for (const ReplaySeed& seed : q.seeds) {
            const ReplayGameOutcome& o = outcomes[k++];
            passedCount += o.passed;
            std::printf("%-10s %-28s %s  ticks %5d  kills %2d  kill score %3d  time bonus %3d  total %3d of %3d  %s%s\n",
                        ScreenName(screen).c_str(), (SeedLabel(seed, fresh) + ":").c_str(),
                        o.finished ? "finished" : "not finished", o.ticks, o.kills, o.killScore, o.timeBonus, o.total,
                        o.threshold, o.passed ? "passed" : "NOT PASSED", o.deaths > 0 ? " (after a death)" : "");
        }
    const bool all = passedCount == static_cast<int>(outcomes.size());
    std::printf("passed from all seeds%s: %s (%d of %zu)\n", q.screens.size() > 1 ? " at every size" : "",
                all ? "yes" : "no", passedCount, outcomes.size());
    return all;
}

// Rewrites the hash lines of one script: every other line stays as it was,
// the new hashes stand where the first old one stood (or after the screens
// line).
bool Rehash(const char* path, uint32_t fresh, std::string& report)
{
    ReplayScript script;
    std::string error;
    if (!ReadReplayScript(path, script, error)) {
        std::fprintf(stderr, "fv_replay: %s\n", error.c_str());
        return false;
    }
    if (script.screens.empty()) {
        std::fprintf(stderr, "fv_replay: %s names no screen sizes (a \"screens\" line)\n", path);
        return false;
    }
    Request q;
    q.screens = script.screens;
    std::vector<ReplayGameOutcome> outcomes;
    if (!PlayAll(script, q, fresh, outcomes)) return false;
    std::string hashLines;
    for (size_t i = 0; i < outcomes.size(); ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "hash %s %016llx\n", ScreenName(script.screens[i]).c_str(),
                      static_cast<unsigned long long>(outcomes[i].hash));
        hashLines += line;
    }
    std::ifstream in(path);
    std::ostringstream out;
    std::string line;
    bool placed = false;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string key;
        words >> key;
        if (key == "hash") {
            if (!placed) out << hashLines;
            placed = true;
            continue;
        }
        out << line << '\n';
        if (key == "screens" && !placed) {
            out << hashLines;
            placed = true;
        }
    }
    in.close();
    const std::string temp = std::string(path) + ".rehash";
    std::ofstream f(temp);
    f << out.str();
    f.close();
    if (!f || std::rename(temp.c_str(), path) != 0) {
        std::fprintf(stderr, "fv_replay: cannot write %s\n", path);
        std::remove(temp.c_str());
        return false;
    }
    report += std::string(path) + ": " + std::to_string(outcomes.size()) + (outcomes.size() == 1 ? " hash\n" : " hashes\n");
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    Request q;
    bool help = false;
    if (!ParseArguments(argc, argv, q, &help)) return 2;
    if (help) {
        std::fputs(usageText, stdout);
        return 0;
    }
    if (!q.rehash.empty()) {
        // The level replays play on the generated levels in data/.
        if (access("data", F_OK) != 0) {
            std::fprintf(stderr, "fv_replay: no data/ folder here: run from the project root after a build\n");
            return 2;
        }
        std::fflush(stdout);
        const int reportFd = dup(STDOUT_FILENO);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        const uint32_t fresh = PrepareWorld(nullptr);
        bool ok = true;
        std::string report;
        for (const char* path : q.rehash) ok = Rehash(path, fresh, report) && ok;
        RemoveScratchSettings();
        std::fflush(stdout);
        dup2(reportFd, STDOUT_FILENO);
        close(reportFd);
        std::fputs(report.c_str(), stdout);
        return ok ? 0 : 2;
    }
    if (q.scriptPath == nullptr) {
        std::fprintf(stderr, "fv_replay: --script is required (try --help)\n");
        return 2;
    }
    ReplayScript script;
    std::string error;
    if (!ReadReplayScript(q.scriptPath, script, error)) {
        // A script without its header may still be given one on the command line.
        if (q.record < 0 || error.find("record line") == std::string::npos) {
            std::fprintf(stderr, "fv_replay: %s\n", error.c_str());
            return 2;
        }
        std::ifstream in(q.scriptPath);
        std::ostringstream text;
        text << "record " << q.record << "\n" << in.rdbuf();
        if (!ParseReplayScript(text.str(), script, error)) {
            std::fprintf(stderr, "fv_replay: %s: %s\n", q.scriptPath, error.c_str());
            return 2;
        }
    }
    if (q.record >= 0) script.record = q.record;
    if (q.kind >= 0) script.kind = q.kind;
    if (q.level >= 0) script.difficulty = q.level;
    if (q.screensFromScript) {
        if (script.screens.empty()) {
            std::fprintf(stderr, "fv_replay: %s names no screen sizes (a \"screens\" line)\n", q.scriptPath);
            return 2;
        }
        q.screens = script.screens;
    }
    if (q.collPath != nullptr && access(q.collPath, R_OK) != 0) {
        std::fprintf(stderr, "fv_replay: cannot read the collision picture \"%s\"\n", q.collPath);
        return 2;
    }

    // The gameplay logs its German progress lines to standard output; keep
    // the report clean by sending them to standard error.
    std::fflush(stdout);
    const int reportFd = dup(STDOUT_FILENO);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    const uint32_t fresh = PrepareWorld(q.collPath);
    std::vector<ReplayGameOutcome> outcomes;
    bool played = true;
    const bool table = q.seedList || q.screens.size() > 1;
    if (table) {
        played = PlayAll(script, q, fresh, outcomes);
    } else {
        const ReplaySeed& seed = q.seeds[0];
        outcomes.push_back(PlayScriptAsGame(script, seed.fresh ? fresh : seed.state, q.screens[0], q.options));
    }
    RemoveScratchSettings();
    std::fflush(stdout);
    dup2(reportFd, STDOUT_FILENO);
    close(reportFd);
    if (!played) {
        std::fprintf(stderr, "fv_replay: could not start a play for every seed\n");
        return 2;
    }

    std::printf("record: %d\nkind: %d\ndifficulty: %d\n", script.record, script.kind, script.difficulty);
    if (table) return PrintTable(outcomes, q, fresh) ? 0 : 1;
    PrintOne(outcomes[0], SeedLabel(q.seeds[0], fresh), q.screens[0]);
    return 0;
}
