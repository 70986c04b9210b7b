// The messages at a level's goal ("Level passed!", "New level unlocked!",
// the not-passed and new-kind lines) must be readable where each level puts
// them: along the level's replay at each screen size, once they have faded
// in, at least 80 % of each message's glyph pixels (over the frames judged)
// must stand at 3:1 or better against what the frame shows there without the
// texts, through the bloom, in all five languages. Each level is judged with
// every message its goal can show: passed with a new level and a new kind,
// and not passed. The figures go to artifacts/proof/goal-messages-WxH.tsv.
// FV_READING_RECORDS="0,5" reads only the records it lists.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "display/FrameReading.h"
#include "display/ReplayFrames.h"
#include "engine/LanguageTables.h"
#include "game/InGameRender.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelLoading.h"
#include "platform/Display.h"
#include "shared/LevelRecord.h"
#include "tools/harness/PngFile.h"

namespace {

// The messages fade in over 26 ticks after the goal; these frames after
// that are judged.
constexpr int fadedIn = 26;
const int judgedAfterFade[] = {0, 60};

// The messages a goal can show, set for one frame.
struct Messages {
    uint8_t unlocked, notPassed, newKind;
};
const Messages variants[] = {{1, 0, 1}, {0, 1, 0}};

// Goals whose messages fall short today (all of a goal's messages in one
// row): where the view leaves them under the bars at the screen's edge, or
// black over the black gears and silhouettes round the sign.
const KnownShortfall knownShortfalls[] = {
    {"record 6", "its goal's messages", "800x600 1024x768 1280x720 1920x1080"},
    {"record 10", "its goal's messages", "1024x768 1280x720 1920x1080"},
    {"record 14", "its goal's messages", "800x600"},
    {"record 16", "its goal's messages", "800x600"},
    {"record 22", "its goal's messages", "800x600 1024x768 1280x720 1920x1080"},
    {"record 24", "its goal's messages", "800x600"},
    {"record 28", "its goal's messages", "800x600 1024x768 1280x720"},
    {"record 36", "its goal's messages", "800x600"},
};

struct Judging {
    FrameReader* reader;
    Languages* languages;
    std::map<std::tuple<std::string, int>, TextScore> scores;  // (ingame entry's text in English, language)
    FrameImage shown, behind;
    std::vector<uint8_t> moving;
    FrameImage firstShown;  // the first frame judged, kept for a look
};

bool JudgeFrame(void* context, int tick)
{
    Judging& j = *static_cast<Judging*>(context);
    if (!levelDone) return true;
    const int after = goalScoreFade - fadedIn;
    if (std::find(std::begin(judgedAfterFade), std::end(judgedAfterFade), after) == std::end(judgedAfterFade))
        return true;
    j.reader->Behind(j.behind, {});
    j.reader->AlphaOf(MovingThings, j.moving);
    const Messages kept = {newLevelUnlocked, levelNotPassed, newKindUnlocked};
    for (const Messages& m : variants) {
        newLevelUnlocked = m.unlocked;
        levelNotPassed = m.notPassed;
        newKindUnlocked = m.newKind;
        std::vector<std::string> names;
        j.languages->Use(1);
        for (const DrawnItem& item : j.reader->Items(DrawEndMessages, {})) names.push_back(item.text);
        for (int l = 0; l < Languages::count; ++l) {
            j.languages->Use(l);
            const std::vector<DrawnItem> items = j.reader->Items(DrawEndMessages, {});
            if (items.empty()) continue;
            j.reader->Shown(j.shown);
            if (j.firstShown.argb.empty() && l == 1 && m.unlocked) j.firstShown = j.shown;
            for (size_t k = 0; k < items.size() && k < names.size(); ++k)
                j.scores[{names[k], l}].Add(j.shown, j.behind, j.reader->InkOf(items[k]), &j.moving, tick,
                                            items[k].text);
        }
    }
    newLevelUnlocked = kept.unlocked;
    levelNotPassed = kept.notPassed;
    newKindUnlocked = kept.newKind;
    return true;
}

class GoalMessageReadability : public GameAtSize {};

TEST_P(GoalMessageReadability, EveryGoalMessageStandsOutFromWhatIsBehindIt)
{
    const ScreenSize size = GetParam();
    std::ofstream out = ProofTable("goal-messages-" + ScreenName(size),
                                   "# record\tplay order\tmessage\tlanguage\tframes\treadable %\tworst frame %"
                                   "\thidden %\tdark %\twashed out %\ttext");
    ShortfallLedger ledger(knownShortfalls, std::size(knownShortfalls), size);
    Languages texts;
    Judging j;
    j.reader = &reader;
    j.languages = &texts;
    for (int record = 0; record < filledLevelRecords; ++record) {
        const int order = levelTable[record].playOrder;
        if (order < 1 || !RecordWanted("FV_READING_RECORDS", record)) continue;
        SCOPED_TRACE("record " + std::to_string(record) + " at " + ScreenName(size));
        const std::string file = ReplayForScreen(record, size);
        if (file.empty()) {
            // The replay test lists the gap; the texts are judged once a replay proves the size.
            std::printf("no replay of record %d proves %s yet\n", record, ScreenName(size).c_str());
            continue;
        }
        ReplayScript script;
        std::string error;
        ASSERT_TRUE(ReadReplayScript(file, script, error)) << error;
        j.scores.clear();
        j.firstShown = FrameImage();
        const ReplayOutcome outcome = PlayReplayFrames(script, fadedIn + judgedAfterFade[1] + 2, JudgeFrame, &j);
        EXPECT_FALSE(outcome.leftReplay) << file << ": the game's update step left the replay's path";
        if (outcome.goalTick < 0) {
            std::printf("%s at %s: the goal is not reached (%s at tick %d)\n", file.c_str(), ScreenName(size).c_str(),
                        outcome.died ? "died" : "stopped", outcome.ticks);
            continue;
        }
        bool fallsShort = false;
        for (const auto& entry : j.scores) {
            const int l = std::get<1>(entry.first);
            const TextScore& s = entry.second;
            std::string name = std::get<0>(entry.first), text = s.text;
            std::replace(name.begin(), name.end(), '\n', ' ');
            std::replace(text.begin(), text.end(), '\n', ' ');
            char row[512];
            std::snprintf(row, sizeof row, "%d\t%d\t%s\t%s\t%d\t%.1f\t%.1f\t%.0f\t%.0f\t%.0f\t%s", record, order,
                          name.c_str(), Languages::Code(l), s.frames, 100 * s.Share(), 100 * s.worst,
                          100 * s.why.hidden, 100 * s.why.dark, 100 * s.why.washed, text.c_str());
            out << row << '\n';
            ledger.Judge("record " + std::to_string(record), "its goal's messages", Languages::Code(l), s);
            fallsShort = fallsShort || s.Share() < readableShare;
        }
        if (fallsShort && !j.firstShown.argb.empty()) {
            mkdir("artifacts/proof/goal-messages", 0755);
            char path[128];
            std::snprintf(path, sizeof path, "artifacts/proof/goal-messages/%s-order%02d-rec%02d.png",
                          ScreenName(size).c_str(), order, record);
            WritePngFile(path, j.firstShown.argb.data(), j.firstShown.width, j.firstShown.height);
        }
    }
    ledger.Finish();
}

INSTANTIATE_TEST_SUITE_P(Sizes, GoalMessageReadability, ::testing::ValuesIn(readingSizes),
                         [](const ::testing::TestParamInfo<ScreenSize>& info) { return ScreenName(info.param); });

}  // namespace
