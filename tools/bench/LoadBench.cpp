// fv_load_bench: how long the real game takes to load each level and to come
// up, read from its own log lines. Each run starts the executable, stamps
// every line as it arrives on a pseudo terminal, and quits after the first
// tick. Level runs go straight into a level (the test options skip the
// launcher); start-up runs go through the launcher, which xdotool leaves with
// Return as soon as it shows (or after --launcher-read milliseconds, as a
// player reading it would), into the intro.
//
//   fv_load_bench [--game build/florpvops] [--data data] [--runs 5] [--launcher-runs 5]
//                 [--launcher-read MS] [record ...]
// Run under a display (e.g. xvfb-run -a). The game runs in the folder that
// holds the data folder given (by default data/ in the working folder), so
// another build of the game can be timed on its own data. Prints per
// level the median, lowest and highest load time ("Level wird geladen:" to
// "Level geladen!"), then the medians of the start-up figures.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int levelCount = 46;
// How long the launcher stands open before Return, in milliseconds: 0 is a
// player who never reads it.
int launcherReadMs = 0;

// Moments of one run, in milliseconds after the fork; -1 when not seen.
struct RunTimes {
    double window = -1;      // "Fenster gestartet!"
    double tableDone = -1;   // "Level initialisiert (M&L)!", just before the resources
    double loadStart = -1;   // "Level wird geladen:", the resources are done
    double loadEnd = -1;     // "Level geladen!"
    double present[2] = {-1, -1};  // the first two frames presented (black frame, first tick)
    double launcherMapped = -1;    // the launcher dialog is put on screen
    double launcherShown = -1;     // xdotool has found the launcher on screen
    double launcherLeft = -1;      // Return has been pressed on it
    bool ok = false;
};

double Now()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void StampLine(const std::string& line, double at, RunTimes& times)
{
    if (line == "Fenster gestartet!") times.window = at;
    else if (line == "Level initialisiert (M&L)!") times.tableDone = at;
    else if (line == "Level wird geladen:") times.loadStart = at;
    else if (line == "Level geladen!") times.loadEnd = at;
    else if (line == "fv-present 1") times.present[0] = at;
    else if (line == "fv-present 2") times.present[1] = at;
    else if (line == "fv-map 1") times.launcherMapped = at;
}

// Whether the launcher of process `pid` shows; with `leave`, presses Return
// on it. Uses xdotool, as the display tests do.
bool LauncherShown(pid_t pid, bool leave)
{
    const std::string command = "xdotool search --onlyvisible --pid " + std::to_string(pid) +
                                " --name '^FlorpVops$'" +
                                (leave ? " windowfocus --sync key Return" : "") + " > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

// One run into `record`, or through the launcher into the intro for -1.
bool RunOnce(const char* game, const std::string& probe, const std::string& gameFolder,
             int record, const char* home, RunTimes& times)
{
    times = RunTimes{};
    const double start = Now();
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid < 0) {
        std::perror("fv_load_bench: forkpty");
        return false;
    }
    if (pid == 0) {
        const std::string level = std::to_string(record);
        if (record >= 0) setenv("FLORPVOPS_TEST_LEVEL", level.c_str(), 1);
        setenv("FLORPVOPS_TEST_TICKS", "1", 1);
        setenv("HOME", home, 1);
        unsetenv("XDG_DOCUMENTS_DIR");
        if (!probe.empty()) setenv("LD_PRELOAD", probe.c_str(), 1);
        // The game looks for data/ in its working folder first.
        if (chdir(gameFolder.c_str()) != 0) {
            std::perror("fv_load_bench: chdir");
            _exit(127);
        }
        execl(game, game, static_cast<char*>(nullptr));
        std::perror("fv_load_bench: exec");
        _exit(127);
    }
    std::string line;
    char buffer[4096];
    const bool throughLauncher = record < 0;
    double quietSince = Now();
    for (;;) {
        if (throughLauncher && times.launcherLeft < 0) {
            if (LauncherShown(pid, false)) {
                times.launcherShown = Now() - start;
                if (launcherReadMs > 0) usleep(static_cast<useconds_t>(launcherReadMs) * 1000);
                LauncherShown(pid, true);
                times.launcherLeft = Now() - start;
            }
        }
        pollfd p = {master, POLLIN, 0};
        const int ready = poll(&p, 1, throughLauncher && times.launcherLeft < 0 ? 10 : 1000);
        if (ready <= 0) {
            if (Now() - quietSince < 30000) continue;
            std::fprintf(stderr, "fv_load_bench: the game gave no output for 30 s\n");
            kill(pid, SIGKILL);
            break;
        }
        quietSince = Now();
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got <= 0) break;  // EIO once the game has closed its side
        const double at = Now() - start;
        for (ssize_t i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                StampLine(line, at, times);
                line.clear();
            } else if (c != '\r') {
                line += c;
            }
        }
    }
    close(master);
    int status = 0;
    waitpid(pid, &status, 0);
    times.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && times.window >= 0 &&
               times.tableDone >= 0 && times.present[1] >= 0 &&
               (throughLauncher ? times.launcherLeft >= 0
                                : times.loadStart >= 0 && times.loadEnd >= 0);
    if (!times.ok) {
        if (throughLauncher)
            std::fprintf(stderr, "fv_load_bench: a start-up run through the launcher failed\n");
        else
            std::fprintf(stderr, "fv_load_bench: record %d: the run failed\n", record);
    }
    return times.ok;
}

