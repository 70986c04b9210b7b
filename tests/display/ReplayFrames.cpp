#include "display/ReplayFrames.h"

#include <dirent.h>

#include <algorithm>
#include <cstdio>

#include "display/FrameReading.h"
#include "engine/Settings.h"
#include "gameplay/DangerMeter.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "platform/Keyboard.h"
#include "shared/GameStates.h"
#include "tools/harness/Harness.h"

namespace {

// The level's default replays: orderNN-recMM.txt and orderNN-recMM-TAG.txt.
std::vector<std::string> ReplaysOf(int record)
{
    char tag[16];
    std::snprintf(tag, sizeof tag, "-rec%02d", record);
    std::vector<std::string> files;
    if (DIR* dir = opendir("replays")) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            const size_t at = name.find(tag);
            if (name.compare(0, 5, "order") != 0 || at == std::string::npos) continue;
            const char after = name[at + std::string(tag).size()];
            if (after == '.' || after == '-') files.push_back("replays/" + name);
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct Trace {
    std::vector<std::pair<int, int>> path;
};

bool Follow(void* context, int)
{
    static_cast<Trace*>(context)->path.emplace_back(playerX, playerY);
    return true;
}

void HoldKeys(const ReplayStep& step)
{
    HarnessReleaseAllKeys();
    if (step.right) HarnessKeyDown(DIK_RIGHT);
    if (step.left) HarnessKeyDown(DIK_LEFT);
    if (step.jump) HarnessKeyDown(DIK_SPACE);
    if (step.attack) HarnessKeyDown(DIK_A);
    if (step.up) HarnessKeyDown(DIK_UP);
    if (step.down) HarnessKeyDown(DIK_DOWN);
    if (step.back) HarnessKeyDown(DIK_ESCAPE);
    if (step.restart) HarnessKeyDown(DIK_RETURN);
}

}  // namespace

std::string ReplayForScreen(int record, const ScreenSize& screen)
{
    for (const std::string& file : ReplaysOf(record)) {
        ReplayScript script;
        std::string error;
        if (!ReadReplayScript(file, script, error)) continue;
        if (ReplayNamesScreen(script, screen)) return file;
    }
    return std::string();
}

void PrepareReplayFrames()
{
    PrepareReplayWorld();
}

ReplayOutcome PlayReplayFrames(const ReplayScript& script, int afterGoal, bool (*onTick)(void*, int), void* context)
{
    // The replay's own play, headless, for the path the game must follow.
    Trace trace;
    const uint8_t pictures = levelPicturesEnabled;
    levelPicturesEnabled = 0;
    const ScreenSize screen{screenWidth, screenHeight};
    PlayReplay(script, 0, Follow, &trace, ReplaySeed{}, screen);
    levelPicturesEnabled = pictures;

    ReplayOutcome outcome;
    ResetLooks();
    HarnessStartAtState(InGame);
    chosenLevel = script.record;
    BeginReplayLevel(script.record, script.kind, script.difficulty, ReplaySeed{}, screen);
    std::vector<ReplayStep> keys;
    for (const ReplayStep& s : script.steps) keys.insert(keys.end(), static_cast<size_t>(s.ticks), s);
    // A Vop left standing short of the goal ends the play a while after the keys.
    const int lastTick = static_cast<int>(keys.size()) + afterGoal + 600;
    while (outcome.ticks < lastTick) {
        const size_t at = static_cast<size_t>(outcome.ticks);
        HoldKeys(at < keys.size() ? keys[at] : ReplayStep{});
        HarnessTick();
        ++outcome.ticks;
        if (gameState != InGame) break;
        if (outcome.goalTick < 0 && levelDone) outcome.goalTick = outcome.ticks;
        if (outcome.goalTick < 0 && at < trace.path.size() && trace.path[at] != std::make_pair(playerX, playerY)) {
            outcome.leftReplay = true;
            break;
        }
        if (!onTick(context, outcome.ticks)) break;
        if (endState != EndAlive && !levelDone) {
            outcome.died = true;
            break;
        }
        if (outcome.goalTick >= 0 && outcome.ticks - outcome.goalTick >= afterGoal) break;
    }
    HarnessReleaseAllKeys();
    return outcome;
}
