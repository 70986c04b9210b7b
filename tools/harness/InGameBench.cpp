// Cost of the game's main pieces, measured on the real code through the
// harness: loading the resource catalogue, loading one level, and one
// in-game tick (update plus render into the recording sprite batch).
// The level is loaded twice: fresh, and again over its own pictures.
//
//   fv_ingame_bench [level record] [ticks] [window]   (from the project root)
// With "window" the pictures go to the GPU and frames to a real window
// (needs a display); otherwise the sprite batch only records.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/Settings.h"
#include "game/RenderPass.h"
#include "game/Resources.h"
#include "platform/Clock.h"
#include "platform/Keyboard.h"
#include "platform/SpriteBatch.h"
#include "shared/GameStates.h"
#include "tools/harness/Harness.h"

namespace {

double Milliseconds(int64_t from, int64_t to)
{
    return static_cast<double>(to - from) * 1000.0 / static_cast<double>(ClockFrequency());
}

}  // namespace

int main(int argc, char** argv)
{
    const int record = argc > 1 ? std::atoi(argv[1]) : 1;
    const int ticks = argc > 2 ? std::atoi(argv[2]) : 3000;
    const bool window = argc > 3 && std::strcmp(argv[3], "window") == 0;
    if (record < 0 || record >= filledLevelRecords || ticks <= 0) {
        std::fprintf(stderr, "usage: fv_ingame_bench [record 0..%d] [ticks > 0]\n",
                     filledLevelRecords - 1);
        return 2;
    }

    HarnessConfig config;
    config.loadLevelPictures = true;
    config.unlockedLevels = 50;
    config.window = window;
    if (!HarnessInit(config)) {
        std::fprintf(stderr, "fv_ingame_bench: no window could be opened\n");
        return 1;
    }

    const int64_t t0 = ClockTicks();
    LoadResources();
    const int64_t t1 = ClockTicks();
    HarnessStartLevel(record);
    const int64_t t2 = ClockTicks();
    // Once more, as after another level: the tiles' textures are refilled.
    HarnessStartLevel(record);
    const int64_t t2again = ClockTicks();

    // Roll right and jump now and then, so physics, camera, trail and
    // objects all do their work.
    HarnessKeyDown(DIK_RIGHT);
    const int64_t t3 = ClockTicks();
    for (int i = 0; i < ticks; ++i) {
        if (i % 90 == 0)
            HarnessKeyDown(DIK_SPACE);
        else if (i % 90 == 10)
            HarnessKeyUp(DIK_SPACE);
        HarnessTick();
    }
    const int64_t t4 = ClockTicks();
    // The render pass alone, on the state the run ended in.
    for (int i = 0; i < ticks; ++i) {
        ResetBatchLog();
        RenderFrame();
    }
    const int64_t t5 = ClockTicks();

    std::printf("resources: %.2f ms\n", Milliseconds(t0, t1));
    std::printf("level %d load: %.2f ms, again: %.2f ms\n", record, Milliseconds(t1, t2),
                Milliseconds(t2, t2again));
    std::printf("in-game tick (update + %s render): %.1f us over %d ticks\n",
                window ? "window" : "recorded",
                Milliseconds(t3, t4) * 1000.0 / ticks, ticks);
    std::printf("  of which render pass: %.1f us (%d draws a frame)\n",
                Milliseconds(t4, t5) * 1000.0 / ticks, BatchLogCount());
    std::printf("state after the run: gameState %d\n", gameState);
    return 0;
}