// The frame stamper lies beside this program.
std::string ProbePath()
{
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return std::string();
    self[n] = '\0';
    std::string path(self);
    path = path.substr(0, path.rfind('/') + 1) + "fv_present_probe.so";
    return access(path.c_str(), R_OK) == 0 ? path : std::string();
}

double Median(std::vector<double> values)
{
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Usage()
{
    std::fprintf(stderr,
                 "usage: fv_load_bench [--game PATH] [--data FOLDER] [--runs N] [--launcher-runs N] [--launcher-read MS]"
                 " [record 0..%d ...]\n",
                 levelCount - 1);
}

// What the command line asks for, with the game and the data folder
// resolved (both are used after the child changes folder).
struct Options {
    const char* game = "build/florpvops";
    const char* data = "data";
    int runs = 5, launcherRuns = 5;
    std::vector<int> records;
    char gamePath[PATH_MAX];
    char dataPath[PATH_MAX];
    std::string gameFolder;
};

// 0 when the options read, else the exit code (with the message printed).
int ReadOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--game") == 0 && i + 1 < argc) {
            o.game = argv[++i];
        } else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            o.data = argv[++i];
        } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            o.runs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--launcher-runs") == 0 && i + 1 < argc) {
            o.launcherRuns = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--launcher-read") == 0 && i + 1 < argc) {
            launcherReadMs = std::atoi(argv[++i]);
        } else {
            char* end = nullptr;
            const long record = std::strtol(argv[i], &end, 10);
            if (*end != '\0' || record < 0 || record >= levelCount) {
                Usage();
                return 2;
            }
            o.records.push_back(static_cast<int>(record));
        }
    }
    if (o.runs < 1 || o.launcherRuns < 0 || launcherReadMs < 0 || launcherReadMs > 60000 ||
        access(o.game, X_OK) != 0) {
        if (o.runs >= 1) std::fprintf(stderr, "fv_load_bench: no game at %s\n", o.game);
        Usage();
        return 2;
    }
    if (realpath(o.game, o.gamePath) == nullptr) {
        std::fprintf(stderr, "fv_load_bench: no game at %s\n", o.game);
        return 2;
    }
    struct stat dataInfo;
    if (realpath(o.data, o.dataPath) == nullptr || stat(o.dataPath, &dataInfo) != 0 ||
        !S_ISDIR(dataInfo.st_mode)) {
        std::fprintf(stderr, "fv_load_bench: no data folder at %s\n", o.data);
        return 2;
    }
    o.gameFolder = o.dataPath;
    o.gameFolder = o.gameFolder.substr(0, o.gameFolder.rfind('/'));
    if (o.gameFolder.empty()) o.gameFolder = "/";
    return 0;
}

