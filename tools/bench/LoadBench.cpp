// fv_load_bench: how long the real game takes to load each level and to come
// up, read from its own log lines. Each run starts the executable straight
// into a level (the test options skip the launcher), stamps every line as it
// arrives on a pseudo terminal (so the game's output is line-buffered, as on
// a console), and quits after the first tick.
//
//   fv_load_bench [--game build/florpvops] [--runs 5] [record ...]
// Run from the project root, under a display (e.g. xvfb-run -a). Prints per
// level the median, lowest and highest load time ("Level wird geladen:" to
// "Level geladen!"), then the medians of the start-up figures over all runs.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int levelCount = 46;

// Moments of one run, in milliseconds after the fork; -1 when not seen.
struct RunTimes {
    double window = -1;      // "Fenster gestartet!"
    double tableDone = -1;   // "Level initialisiert (M&L)!", just before the resources
    double loadStart = -1;   // "Level wird geladen:", the resources are done
    double loadEnd = -1;     // "Level geladen!"
    double present[2] = {-1, -1};  // the first two frames presented (black frame, first tick)
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
}

bool RunOnce(const char* game, const std::string& probe, int record, const char* home,
             RunTimes& times)
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
        setenv("FLORPVOPS_TEST_LEVEL", level.c_str(), 1);
        setenv("FLORPVOPS_TEST_TICKS", "1", 1);
        setenv("HOME", home, 1);
        unsetenv("XDG_DOCUMENTS_DIR");
        if (!probe.empty()) setenv("LD_PRELOAD", probe.c_str(), 1);
        execl(game, game, static_cast<char*>(nullptr));
        std::perror("fv_load_bench: exec");
        _exit(127);
    }
    std::string line;
    char buffer[4096];
    for (;;) {
        pollfd p = {master, POLLIN, 0};
        if (poll(&p, 1, 30000) <= 0) {
            std::fprintf(stderr, "fv_load_bench: record %d gave no output for 30 s\n", record);
            kill(pid, SIGKILL);
            break;
        }
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
               times.tableDone >= 0 && times.loadStart >= 0 && times.loadEnd >= 0 &&
               times.present[1] >= 0;
    if (!times.ok) std::fprintf(stderr, "fv_load_bench: record %d: the run failed\n", record);
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
    std::fprintf(stderr, "usage: fv_load_bench [--game PATH] [--runs N] [record 0..%d ...]\n",
                 levelCount - 1);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* game = "build/florpvops";
    int runs = 5;
    std::vector<int> records;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--game") == 0 && i + 1 < argc) {
            game = argv[++i];
        } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else {
            char* end = nullptr;
            const long record = std::strtol(argv[i], &end, 10);
            if (*end != '\0' || record < 0 || record >= levelCount) {
                Usage();
                return 2;
            }
            records.push_back(static_cast<int>(record));
        }
    }
    if (runs < 1 || access(game, X_OK) != 0) {
        if (runs >= 1) std::fprintf(stderr, "fv_load_bench: no game at %s\n", game);
        Usage();
        return 2;
    }
    if (records.empty())
        for (int r = 0; r < levelCount; ++r) records.push_back(r);

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

    std::vector<double> windows, blackFrames, resources, toLoop, firstFrames;
    double worst = 0;
    int worstRecord = -1;
    std::printf("record  load median  lowest  highest (ms, %d runs)\n", runs);
    for (const int record : records) {
        std::vector<double> loads;
        for (int run = 0; run < runs; ++run) {
            RunTimes t;
            if (!RunOnce(game, probe, record, home, t)) continue;
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
    std::printf("start-up medians over %zu runs (ms after process start):\n", toLoop.size());
    std::printf("  window open:                   %7.1f\n", Median(windows));
    std::printf("  black frame presented:         %7.1f\n", Median(blackFrames));
    std::printf("  resources took:                %7.1f\n", Median(resources));
    std::printf("  ready for the first tick:      %7.1f\n", Median(toLoop));
    std::printf("  first tick's frame presented:  %7.1f (level load left out)\n",
                Median(firstFrames));

    const std::string settings = std::string(home) + "/FlorpVops";
    const char* files[] = {"System.xml", "Options.xml", "Game.xml", "Gamep.xml"};
    for (const char* f : files) std::remove((settings + "/" + f).c_str());
    rmdir(settings.c_str());
    rmdir(home);
    return worstRecord >= 0 ? 0 : 1;
}
