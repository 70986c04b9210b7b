#include "game/StartUp.h"

#include <cstdio>
#include <cstdlib>

#include "engine/AudioWrappers.h"
#include "engine/GraphicsDevice.h"
#include "engine/InputDevices.h"
#include "engine/LanguageTables.h"
#include "engine/Launcher.h"
#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/Bloom.h"
#include "game/LevelTable.h"
#include "game/MainLoop.h"
#include "game/Resources.h"
#include "game/ScreenTransition.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/Trail.h"
#include "platform/Audio.h"
#include "platform/Display.h"
#include "platform/SpriteBatch.h"
#include "shared/LevelRecord.h"

namespace {

const char* const titleMusicFile = "data//fvm//FV_Title.OGG";
// Screens taller than this push the shifted drawings down a little.
constexpr int tallScreenHeight = 1050;
constexpr int tallScreenYOffset = 22;

TestOptions testOptions = {-1, 0};

void Log(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int ReadNumber(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || value < 0 || value > 1000000000L) {
        std::fprintf(stderr, "FlorpVops: ignoring %s=%s (not a whole number)\n", name, text);
        return fallback;
    }
    return static_cast<int>(value);
}

// The launcher's file work without its dialog, for tests of the executable:
// they run on a virtual display with nobody to press its buttons.
void ReadSettingsWithoutDialog()
{
    BuildSettingsPaths();
    SetDefaultSettings();
    ReadSystemXml();
    ReadOptionsXml();
    ReadGameXml();
    WriteSystemXml();
    WriteOptionsXml();
    WriteGameXml();
    // A virtual display has no modes to switch to; the stored choice stays.
    windowed = 1;
}

}  // namespace

int ScreenYOffsetFor(int height)
{
    return height > tallScreenHeight ? tallScreenYOffset : 0;
}

TestOptions ReadTestOptions()
{
    TestOptions options;
    options.startLevel = ReadNumber("FLORPVOPS_TEST_LEVEL", -1);
    options.quitAfterTicks = ReadNumber("FLORPVOPS_TEST_TICKS", 0);
    return options;
}

bool StartLevelDirectly(int record)
{
    if (record < 0 || record >= filledLevelRecords)
        return false;
    chosenLevel = record;
    musicVolume = levelMusicVolume;
    gameState = InGame;
    transitionIdle = 1;
    barsOpen = 0;
    transitionCurtain = ClosedCurtain();
    levelStartPending = 0;
    LoadLevel(levelTable[record]);
    return true;
}

void InitLevelsAndProgress()
{
    InitLevelTable();
    MusicChoice();
    LoadProgress();
    SetMenuColourCycle();
    for (float& alpha : trailAlpha)
        alpha = 0.0f;
}

int StartUp()
{
    testOptions = ReadTestOptions();

    // Without a display the window system would abort the process on its
    // first call; say so plainly instead.
    if (!ProbeDisplay())
        return 1;
    InitAudio();

    SelectLanguage();
    // The catalogue decodes while the launcher stands open.
    SetLauncherShownWork(StartLoadingResources);
    if (testOptions.startLevel >= 0) {
        ReadSettingsWithoutDialog();
    } else if (!RunLauncher()) {
        return 0;
    }

    transitionCurtain = screenHeight / 2;
    if (limitTo30Fps != 0)
        ticksPerSecond = 30;
    musicStream.Open(titleMusicFile, 1);
    Log("");
    Log("");
    Log("Auswahl-Menue beendet!");

    if (!CreateMainWindow()) {
        std::fprintf(stderr, "FlorpVops: the game window (%d x %d, %s) could not be opened.\n",
                     screenWidth, screenHeight, windowed ? "windowed" : "full screen");
        return 1;
    }
    Log("Fenster gestartet!");

    graphicsContext.CreateGraphicsDevice();
    if (batchBackend != BatchBackend::Sfml) {
        // Going on would run the whole game drawing into nothing.
        std::fprintf(stderr, "FlorpVops: the drawing device for the game window could not be made.\n");
        ShutDown();
        return 1;
    }
    Log("Direct3D gestartet!");
    PresentBlackFrame();
    InitDirectInput();
    Log("DirectInput gestartet!");
    Log("DirectSound gestartet!");
    Log("DirectX gestartet!");

    if (shaderEnabled == 1)
        SetUpBloom();
    SetRenderStates(true);

    InitLevelsAndProgress();
    Log("Level initialisiert (M&L)!");

    LoadResources();

    StartClock();
    musicStream.Play();
    musicStream.SetVolume(static_cast<float>(musicVolume));
    screenYOffset = ScreenYOffsetFor(screenHeight);

    if (testOptions.startLevel >= 0 && !StartLevelDirectly(testOptions.startLevel)) {
        std::fprintf(stderr, "FlorpVops: there is no level %d (0 to %d).\n",
                     testOptions.startLevel, filledLevelRecords - 1);
        ShutDown();
        return 2;
    }
    quitAfterTicks = testOptions.quitAfterTicks;
    return startUpContinue;
}

int RunGame()
{
    const int result = StartUp();
    if (result != startUpContinue) {
        StopLoadingResources();
        return result;
    }
    return RunMainLoop();
}
