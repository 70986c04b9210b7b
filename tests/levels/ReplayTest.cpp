// Every replay in replays/ plays its level on the real gameplay code, with
// the level's required Vop kind (the beginner where any kind may play) at the
// default difficulty, and must pass: the goal reached with the threshold met,
// a sprint within its time, a boss beaten.
#include <dirent.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/LevelRecord.h"
#include "tools/replaysearch/ReplayRun.h"

namespace {

std::vector<std::string> ReplayFiles()
{
    std::vector<std::string> files;
    if (DIR* dir = opendir("replays")) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) files.push_back("replays/" + name);
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
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
        ReplayScript script;
        std::string error;
        ASSERT_TRUE(ReadReplayScript(file, script, error)) << error;
        const LevelRecord& r = levelTable[script.record];
        const int kind = r.requiredKind == 0 ? 1 : r.requiredKind;
        EXPECT_EQ(script.kind, kind) << "replays must use the level's required kind";
        EXPECT_EQ(script.difficulty, 1) << "replays run at the default difficulty";
        char expected[32];
        std::snprintf(expected, sizeof expected, "order%02d-rec%02d.txt", r.playOrder, script.record);
        EXPECT_NE(file.find(expected), std::string::npos) << "named after its play order and record";
        script.kind = kind;
        script.difficulty = 1;
        const ReplayResult result = PlayReplay(script, 120);
        EXPECT_TRUE(result.finished) << "ended at " << result.playerX << "," << result.playerY << " after "
                                     << result.ticks << " ticks" << (result.died ? " (died)" : "");
        EXPECT_TRUE(result.passed) << "score " << result.score << " of " << r.thresholdPoints;
    }
}

}  // namespace
