// The launcher dialog as a player meets it: it shows before its shader box
// waits for the slow shader question (and with a FIFO where its banner
// belongs), and Return starts at once rather than after the quarter of a
// second GTK shows a keyboard-pressed button held down. The
// dialog runs in a child process (this test program started again with one
// test selected); the parent presses the keys with xdotool.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "platform/Display.h"
#include "platform/LauncherView.h"
#include "support/ChildProcess.h"

namespace {

const char* const kChildVariable = "FV_LAUNCHER_DIALOG_CHILD";
const char* const kBannerVariable = "FV_LAUNCHER_DIALOG_BANNER";

double NowMs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

double askedAt = -1;
void NoteShaderQuestion(LauncherDialog* dialog)
{
    askedAt = NowMs();
    dialog->shaderSensitive = true;
}

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

// The dialog's side: shows it and writes when the shader question came,
// when the dialog answered and what.
TEST(LauncherDialogSide, ShowsTheDialog)
{
    const char* report = std::getenv(kChildVariable);
    if (report == nullptr) GTEST_SKIP() << "run by LauncherWindow tests only";
    LauncherDialog dialog = {};
    dialog.resolutionCaption = "Aufloesung";
    dialog.windowedCaption = "Fenster";
    dialog.shaderCaption = "Shader";
    dialog.fpsCaption = "30 fps";
    dialog.soundCaption = "Sound";
    dialog.musicCaption = "Musik";
    dialog.startCaption = "Start";
    dialog.quitCaption = "Beenden";
    std::snprintf(dialog.entries[0].text, sizeof dialog.entries[0].text, "1024 x 768");
    dialog.entryCount = 1;
    dialog.selectedEntry = 0;
    dialog.shaderChecked = true;
    dialog.shaderSensitive = true;
    dialog.whenShown = NoteShaderQuestion;
    dialog.bannerPath = std::getenv(kBannerVariable);
    const bool start = ShowLauncherDialog(&dialog);
    const double answeredAt = NowMs();
    std::ofstream(report) << askedAt << ' ' << answeredAt << ' ' << (start ? 1 : 0) << '\n';
}

class LauncherWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::getenv(kChildVariable) != nullptr) GTEST_SKIP() << "the child runs the dialog";
        if (!DisplayAvailable()) GTEST_SKIP() << "no X display";
        if (!Shell("command -v xdotool >/dev/null 2>&1")) GTEST_SKIP() << "no xdotool";
        std::snprintf(report, sizeof report, "/tmp/fv_launcher_dialog_%d.txt", static_cast<int>(getpid()));
        std::remove(report);
        banner = std::string(report) + ".banner.bmp";
        std::remove(banner.c_str());
        ASSERT_EQ(mkfifo(banner.c_str(), 0600), 0);
        pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            setenv(kChildVariable, report, 1);
            setenv(kBannerVariable, banner.c_str(), 1);
            execl("/proc/self/exe", "display_tests", "--gtest_filter=LauncherDialogSide.ShowsTheDialog",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        ASSERT_TRUE(Shell("timeout 20 xdotool search --sync --onlyvisible --name '^FlorpVops$' >/dev/null 2>&1"))
            << "the dialog never showed";
        // Time to draw it and ask the shader question, as any player takes.
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        ASSERT_TRUE(Shell("xdotool search --onlyvisible --name '^FlorpVops$' windowfocus --sync >/dev/null 2>&1"));
    }
    void TearDown() override
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        std::remove(report);
        std::remove(banner.c_str());
    }
    pid_t pid = -1;
    char report[96] = {};
    std::string banner;
};

TEST_F(LauncherWindow, ShowsFirstThenSettlesTheShaderBoxAndStartsAtTheReturnPress)
{
    const double pressedAt = NowMs();
    // Pressed and held: GTK would let the button go only at its own timeout.
    ASSERT_TRUE(Shell("xdotool keydown Return"));
    const bool ended = testfiles::ChildEndedWell(&pid, 5.0);
    Shell("xdotool keyup Return");
    ASSERT_TRUE(ended) << "the dialog did not end after Return";
    double asked = 0, answered = 0;
    int start = 0;
    std::ifstream in(report);
    ASSERT_TRUE(in >> asked >> answered >> start) << "the dialog's side wrote no report";
    EXPECT_EQ(start, 1) << "Return answers Start";
    EXPECT_GT(asked, 0) << "the shader box was never settled";
    EXPECT_LT(asked, pressedAt) << "the shader box waited for the player's answer";
    // GTK alone holds a keyboard-pressed button for 250 ms.
    EXPECT_LT(answered - pressedAt, 200.0) << "Return took " << answered - pressedAt << " ms to start";
}

}  // namespace
