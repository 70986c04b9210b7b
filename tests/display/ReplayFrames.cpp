#include "display/ReplayFrames.h"

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "engine/Settings.h"
#include "gameplay/DangerMeter.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "platform/Keyboard.h"
#include "shared/GameStates.h"
#include "tools/harness/Harness.h"

namespace {

bool IsSizeLine(const std::string& line, std::istringstream& words)
{
    std::string first;
    words.str(line.substr(0, line.find('#')));
    return (words >> first) && first == "screens";
}

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
}

}  // namespace

std::vector<std::pair<int, int>> ReplayScreens(const std::string& file)
{
    std::vector<std::pair<int, int>> sizes;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words;
        if (!IsSizeLine(line, words)) continue;
        std::string size;
        int w = 0, h = 0;
        while (words >> size)
            if (std::sscanf(size.c_str(), "%dx%d", &w, &h) == 2) sizes.emplace_back(w, h);
    }
    return sizes;
}

std::string ReplayForScreen(int record, int width, int height)
{
    const std::vector<std::string> files = ReplaysOf(record);
    bool anyNamed = false;
    for (const std::string& file : files) {
        const std::vector<std::pair<int, int>> sizes = ReplayScreens(file);
        anyNamed = anyNamed || !sizes.empty();
        if (std::find(sizes.begin(), sizes.end(), std::make_pair(width, height)) != sizes.end()) return file;
    }
    return anyNamed || files.empty() ? std::string() : files.front();
}

bool ReadReplayFile(const std::string& file, ReplayScript& script, std::string& error)
{
    std::ifstream in(file);
    if (!in) {
        error = file + ": cannot be read";
        return false;
    }
    // Size lines say where a replay holds; the play itself ignores them.
    std::ostringstream kept;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words;
        kept << (IsSizeLine(line, words) ? std::string() : line) << '\n';
    }
    if (ParseReplayScript(kept.str(), script, error)) return true;
    error = file + ": " + error;
    return false;
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
    PlayReplay(script, 0, Follow, &trace);
    levelPicturesEnabled = pictures;

    ReplayOutcome outcome;
    HarnessStartAtState(InGame);
    chosenLevel = script.record;
    BeginReplayLevel(script.record, script.kind, script.difficulty);
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
