// The worker batch: every job runs exactly once whatever order the results
// are taken in, with threads or without, and nothing runs after the batch.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/Workers.h"

namespace {

struct Counts {
    std::atomic<int> runs[maxWorkJobs];
    int results[maxWorkJobs];
};

void CountJob(void* context, int index)
{
    Counts* counts = static_cast<Counts*>(context);
    counts->runs[index].fetch_add(1);
    counts->results[index] = index * index;
}

TEST(WorkersTest, EveryJobRunsOnceInAnyOrderOfWaiting)
{
    for (const int threads : {0, 1, 3, maxWorkerThreads}) {
        static WorkBatch batch;
        static Counts counts;
        for (auto& r : counts.runs) r.store(0);
        const int jobs = 90;
        StartWork(batch, jobs, CountJob, &counts, threads);
        // The last job first, then the rest from the front.
        WaitForJob(batch, jobs - 1);
        EXPECT_EQ(counts.results[jobs - 1], (jobs - 1) * (jobs - 1));
        for (int i = 0; i < jobs / 2; ++i) {
            WaitForJob(batch, i);
            EXPECT_EQ(counts.results[i], i * i) << threads << " threads";
        }
        FinishWork(batch);
        for (int i = 0; i < jobs; ++i) ASSERT_EQ(counts.runs[i].load(), 1) << "job " << i;
        for (int i = jobs; i < maxWorkJobs; ++i) ASSERT_EQ(counts.runs[i].load(), 0);
    }
}

TEST(WorkersTest, ThreadsFollowTheCoresAndTheWork)
{
    EXPECT_EQ(WorkerThreadsFor(0), 0);
    EXPECT_EQ(WorkerThreadsFor(1), 0);  // one job: the caller runs it
    EXPECT_GE(WorkerThreadsFor(2), 1);
    EXPECT_LE(WorkerThreadsFor(2), 2);
    EXPECT_LE(WorkerThreadsFor(100), maxWorkerThreads);
    // The caller's core is left to it (on a machine of more than one core).
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    if (cores > 1 && cores - 1 <= maxWorkerThreads) {
        EXPECT_EQ(WorkerThreadsFor(100), cores - 1);
    }
}

}  // namespace
