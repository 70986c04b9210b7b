#include "tools/replaysearch/ReplayAsGame.h"

#include <cstdio>

#include "engine/InputActions.h"
#include "engine/Settings.h"
#include "game/LevelTable.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/LevelTick.h"
#include "gameplay/SimRandom.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

namespace {

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

// Enemies the kill rule popped this tick: it leaves them popping at full
// heat (the goal pops the rest unscored, with less).
int KillsThisTick(const uint8_t* aliveBefore, int count)
{
    int kills = 0;
    for (int j = 0; j < count; ++j) {
        const LevelObject& o = currentLevel.objects[j];
        if (aliveBefore[j] && o.objState == ObjPopping && o.heat >= 255.0f &&
            (o.objKind == KindWalker || o.objKind == KindBouncer))
            ++kills;
    }
    return kills;
}

// The level start of the in-game screen, with the script's kind and
// difficulty on a screen of the given size.
void StartLevelAsGame(const ReplayScript& script, uint32_t startState, const ScreenSize& screen,
                      const ReplayGameOptions& options)
{
    const int record = script.record;
    screenWidth = screen.width;
    screenHeight = screen.height;
    vopKind = script.kind;
    difficulty = script.difficulty;
    checkpointsEnabled = options.checkpoints;
    shaderEnabled = options.shader;
    unlockedLevels = levelTable[record].playOrder;
    ClearCarriedOverState();
    gameState = InGame;
    SeedSimRandom(startState);
    LoadLevel(levelTable[record]);
}

// Where the script stands: the step played and the ticks left of it.
struct ScriptCursor {
    size_t stepIndex = 0;
    int stepLeft = 0;
    int idleTicks = 0;
};

// Sets this tick's keys from the script (none once it is over and the
// level is played on until left). False when nothing more is to be played.
bool TakeScriptKeys(const std::vector<ReplayStep>& steps, ScriptCursor& at, bool untilLeft)
{
    while (at.stepIndex < steps.size() && at.stepLeft == 0) {
        ++at.stepIndex;
        if (at.stepIndex < steps.size()) at.stepLeft = steps[at.stepIndex].ticks;
    }
    if (at.stepIndex >= steps.size()) {
        if (!untilLeft || at.idleTicks >= 20000) return false;
        RestoreActionFlags(ActionFlags{});
        ++at.idleTicks;
    } else {
        RestoreActionFlags(ReplayStepFlags(steps[at.stepIndex]));
        --at.stepLeft;
    }
    return true;
}

// What the ticks have shown so far: deaths, kills, and the goal's tick,
// score and verdict.
struct Tally {
    int deaths = 0, kills = 0;
    int goalTick = -1, goalKills = 0, goalTime = 0;
    bool passed = false;
};

// One simulated tick, counted into the tally.
void SimulateAndTally(int record, int tick, Tally& tally)
{
    const int endBefore = endState;
    const bool doneBefore = levelDone != 0;
    const int count = LiveObjectCount(currentLevel);
    uint8_t aliveBefore[maxLevelObjects];
    for (int j = 0; j < count; ++j) aliveBefore[j] = currentLevel.objects[j].objState == ObjAlive;
    SimulateLevelTick();
    if (!doneBefore) tally.kills += KillsThisTick(aliveBefore, count);
    if (endBefore == EndAlive && endState != EndAlive) ++tally.deaths;
    if (!doneBefore && levelDone) {
        tally.goalTick = tick + 1;
        tally.goalKills = killScore;
        tally.goalTime = timeBonus;
        const int threshold = levelTable[record].thresholdPoints;
        tally.passed = currentLevel.sprintLevel ? tally.goalTime >= threshold
                                                : (tally.goalKills + tally.goalTime >= threshold || currentLevel.bossLevel);
    }
}

// The bars: reopen, close on a request, switch when closed (a restart, or
// leaving the level). True when the level has been left.
bool MoveBars(Bars& bars)
{
    bool left = false;
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
    return left;
}

// The end screen, the back and restart keys and the time countdown.
void UpdateInGameScreen()
{
    if (levelDone) goalScoreFade += 1;
    UpdateEndScreen();
    if (actionBack && fadeState == FadeNone && endState == EndAlive) fadeState = FadeLeaveLevel;
    if (actionRestart && fadeState == FadeNone && !levelDone && endState == EndAlive) {
        fadeState = FadeRestartKey;
        checkpointReached = 0;
    }
    AdvanceLevelTime();
}

ReplayGameOutcome OutcomeOf(const Tally& tally, int record, int tick, uint64_t hash)
{
    ReplayGameOutcome out;
    out.finished = tally.goalTick >= 0;
    out.passed = out.finished && tally.passed;
    out.ticks = out.finished ? tally.goalTick : tick;
    out.simulated = tick;
    out.deaths = tally.deaths;
    out.kills = tally.kills;
    out.killScore = out.finished ? tally.goalKills : killScore;
    out.timeBonus = out.finished ? tally.goalTime : timeBonus;
    out.total = currentLevel.sprintLevel ? out.timeBonus : out.killScore + out.timeBonus;
    out.threshold = levelTable[record].thresholdPoints;
    out.hash = hash;
    return out;
}

}  // namespace

ReplayGameOutcome PlayScriptAsGame(const ReplayScript& script, uint32_t startState, const ScreenSize& screen,
                                   const ReplayGameOptions& options)
{
    StartLevelAsGame(script, startState, screen, options);
    Bars bars;
    bars.half = screenHeight / 2;
    bars.curtain = bars.half;

    StateHash hash;
    Tally tally;
    int tick = 0;
    ScriptCursor at;
    at.stepLeft = script.steps.empty() ? 0 : script.steps[0].ticks;
    bool left = false;
    while (!left) {
        if (!TakeScriptKeys(script.steps, at, options.untilLeft)) break;
        DecayFlashes();
        SimulateAndTally(script.record, tick, tally);
        left = MoveBars(bars);
        UpdateInGameScreen();

        HashTick(hash);
        ++tick;
        if (options.trace)
            std::fprintf(stderr, "tick %d: x %d y %d velX %.3f velY %.3f danger %.1f end %d done %d\n", tick,
                         playerX, playerY, static_cast<double>(velX), static_cast<double>(velY),
                         static_cast<double>(dangerMeter), endState, levelDone);
    }
    HashLevel(hash);
    return OutcomeOf(tally, script.record, tick, hash.value);
}
