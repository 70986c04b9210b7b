#include "engine/Launcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "TempHome.h"
#include "engine/LanguageTables.h"
#include "engine/Settings.h"
#include "shared/LevelRecord.h"

namespace {

std::vector<VideoModeInfo> fakeModes;

int FakeModes(VideoModeInfo* out, int maxModes)
{
    int n = 0;
    for (const VideoModeInfo& m : fakeModes) {
        if (n >= maxModes) break;
        out[n++] = m;
    }
    return n;
}

bool shaderAnswer = true;
std::atomic<int> probeCalls{0};
std::thread::id probeThread;
bool FakeShaderProbe()
{
    ++probeCalls;
    probeThread = std::this_thread::get_id();
    return shaderAnswer;
}

int shownWork = 0;
void CountShownWork() { ++shownWork; }

int viewCalls = 0;
int shownWorkBeforeView = -1;
bool viewStarts = false;
void (*viewEdit)(LauncherDialog*) = nullptr;
bool FakeView(LauncherDialog* dialog)
{
    ++viewCalls;
    shownWorkBeforeView = shownWork;
    if (viewEdit) viewEdit(dialog);
    return viewStarts;
}

const std::string kDecl = "<?xml version=\"1.0\" ?>\r\n";

class Launcher : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakeModes = {{1920, 1080, 32}, {1920, 1080, 16}, {2560, 1440, 32}, {1920, 1200, 32},
                     {1280, 1024, 32}, {1280, 720, 32},  {1024, 768, 32},  {800, 600, 32},
                     {640, 480, 32},   {1024, 768, 16}};
        shaderAnswer = true;
        probeCalls = 0;
        shownWork = 0;
        shownWorkBeforeView = -1;
        viewCalls = 0;
        viewStarts = false;
        viewEdit = nullptr;
        SetDisplayModeSource(FakeModes);
        SetPixelShaderProbe(FakeShaderProbe);
        SetLauncherView(FakeView);
        for (LevelRecord& r : levelTable) r.bestScore = 0;
        for (int i = 0; i < 9; ++i) std::snprintf(preDialogTexts[i], kTextEntrySize, "caption %d", i);
        dir = home.path + "//FlorpVops";
        std::filesystem::create_directories(dir);
    }
    void TearDown() override
    {
        SetDisplayModeSource(nullptr);
        SetPixelShaderProbe(nullptr);
        SetLauncherView(nullptr);
        SetLauncherShownWork(nullptr);
    }
    std::string Prepare()
    {
        testing::internal::CaptureStdout();
        PrepareLauncher();
        return testing::internal::GetCapturedStdout();
    }
    std::string File(const char* name) const { return dir + "//" + name; }

    TempHome home;
    std::string dir;
};

TEST_F(Launcher, ModeListKeepsUsableSizesOnceInTheDisplaysOrder)
{
    const std::string log = Prepare();
    ASSERT_EQ(displayModeCount, 5);
    const DisplayMode expected[] = {{1920, 1080}, {1280, 1024}, {1280, 720}, {1024, 768}, {800, 600}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(displayModes[i].width, expected[i].width);
        EXPECT_EQ(displayModes[i].height, expected[i].height);
    }
    EXPECT_EQ(log,
              "Verfuegbare: \n0: 1920x1080\n1: 1280x1024\n2: 1280x720\n3: 1024x768\n4: 800x600\n"
              "\nGeladene: \n1920x1080\n\nEndgueltige: \n0: 1920x1080");
    EXPECT_TRUE(HasDisplayMode(800, 600));
    EXPECT_FALSE(HasDisplayMode(640, 480));
    EXPECT_EQ(FindDisplayModeIndex(1024, 768), 3);
    EXPECT_EQ(FindDisplayModeIndex(1, 1), 0);
}

TEST_F(Launcher, StoredSizeIsSelectedWhenOfferedAndReplacedWhenNot)
{
    WriteFileBytes(File("System.xml"), kDecl + "<System auflosungx=\"1280\" auflosungy=\"720\" fenster=\"1\" />\r\n");
    Prepare();
    EXPECT_EQ(selectedModeIndex, 2);
    EXPECT_EQ(screenWidth, 1280);

    WriteFileBytes(File("System.xml"), kDecl + "<System auflosungx=\"1920\" auflosungy=\"1200\" fenster=\"0\" />\r\n");
    const std::string log = Prepare();
    EXPECT_EQ(selectedModeIndex, 0);
    EXPECT_EQ(screenWidth, 1920);
    EXPECT_EQ(screenHeight, 1080);
    EXPECT_NE(log.find("\nGeladene: \n1920x1200\n\nEndgueltige: \n0: 1920x1080"), std::string::npos);
}

