// A picture of every level's start, drawn by the real render pass with the
// level's tiles, scenery, objects and the level's own Vop kind, plain and
// through the bloom as a player sees it, at the default screen size and the
// smallest: kept under artifacts/level-starts/WxH/ (half size, named after
// the play order) with contact sheets of all of them, for a person to look
// over the levels. How much the bloom whitens a level along its play is
// judged by the glare test.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "game/Bloom.h"
#include "game/RenderPass.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelLoading.h"
#include "platform/RenderTarget.h"
#include "platform/SpriteBatch.h"
#include "shared/LevelRecord.h"
#include "tools/harness/Harness.h"
#include "tools/harness/PngFile.h"
#include "support/TestFiles.h"

namespace {

constexpr int playOrderCount = 45;  // record 1 is never played

// Halves a picture by averaging each 2 x 2 block.
std::vector<uint32_t> HalfSize(const std::vector<uint32_t>& pixels, int width, int height)
{
    const int w = width / 2, h = height / 2;
    std::vector<uint32_t> half(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const uint32_t p = pixels[static_cast<size_t>(2 * y + dy) * width + 2 * x + dx];
                    for (int c = 0; c < 4; ++c) sum[c] += (p >> (8 * c)) & 0xFF;
                }
            uint32_t out = 0;
            for (int c = 0; c < 4; ++c) out |= (sum[c] / 4) << (8 * c);
            half[static_cast<size_t>(y) * w + x] = out;
        }
    return half;
}

// True when a frame shows a scene rather than a flat fill or a few blocks:
// many colours, and no one colour (the sky) over three quarters of it.
bool LooksDrawn(const std::vector<uint32_t>& pixels)
{
    std::map<uint32_t, size_t> counts;
    for (uint32_t p : pixels) ++counts[p | 0xFF000000u];
    size_t largest = 0;
    for (const auto& c : counts) largest = std::max(largest, c.second);
    return counts.size() >= 200 && largest < pixels.size() / 4 * 3;
}

// A contact sheet of quarter-size thumbnails, one per play order.
struct ContactSheet {
    int thumbW, thumbH, columns = 5, rows;
    std::vector<uint32_t> pixels;
    ContactSheet(int screenW, int screenH, int count)
        : thumbW(screenW / 4), thumbH(screenH / 4), rows((count + 4) / 5),
          pixels(static_cast<size_t>(columns) * thumbW * rows * thumbH, 0xFF000000u)
    {
    }
    void Put(int order, const std::vector<uint32_t>& half)
    {
        const std::vector<uint32_t> thumb = HalfSize(half, thumbW * 2, thumbH * 2);
        const int sx = (order - 1) % columns * thumbW, sy = (order - 1) / columns * thumbH;
        for (int y = 0; y < thumbH; ++y)
            for (int x = 0; x < thumbW; ++x)
                pixels[static_cast<size_t>(sy + y) * columns * thumbW + sx + x] = thumb[static_cast<size_t>(y) * thumbW + x];
    }
    bool Write(const char* path) const { return WritePngFile(path, pixels.data(), columns * thumbW, rows * thumbH); }
};

struct ScreenSize {
    int width, height;
};

std::string Name(const ScreenSize& s) { return std::to_string(s.width) + "x" + std::to_string(s.height); }

class ScreenshotLevelStarts : public ::testing::TestWithParam<ScreenSize> {};

// Each level is started once and drawn twice: the plain frame, and the same
// frame through the bloom effects (the default option).
TEST_P(ScreenshotLevelStarts, EveryLevelStartShowsADrawnScene)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs a display (run under xvfb-run)";
    const testfiles::TempFolder homeFolder("fv-starts-");
    const std::string& home = homeFolder.path;
    HarnessConfig config;
    config.window = true;
    config.loadResources = true;
    config.loadLevelPictures = true;
    config.shaderEnabled = 1;
    config.render = false;  // only the frames looked at are drawn
    config.screenWidth = GetParam().width;
    config.screenHeight = GetParam().height;
    config.homeDir = home.c_str();
    ASSERT_TRUE(HarnessInit(config));
    const bool bloom = SetUpBloom();
    if (!bloom) std::printf("this display runs no shaders: the bloom frames are left out\n");

    const std::string folder = "artifacts/level-starts/" + Name(GetParam());
    mkdir("artifacts", 0755);
    mkdir("artifacts/level-starts", 0755);
    mkdir(folder.c_str(), 0755);
    RenderTarget* target = CreateRenderTarget(screenWidth, screenHeight);
    ASSERT_NE(target, nullptr);
    const int halfW = screenWidth / 2, halfH = screenHeight / 2;
    ContactSheet plainSheet(screenWidth, screenHeight, playOrderCount), bloomSheet = plainSheet;
    std::vector<uint32_t> pixels(static_cast<size_t>(screenWidth) * screenHeight);
    int shots = 0;
    for (int record = 0; record < filledLevelRecords; ++record) {
        const int order = levelTable[record].playOrder;
        if (order < 1) continue;
        SCOPED_TRACE("record " + std::to_string(record));
        vopKind = levelTable[record].requiredKind == 0 ? 1 : levelTable[record].requiredKind;
        // The colour cycle's count runs on from the screen before; after a
        // whole fade on the level page a level's colours move on from their
        // first key at once, as a player mostly sees them.
        colourCycleTicks = 200;
        ASSERT_TRUE(HarnessStartLevel(record));
        HarnessTicks(70);  // the bars open and the Vop drops in
        SetBatchTarget(target);
        DrawFrameContents();
        SetBatchTarget(nullptr);
        ASSERT_TRUE(ReadRenderTargetPixels(target, pixels.data(), static_cast<int>(pixels.size())));
        EXPECT_TRUE(LooksDrawn(pixels)) << "the start of play order " << order << " looks empty";
        const std::vector<uint32_t> half = HalfSize(pixels, screenWidth, screenHeight);
        char path[128];
        std::snprintf(path, sizeof path, "%s/order%02d-rec%02d.png", folder.c_str(), order, record);
        EXPECT_TRUE(WritePngFile(path, half.data(), halfW, halfH));
        plainSheet.Put(order, half);
        ++shots;
        if (!bloom) continue;

        SetBatchTarget(sceneTexture);
        DrawFrameContents();
        SetBatchTarget(nullptr);
        ApplyBloom(target);
        ASSERT_TRUE(ReadRenderTargetPixels(target, pixels.data(), static_cast<int>(pixels.size())));
        const std::vector<uint32_t> bloomHalf = HalfSize(pixels, screenWidth, screenHeight);
        std::snprintf(path, sizeof path, "%s/bloom-order%02d-rec%02d.png", folder.c_str(), order, record);
        EXPECT_TRUE(WritePngFile(path, bloomHalf.data(), halfW, halfH));
        bloomSheet.Put(order, bloomHalf);
    }
    ReleaseRenderTarget(target);
    if (bloom) ReleaseBloom();
    EXPECT_EQ(shots, playOrderCount);
    EXPECT_TRUE(plainSheet.Write((folder + "/all-levels.png").c_str()));
    if (bloom) {
        EXPECT_TRUE(bloomSheet.Write((folder + "/all-levels-bloom.png").c_str()));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScreenshotLevelStarts,
                         ::testing::Values(ScreenSize{1920, 1080}, ScreenSize{800, 600}),
                         [](const ::testing::TestParamInfo<ScreenSize>& info) { return Name(info.param); });

}  // namespace
