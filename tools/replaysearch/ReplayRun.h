#pragma once
// Plays a replay script (record, Vop kind, difficulty, input per tick) on
// the real gameplay code, headless, and reports how the attempt ended. The
// level checker's replay test and the replay search both use it.
//
// Script format (replays/*.txt), one statement per line, '#' starts a comment:
//   record 7          level record to play
//   kind 1            Vop kind (1 beginner .. 6 elite)
//   difficulty 1      1 .. 3
//   screens 800x600 1920x1080
//                     the screen sizes the script proves the level at
//   hash 1920x1080 0123456789abcdef
//                     the simulation's hash at that size from a fresh start,
//                     played as the game plays it (PlayScriptAsGame)
//   30 R              hold these keys for 30 ticks: R right, L left, J jump,
//   1 RJA             A attack, U up (a second jump key), D down, B back,
//                     X restart; '-' for none
#include <cstdint>
#include <string>
#include <vector>

#include "engine/InputActions.h"
#include "tools/replaysearch/ReplayScreens.h"
#include "tools/replaysearch/ReplaySeeds.h"

struct ReplayStep {
    int ticks = 0;
    uint8_t right = 0, left = 0, jump = 0, attack = 0, up = 0;
    uint8_t down = 0, back = 0, restart = 0;
};

struct ReplayHash {
    ScreenSize screen;
    uint64_t value = 0;
};

struct ReplayScript {
    int record = -1;
    int kind = 1;
    int difficulty = 1;
    std::vector<ScreenSize> screens;
    std::vector<ReplayHash> hashes;
    std::vector<ReplayStep> steps;
};

// The recorded hash for this size, or false when the script keeps none.
bool FindReplayHash(const ReplayScript& script, const ScreenSize& screen, uint64_t* value);
// The script's screens line names this size.
bool ReplayNamesScreen(const ReplayScript& script, const ScreenSize& screen);

struct ReplayResult {
    bool finished = false;  // the goal was reached
    bool died = false;
    bool passed = false;    // finished and the level's pass rule met
    int ticks = 0;          // ticks played until the goal, a death or the end
    int score = 0;          // kill score + time bonus (time bonus alone in sprints)
    int killScore = 0;
    int timeBonus = 0;
    int kills = 0;          // enemies the kill rule popped
    int playerX = 0, playerY = 0;
    float danger = 0;
    uint64_t hash = 0;      // PlayScriptAsGame's hash, for a job played as the game plays
    // For a job scored from more start states (ReplayJob::scoredFrom): the
    // lowest score among them, and whether it passed from every one.
    int lowestScore = 0;
    bool passedFromAll = false;
};

bool ReadReplayScript(const std::string& path, ReplayScript& script, std::string& error);
bool ParseReplayScript(const std::string& text, ReplayScript& script, std::string& error);
std::string FormatReplayScript(const ReplayScript& script);

// The settings and progress files go to a fresh folder under /tmp instead
// of the player's; RemoveScratchSettings deletes it again.
void UseScratchSettings();
void RemoveScratchSettings();

// Once per process: silent audio, a scratch settings folder, no level
// pictures, the game's default screen size, the level table filled as at
// start-up (which also settles the fresh-start random state).
void PrepareReplayWorld();

// What a level load keeps from the play before it (a game plays one level
// after another): the bars' request, the jump keys' memory, where the trail
// ring writes next and its hot flags, the colour cycle's tick count. Cleared, every play starts as a level
// of a fresh game does, whatever this process played before.
void ClearCarriedOverState();

// The random state a level start from this seed begins with.
uint32_t ReplayStartState(const ReplaySeed& seed);

// Step by step: a level start as the script's header says, from the random
// state of the seed (a fresh game start by default) on a screen of the given
// size (the game's default by default), one tick with the given keys,
// whether the attempt has ended, and the result so far.
void BeginReplayLevel(int record, int kind, int difficulty, const ReplaySeed& seed = ReplaySeed{},
                      const ScreenSize& screen = ScreenSize{});
void StepReplayTick(const ReplayStep& keys);
// The action flags a step holds, all of them (the step-by-step play leaves
// out back and restart).
ActionFlags ReplayStepFlags(const ReplayStep& keys);
bool ReplayLevelOver();
ReplayResult CurrentReplayResult(int record, int ticks);

// The kill score this attempt would have from another seed. Nothing but the
// kill points depends on the random state (they are drawn at the level
// start), so the same inputs kill the same objects from every seed; this
// adds up what the objects killed so far are worth from `seed`. Exact for an
// attempt without a restart (the replays, the search).
int KillScoreFrom(const ReplaySeed& seed);
// Whether the attempt so far passes (or, unfinished, would pass on reaching
// the goal now) from every one of the seeds, and the lowest score among them.
bool PassesFromAll(int record, const std::vector<ReplaySeed>& seeds, int* lowestScore);

// Plays the script from the level start. After the last step the Vop gets no
// input for up to `idleTicks` more ticks. Stops at the goal or a death.
// `observe`, when given, is called after every tick.
ReplayResult PlayReplay(const ReplayScript& script, int idleTicks = 0,
                        bool (*observe)(void* context, int tick) = nullptr, void* context = nullptr,
                        const ReplaySeed& seed = ReplaySeed{}, const ScreenSize& screen = ScreenSize{});
