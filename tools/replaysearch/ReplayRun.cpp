#include "tools/replaysearch/ReplayRun.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/InputActions.h"
#include "engine/Settings.h"
#include "game/LevelTable.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/LevelObjectFactories.h"
#include "gameplay/LevelTick.h"
#include "gameplay/SimRandom.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

namespace {

// A step line's keys: the letters held together, or "-" for none.
bool ParseKeys(const std::string& word, ReplayStep& s)
{
    if (word == "-") return true;
    for (char c : word) {
        switch (c) {
        case 'R': s.right = 1; break;
        case 'L': s.left = 1; break;
        case 'J': s.jump = 1; break;
        case 'A': s.attack = 1; break;
        case 'U': s.up = 1; break;
        case 'D': s.down = 1; break;
        case 'B': s.back = 1; break;
        case 'X': s.restart = 1; break;
        default: return false;
        }
    }
    return true;
}

bool ParseHashValue(const std::string& word, uint64_t& value)
{
    if (word.size() != 16) return false;
    value = 0;
    for (char c : word) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) return false;
        value = value << 4 | static_cast<uint64_t>(digit);
    }
    return true;
}

// One header line ("record", "kind", "difficulty", "screens", "hash");
// false with a message when its words are wrong.
bool ParseHeader(const std::string& key, const std::vector<std::string>& words, ReplayScript& script,
                 std::string& error)
{
    if (key == "screens") {
        if (words.empty()) return error = "screens: no size given", false;
        for (const std::string& w : words) {
            ScreenSize s;
            if (!ParseScreenSize(w, s)) return error = "screens: \"" + w + "\" is not a size WxH", false;
            script.screens.push_back(s);
        }
        return true;
    }
    if (key == "hash") {
        ReplayHash h;
        if (words.size() != 2 || !ParseScreenSize(words[0], h.screen) || !ParseHashValue(words[1], h.value))
            return error = "expected \"hash WxH\" and 16 hex digits", false;
        script.hashes.push_back(h);
        return true;
    }
    char* end = nullptr;
    const long v = words.size() == 1 ? std::strtol(words[0].c_str(), &end, 10) : 0;
    if (words.size() != 1 || *end || v < -1000000 || v > 1000000) return error = key + ": expected one number", false;
    (key == "record" ? script.record : key == "kind" ? script.kind : script.difficulty) = static_cast<int>(v);
    return true;
}

// Longer than any real step; a line past it is refused before it is read.
constexpr size_t maxStepLine = 255;

}  // namespace

bool ParseReplayScript(const std::string& text, ReplayScript& script, std::string& error)
{
    script = ReplayScript();
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string where = "line " + std::to_string(lineNo);
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        if (line.size() > maxStepLine) {
            error = where + " is longer than " + std::to_string(maxStepLine) + " characters";
            return false;
        }
        std::istringstream wordsIn(line);
        std::string key, word;
        std::vector<std::string> words;
        if (!(wordsIn >> key)) continue;
        while (wordsIn >> word) words.push_back(word);
        if (key == "record" || key == "kind" || key == "difficulty" || key == "screens" || key == "hash") {
            if (!ParseHeader(key, words, script, error)) {
                error = where + ": " + error;
                return false;
            }
            continue;
        }
        char* end = nullptr;
        const long ticks = std::strtol(key.c_str(), &end, 10);
        if (*end || ticks < 0 || ticks > 10000000 || words.size() != 1) {
            error = where + ": expected \"<ticks> <keys>\"";
            return false;
        }
        ReplayStep s;
        s.ticks = static_cast<int>(ticks);
        if (!ParseKeys(words[0], s)) {
            error = where + ": unknown key in \"" + words[0] + "\"";
            return false;
        }
        script.steps.push_back(s);
    }
    if (script.record < 0 || script.record > 45) {
        error = "missing or bad record line";
        return false;
    }
    if (script.kind < 1 || script.kind > 6 || script.difficulty < 1 || script.difficulty > 3) {
        error = "kind must be 1..6 and difficulty 1..3";
        return false;
    }
    return true;
}

bool ReplayNamesScreen(const ReplayScript& script, const ScreenSize& screen)
{
    return std::find(script.screens.begin(), script.screens.end(), screen) != script.screens.end();
}

bool FindReplayHash(const ReplayScript& script, const ScreenSize& screen, uint64_t* value)
{
    for (const ReplayHash& h : script.hashes)
        if (h.screen == screen) {
            if (value) *value = h.value;
            return true;
        }
    return false;
}