TEST_F(Launcher, AnEmptyModeListStillOffersOneSize)
{
    fakeModes = {{640, 480, 32}, {2560, 1600, 32}};
    WriteFileBytes(File("System.xml"), kDecl + "<System auflosungx=\"1024\" auflosungy=\"768\" fenster=\"0\" />\r\n");
    Prepare();
    ASSERT_EQ(displayModeCount, 1);
    EXPECT_EQ(displayModes[0].width, 1024);
    EXPECT_EQ(selectedModeIndex, 0);

    // An unusable stored size falls back to the default.
    fakeModes.clear();
    WriteFileBytes(File("System.xml"), kDecl + "<System auflosungx=\"13\" auflosungy=\"7\" fenster=\"0\" />\r\n");
    Prepare();
    ASSERT_EQ(displayModeCount, 1);
    EXPECT_EQ(screenWidth, 1920);
    EXPECT_EQ(screenHeight, 1080);
    LauncherDialog dialog;
    InitLauncherDialog(&dialog);
    ASSERT_EQ(dialog.entryCount, 1);
    EXPECT_EQ(dialog.selectedEntry, 0);
    EXPECT_STREQ(dialog.entries[0].text, "1920 x 1080");
}

// Entries sorted by their text move as later ones are put before them; the
// selection must stay on the stored size whatever comes after it.
TEST_F(Launcher, EntriesAreSortedAsTextAndTheStoredSizeStaysSelected)
{
    const char* order[] = {"1024 x 768", "1280 x 1024", "1280 x 720", "1920 x 1080", "800 x 600"};
    const struct {
        const char* stored;
        int entry;
    } cases[] = {{"1920\" auflosungy=\"1080", 3}, {"1280\" auflosungy=\"1024", 1},
                 {"1280\" auflosungy=\"720", 2},  {"1024\" auflosungy=\"768", 0},
                 {"800\" auflosungy=\"600", 4}};
    for (const auto& c : cases) {
        WriteFileBytes(File("System.xml"),
                       kDecl + "<System auflosungx=\"" + c.stored + "\" fenster=\"0\" />\r\n");
        Prepare();
        LauncherDialog dialog;
        InitLauncherDialog(&dialog);
        ASSERT_EQ(dialog.entryCount, 5);
        for (int i = 0; i < 5; ++i) EXPECT_STREQ(dialog.entries[i].text, order[i]);
        ASSERT_EQ(dialog.selectedEntry, c.entry) << c.stored;
        const DisplayMode& chosen = displayModes[dialog.entries[dialog.selectedEntry].modeIndex];
        EXPECT_EQ(chosen.width, screenWidth) << c.stored;
        EXPECT_EQ(chosen.height, screenHeight) << c.stored;
        EXPECT_EQ(dialog.entries[dialog.selectedEntry].modeIndex, selectedModeIndex) << c.stored;
    }
    LauncherDialog dialog;
    InitLauncherDialog(&dialog);
    EXPECT_STREQ(dialog.resolutionCaption, "caption 1");
    EXPECT_STREQ(dialog.startCaption, "caption 6");
    EXPECT_STREQ(dialog.quitCaption, "caption 7");
    EXPECT_STREQ(dialog.musicCaption, "caption 8");
}

TEST_F(Launcher, BoxesAreCheckedOnlyForOneAndTheShaderBoxNeedsShaders)
{
    WriteFileBytes(File("Options.xml"),
                   kDecl + "<Options fps=\"2\" check=\"1\" rumble=\"1\" diffi=\"1\" sound=\"1\" music=\"0\" shader=\"1\" />\r\n");
    WriteFileBytes(File("System.xml"), kDecl + "<System auflosungx=\"1920\" auflosungy=\"1080\" fenster=\"1\" />\r\n");
    Prepare();
    LauncherDialog dialog;
    InitLauncherDialog(&dialog);
    EXPECT_TRUE(dialog.windowedChecked);
    EXPECT_TRUE(dialog.shaderChecked);
    EXPECT_TRUE(dialog.shaderSensitive);
    EXPECT_TRUE(dialog.soundChecked);
    EXPECT_FALSE(dialog.musicChecked);
    EXPECT_FALSE(dialog.fpsChecked);  // 2 shows unchecked

    dialog.whenShown(&dialog);
    EXPECT_TRUE(dialog.shaderChecked);
    EXPECT_TRUE(dialog.shaderSensitive);

    shaderAnswer = false;
    SetPixelShaderProbe(FakeShaderProbe);
    InitLauncherDialog(&dialog);
    dialog.whenShown(&dialog);
    EXPECT_FALSE(dialog.shaderChecked);
    EXPECT_FALSE(dialog.shaderSensitive);
    // Once answered, the next opening shows the box settled at once.
    InitLauncherDialog(&dialog);
    EXPECT_FALSE(dialog.shaderChecked);
    EXPECT_FALSE(dialog.shaderSensitive);
}

