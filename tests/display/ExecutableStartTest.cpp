// The real executable started as a player or a script would: from another
// folder it finds its data/; with no data anywhere it says where it looked
// and fails; a font it cannot read is named, not taken for missing data; with its output into a pipe every log line arrives as it is
// written, so killing the game loses none of them.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/BuildFolder.h"
#include "support/RunCommand.h"
#include "support/TestFiles.h"

namespace {

using testfiles::GamePath;

using testfiles::CommandResult;

// Runs `executable` in `folder` with a private home, to its end.
CommandResult RunIn(const std::string& folder, const std::string& executable, const std::string& environment)
{
    return testfiles::RunCommand("cd '" + folder + "' && env HOME='" + folder +
                                 "' ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy " + environment + " '" + executable +
                                 "' 2>&1");
}

class ExecutableStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string why = testfiles::WhyTheGameCannotStart(); !why.empty()) GTEST_SKIP() << why;
        folder = testfiles::MakeTempDir("fv-start-");
        ASSERT_FALSE(folder.empty());
    }
    void TearDown() override
    {
        std::error_code ignored;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ignored);
    }
    std::string folder;
};

TEST_F(ExecutableStart, FromAnotherFolderItFindsItsData)
{
    const CommandResult run = RunIn(folder, GamePath(), "FLORPVOPS_TEST_LEVEL=7 FLORPVOPS_TEST_TICKS=30");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    // The level's collision picture read from data/, and no file missing.
    EXPECT_NE(run.output.find("OK -Coll geladen!\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Level geladen!\n"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("Failed to open"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("cannot be read"), std::string::npos) << run.output;
}

TEST_F(ExecutableStart, WithoutDataAnywhereItSaysWhereItLookedAndFails)
{
    const std::string copy = folder + "/florpvops";
    std::filesystem::copy_file(GamePath(), copy);
    const CommandResult run = RunIn(folder, copy, "FLORPVOPS_TEST_LEVEL=7 FLORPVOPS_TEST_TICKS=30");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("no data folder found"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(folder + "/data"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << "one line:\n" << run.output;
    EXPECT_EQ(run.output.find("Auswahl-Menue beendet!"), std::string::npos);
}

TEST_F(ExecutableStart, AFontItCannotReadIsNamedAndASystemFontTakesItsPlace)
{
    for (const char* sub : {"/data/sprite", "/data/menusprite"}) std::filesystem::create_directories(folder + sub);
    const std::string font = folder + "/data/FVf.ttf";
    struct Case {
        const char* kind;
        const char* said;
    };
    for (const Case& c : {Case{"missing", "is missing"}, Case{"folder", "is not a regular file"},
                          Case{"fifo", "is not a regular file"}, Case{"loop", "cannot be read (Too many levels of symbolic links)"}}) {
        SCOPED_TRACE(c.kind);
        std::filesystem::remove_all(font);
        if (std::string(c.kind) == "folder") std::filesystem::create_directory(font);
        if (std::string(c.kind) == "fifo") {
            ASSERT_EQ(mkfifo(font.c_str(), 0644), 0);
        }
        if (std::string(c.kind) == "loop") std::filesystem::create_symlink("FVf.ttf", font);
        // The data folder holds nothing else: every picture and sound is
        // missing too, which the game also survives.
        const CommandResult run = RunIn(folder, GamePath(), "FLORPVOPS_TEST_LEVEL=7 FLORPVOPS_TEST_TICKS=30 timeout 60");
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_NE(run.output.find("the font \"data//FVf.ttf\" " + std::string(c.said)), std::string::npos)
            << run.output;
        EXPECT_EQ(run.output.find("no data folder found"), std::string::npos) << run.output;
    }
}

TEST_F(ExecutableStart, LogLinesReachAPipeBeforeTheGameIsKilled)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const std::string game = GamePath();
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        dup2(fds[1], STDERR_FILENO);
        close(fds[0]);
        close(fds[1]);
        setenv("HOME", folder.c_str(), 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("FLORPVOPS_TEST_LEVEL", "7", 1);  // and no tick limit: it runs until killed
        execl(game.c_str(), "florpvops", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);

    std::string output;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (output.find("Level geladen!\n") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        pollfd readable{fds[0], POLLIN, 0};
        if (poll(&readable, 1, 200) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        output.append(buffer, static_cast<size_t>(n));
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<size_t>(n));
    close(fds[0]);

    EXPECT_TRUE(WIFSIGNALED(status)) << "the game was still running when killed";
    // The collision picture's mark comes without a line end, in its place.
    const char* const lines[] = {"Auswahl-Menue beendet!\n", "Fenster gestartet!\n",
                                 "Haupt-Sprites geladen\n",  "Level wird geladen:\n",
                                 "OK -Coll geladen!\n",      "Level geladen!\n"};
    size_t at = 0;
    for (const char* line : lines) {
        const size_t found = output.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line << output;
        at = found;
    }
}

}  // namespace
