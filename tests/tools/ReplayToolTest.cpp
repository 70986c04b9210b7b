// The replay tool plays a scripted level on a generated collision picture,
// reports a finish, and gives the same hash for the same inputs.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/BuildFolder.h"
#include "support/RunCommand.h"
#include "tools/harness/PngFile.h"

namespace {

// The replay tool sits beside this test's build folder.
std::string ReplayPath() { return testfiles::InBuildFolder("tools/replay/fv_replay"); }

// What the command printed; *exitCode gets its exit code.
std::string RunTool(const std::string& command, int* exitCode)
{
    const testfiles::CommandResult result = testfiles::RunCommand(command);
    *exitCode = result.exitCode;
    return result.output;
}

std::string Field(const std::string& report, const std::string& name)
{
    const size_t at = report.find(name + ": ");
    if (at == std::string::npos) return "";
    const size_t start = at + name.size() + 2;
    return report.substr(start, report.find('\n', start) - start);
}

class ReplayToolTest : public ::testing::Test {
protected:
    std::string tool = ReplayPath();
    std::string folder;

    void SetUp() override
    {
        if (access(tool.c_str(), X_OK) != 0) GTEST_SKIP() << "fv_replay not built at " << tool;
        char pattern[] = "/tmp/fv-replay-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        if (!folder.empty()) {
            std::remove((folder + "/coll.png").c_str());
            std::remove((folder + "/script.txt").c_str());
            rmdir(folder.c_str());
        }
    }
    void WriteScript(const char* text)
    {
        FILE* f = std::fopen((folder + "/script.txt").c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs(text, f);
        std::fclose(f);
    }
    std::string Replay(const std::string& args, int* status)
    {
        return RunTool(tool + " --record 7 --kind 1 --difficulty 1 --script " + folder + "/script.txt --coll " +
                           folder + "/coll.png " + args + " 2>/dev/null",
                       status);
    }
};

TEST_F(ReplayToolTest, RunsAScriptedLevelToItsGoalWithTheSameHashTwice)
{
    // Record 7 is 4096 x 1024 and starts at (250, 50); its goal stands at
    // (3880, 732). A flat floor with its top at row 772 carries the Vop there,
    // with one 100 px pit to jump on the way.
    const int w = 4096, h = 1024;
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h, 0u);
    for (int y = 772; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x < 1500 || x > 1600) pixels[static_cast<size_t>(y) * w + x] = 0xFFFFFFFFu;
    ASSERT_TRUE(WritePngFile((folder + "/coll.png").c_str(), pixels.data(), w, h));
    WriteScript("# fall, run, jump the pit, run to the goal\n"
                "60 -\n"
                "150 R\n"
                "1 RJ\n"
                "500 R\n");
    int status = -1;
    const std::string first = Replay("--until-left", &status);
    ASSERT_EQ(status, 0) << first;
    EXPECT_EQ(Field(first, "finished"), "yes") << first;
    EXPECT_EQ(Field(first, "passed"), "yes");
    EXPECT_EQ(Field(first, "deaths"), "0");
    EXPECT_FALSE(Field(first, "hash").empty());
    const std::string second = Replay("--until-left", &status);
    EXPECT_EQ(Field(second, "hash"), Field(first, "hash"));
    EXPECT_EQ(Field(second, "ticks"), Field(first, "ticks"));
    // Another seed of the simulation's random sequence changes the state.
    const std::string seeded = Replay("--until-left --seed 7", &status);
    EXPECT_EQ(Field(seeded, "finished"), "yes");
}

TEST_F(ReplayToolTest, FallingIntoTheBottomlessPitIsNoFinish)
{
    const int w = 4096, h = 1024;
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h, 0u);
    for (int y = 772; y < h; ++y)
        for (int x = 0; x < 1000; ++x) pixels[static_cast<size_t>(y) * w + x] = 0xFFFFFFFFu;
    for (int y = 900; y < h; ++y)
        for (int x = 1000; x < w; ++x) pixels[static_cast<size_t>(y) * w + x] = 0xFF000080u;  // navy
    ASSERT_TRUE(WritePngFile((folder + "/coll.png").c_str(), pixels.data(), w, h));
    WriteScript("300 R\n");
    int status = -1;
    const std::string report = Replay("", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Field(report, "finished"), "no");
    EXPECT_EQ(Field(report, "deaths"), "1");
}

TEST_F(ReplayToolTest, RejectsBadArgumentsAndScripts)
{
    WriteScript("10 RQ\n");
    int status = -1;
    RunTool(tool + " --record 7 --kind 1 --difficulty 1 --script " + folder + "/script.txt 2>/dev/null", &status);
    EXPECT_EQ(status, 2);
    RunTool(tool + " --record 99 --kind 1 --difficulty 1 --script " + folder + "/script.txt 2>/dev/null", &status);
    EXPECT_EQ(status, 2);
    // Seeds: numbers of the 32-bit state, "fresh" and the named sets only,
    // and only one way of choosing them.
    WriteScript("10 R\n");
    RunTool(tool + " --record 7 --kind 1 --difficulty 1 --seeds fresh,7 --script " + folder + "/script.txt 2>/dev/null",
            &status);
    EXPECT_NE(status, 2) << "a good seed list";
    for (const char* bad : {"--seed -3", "--seed 4294967296", "--seed 1,2", "--seeds fresh,abc", "--seeds ''",
                            "--fresh --seed 4", "--seed 4 --seeds hard"}) {
        RunTool(tool + " --record 7 --kind 1 --difficulty 1 " + bad + " --script " + folder + "/script.txt 2>/dev/null",
                &status);
        EXPECT_EQ(status, 2) << bad;
    }
    const std::string help = RunTool(tool + " --help", &status);
    EXPECT_NE(help.find("<ticks> <flags>"), std::string::npos);

    // A comment longer than the tool's line buffer is still one comment; a
    // step that long is refused at its own line.
    WriteScript(("# " + std::string(900, 'x') + "\n10 R\n").c_str());
    const std::string longComment =
        RunTool(tool + " --record 7 --kind 1 --difficulty 1 --script " + folder + "/script.txt 2>&1", &status);
    EXPECT_NE(status, 2) << longComment;
    WriteScript(("10 R\n10 " + std::string(900, 'R') + "\n").c_str());
    const std::string longStep =
        RunTool(tool + " --record 7 --kind 1 --difficulty 1 --script " + folder + "/script.txt 2>&1", &status);
    EXPECT_EQ(status, 2);
    EXPECT_NE(longStep.find("line 2 is longer"), std::string::npos) << longStep;
}

}  // namespace
