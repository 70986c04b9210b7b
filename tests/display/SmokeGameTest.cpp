// The real executable on the virtual display: it starts directly in a level
// through its test seam, logs its start-up in order, writes the settings
// files, runs and quits cleanly; without a display it says so and fails.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/BuildFolder.h"
#include "support/RunCommand.h"
#include "support/TestFiles.h"

namespace {

// The game is built next to the test folder: <build>/florpvops.
using testfiles::GamePath;

using testfiles::CommandResult;

CommandResult RunGame(const std::string& environment)
{
    return testfiles::RunCommand("env " + environment + " ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy '" + GamePath() +
                                 "' 2>&1");
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class SmokeGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string why = testfiles::WhyTheGameCannotStart(); !why.empty()) GTEST_SKIP() << why;
    }
    testfiles::TempFolder folder{"fv-smoke-"};
    const std::string& home = folder.path;
};

TEST_F(SmokeGame, StartsInALevelRunsAndQuitsCleanly)
{
    const CommandResult run = RunGame("HOME=" + home + " FLORPVOPS_TEST_LEVEL=7 FLORPVOPS_TEST_TICKS=150");
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const char* const lines[] = {
        "Auswahl-Menue beendet!\n", "Fenster gestartet!\n",   "Direct3D gestartet!\n",
        "DirectInput gestartet!\n", "DirectSound gestartet!\n", "DirectX gestartet!\n",
        "Scene initialisiert!\n",   "Level initialisiert (M&L)!\n", "Haupt-Sprites geladen\n",
        "Level wird geladen:\n",    "Level geladen!\n",
    };
    size_t at = 0;
    for (const char* line : lines) {
        const size_t found = run.output.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line << run.output;
        at = found;
    }
    for (const char* file : {"System.xml", "Options.xml", "Game.xml"})
        EXPECT_FALSE(ReadFile(home + "/FlorpVops/" + file).empty()) << file;
}

TEST_F(SmokeGame, RunsWithTheLightEffectsOn)
{
    ASSERT_EQ(RunGame("HOME=" + home + " FLORPVOPS_TEST_LEVEL=7 FLORPVOPS_TEST_TICKS=2").exitCode, 0);
    const std::string path = home + "/FlorpVops/Options.xml";
    std::string options = ReadFile(path);
    const size_t at = options.find("shader=\"");
    ASSERT_NE(at, std::string::npos) << options;
    options[at + 8] = '1';
    std::ofstream(path) << options;

    const CommandResult run = RunGame("HOME=" + home + " FLORPVOPS_TEST_LEVEL=7 FLORPVOPS_TEST_TICKS=60");
    EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST_F(SmokeGame, AnUnknownLevelIsRefusedWithAMessage)
{
    const CommandResult run = RunGame("HOME=" + home + " FLORPVOPS_TEST_LEVEL=46 FLORPVOPS_TEST_TICKS=5");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find("there is no level 46"), std::string::npos) << run.output;
}

TEST_F(SmokeGame, LeavingTheLauncherEndsWithZeroAndKeepsTheSettingsFiles)
{
    if (std::system("command -v xdotool > /dev/null") != 0)
        GTEST_SKIP() << "needs xdotool";
    const std::string log = home + "/out.txt";
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        setenv("HOME", home.c_str(), 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        if (!std::freopen(log.c_str(), "w", stdout))
            _exit(126);
        execl(GamePath().c_str(), "florpvops", static_cast<char*>(nullptr));
        _exit(127);
    }
    // Wait for this process's launcher dialog (other tests may have windows
    // on the same display), then leave it with Escape.
    const std::string search = "xdotool search --onlyvisible --pid " + std::to_string(pid) +
                               " --name '^FlorpVops$'";
    bool shown = false;
    for (int i = 0; i < 100 && !shown; ++i) {
        shown = std::system((search + " > /dev/null 2>&1").c_str()) == 0;
        if (!shown)
            usleep(100000);
    }
    ASSERT_TRUE(shown) << "the launcher dialog never showed";
    const int pressed = std::system((search + " windowfocus --sync key Escape > /dev/null 2>&1").c_str());
    (void)pressed;  // the exit status below tells whether it worked
    int status = 0;
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            break;
        usleep(100000);
        if (i == 99) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            FAIL() << "the launcher did not close";
        }
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    for (const char* file : {"System.xml", "Options.xml", "Game.xml", "Gamep.xml"})
        EXPECT_FALSE(ReadFile(home + "/FlorpVops/" + file).empty()) << file;
    EXPECT_EQ(ReadFile(log).find("Fenster gestartet!"), std::string::npos) << "no window after a cancel";
}

TEST_F(SmokeGame, WithoutADisplayItSaysSoAndFails)
{
    const CommandResult run = RunGame("-u DISPLAY HOME=" + home + " FLORPVOPS_TEST_LEVEL=7");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("DISPLAY"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Fenster gestartet!"), std::string::npos);
}

}  // namespace
