// Pictures of the levels at their decorations (swaying trees, tunnel covers
// drawn in front of the Vop, tunnel backs behind the tiles), drawn by the
// real render pass with the Vop standing in the passage, kept under
// artifacts/level-decorations/ for a person to check that each picture sits
// on its hill at its size.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "game/RenderPass.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "platform/RenderTarget.h"
#include "platform/SpriteBatch.h"
#include "shared/LevelRecord.h"
#include "tools/harness/Harness.h"
#include "tools/harness/PngFile.h"
#include "support/TestFiles.h"

namespace {

// One view: the level, the world point the screen centres on and where the
// Vop stands (inside the tunnel, or under the tree).
struct DecorationView {
    int record;
    const char* name;
    int viewX, viewY;
    int vopX, vopY;
};

const DecorationView views[] = {
    {2, "trees", 760, 500, 760, 660},
    {2, "trees-far", 3720, 500, 3720, 760},
    {3, "trees", 1660, 400, 1500, 482},
    {9, "tunnel", 7200, 500, 7300, 650},
    {16, "tunnel-west", 1090, 500, 1100, 465},
    {16, "tunnel-east", 3380, 500, 3050, 650},
    {20, "tunnels", 2634, 560, 2634, 660},
    {29, "tunnel-back", 3660, 500, 3660, 540},
    {34, "tunnel", 4128, 530, 4128, 600},
    {41, "tunnel", 850, 850, 850, 880},
    {41, "tunnel-east", 4800, 540, 4800, 560},
    {30, "tunnel-back", 6380, 444, 6380, 500},
    {31, "tunnel-back", 7790, 440, 7790, 500},
    {35, "tunnel-upper", 2514, 1039, 2514, 1060},
    {35, "tunnel-lower", 1913, 1457, 1913, 1480},
    {36, "tunnel-backs", 2394, 278, 2394, 300},
    {37, "tunnel-backs", 1100, 1145, 1100, 1200},
    {38, "tunnel", 3328, 531, 3328, 560},
};

TEST(ScreenshotDecorations, EachDecoratedPlaceIsDrawn)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs a display (run under xvfb-run)";
    const testfiles::TempFolder folder("fv-decor-");
    const std::string& home = folder.path;
    HarnessConfig config;
    config.window = true;
    config.loadResources = true;
    config.loadLevelPictures = true;
    config.render = false;  // only the frames looked at are drawn
    config.homeDir = home.c_str();
    ASSERT_TRUE(HarnessInit(config));

    mkdir("artifacts", 0755);
    mkdir("artifacts/level-decorations", 0755);
    RenderTarget* target = CreateRenderTarget(screenWidth, screenHeight);
    ASSERT_NE(target, nullptr);
    for (const DecorationView& v : views) {
        SCOPED_TRACE("record " + std::to_string(v.record) + " " + v.name);
        vopKind = levelTable[v.record].requiredKind == 0 ? 1 : levelTable[v.record].requiredKind;
        ASSERT_TRUE(HarnessStartLevel(v.record));
        HarnessTicks(70);  // the bars open
        const LevelRecord& r = levelTable[v.record];
        playerX = v.vopX;
        playerY = v.vopY;
        cameraX = std::clamp(v.viewX - screenWidth / 2, 0, r.width - screenWidth);
        cameraY = std::clamp(v.viewY - screenHeight / 2, 0, r.height - screenHeight);
        std::vector<uint32_t> pixels(static_cast<size_t>(screenWidth) * screenHeight);
        SetBatchTarget(target);
        DrawFrameContents();
        SetBatchTarget(nullptr);
        ASSERT_TRUE(ReadRenderTargetPixels(target, pixels.data(), static_cast<int>(pixels.size())));
        char path[128];
        std::snprintf(path, sizeof path, "artifacts/level-decorations/order%02d-rec%02d-%s.png", r.playOrder,
                      v.record, v.name);
        EXPECT_TRUE(WritePngFile(path, pixels.data(), screenWidth, screenHeight));
    }
    ReleaseRenderTarget(target);
}

}  // namespace