// The level loads, a line per record, then the start-up figures of those
// runs (the launcher skipped). The record with the slowest median load, or
// -1 when no run gave figures.
int TimeLevelLoads(const Options& o, const std::string& probe, const char* home)
{
    std::vector<double> windows, blackFrames, resources, toLoop, firstFrames;
    double worst = 0;
    int worstRecord = -1;
    std::printf("record  load median  lowest  highest (ms, %d runs)\n", o.runs);
    for (const int record : o.records) {
        std::vector<double> loads;
        for (int run = 0; run < o.runs; ++run) {
            RunTimes t;
            if (!RunOnce(o.gamePath, probe, o.gameFolder, record, home, t)) continue;
            const double load = t.loadEnd - t.loadStart;
            loads.push_back(load);
            windows.push_back(t.window);
            blackFrames.push_back(t.present[0]);
            resources.push_back(t.loadStart - t.tableDone);
            toLoop.push_back(t.loadStart);
            // The first tick's frame follows the level load here; the intro's
            // would follow the resources without it.
            firstFrames.push_back(t.present[1] - load);
        }
        if (loads.empty()) continue;
        const double median = Median(loads);
        if (median > worst) {
            worst = median;
            worstRecord = record;
        }
        std::printf("%6d  %11.1f  %6.1f  %7.1f\n", record, median,
                    *std::min_element(loads.begin(), loads.end()),
                    *std::max_element(loads.begin(), loads.end()));
        std::fflush(stdout);
    }
    std::printf("slowest level: record %d, %.1f ms\n", worstRecord, worst);
    std::printf("start-up, launcher skipped: medians over %zu runs (ms after process start)\n",
                toLoop.size());
    std::printf("  window open:                   %7.1f\n", Median(windows));
    std::printf("  black frame presented:         %7.1f\n", Median(blackFrames));
    std::printf("  resources took:                %7.1f\n", Median(resources));
    std::printf("  ready for the first tick:      %7.1f\n", Median(toLoop));
    std::printf("  first tick's frame presented:  %7.1f (level load left out)\n",
                Median(firstFrames));
    return worstRecord;
}

// The start-up through the launcher (left by xdotool), into the intro.
void TimeLauncherStartUps(const Options& o, const std::string& probe, const char* home)
{
    int launcherRuns = o.launcherRuns;
    if (launcherRuns > 0 && std::system("command -v xdotool > /dev/null") != 0) {
        std::printf("start-up through the launcher: skipped, xdotool is missing\n");
        launcherRuns = 0;
    }
    std::vector<double> shown, toBlack, toIntro, total, totalBlack;
    for (int run = 0; run < launcherRuns; ++run) {
        RunTimes t;
        if (!RunOnce(o.gamePath, probe, o.gameFolder, -1, home, t)) continue;
        // Finding the dialog takes xdotool a few polls; the moment it was
        // mapped is when the player sees it.
        const double seen = t.launcherMapped >= 0 && t.launcherMapped < t.launcherShown
                                ? t.launcherMapped
                                : t.launcherShown;
        shown.push_back(seen);
        toBlack.push_back(t.present[0] - t.launcherLeft);
        toIntro.push_back(t.present[1] - t.launcherLeft);
        // What a player waits for, the time the launcher stood open aside.
        total.push_back(seen + t.present[1] - t.launcherLeft);
        totalBlack.push_back(seen + t.present[0] - t.launcherLeft);
    }
    if (shown.empty()) return;
    std::printf("start-up through the launcher: medians over %zu runs (ms)\n", shown.size());
    std::printf("  launcher shown (mapped) after start: %7.1f\n", Median(shown));
    std::printf("  launcher left to black frame:  %7.1f\n", Median(toBlack));
    std::printf("  launcher left to first intro frame: %7.1f\n", Median(toIntro));
    std::printf("  start to first (black) frame, launcher's open time aside: %7.1f\n",
                Median(totalBlack));
    std::printf("  start to first intro frame, launcher's open time aside: %7.1f\n",
                Median(total));
}

// The settings files the runs wrote, and their scratch home.
void RemoveScratchHome(const char* home)
{
    const std::string settings = std::string(home) + "/FlorpVops";
    const char* files[] = {"System.xml", "Options.xml", "Game.xml", "Gamep.xml"};
    for (const char* f : files) std::remove((settings + "/" + f).c_str());
    rmdir(settings.c_str());
    rmdir(home);
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    const int refused = ReadOptions(argc, argv, o);
    if (refused != 0) return refused;
    std::printf("game %s on %s\n", o.gamePath, o.dataPath);
    if (o.records.empty())
        for (int r = 0; r < levelCount; ++r) o.records.push_back(r);

    const std::string probe = ProbePath();
    if (probe.empty()) {
        std::fprintf(stderr, "fv_load_bench: fv_present_probe.so is missing beside this program\n");
        return 1;
    }
    char home[] = "/tmp/fv_load_bench_XXXXXX";
    if (mkdtemp(home) == nullptr) {
        std::perror("fv_load_bench: mkdtemp");
        return 1;
    }
    const int worstRecord = TimeLevelLoads(o, probe, home);
    TimeLauncherStartUps(o, probe, home);
    RemoveScratchHome(home);
    return worstRecord >= 0 ? 0 : 1;
}
