// fv_gameplay_bench: how many gameplay ticks per second one core simulates
// on a busy level: 50 live objects of every kind around a Vop that runs,
// jumps and attacks back and forth. Prints ticks per second.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/InputActions.h"
#include "engine/Settings.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/LevelObjectFactories.h"
#include "gameplay/LevelTick.h"
#include "gameplay/SimRandom.h"
#include "platform/Audio.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

namespace {

const int worldW = 4096, worldH = 1024;

// Rolling ground with bumps and a silver ledge, all within the Vop's reach.
void DrawLevel(std::vector<uint32_t>& px)
{
    for (int x = 0; x < worldW; ++x) {
        const int top = 800 - ((x / 64) % 4) * 3;
        for (int y = top; y < worldH; ++y) px[static_cast<size_t>(y) * worldW + x] = solidColour;
    }
    for (int x = 1200; x < 1500; ++x)
        for (int y = 650; y < 654; ++y) px[static_cast<size_t>(y) * worldW + x] = platformColour;
}

LevelRecord MakeBenchRecord()
{
    LevelRecord r;
    std::memset(static_cast<void*>(&r), 0, sizeof r);
    for (LevelObject& o : r.objects) o = LevelObject{};
    r.width = worldW;
    r.height = worldH;
    r.tileCols = 4;
    r.tileRows = 1;
    r.startX = 300;
    r.startY = 700;
    r.goalX = -100000;
    r.goalY = -100000;
    r.colourFadeTicks = 100;
    r.colourHoldTicks = 30;
    const float keys[5][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255}};
    for (int k = 0; k < 5; ++k) {
        for (int c = 0; c < 3; ++c) r.colourKeys[k][c] = keys[k][c];
        r.colourKeys[k][3] = 255;
    }
    r.followAmbient = 1;
    r.recordId = 40;
    r.timeBonusBase = 100000;
    r.objectCount = 50;
    int slot = 0;
    for (int i = 0; i < 20; ++i)
        r.objects[slot++] = MakeWalkerObject(200 + 90 * i, 760, static_cast<float>(100 + 90 * i),
                                             static_cast<float>(500 + 90 * i), 3 + i % 6, static_cast<uint8_t>(i % 2));
    for (int i = 0; i < 14; ++i)
        r.objects[slot++] = MakeBouncerObject(250 + 120 * i, 790, 0, 0, 8 + i % 5, 1);
    for (int i = 0; i < 6; ++i) r.objects[slot++] = MakeCeilingDropperObject(400 + 250 * i, 100, 20099, 0);
    for (int i = 0; i < 6; ++i)
        r.objects[slot++] = MakeGearObject(300 + 300 * i, -700, 0.0f, 0.02f, i % 2 ? KindBigGearCw : KindSmallGearCcw);
    for (int i = 0; i < 4; ++i)
        r.objects[slot++] = MakeCannonObject(static_cast<float>(500 + 400 * i), 300.0f, -50.0f, 50.0f, 9.0f, 7.0f,
                                             2.0f, 0, 0, 0);
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    long ticks = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000000;
    if (ticks <= 0) ticks = 1000000;

    std::fflush(stdout);
    SetSilentAudio(true);
    musicEnabled = 0;
    soundEnabled = 0;
    levelPicturesEnabled = 0;
    screenWidth = 1920;
    screenHeight = 1080;
    difficulty = 1;
    vopKind = 6;  // the elite meter rises slowly, so the Vop attacks for long
    checkpointsEnabled = 1;
    // Nothing is saved: the goal lies outside the level. Keep any write away
    // from the player's own files all the same.
    char scratch[] = "/tmp/fv-bench-XXXXXX";
    if (mkdtemp(scratch) != nullptr) {
        std::snprintf(gameXmlPath, sizeof gameXmlPath, "%s/Game.xml", scratch);
        std::snprintf(gamepXmlPath, sizeof gamepXmlPath, "%s/Gamep.xml", scratch);
    }
    SeedSimRandom(1);

    std::vector<uint32_t> pixels(static_cast<size_t>(worldW) * worldH, 0u);
    DrawLevel(pixels);
    ProvideCollisionPicture(pixels.data(), worldW, worldW, worldH);
    const LevelRecord record = MakeBenchRecord();
    levelTable[record.recordId] = record;  // restarts come back from the table
    LoadLevel(record);

    long restarts = 0;
    const auto begin = std::chrono::steady_clock::now();
    for (long t = 0; t < ticks; ++t) {
        // Run right and left in turns of 200 ticks, jump every 45, attack often.
        ActionFlags f{};
        const bool right = (t / 200) % 2 == 0;
        f.actionRight = right;
        f.actionLeft = !right;
        f.actionJump = t % 45 == 0;
        f.actionAttack = (t / 30) % 3 != 0;
        RestoreActionFlags(f);
        DecayFlashes();
        SimulateLevelTick();
        AdvanceLevelTime();
        if (fadeState != FadeNone) {
            fadeState = FadeNone;
            RestartLevel();
            ++restarts;
        }
        // Bring killed enemies back so the level stays busy.
        if (t % 600 == 599) {
            for (int j = 0; j < 50; ++j)
                if (currentLevel.objects[j].objState == ObjInactive) currentLevel.objects[j] = record.objects[j];
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    int live = 0;
    for (int j = 0; j < 50; ++j) live += currentLevel.objects[j].objState != ObjInactive;
    std::fprintf(stderr, "\n");
    std::printf("ticks: %ld\nseconds: %.3f\nticks per second: %.0f\nrestarts: %ld\nlive objects at the end: %d\n",
                ticks, seconds, static_cast<double>(ticks) / seconds, restarts, live);
    std::remove(gameXmlPath);
    std::remove(gamepXmlPath);
    rmdir(scratch);
    return 0;
}
