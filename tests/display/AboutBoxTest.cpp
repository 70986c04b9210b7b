// The About box over a full-screen game: it takes the keyboard, a click on
// its OK button or Escape closes it, and the keyboard goes back to the game.
// The game side runs in a child process (this test program started again
// with one test selected), so a box that never closes is killed, not waited
// for; the parent plays the player with xdotool.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/AboutDialog.h"
#include "platform/Display.h"
#include "platform/SpriteBatch.h"
#include "platform/Window.h"
#include "support/ChildProcess.h"
#include "support/RunCommand.h"

namespace {

const char* const kChildVariable = "FV_ABOUT_BOX_CHILD";

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

// What a command printed, without the line end.
std::string ShellOutput(const std::string& command) {
    std::string out = testfiles::RunCommand(command).output;
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

// The game's side: a full-screen window, the box, then the focus back.
TEST(AboutBoxGameSide, ShowsTheBoxOverAFullScreenWindow) {
    if (std::getenv(kChildVariable) == nullptr) GTEST_SKIP() << "run by AboutBox tests only";
    ASSERT_TRUE(DisplayAvailable());
    ASSERT_TRUE(OpenGameWindow(1024, 768, false, "FlorpVops about test"));
    batchBackend = BatchBackend::Sfml;
    for (int i = 0; i < 5; ++i) {
        WindowEvent event;
        while (PollWindowEvent(&event)) {
        }
        BatchClear(0xFF203040u);
        BatchPresent();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ShowAboutDialog("FlorpVops - A game by its author");
    bool focused = false;
    for (int i = 0; i < 200 && !focused; ++i) {
        WindowEvent event;
        while (PollWindowEvent(&event))
            if (event.type == WindowEventType::FocusGained) focused = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(focused) << "the keyboard went back to the game";
    CloseGameWindow();
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv(kChildVariable) != nullptr) GTEST_SKIP() << "the child runs the game side";
        if (!DisplayAvailable()) GTEST_SKIP() << "no X display";
        if (!Shell("command -v xdotool >/dev/null 2>&1")) GTEST_SKIP() << "no xdotool";
        CloseGameWindow();
        pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            setenv(kChildVariable, "1", 1);
            execl("/proc/self/exe", "display_tests",
                  "--gtest_filter=AboutBoxGameSide.ShowsTheBoxOverAFullScreenWindow",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        ASSERT_TRUE(Shell("timeout 20 xdotool search --sync --onlyvisible --name "
                          "'^Info über Projekt$' >/dev/null 2>&1"))
            << "the box never showed";
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    // True when the game side ended well within a few seconds.
    bool GameSideEndedWell() { return testfiles::ChildEndedWell(&pid, 10.0); }
    void TearDown() override {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    pid_t pid = -1;
};

TEST_F(AboutBox, TakesTheKeyboardAndClosesOnEscape) {
    EXPECT_EQ(ShellOutput("xdotool getwindowfocus getwindowname"), "Info über Projekt");
    ASSERT_TRUE(Shell("xdotool key Escape"));
    EXPECT_TRUE(GameSideEndedWell()) << "Escape did not close the box";
}

TEST_F(AboutBox, ClosesOnAClickOnItsButton) {
    // Where the box is (the --shell form: WINDOW=, X=, Y=, WIDTH=, HEIGHT= lines).
    const std::string geometry = ShellOutput(
        "xdotool search --onlyvisible --name '^Info über Projekt$' getwindowgeometry --shell");
    int window = 0, x = -1, y = -1, w = -1, h = -1;
    ASSERT_EQ(std::sscanf(geometry.c_str(), "WINDOW=%d X=%d Y=%d WIDTH=%d HEIGHT=%d", &window,
                          &x, &y, &w, &h),
              5)
        << geometry;
    ASSERT_GT(w, 60);
    ASSERT_GT(h, 40);
    // The OK button sits in the box's lower right corner.
    ASSERT_TRUE(Shell("xdotool mousemove " + std::to_string(x + w - 45) + " " +
                      std::to_string(y + h - 20) + " click 1"));
    EXPECT_TRUE(GameSideEndedWell()) << "the click did not close the box";
}

}  // namespace
