#include "tools/replaysearch/ReplayJobs.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "tools/replaysearch/ReplayAsGame.h"

namespace {

ReplayResult PlayJob(const ReplayJob& job)
{
    if (!job.asGame) {
        ReplayResult r = PlayReplay(job.script, job.idleTicks, nullptr, nullptr, job.seed, job.screen);
        if (!job.scoredFrom.empty())
            r.passedFromAll = PassesFromAll(job.script.record, job.scoredFrom, &r.lowestScore) && r.finished && !r.died;
        return r;
    }
    const ReplayGameOutcome o = PlayScriptAsGame(job.script, ReplayStartState(job.seed), job.screen);
    ReplayResult r;
    r.finished = o.finished;
    r.passed = o.passed;
    r.ticks = o.ticks;
    r.kills = o.kills;
    r.killScore = o.killScore;
    r.timeBonus = o.timeBonus;
    r.score = o.total;
    r.hash = o.hash;
    return r;
}

// Each job in a process of its own, forked from the prepared world, so that
// no play inherits what an earlier one left in the globals: every play
// starts as a single run of fv_replay does.
bool PlayJobAfresh(const ReplayJob& job, ReplayResult& result)
{
    int fd[2];
    if (pipe(fd) != 0) return false;
    const pid_t pid = fork();
    if (pid < 0) {
        close(fd[0]);
        close(fd[1]);
        return false;
    }
    if (pid == 0) {
        close(fd[0]);
        const ReplayResult r = PlayJob(job);
        _exit(write(fd[1], &r, sizeof r) == static_cast<ssize_t>(sizeof r) ? 0 : 1);
    }
    close(fd[1]);
    const bool got = read(fd[0], &result, sizeof result) == static_cast<ssize_t>(sizeof result);
    close(fd[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return got && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool PlayReplaysInParallel(const std::vector<ReplayJob>& jobs, int workers, std::vector<ReplayResult>& results)
{
    PrepareReplayWorld();
    results.assign(jobs.size(), ReplayResult{});
    if (jobs.empty()) return true;
    if (workers < 1) workers = 1;
    if (static_cast<size_t>(workers) > jobs.size()) workers = static_cast<int>(jobs.size());
    struct Message {
        uint32_t index;
        ReplayResult result;
    };
    std::vector<int> pipes;
    std::vector<pid_t> children;
    std::fflush(stdout);
    std::fflush(stderr);
    for (int w = 0; w < workers; ++w) {
        int fd[2];
        if (pipe(fd) != 0) break;
        const pid_t pid = fork();
        if (pid < 0) {
            close(fd[0]);
            close(fd[1]);
            break;
        }
        if (pid == 0) {
            close(fd[0]);
            for (int other : pipes) close(other);
            const int quiet = open("/dev/null", O_WRONLY);
            if (quiet >= 0) dup2(quiet, STDOUT_FILENO);
            // Completion saves progress: each child writes its own scratch files.
            UseScratchSettings();
            bool ok = true;
            for (size_t i = static_cast<size_t>(w); i < jobs.size() && ok; i += static_cast<size_t>(workers)) {
                Message m;
                m.index = static_cast<uint32_t>(i);
                ok = PlayJobAfresh(jobs[i], m.result) && write(fd[1], &m, sizeof m) == static_cast<ssize_t>(sizeof m);
            }
            RemoveScratchSettings();
            _exit(ok ? 0 : 1);
        }
        close(fd[1]);
        pipes.push_back(fd[0]);
        children.push_back(pid);
    }
    std::vector<uint8_t> got(jobs.size(), 0);
    std::vector<pollfd> polls(pipes.size());
    for (size_t k = 0; k < pipes.size(); ++k) polls[k] = {pipes[k], POLLIN, 0};
    size_t live = pipes.size();
    while (live > 0) {
        if (poll(polls.data(), polls.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (pollfd& p : polls) {
            if (p.fd < 0 || p.revents == 0) continue;
            Message m;
            const ssize_t n = read(p.fd, &m, sizeof m);
            if (n == static_cast<ssize_t>(sizeof m) && m.index < jobs.size()) {
                results[m.index] = m.result;
                got[m.index] = 1;
            } else {
                // End of this child's results (or a torn message: it is dropped).
                close(p.fd);
                p.fd = -1;
                --live;
            }
        }
    }
    bool all = true;
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) all = false;
    }
    for (uint8_t g : got) all = all && g;
    return all && static_cast<int>(children.size()) == workers;
}
