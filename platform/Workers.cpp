#include "platform/Workers.h"

#include <system_error>

namespace {

enum : uint8_t { jobWaiting = 0, jobRunning = 1, jobDone = 2 };

// Claims a job for the calling thread; false when another thread has it.
bool ClaimJob(WorkBatch& batch, int index)
{
    uint8_t expected = jobWaiting;
    return batch.jobState[index].compare_exchange_strong(expected, jobRunning);
}

void RunJob(WorkBatch& batch, int index)
{
    batch.job(batch.context, index);
    {
        // Under the lock, so a waiter cannot test the state and then miss
        // the wake-up.
        std::lock_guard<std::mutex> lock(batch.mutex);
        batch.jobState[index].store(jobDone);
    }
    batch.jobDone.notify_all();
}

void WorkerLoop(WorkBatch* batch)
{
    for (;;) {
        const int index = batch->nextJob.fetch_add(1);
        if (index >= batch->count) return;
        if (ClaimJob(*batch, index)) RunJob(*batch, index);
    }
}

}  // namespace

int WorkerThreadsFor(int jobs)
{
    if (jobs <= 1) return 0;
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    // One core is left to the caller, which makes the textures of what is
    // decoded meanwhile; a worker on every core slows it more than it helps.
    int threads = cores > 1 ? cores - 1 : 1;
    if (threads > maxWorkerThreads) threads = maxWorkerThreads;
    return threads < jobs ? threads : jobs;
}

void StartWork(WorkBatch& batch, int count, void (*job)(void* context, int index), void* context,
               int threads)
{
    // A batch still running is finished first: its threads must be joined
    // before their places are taken.
    if (batch.threadCount > 0) FinishWork(batch);
    batch.job = job;
    batch.context = context;
    batch.count = count < maxWorkJobs ? (count > 0 ? count : 0) : maxWorkJobs;
    batch.nextJob.store(0);
    for (int i = 0; i < maxWorkJobs; ++i) batch.jobState[i].store(jobWaiting);
    batch.threadCount = 0;
    if (threads > maxWorkerThreads) threads = maxWorkerThreads;
    for (int t = 0; t < threads; ++t) {
        try {
            batch.threads[t] = std::thread(WorkerLoop, &batch);
        } catch (const std::system_error&) {
            break;  // the waiting thread runs what is left
        }
        batch.threadCount = t + 1;
    }
}

void WaitForJob(WorkBatch& batch, int index)
{
    if (index < 0 || index >= batch.count) return;
    if (ClaimJob(batch, index)) {
        RunJob(batch, index);
        return;
    }
    std::unique_lock<std::mutex> lock(batch.mutex);
    batch.jobDone.wait(lock, [&] { return batch.jobState[index].load() == jobDone; });
}

void FinishWork(WorkBatch& batch)
{
    for (int i = 0; i < batch.count; ++i) WaitForJob(batch, i);
    for (int t = 0; t < batch.threadCount; ++t) batch.threads[t].join();
    batch.threadCount = 0;
    batch.count = 0;
}
