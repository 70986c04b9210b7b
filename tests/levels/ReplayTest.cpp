// Every replay in replays/ plays its level on the real gameplay code, with
// the level's required Vop kind (the beginner where any kind may play) at the
// default difficulty, and must pass: the goal reached with the threshold met,
// a sprint within its time, a boss beaten. Replays in replays/hard/ play
// their level at the hardest difficulty and must pass too.
#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shared/LevelRecord.h"
#include "support/BuildFolder.h"
#include "tools/replaysearch/ReplayRun.h"

namespace {

std::vector<std::string> ReplayFiles(const std::string& folder = "replays")
{
    std::vector<std::string> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) files.push_back(folder + "/" + name);
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Checks the header and name of a replay and plays it.
ReplayResult PlayReplayFile(const std::string& file, int difficulty)
{
    ReplayScript script;
    std::string error;
    EXPECT_TRUE(ReadReplayScript(file, script, error)) << error;
    if (!error.empty()) return ReplayResult();
    const LevelRecord& r = levelTable[script.record];
    const int kind = r.requiredKind == 0 ? 1 : r.requiredKind;
    EXPECT_EQ(script.kind, kind) << "replays must use the level's required kind";
    EXPECT_EQ(script.difficulty, difficulty);
    char expected[32];
    std::snprintf(expected, sizeof expected, "/order%02d-rec%02d.txt", r.playOrder, script.record);
    EXPECT_NE(file.find(expected), std::string::npos) << "named after its play order and record";
    script.kind = kind;
    script.difficulty = difficulty;
    const ReplayResult result = PlayReplay(script, 120);
    EXPECT_TRUE(result.finished) << "ended at " << result.playerX << "," << result.playerY << " after "
                                 << result.ticks << " ticks" << (result.died ? " (died)" : "");
    EXPECT_TRUE(result.passed) << "score " << result.score << " of " << r.thresholdPoints;
    return result;
}

TEST(Replays, ThereIsAReplayForTheFirstLevel)
{
    const std::vector<std::string> files = ReplayFiles();
    EXPECT_NE(std::find(files.begin(), files.end(), "replays/order01-rec07.txt"), files.end());
}

TEST(Replays, EveryReplayPassesItsLevelWithTheRequiredKind)
{
    PrepareReplayWorld();
    for (const std::string& file : ReplayFiles()) {
        SCOPED_TRACE(file);
        PlayReplayFile(file, 1);
    }
}

TEST(Replays, HardReplaysPassAtTheHardestDifficulty)
{
    PrepareReplayWorld();
    for (const std::string& file : ReplayFiles("replays/hard")) {
        SCOPED_TRACE(file);
        PlayReplayFile(file, 3);
    }
}

TEST(Replays, EveryPlayOrderHasOneReplay)
{
    PrepareReplayWorld();
    int replays[46] = {};
    for (const std::string& file : ReplayFiles()) {
        ReplayScript script;
        std::string error;
        ASSERT_TRUE(ReadReplayScript(file, script, error)) << error;
        ++replays[levelTable[script.record].playOrder];
    }
    for (int order = 1; order <= 45; ++order) EXPECT_EQ(replays[order], 1) << "play order " << order;
}

// Every level can be finished at the hardest difficulty too: with its own
// replay in replays/hard/ where contact or time asks for another route, with
// the default replay everywhere else.
TEST(Replays, EveryLevelPassesAtTheHardestDifficulty)
{
    PrepareReplayWorld();
    for (const std::string& file : ReplayFiles()) {
        const std::string hard = "replays/hard/" + file.substr(file.rfind('/') + 1);
        if (access(hard.c_str(), F_OK) == 0) continue;  // played by the test above
        SCOPED_TRACE(file + " at difficulty 3");
        ReplayScript script;
        std::string error;
        ASSERT_TRUE(ReadReplayScript(file, script, error)) << error;
        script.difficulty = 3;
        const ReplayResult result = PlayReplay(script, 120);
        EXPECT_TRUE(result.passed) << (result.died ? "died" : result.finished ? "finished short of the threshold"
                                                                              : "never reached the goal")
                                   << ", score " << result.score;
    }
}

// The replay tool must score a replay exactly as this test does, or a
// replay checked with the tool could fail here.
TEST(Replays, TheReplayToolAgreesWithTheReplayTest)
{
    const std::string tool = testfiles::InBuildFolder("tools/replay/fv_replay");
    if (access(tool.c_str(), X_OK) != 0) GTEST_SKIP() << "fv_replay not built at " << tool;

    // A level with many kills, so that any drift in the random kill points shows.
    const std::string file = "replays/order22-rec44.txt";
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(ReadReplayScript(file, script, error)) << error;
    PrepareReplayWorld();
    const ReplayResult result = PlayReplay(script);

    FILE* p = popen((tool + " --script " + file + " 2>/dev/null").c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string report;
    char line[256];
    while (std::fgets(line, sizeof line, p) != nullptr) report += line;
    pclose(p);
    const size_t at = report.find("kill score: ");
    ASSERT_NE(at, std::string::npos) << report;
    EXPECT_EQ(std::atoi(report.c_str() + at + 12), result.killScore);
    EXPECT_NE(report.find("passed: yes"), std::string::npos) << report;
}

}  // namespace