bool ReadReplayScript(const std::string& path, ReplayScript& script, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::ostringstream s;
    s << in.rdbuf();
    if (!ParseReplayScript(s.str(), script, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

std::string FormatReplayScript(const ReplayScript& script)
{
    std::ostringstream o;
    o << "record " << script.record << "\nkind " << script.kind << "\ndifficulty " << script.difficulty << "\n";
    if (!script.screens.empty()) {
        o << "screens";
        for (const ScreenSize& s : script.screens) o << ' ' << ScreenName(s);
        o << "\n";
    }
    for (const ReplayHash& h : script.hashes) {
        char value[20];
        std::snprintf(value, sizeof value, "%016llx", static_cast<unsigned long long>(h.value));
        o << "hash " << ScreenName(h.screen) << ' ' << value << "\n";
    }
    // Merge equal neighbours so the script stays short.
    ReplayStep pending;
    auto keys = [](const ReplayStep& s) {
        std::string k;
        if (s.right) k += 'R';
        if (s.left) k += 'L';
        if (s.jump) k += 'J';
        if (s.attack) k += 'A';
        if (s.up) k += 'U';
        if (s.down) k += 'D';
        if (s.back) k += 'B';
        if (s.restart) k += 'X';
        return k.empty() ? std::string("-") : k;
    };
    for (const ReplayStep& s : script.steps) {
        if (pending.ticks > 0 && keys(pending) == keys(s)) {
            pending.ticks += s.ticks;
            continue;
        }
        if (pending.ticks > 0) o << pending.ticks << " " << keys(pending) << "\n";
        pending = s;
    }
    if (pending.ticks > 0) o << pending.ticks << " " << keys(pending) << "\n";
    return o.str();
}

namespace {
char scratchDir[64];
uint32_t freshStartState = 0;

// The walker and bouncer slots the kill rule has popped in this attempt.
uint8_t killedSlots[maxLevelObjects];
}

void UseScratchSettings()
{
    std::snprintf(scratchDir, sizeof scratchDir, "/tmp/fv-replay-XXXXXX");
    if (mkdtemp(scratchDir) == nullptr) {
        std::fprintf(stderr, "no scratch folder for the settings files; progress is not saved\n");
        scratchDir[0] = '\0';
    }
    std::snprintf(settingsDir, sizeof settingsDir, "%s", scratchDir);
    std::snprintf(systemXmlPath, sizeof systemXmlPath, "%s/System.xml", scratchDir);
    std::snprintf(optionsXmlPath, sizeof optionsXmlPath, "%s/Options.xml", scratchDir);
    std::snprintf(gameXmlPath, sizeof gameXmlPath, "%s/Game.xml", scratchDir);
    std::snprintf(gamepXmlPath, sizeof gamepXmlPath, "%s/Gamep.xml", scratchDir);
}

void RemoveScratchSettings()
{
    if (scratchDir[0] == '\0') return;
    std::remove(systemXmlPath);
    std::remove(optionsXmlPath);
    std::remove(gameXmlPath);
    std::remove(gamepXmlPath);
    rmdir(scratchDir);
    scratchDir[0] = '\0';
}

void PrepareReplayWorld()
{
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    // Without the generated levels every level plays on an empty collision
    // picture, and a replay would quietly prove nothing.
    if (access("data", F_OK) != 0) {
        std::fprintf(stderr, "no data/ folder here: run from the project root after a build\n");
        std::exit(2);
    }
    SetSilentAudio(true);
    // Level completion saves progress; keep it away from the player's files,
    // and leave nothing behind (forked runs end with _exit and keep it).
    UseScratchSettings();
    std::atexit(RemoveScratchSettings);
    musicEnabled = 0;
    soundEnabled = 0;
    levelPicturesEnabled = 0;
    screenWidth = ScreenSize{}.width;
    screenHeight = ScreenSize{}.height;
    freshStartState = FreshStartRandomState();
}

uint32_t ReplayStartState(const ReplaySeed& seed)
{
    PrepareReplayWorld();
    return seed.fresh ? freshStartState : seed.state;
}

void ClearCarriedOverState()
{
    fadeState = FadeNone;
    jumpBuffer = 0;
    jumpLatch = 0;
    trailHead = 0;
    for (uint8_t& h : trailHot) h = 0;
    colourCycleTicks = 0;
}

void BeginReplayLevel(int record, int kind, int level, const ReplaySeed& seed, const ScreenSize& screen)
{
    PrepareReplayWorld();
    screenWidth = screen.width;
    screenHeight = screen.height;
    vopKind = kind;
    difficulty = level;
    checkpointsEnabled = 1;
    unlockedLevels = 1;
    ClearCarriedOverState();
    for (uint8_t& k : killedSlots) k = 0;
    SeedSimRandom(ReplayStartState(seed));
    RestoreActionFlags(ActionFlags{});
    LoadLevel(levelTable[record]);
}

ActionFlags ReplayStepFlags(const ReplayStep& s)
{
    ActionFlags f{};
    f.actionLeft = s.left;
    f.actionRight = s.right;
    f.actionJump = s.jump;
    f.actionUp = s.up;
    f.actionDown = s.down;
    f.actionAttack = s.attack;
    f.actionBack = s.back;
    f.actionRestart = s.restart;
    return f;
}

void StepReplayTick(const ReplayStep& s)
{
    // Only the in-game screen (PlayScriptAsGame) answers back and restart.
    ActionFlags flags = ReplayStepFlags(s);
    flags.actionBack = 0;
    flags.actionRestart = 0;
    RestoreActionFlags(flags);
    const int count = LiveObjectCount(currentLevel);
    uint8_t aliveBefore[maxLevelObjects];
    for (int j = 0; j < count; ++j) aliveBefore[j] = currentLevel.objects[j].objState == ObjAlive;
    const int scoreBefore = killScore;
    SimulateLevelTick();
    AdvanceLevelTime();
    // The kill rule leaves its victims popping at full heat; the goal pops
    // the rest unscored, with less.
    int points = 0;
    uint8_t now[maxLevelObjects] = {};
    for (int j = 0; j < count; ++j) {
        const LevelObject& o = currentLevel.objects[j];
        if (aliveBefore[j] && o.objState == ObjPopping && o.heat >= 255.0f &&
            (o.objKind == KindWalker || o.objKind == KindBouncer)) {
            now[j] = 1;
            points += o.killPoints;
        }
    }
    if (points == killScore - scoreBefore)
        for (int j = 0; j < count; ++j) killedSlots[j] |= now[j];
}

int KillScoreFrom(const ReplaySeed& seed)
{
    // The game's own draw of kill points, from that state, then put back.
    const uint32_t state = SimRandomState();
    int kept[maxLevelObjects];
    const int count = LiveObjectCount(currentLevel);
    for (int j = 0; j < count; ++j) kept[j] = currentLevel.objects[j].killPoints;
    SeedSimRandom(ReplayStartState(seed));
    RandomiseKillScores();
    int score = 0;
    for (int j = 0; j < count; ++j) {
        if (killedSlots[j]) score += currentLevel.objects[j].killPoints;
        currentLevel.objects[j].killPoints = kept[j];
    }
    SeedSimRandom(state);
    return score;
}

bool PassesFromAll(int record, const std::vector<ReplaySeed>& seeds, int* lowestScore)
{
    const LevelRecord& rec = levelTable[record];
    int lowest = 0;
    bool all = true;
    for (size_t i = 0; i < seeds.size(); ++i) {
        const int kills = KillScoreFrom(seeds[i]);
        const int score = rec.sprintLevel ? timeBonus : kills + timeBonus;
        if (i == 0 || score < lowest) lowest = score;
        if (!rec.bossLevel && score < rec.thresholdPoints) all = false;
    }
    if (lowestScore) *lowestScore = lowest;
    return all;
}

bool ReplayLevelOver() { return levelDone || endState != EndAlive; }

ReplayResult CurrentReplayResult(int record, int ticks)
{
    ReplayResult result;
    const LevelRecord& rec = levelTable[record];
    result.ticks = ticks;
    result.finished = levelDone != 0;
    result.died = endState != EndAlive && !levelDone;
    result.killScore = killScore;
    result.timeBonus = timeBonus;
    result.score = rec.sprintLevel ? timeBonus : killScore + timeBonus;
    result.playerX = playerX;
    result.playerY = playerY;
    result.danger = dangerMeter;
    for (int j = 0; j < LiveObjectCount(currentLevel); ++j) result.kills += killedSlots[j];
    if (result.finished) {
        if (rec.bossLevel) result.passed = true;
        else if (rec.sprintLevel) result.passed = timeBonus >= rec.thresholdPoints;
        else result.passed = killScore + timeBonus >= rec.thresholdPoints;
    }
    return result;
}

ReplayResult PlayReplay(const ReplayScript& script, int idleTicks, bool (*observe)(void*, int), void* context,
                        const ReplaySeed& seed, const ScreenSize& screen)
{
    BeginReplayLevel(script.record, script.kind, script.difficulty, seed, screen);
    int tick = 0;
    bool stopped = false;
    for (size_t i = 0; i < script.steps.size() && !stopped; ++i)
        for (int t = 0; t < script.steps[i].ticks; ++t) {
            StepReplayTick(script.steps[i]);
            ++tick;
            if ((observe && !observe(context, tick)) || ReplayLevelOver()) {
                stopped = true;
                break;
            }
        }
    for (int t = 0; t < idleTicks && !stopped; ++t) {
        StepReplayTick(ReplayStep{});
        ++tick;
        if ((observe && !observe(context, tick)) || ReplayLevelOver()) stopped = true;
    }
    return CurrentReplayResult(script.record, tick);
}
