// fv_replaysearch: finds an input script that plays a level from its start to
// its goal, by greedy search with look-ahead over the real simulation. Each
// decision forks the process once per candidate input (the simulation is all
// global state, so a fork is an exact snapshot), lets the child play the
// candidate and a simple continuation, and keeps the best-scoring candidate.
//
//   fv_replaysearch --record 7 [--kind 1] [--difficulty 1] [--out FILE]
//                   [--prefix FILE] [--max-ticks N] [--step N] [--look N]
//
// The found script is plain input (replays/ format); the search only chooses
// which keys to hold.
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "game/LevelRecord.h"
#include "gameplay/DangerMeter.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "tools/replaysearch/ReplayRun.h"

namespace {

ReplayStep Keys(const char* k)
{
    ReplayStep s;
    s.ticks = 1;
    for (; *k; ++k) {
        if (*k == 'R') s.right = 1;
        if (*k == 'L') s.left = 1;
        if (*k == 'J') s.jump = 1;
        if (*k == 'A') s.attack = 1;
    }
    return s;
}

struct Settings {
    int record = -1, kind = 1, difficulty = 1;
    int step = 4, look = 90, maxTicks = 12000;
    double killWeight = 60;
    bool attack = true;
};

double Evaluate(const Settings& cfg, int tick, double threshold)
{
    const LevelRecord& rec = levelTable[cfg.record];
    ReplayResult r = CurrentReplayResult(cfg.record, tick);
    if (r.died) return -1e9 + tick;
    if (r.finished) return 1e8 + (r.passed ? 1e7 : 0) + r.score * 1000.0 - tick;
    const double dx = playerX - rec.goalX, dy = playerY - (rec.goalY - 60);
    double score = -std::sqrt(dx * dx + dy * dy);
    if (!rec.sprintLevel && !rec.bossLevel && killScore + timeBonus < threshold) score += cfg.killWeight * killScore;
    if (rec.bossLevel) {
        int alive = 0;
        for (int j = 0; j < LiveObjectCount(currentLevel); ++j) {
            const LevelObject& o = currentLevel.objects[j];
            if (o.objState == ObjAlive && (o.objKind == KindWalker || o.objKind == KindBouncer)) ++alive;
        }
        score -= alive * 400.0;
    }
    score -= 0.5 * dangerMeter;
    return score;
}

}  // namespace

int main(int argc, char** argv)
{
    Settings cfg;
    std::string out, prefix;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        const int v = std::atoi(argv[i + 1]);
        if (a == "--record") cfg.record = v;
        else if (a == "--kind") cfg.kind = v;
        else if (a == "--difficulty") cfg.difficulty = v;
        else if (a == "--out") out = argv[i + 1];
        else if (a == "--prefix") prefix = argv[i + 1];
        else if (a == "--max-ticks") cfg.maxTicks = v;
        else if (a == "--step") cfg.step = v;
        else if (a == "--look") cfg.look = v;
        else if (a == "--kill-weight") cfg.killWeight = v;
        else if (a == "--no-attack") cfg.attack = v == 0;
    }
    if (cfg.record < 0 || cfg.record > 45) {
        std::fprintf(stderr, "usage: fv_replaysearch --record N [--kind K] [--difficulty D] [--out FILE]\n");
        return 2;
    }
    ReplayScript script;
    script.record = cfg.record;
    script.kind = cfg.kind;
    script.difficulty = cfg.difficulty;
    BeginReplayLevel(cfg.record, cfg.kind, cfg.difficulty);
    const double threshold = levelTable[cfg.record].thresholdPoints;
    int tick = 0;
    if (!prefix.empty()) {
        ReplayScript p;
        std::string error;
        if (!ReadReplayScript(prefix, p, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        for (const ReplayStep& s : p.steps)
            for (int t = 0; t < s.ticks && !ReplayLevelOver(); ++t) {
                StepReplayTick(s);
                ++tick;
                ReplayStep one = s;
                one.ticks = 1;
                script.steps.push_back(one);
            }
    }
    std::vector<const char*> candidates = {"R", "RJ", "L", "LJ", "-", "J"};
    if (cfg.attack) {
        for (const char* k : {"RA", "RJA", "LA", "LJA", "A"}) candidates.push_back(k);
    }
    // Continuations after a candidate: toward the goal, with and without jumps.
    const int continuations = 3;
    while (!ReplayLevelOver() && tick < cfg.maxTicks) {
        const int dir = playerX < levelTable[cfg.record].goalX ? 1 : -1;
        const size_t n = candidates.size() * continuations;
        std::vector<int> pipes(n);
        std::vector<pid_t> kids(n);
        for (size_t c = 0; c < n; ++c) {
            int fd[2];
            if (pipe(fd) != 0) return 1;
            const pid_t pid = fork();
            if (pid == 0) {
                close(fd[0]);
                const ReplayStep cand = Keys(candidates[c / continuations]);
                const int cont = static_cast<int>(c % continuations);
                int t = tick;
                for (int k = 0; k < cfg.step && !ReplayLevelOver(); ++k, ++t) StepReplayTick(cand);
                for (int k = 0; k < cfg.look && !ReplayLevelOver(); ++k, ++t) {
                    ReplayStep s{};
                    s.ticks = 1;
                    (dir > 0 ? s.right : s.left) = 1;
                    if (cont == 1) s.jump = (k % 24) < 12;
                    if (cont == 2) s.jump = (k % 40) < 20, s.attack = cfg.attack;
                    StepReplayTick(s);
                }
                const double v = Evaluate(cfg, t, threshold);
                if (write(fd[1], &v, sizeof v) != sizeof v) _exit(1);
                _exit(0);
            }
            close(fd[1]);
            pipes[c] = fd[0];
            kids[c] = pid;
        }
        double best = -1e300;
        size_t bestCand = 0;
        for (size_t c = 0; c < n; ++c) {
            double v = -1e300;
            if (read(pipes[c], &v, sizeof v) != sizeof v) v = -1e300;
            close(pipes[c]);
            waitpid(kids[c], nullptr, 0);
            if (v > best) best = v, bestCand = c / continuations;
        }
        const ReplayStep chosen = Keys(candidates[bestCand]);
        for (int k = 0; k < cfg.step && !ReplayLevelOver(); ++k) {
            StepReplayTick(chosen);
            ++tick;
            script.steps.push_back(chosen);
        }
        if (tick % 200 < cfg.step)
            std::fprintf(stderr, "tick %d at (%d, %d) danger %.0f kills %d best %.0f [%s]\n", tick, playerX, playerY,
                         dangerMeter, killScore, best, candidates[bestCand]);
    }
    const ReplayResult r = CurrentReplayResult(cfg.record, tick);
    std::fprintf(stderr, "record %d: %s after %d ticks, score %d, %s\n", cfg.record,
                 r.finished ? "finished" : r.died ? "died" : "stopped", r.ticks, r.score,
                 r.passed ? "passed" : "not passed");
    const std::string text = FormatReplayScript(script);
    if (!out.empty()) {
        std::ofstream f(out);
        f << "# Found by fv_replaysearch; plays record " << cfg.record << " from its start to its goal.\n" << text;
    } else {
        std::fputs(text.c_str(), stdout);
    }
    return r.passed ? 0 : 1;
}
