// How many ticks a second the real main loop runs: the game's window with
// its pictures, idle on the main menu, driven by RunMainLoop and its clock
// for a fixed time. The goal is the tick rate itself (60, or 30 with
// "30fps"); below it the loop loses time between ticks, unless one tick's
// own work (printed first) already takes longer than a tick: a software
// renderer on a busy machine is then the limit, and a smaller window helps.
//
//   fv_tickrate_bench [seconds] [WIDTHxHEIGHT] [30fps]
// (from the project root, on a display; default 20 s at 800x600)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "game/MainLoop.h"
#include "game/RenderPass.h"
#include "game/UpdateStep.h"
#include "game/ScreenTransition.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "shared/GameStates.h"
#include "tools/harness/Harness.h"

int main(int argc, char** argv)
{
    int seconds = 20;
    int width = 800, height = 600;
    bool thirty = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "30fps") == 0) {
            thirty = true;
            continue;
        }
        char* end = nullptr;
        const long value = std::strtol(argv[i], &end, 10);
        if (*end == 'x' && value >= 320 && value <= 8192) {
            const long second = std::strtol(end + 1, &end, 10);
            if (*end == '\0' && second >= 200 && second <= 8192) {
                width = static_cast<int>(value);
                height = static_cast<int>(second);
                continue;
            }
        }
        if (*end != '\0' || value < 1 || value > 3600) {
            std::fprintf(stderr, "usage: fv_tickrate_bench [seconds 1..3600] [WIDTHxHEIGHT] [30fps]\n");
            return 2;
        }
        seconds = static_cast<int>(value);
    }
    if (!ProbeDisplay())
        return 1;

    char home[] = "/tmp/fv-tickrate-XXXXXX";
    if (mkdtemp(home) == nullptr) {
        std::perror("fv_tickrate_bench: a scratch home");
        return 1;
    }
    HarnessConfig config;
    config.homeDir = home;
    config.window = true;
    config.loadResources = true;
    config.limitTo30Fps = thirty ? 1 : 0;
    config.screenWidth = width;
    config.screenHeight = height;
    if (!HarnessInit(config)) {
        std::fprintf(stderr, "fv_tickrate_bench: no window could be opened\n");
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
        return 1;
    }
    HarnessStartAtState(MainMenu);
    transitionCurtain = 20;
    barsOpen = 1;

    // One tick's own work, back to back, before the timed run.
    const int64_t workStart = ClockTicks();
    for (int i = 0; i < 60; ++i) {
        RenderFrame();
        RunTickUpdates();
    }
    const double workMs = static_cast<double>(ClockTicks() - workStart) * 1000.0 /
                          static_cast<double>(ClockFrequency()) / 60.0;
    std::printf("one tick's work at %dx%d: %.2f ms (a tick lasts %.2f ms)\n", width, height,
                workMs, 1000.0 / ticksPerSecond);

    quitAfterTicks = seconds * ticksPerSecond;
    StartClock();
    const int64_t start = perfNow;
    const int before = tickCounter;
    RunMainLoop();
    const int64_t end = ClockTicks();

    const int ticks = tickCounter - before;
    const double elapsed = static_cast<double>(end - start) / static_cast<double>(ClockFrequency());
    std::printf("%d ticks in %.3f s: %.2f ticks per second (goal %d)\n", ticks, elapsed,
                ticks / elapsed, ticksPerSecond);
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return 0;
}
