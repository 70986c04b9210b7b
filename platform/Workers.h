#pragma once
// A few threads that run the independent jobs of one batch (decoding picture
// files) while the game thread takes their results one by one. A job touches
// nothing but its own inputs and outputs; every thread is joined before the
// batch ends, so no thread outlives the call that started it.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

constexpr int maxWorkerThreads = 8;
constexpr int maxWorkJobs = 128;

struct WorkBatch {
    void (*job)(void* context, int index) = nullptr;
    void* context = nullptr;
    int count = 0;
    std::atomic<int> nextJob{0};
    std::atomic<uint8_t> jobState[maxWorkJobs] = {};  // 0 waiting, 1 running, 2 done
    std::mutex mutex;
    std::condition_variable jobDone;
    std::thread threads[maxWorkerThreads];
    int threadCount = 0;
};

// Threads worth starting for `jobs` jobs: one a core but the caller's, at most
// maxWorkerThreads, none for a single job (the caller's thread runs it).
int WorkerThreadsFor(int jobs);

// Starts `threads` threads (fewer when the system refuses some) that run
// job(context, i) once for every i below count (at most maxWorkJobs), in
// order of i. With no threads the jobs run inside WaitForJob.
void StartWork(WorkBatch& batch, int count, void (*job)(void* context, int index), void* context,
               int threads);
// Returns once job `index` has run; runs it on this thread when no worker
// has taken it yet. Its outputs may be read from then on.
void WaitForJob(WorkBatch& batch, int index);
// Waits for every job and joins the threads.
void FinishWork(WorkBatch& batch);
