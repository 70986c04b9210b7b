// Every hint line must be readable where a player meets it: along the
// level's replay at each screen size, on the frames the game presents
// (through the bloom) while the line is shown at full strength and wholly on
// screen, at least 80 % of its glyph pixels (over all those frames) must
// stand at 3:1 contrast or better against what the frame shows there
// without the texts: scenery, tiles, decorations, the bars. Glyph pixels the
// Vop, its trail, a creature or a burst covers at that moment are left out,
// and so are the moments of a kill flash, which whitens the whole frame on
// purpose. All five languages, with and without a pad. The figures go to
// artifacts/proof/hints-WxH.tsv, the worst frame of a line that falls short
// to artifacts/proof/hints/.
// FV_READING_RECORDS="0,5" reads only the records it lists.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "display/FrameReading.h"
#include "display/ReplayFrames.h"
#include "engine/InputActions.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/AnimationPhases.h"
#include "platform/Display.h"
#include "screens/LevelHints.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"
#include "tools/harness/PngFile.h"

namespace {

// Frames judged along a replay: the first frame that shows a line whole,
// then one whenever the camera has moved this far since the last.
constexpr int cameraStep = 64;
// The records whose hints are drawn.
const int hintRecords[] = {0, 7, 8, 6, 40, 12, 22, 21, 5};

// Lines that fall short today: over the darkest near scenery where the
// colour cycle dims it, or under the bars at the screen's edge.
const KnownShortfall knownShortfalls[] = {
    {"record 0 line 4", "Bouncers jump high. Time your move!", "800x600"},
    {"record 5 line 4", "Jump early, land rolling", "800x600 1024x768 1280x720"},
    {"record 12 line 0", "The Air Vop floats", "800x600 1024x768 1280x720"},
    {"record 12 line 5", "Light as a feather!", "1920x1080"},
    {"record 22 line 2", "Strike quickly, then cool down", "1280x720"},
};

struct Judging {
    FrameReader* reader;
    Languages* languages;
    std::map<std::tuple<int, int, int>, TextScore> scores;  // (line, language, pad)
    FrameImage shown, behind;
    std::vector<uint8_t> moving;
    int lastCameraX = 0, lastCameraY = 0;
    std::vector<size_t> lastShown;
    // The frame where each line did worst, kept for a look.
    std::map<int, std::pair<double, FrameImage>> worstFrames;
};

std::vector<size_t> WholeLines(const std::vector<DrawnItem>& lines)
{
    std::vector<size_t> whole;
    for (size_t k = 0; k < lines.size(); ++k)
        if ((lines[k].colour >> 24) == 255 && lines[k].WithinScreen(screenWidth, screenHeight)) whole.push_back(k);
    return whole;
}

// Whether this frame is one to judge: the bars open, no kill flash, and a
// line shown whole that was not at the last judged frame, or the camera
// moved on.
bool FrameToJudge(Judging& j)
{
    if (!barsOpen || bloomFlashInput > 0.0f) return false;
    const std::vector<size_t> whole = WholeLines(j.reader->Items(DrawLevelHints, {}));
    if (whole.empty()) return false;
    bool fresh = std::abs(cameraX - j.lastCameraX) + std::abs(cameraY - j.lastCameraY) >= cameraStep;
    for (size_t k : whole)
        fresh = fresh || std::find(j.lastShown.begin(), j.lastShown.end(), k) == j.lastShown.end();
    if (!fresh) return false;
    j.lastShown = whole;
    j.lastCameraX = cameraX;
    j.lastCameraY = cameraY;
    return true;
}

bool JudgeFrame(void* context, int tick)
{
    Judging& j = *static_cast<Judging*>(context);
    if (!FrameToJudge(j)) return true;
    j.reader->Behind(j.behind, {});
    j.reader->AlphaOf(MovingThings, j.moving);
    for (int l = 0; l < Languages::count; ++l) {
        j.languages->Use(l);
        std::vector<DrawnItem> keysLines;
        for (uint8_t pad : {0, 1}) {
            padConnected = pad;
            const std::vector<DrawnItem> lines = j.reader->Items(DrawLevelHints, {});
            if (pad == 0) keysLines = lines;
            std::vector<size_t> judged;
            for (size_t k : WholeLines(lines)) {
                // With a pad only the lines that name its buttons change.
                if (pad == 0 || k >= keysLines.size() || lines[k].text != keysLines[k].text) judged.push_back(k);
            }
            if (judged.empty()) continue;
            j.reader->Shown(j.shown);
            for (size_t k : judged) {
                TextScore& score = j.scores[{static_cast<int>(k), l, pad}];
                if (!score.Add(j.shown, j.behind, j.reader->InkOf(lines[k]), &j.moving, tick, lines[k].text)) continue;
                auto& frame = j.worstFrames[static_cast<int>(k)];
                if (frame.second.argb.empty() || score.worst < frame.first) frame = {score.worst, j.shown};
            }
        }
    }
    padConnected = 0;
    return true;
}

class HintReadability : public GameAtSize {};

TEST_P(HintReadability, EveryHintLineStandsOutFromWhatIsBehindIt)
{
    const ScreenSize size = GetParam();
    std::ofstream out = ProofTable("hints-" + ScreenName(size),
                                   "# record\tplay order\tline\tlanguage\tinput\tframes\treadable %\tworst frame %"
                                   "\tat tick\thidden %\tdark %\twashed out %\ttext");
    mkdir("artifacts/proof/hints", 0755);
    ShortfallLedger ledger(knownShortfalls, std::size(knownShortfalls), size);
    Languages texts;
    Judging j;
    j.reader = &reader;
    j.languages = &texts;
    for (int record : hintRecords) {
        if (!RecordWanted("FV_READING_RECORDS", record)) continue;
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
        j.worstFrames.clear();
        j.lastShown.clear();
        j.lastCameraX = j.lastCameraY = -1000000;
        const ReplayOutcome outcome = PlayReplayFrames(script, 0, JudgeFrame, &j);
        EXPECT_FALSE(outcome.leftReplay) << file << ": the game's update step left the replay's path";
        std::printf("%s at %s: %d ticks%s%s\n", file.c_str(), ScreenName(size).c_str(), outcome.ticks,
                    outcome.died ? ", died" : "", outcome.goalTick < 0 ? ", goal not reached" : "");
        std::map<int, bool> fallsShort;
        for (const auto& entry : j.scores) {
            const int line = std::get<0>(entry.first), l = std::get<1>(entry.first), pad = std::get<2>(entry.first);
            const TextScore& s = entry.second;
            const auto english = j.scores.find({line, 1, pad});
            std::string text = s.text, name = english == j.scores.end() ? s.text : english->second.text;
            std::replace(text.begin(), text.end(), '\n', ' ');
            std::replace(name.begin(), name.end(), '\n', ' ');
            char row[512];
            std::snprintf(row, sizeof row, "%d\t%d\t%d\t%s\t%s\t%d\t%.1f\t%.1f\t%d\t%.0f\t%.0f\t%.0f\t%s", record,
                          levelTable[record].playOrder, line, Languages::Code(l), pad ? "pad" : "keys", s.frames,
                          100 * s.Share(), 100 * s.worst, s.worstTick, 100 * s.why.hidden, 100 * s.why.dark,
                          100 * s.why.washed, text.c_str());
            out << row << '\n';
            ledger.Judge("record " + std::to_string(record) + " line " + std::to_string(line), name,
                         Languages::Code(l), s);
            fallsShort[line] = fallsShort[line] || s.Share() < readableShare;
        }
        for (const auto& f : j.worstFrames) {
            if (!fallsShort[f.first]) continue;
            char path[128];
            std::snprintf(path, sizeof path, "artifacts/proof/hints/%s-rec%02d-line%d.png", ScreenName(size).c_str(),
                          record, f.first);
            WritePngFile(path, f.second.second.argb.data(), f.second.second.width, f.second.second.height);
        }
    }
    ledger.Finish();
}

INSTANTIATE_TEST_SUITE_P(Sizes, HintReadability, ::testing::ValuesIn(readingSizes),
                         [](const ::testing::TestParamInfo<ScreenSize>& info) { return ScreenName(info.param); });

}  // namespace
