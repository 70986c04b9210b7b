// A double-click on the main menu's reset button through the real window:
// its second press is no click, so the two-step reset only arms and the
// progress stays; a later single click confirms it as before.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "game/MainMenu.h"
#include "game/ScreenTransition.h"
#include "platform/Display.h"
#include "platform/DoubleClick.h"
#include "platform/Window.h"
#include "shared/GameStates.h"
#include "support/TestFiles.h"
#include "tools/harness/Harness.h"

namespace {

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

// Ticks at about the game's pace for `ms`, taking the window's events.
void TickFor(int ms)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        ProcessWindowMessages();
        HarnessTick();
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
}

TEST(MenuDoubleClick, ADoubleClickOnResetOnlyArmsIt)
{
    if (!DisplayAvailable())
        GTEST_SKIP() << "no X display";
    if (!Shell("command -v xdotool >/dev/null 2>&1"))
        GTEST_SKIP() << "no xdotool";
    const testfiles::TempFolder folder("fv-dblclick-");
    const std::string& home = folder.path;
    CloseGameWindow();
    HarnessConfig config;
    config.homeDir = home.c_str();
    config.window = true;
    config.unlockedLevels = 12;
    ASSERT_TRUE(HarnessInit(config));
    HarnessStartAtState(MainMenu);
    transitionCurtain = 20;
    barsOpen = 1;

    const std::string window = "timeout 10 xdotool search --name '^FlorpVops - A game' ";
    ASSERT_TRUE(Shell(window + "windowfocus --sync mousemove --window %1 210 " +
                      std::to_string(screenHeight - 86) + " >/dev/null 2>&1"));
    TickFor(300);
    ASSERT_EQ(resetArmed, 0);

    // The two presses land some ticks apart, as a player's do.
    ASSERT_TRUE(Shell("(sleep 0.1; xdotool click --repeat 2 --delay 120 1) &"));
    TickFor(800);
    EXPECT_EQ(resetArmed, 1) << "the first press arms the reset";
    EXPECT_EQ(transitionIdle, 1) << "the second press did not confirm it";
    EXPECT_EQ(unlockedLevels, 12);

    std::this_thread::sleep_for(std::chrono::milliseconds(DesktopDoubleClickRule().timeMs + 100));
    ASSERT_TRUE(Shell("xdotool click 1"));
    TickFor(1500);
    EXPECT_EQ(unlockedLevels, 1) << "a separate click confirms the reset";

    DestroyMainWindow();
    quitPosted = 0;
}

}  // namespace