// The probe talks to the X server on a connection of its own: beside GTK on
// another thread it deadlocked the display, so it runs on the game thread,
// once, when the dialog is on screen. The catalogue's decoding would slow the
// dialog's own start, so it waits until then too.
TEST_F(Launcher, TheShaderQuestionAndTheShownWorkRunOnTheGameThreadOnceTheDialogShows)
{
    SetLauncherShownWork(CountShownWork);
    viewStarts = true;
    viewEdit = [](LauncherDialog* d) {
        EXPECT_EQ(probeCalls, 0) << "asked before the dialog showed";
        ASSERT_NE(d->whenShown, nullptr);
        d->whenShown(d);
    };
    EXPECT_TRUE(RunLauncher());
    EXPECT_EQ(probeCalls, 1);
    EXPECT_EQ(probeThread, std::this_thread::get_id());
    EXPECT_EQ(shownWorkBeforeView, 0);
    EXPECT_EQ(shownWork, 1);
    EXPECT_EQ(shaderEnabled, 1);
}

TEST_F(Launcher, StartTakesTheDialogsChoices)
{
    viewStarts = true;
    viewEdit = [](LauncherDialog* d) {
        d->selectedEntry = 0;  // "1024 x 768"
        d->windowedChecked = true;
        d->musicChecked = false;
        d->fpsChecked = true;
    };
    EXPECT_TRUE(RunLauncher());
    EXPECT_EQ(viewCalls, 1);
    EXPECT_EQ(startGame, 1);
    EXPECT_EQ(screenWidth, 1024);
    EXPECT_EQ(screenHeight, 768);
    EXPECT_EQ(ReadFileBytes(File("System.xml")), kDecl + "<System auflosungx=\"1024\" auflosungy=\"768\" fenster=\"1\" />\r\n");
    EXPECT_EQ(ReadFileBytes(File("Options.xml")),
              kDecl + "<Options fps=\"1\" check=\"1\" rumble=\"1\" diffi=\"1\" sound=\"1\" music=\"0\" shader=\"1\" />\r\n");
}

TEST_F(Launcher, QuitStillWritesEveryFileWithTheValuesRead)
{
    WriteFileBytes(File("System.xml"), kDecl + "<System auflosungx=\"1280\" auflosungy=\"720\" />\r\n");
    WriteFileBytes(File("Options.xml"), kDecl + "<Options fps=\"2\" shader=\"1\" />\r\n");
    WriteFileBytes(File("Game.xml"), kDecl + "<Game m=\"17\" />\r\n");
    WriteFileBytes(File("Gamep.xml"), kDecl + "<Gamep L3=\"300\" />\r\n");
    shaderAnswer = false;
    SetPixelShaderProbe(FakeShaderProbe);
    viewEdit = [](LauncherDialog* d) { d->windowedChecked = true; };  // ignored on quit
    EXPECT_FALSE(RunLauncher());
    EXPECT_EQ(startGame, 0);
    EXPECT_EQ(ReadFileBytes(File("System.xml")), kDecl + "<System auflosungx=\"1280\" auflosungy=\"720\" fenster=\"0\" />\r\n");
    // Values the dialog would show unchecked are kept as they were.
    EXPECT_EQ(ReadFileBytes(File("Options.xml")),
              kDecl + "<Options fps=\"2\" check=\"1\" rumble=\"1\" diffi=\"1\" sound=\"1\" music=\"1\" shader=\"1\" />\r\n");
    EXPECT_EQ(ReadFileBytes(File("Game.xml")), kDecl + "<Game m=\"17\" />\r\n");
    EXPECT_NE(ReadFileBytes(File("Gamep.xml")).find(" L3=\"300\" "), std::string::npos);
}

TEST_F(Launcher, StartWithoutShadersSavesTheShaderOff)
{
    // Also when the dialog was answered before it asked.
    shaderAnswer = false;
    SetPixelShaderProbe(FakeShaderProbe);
    viewStarts = true;
    EXPECT_TRUE(RunLauncher());
    EXPECT_EQ(shaderEnabled, 0);
    EXPECT_NE(ReadFileBytes(File("Options.xml")).find(" shader=\"0\" "), std::string::npos);
}

}  // namespace
