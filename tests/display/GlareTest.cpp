// The bloom must not wash a level out while it is played: along each
// level's replay at the default screen size, the frames the game presents
// (kill flashes, the bars, the goal) are read back, and at most a tenth of
// them may be more than a quarter near white (every channel 240 or more):
// there the ground, the creatures and the Vop are lost in the glare. Every
// level's figures go to artifacts/proof/glare.tsv, and the worst frame of a
// level over the limit to artifacts/glare/.
//
// One frame in eight is read (a kill flash whitens about 38 ticks).
// FV_GLARE_STRIDE=1 reads every frame and prints each level's share as one
// frame in 4 and in 8 would give it too, to show the sampling holds.
// FV_GLARE_RECORDS=6,21 reads only those records (a quick look while a
// picture is mended; the verdicts on the others are skipped).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "display/FrameReading.h"
#include "display/ReplayFrames.h"
#include "engine/Settings.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/LevelAttempt.h"
#include "platform/Display.h"
#include "shared/LevelRecord.h"
#include "tools/harness/PngFile.h"

namespace {

constexpr int width = 1920, height = 1080;
constexpr double whiteFrame = 0.25, framesAllowed = 0.10;
int Stride()
{
    const char* s = std::getenv("FV_GLARE_STRIDE");
    const int n = s ? std::atoi(s) : 0;
    return n > 0 ? n : 8;
}

// Levels washed out today (none): the sky of their colour cycle's palest
// keys would whiten more than a quarter of too many frames, the bloom aside.
// The test fails on an unlisted level over the limit and on a listed one
// under it.
const std::vector<int> knownGlare = {};

bool NearWhite(uint32_t argb)
{
    return ((argb >> 16) & 0xFF) >= 240 && ((argb >> 8) & 0xFF) >= 240 && (argb & 0xFF) >= 240;
}

struct Watch {
    FrameReader* reader;
    int stride;
    int frames = 0, white = 0, whiteCalm = 0, worstTick = 0;
    double worst = 0;
    FrameImage frame, worstFrame;
    std::vector<std::pair<int, bool>> over;  // (tick, more than a quarter near white)
};

// The share of frames over the limit had only one tick in `every` been read.
double ShareEvery(const Watch& w, int every)
{
    int frames = 0, white = 0;
    for (const auto& f : w.over)
        if (f.first % every == 0) {
            ++frames;
            white += f.second;
        }
    return frames ? static_cast<double>(white) / frames : 0.0;
}

bool ReadFrame(void* context, int tick)
{
    Watch& w = *static_cast<Watch*>(context);
    if (tick % w.stride != 0 || levelDone) return true;  // the level's play, up to its goal
    w.reader->Shown(w.frame);
    size_t count = 0;
    for (uint32_t p : w.frame.argb) count += NearWhite(p);
    const double share = static_cast<double>(count) / static_cast<double>(w.frame.argb.size());
    ++w.frames;
    w.over.emplace_back(tick, share > whiteFrame);
    w.white += share > whiteFrame;
    w.whiteCalm += share > whiteFrame && bloomFlashInput <= 0.0f;
    if (share > w.worst) {
        w.worst = share;
        w.worstTick = tick;
        w.worstFrame = w.frame;
    }
    return true;
}

TEST(Glare, NoLevelIsWashedOutWhilePlayed)
{
    if (!DisplayAvailable()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    PrepareReplayFrames();
    ASSERT_TRUE(StartGameAt(ScreenSize{width, height}));
    FrameReader reader;
    if (!reader.Open()) GTEST_SKIP() << "this display runs no shaders";
    std::ofstream out = ProofTable("glare", "# record\tplay order\tframes read\tframes over a quarter near white"
                                            "\tshare %\tworst frame %\tat tick\tof them outside a kill flash");
    mkdir("artifacts/glare", 0755);
    for (int record = 0; record < filledLevelRecords; ++record) {
        const int order = levelTable[record].playOrder;
        if (order < 1 || !RecordWanted("FV_GLARE_RECORDS", record)) continue;
        SCOPED_TRACE("record " + std::to_string(record));
        const std::string file = ReplayForScreen(record, ScreenSize{width, height});
        if (file.empty()) {
            // The replay test lists the gap; the level is judged once a replay proves the size.
            std::printf("no replay of record %d proves 1920x1080 yet\n", record);
            continue;
        }
        ReplayScript script;
        std::string error;
        ASSERT_TRUE(ReadReplayScript(file, script, error)) << error;
        Watch w;
        w.reader = &reader;
        w.stride = Stride();
        const ReplayOutcome outcome = PlayReplayFrames(script, 0, ReadFrame, &w);
        EXPECT_FALSE(outcome.leftReplay) << file << ": the game's update step left the replay's path";
        const double share = w.frames ? static_cast<double>(w.white) / w.frames : 0.0;
        char line[160];
        std::snprintf(line, sizeof line, "%d\t%d\t%d\t%d\t%.1f\t%.1f\t%d\t%d", record, order, w.frames, w.white,
                      100 * share, 100 * w.worst, w.worstTick, w.whiteCalm);
        out << line << '\n';
        std::printf("%s: %d of %d frames over a quarter near white (%.1f %%), worst %.1f %% at tick %d%s\n",
                    file.c_str(), w.white, w.frames, 100 * share, 100 * w.worst, w.worstTick,
                    outcome.goalTick < 0 ? " (goal not reached)" : "");
        if (w.stride == 1)
            std::printf("  read one frame in 4: %.1f %%, in 8: %.1f %%\n", 100 * ShareEvery(w, 4),
                        100 * ShareEvery(w, 8));
        const bool listed = std::find(std::begin(knownGlare), std::end(knownGlare), record) != std::end(knownGlare);
        if (share > framesAllowed && !listed)
            ADD_FAILURE() << file << ": " << w.white << " of " << w.frames
                          << " frames are more than a quarter near white\n  row: " << record << ",";
        if (share <= framesAllowed && listed)
            ADD_FAILURE() << file << ": only " << w.white << " of " << w.frames
                          << " frames are more than a quarter near white now: take record " << record
                          << " out of the list";
        if (share > framesAllowed) {
            char path[96];
            std::snprintf(path, sizeof path, "artifacts/glare/order%02d-rec%02d-tick%d.png", order, record,
                          w.worstTick);
            WritePngFile(path, w.worstFrame.argb.data(), width, height);
        }
    }
}

}  // namespace
