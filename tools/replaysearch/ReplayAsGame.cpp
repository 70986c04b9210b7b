#include "tools/replaysearch/ReplayAsGame.h"

#include <cstdio>

#include "engine/InputActions.h"
#include "engine/Settings.h"
#include "game/LevelTable.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/CollisionPicture.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/DangerMeter.h"
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

ActionFlags StepFlags(const ReplayStep& s)
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

}  // namespace

ReplayGameOutcome PlayScriptAsGame(const ReplayScript& script, uint32_t startState, const ScreenSize& screen,
                                   const ReplayGameOptions& options)
{
    const int record = script.record;
    const ReplayGameOptions& run = options;
    screenWidth = screen.width;
    screenHeight = screen.height;
    vopKind = script.kind;
    difficulty = script.difficulty;
    checkpointsEnabled = options.checkpoints;
    shaderEnabled = options.shader;
    unlockedLevels = levelTable[record].playOrder;
    ClearCarriedOverState();
    const std::vector<ReplayStep>& steps = script.steps;
    const uint32_t state = startState;
    gameState = InGame;
    SeedSimRandom(state);
    LoadLevel(levelTable[record]);

    Bars bars;
    bars.half = screenHeight / 2;
    bars.curtain = bars.half;

    StateHash hash;
    int tick = 0, deaths = 0, goalTick = -1, goalKills = 0, goalTime = 0, kills = 0;
    bool passed = false, left = false;
    size_t stepIndex = 0;
    int stepLeft = steps.empty() ? 0 : steps[0].ticks;
    int idleTicks = 0;

    while (!left) {
        while (stepIndex < steps.size() && stepLeft == 0) {
            ++stepIndex;
            if (stepIndex < steps.size()) stepLeft = steps[stepIndex].ticks;
        }
        if (stepIndex >= steps.size()) {
            if (!run.untilLeft || idleTicks >= 20000) break;
            RestoreActionFlags(ActionFlags{});
            ++idleTicks;
        } else {
            RestoreActionFlags(StepFlags(steps[stepIndex]));
            --stepLeft;
        }

        DecayFlashes();
        const int endBefore = endState;
        const bool doneBefore = levelDone != 0;
        const int count = LiveObjectCount(currentLevel);
        uint8_t aliveBefore[maxLevelObjects];
        for (int j = 0; j < count; ++j) aliveBefore[j] = currentLevel.objects[j].objState == ObjAlive;
        SimulateLevelTick();
        if (!doneBefore) kills += KillsThisTick(aliveBefore, count);
        if (endBefore == EndAlive && endState != EndAlive) ++deaths;
        if (!doneBefore && levelDone) {
            goalTick = tick + 1;
            goalKills = killScore;
            goalTime = timeBonus;
            const int threshold = levelTable[record].thresholdPoints;
            passed = currentLevel.sprintLevel ? goalTime >= threshold
                                              : (goalKills + goalTime >= threshold || currentLevel.bossLevel);
        }

        // The bars: reopen, close on a request, switch when closed.
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
        if (levelDone) goalScoreFade += 1;
        UpdateEndScreen();
        if (actionBack && fadeState == FadeNone && endState == EndAlive) fadeState = FadeLeaveLevel;
        if (actionRestart && fadeState == FadeNone && !levelDone && endState == EndAlive) {
            fadeState = FadeRestartKey;
            checkpointReached = 0;
        }
        AdvanceLevelTime();

        HashTick(hash);
        ++tick;
        if (run.trace)
            std::fprintf(stderr, "tick %d: x %d y %d velX %.3f velY %.3f danger %.1f end %d done %d\n", tick,
                         playerX, playerY, static_cast<double>(velX), static_cast<double>(velY),
                         static_cast<double>(dangerMeter), endState, levelDone);
    }
    HashLevel(hash);

    ReplayGameOutcome out;
    out.finished = goalTick >= 0;
    out.passed = out.finished && passed;
    out.ticks = out.finished ? goalTick : tick;
    out.simulated = tick;
    out.deaths = deaths;
    out.kills = kills;
    out.killScore = out.finished ? goalKills : killScore;
    out.timeBonus = out.finished ? goalTime : timeBonus;
    out.total = currentLevel.sprintLevel ? out.timeBonus : out.killScore + out.timeBonus;
    out.threshold = levelTable[record].thresholdPoints;
    out.hash = hash.value;
    return out;
}

