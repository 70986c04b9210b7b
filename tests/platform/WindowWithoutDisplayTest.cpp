// Without an X display nothing may reach the window system (it would abort
// the process): the probe says so plainly and every display object is
// refused, while pictures, fonts and the recording batch keep working.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/GameFont.h"
#include "engine/MainWindow.h"
#include "platform/Display.h"
#include "platform/RenderTarget.h"
#include "platform/Shader.h"
#include "platform/Window.h"

namespace {

TEST(WindowWithoutDisplayTest, EverythingDisplayBoundIsRefusedCleanly) {
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && display[0] != '\0') GTEST_SKIP() << "a display is present";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ProbeDisplay());
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("DISPLAY"), std::string::npos) << message;
    EXPECT_FALSE(DisplayAvailable());
    EXPECT_FALSE(OpenGameWindow(640, 480, true, "no display"));
    EXPECT_FALSE(CreateMainWindow());
    EXPECT_EQ(CreateRenderTarget(16, 16), nullptr);
    EXPECT_FALSE(EffectsAvailable());
    EXPECT_EQ(CreateEffectFromFile("data//shader//BloomExtract.fx"), nullptr);
    GameFont font = {};
    font.Load("data//FVf.ttf", "Snap ITC", 50);
    EXPECT_NE(font.font, nullptr);
}

}  // namespace
