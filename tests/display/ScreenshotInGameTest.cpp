// Pictures of the in-game screen, drawn by the real render pass with the
// real sprite batch, kept under artifacts/ for a person to look at: the
// plain frame and the frame through the bloom effects.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "game/Bloom.h"
#include "game/RenderPass.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "platform/Keyboard.h"
#include "platform/RenderTarget.h"
#include "platform/SpriteBatch.h"
#include "game/ScreenTransition.h"
#include "shared/GameStates.h"
#include "tools/harness/Harness.h"
#include "tools/harness/PngFile.h"
#include "support/TestFiles.h"

namespace {

class ScreenshotInGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs a display (run under xvfb-run)";
    }

    // Plays the first level of the game for a while with the right key held.
    void PlayFirstLevel(int shader)
    {
        HarnessConfig config;
        config.window = true;
        config.loadResources = true;
        config.loadLevelPictures = true;
        config.shaderEnabled = shader;
        config.homeDir = home.c_str();
        ASSERT_TRUE(HarnessInit(config));
        ASSERT_EQ(batchBackend, BatchBackend::Sfml);
        ASSERT_TRUE(HarnessStartLevel(7));
        HarnessKeyDown(DIK_RIGHT);
        HarnessTicks(150);
        HarnessReleaseAllKeys();
        EXPECT_GT(playerX, currentLevel.startX);
    }

    // Reads a target back and keeps it as artifacts/<name>; true when the
    // picture shows more than one colour over a good part of it.
    bool Keep(RenderTarget* target, const char* name)
    {
        std::vector<uint32_t> pixels(static_cast<size_t>(screenWidth) * screenHeight);
        if (!ReadRenderTargetPixels(target, pixels.data(), static_cast<int>(pixels.size())))
            return false;
        mkdir("artifacts", 0755);
        const std::string path = std::string("artifacts/") + name;
        EXPECT_TRUE(WritePngFile(path.c_str(), pixels.data(), screenWidth, screenHeight));
        size_t differing = 0;
        for (uint32_t p : pixels)
            differing += p != pixels[0];
        return differing > pixels.size() / 20;
    }

    testfiles::TempFolder folder{"fv-shot-"};
    const std::string& home = folder.path;
};

TEST_F(ScreenshotInGame, ThePlainFrameShowsTheLevel)
{
    PlayFirstLevel(0);
    RenderTarget* target = CreateRenderTarget(screenWidth, screenHeight);
    ASSERT_NE(target, nullptr);
    SetBatchTarget(target);
    DrawFrameContents();
    SetBatchTarget(nullptr);
    EXPECT_TRUE(Keep(target, "ingame-screen.png"));
    ReleaseRenderTarget(target);
}

TEST_F(ScreenshotInGame, TheMainMenuAfterALevelIsDrawnUnderItsBars)
{
    PlayFirstLevel(0);
    HarnessStartAtState(MainMenu);
    HarnessTicks(60);
    ASSERT_TRUE(ButtonsLive());
    RenderTarget* target = CreateRenderTarget(screenWidth, screenHeight);
    ASSERT_NE(target, nullptr);
    SetBatchTarget(target);
    DrawFrameContents();
    SetBatchTarget(nullptr);
    EXPECT_TRUE(Keep(target, "main-menu.png"));
    ReleaseRenderTarget(target);
}

TEST_F(ScreenshotInGame, TheLevelPageShowsItsTitleUnderAKindButtonsLines)
{
    HarnessConfig config;
    config.window = true;
    config.loadResources = true;
    config.unlockedLevels = 45;
    config.homeDir = home.c_str();
    ASSERT_TRUE(HarnessInit(config));
    HarnessStartAtState(LevelPage2);
    HarnessTicks(60);
    ASSERT_TRUE(ButtonsLive());
    // Hover the rock button, whose lines run over the title's side.
    playerX = 50;
    playerY = 235;
    RenderTarget* target = CreateRenderTarget(screenWidth, screenHeight);
    ASSERT_NE(target, nullptr);
    SetBatchTarget(target);
    DrawFrameContents();
    SetBatchTarget(nullptr);
    EXPECT_TRUE(Keep(target, "level-page-kind-lines.png"));
    ReleaseRenderTarget(target);
}

TEST_F(ScreenshotInGame, TheBloomFrameShowsTheLevelThroughTheEffects)
{
    PlayFirstLevel(1);
    if (!SetUpBloom())
        GTEST_SKIP() << "this display runs no shaders";
    RenderTarget* target = CreateRenderTarget(screenWidth, screenHeight);
    ASSERT_NE(target, nullptr);
    SetBatchTarget(sceneTexture);
    DrawFrameContents();
    SetBatchTarget(nullptr);
    ApplyBloom(target);
    EXPECT_TRUE(Keep(target, "ingame-screen-bloom.png"));
    ReleaseRenderTarget(target);
    ReleaseBloom();
}

}  // namespace
