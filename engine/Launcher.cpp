#include "engine/Launcher.h"

#include <cstdio>
#include <cstring>

#include "engine/LanguageTables.h"
#include "engine/Settings.h"

DisplayMode displayModes[kMaxDisplayModes];
int displayModeCount = 0;
int selectedModeIndex = 0;
uint8_t startGame = 0;
LauncherDialog launcherDialog;

namespace {

int (*modeSource)(VideoModeInfo*, int) = ListFullscreenModes;
bool (*shaderProbe)() = ProbePixelShaders;
bool (*launcherView)(LauncherDialog*) = ShowLauncherDialog;
// The probe makes a graphics context on an X connection of its own. On a
// thread beside GTK's start it could deadlock the whole display (GTK grabs
// the server and waits for Xlib while the probe waits for the server) and
// swap the X error handler under GTK, so it runs on the game thread once
// the dialog has been drawn; the driver it loads then stays for the window.
int shaderAnswer = -1;  // -1 not asked yet
void (*launcherShownWork)() = nullptr;

constexpr int kMaxReportedModes = 1024;
VideoModeInfo reportedModes[kMaxReportedModes];

bool Acceptable(int32_t width, int32_t height)
{
    return width >= 800 && width <= 1920 && height >= 600 && height <= 1080;
}

}  // namespace

void SetDisplayModeSource(int (*source)(VideoModeInfo*, int)) { modeSource = source ? source : ListFullscreenModes; }

void SetPixelShaderProbe(bool (*probe)())
{
    shaderProbe = probe ? probe : ProbePixelShaders;
    shaderAnswer = -1;
}

void SetLauncherView(bool (*show)(LauncherDialog*)) { launcherView = show ? show : ShowLauncherDialog; }

bool IsPixelShader2Supported()
{
    // The answer cannot change in a run.
    if (shaderAnswer < 0) shaderAnswer = shaderProbe() ? 1 : 0;
    return shaderAnswer == 1;
}

void SettleShaderBox(LauncherDialog* dialog)
{
    const bool shaders = IsPixelShader2Supported();
    dialog->shaderChecked = dialog->shaderChecked && shaders;
    dialog->shaderSensitive = shaders;
}

void SetLauncherShownWork(void (*work)()) { launcherShownWork = work; }

void LauncherShown(LauncherDialog* dialog)
{
    if (launcherShownWork) launcherShownWork();
    SettleShaderBox(dialog);
}

bool HasDisplayMode(int32_t width, int32_t height)
{
    for (int i = 0; i < displayModeCount; ++i)
        if (displayModes[i].width == width && displayModes[i].height == height) return true;
    return false;
}

int FindDisplayModeIndex(int32_t width, int32_t height)
{
    for (int i = 0; i < displayModeCount; ++i)
        if (displayModes[i].width == width && displayModes[i].height == height) return i;
    return 0;
}

void PrepareLauncher()
{
    BuildSettingsPaths();
    SetDefaultSettings();
    ReadSystemXml();
    ReadOptionsXml();
    ReadGameXml();
    LoadProgress();

    int reported = modeSource(reportedModes, kMaxReportedModes);
    if (reported < 0) reported = 0;
    if (reported > kMaxReportedModes) reported = kMaxReportedModes;
    displayModeCount = 0;
    std::printf("Verfuegbare: \n");
    // Modes that differ only in colour depth enter the list once.
    for (int i = 0; i < reported && displayModeCount < kMaxDisplayModes; ++i) {
        const VideoModeInfo& mode = reportedModes[i];
        if (!Acceptable(mode.width, mode.height) || HasDisplayMode(mode.width, mode.height)) continue;
        displayModes[displayModeCount] = DisplayMode{mode.width, mode.height};
        std::printf("%d: %dx%d\n", displayModeCount, static_cast<int>(mode.width), static_cast<int>(mode.height));
        ++displayModeCount;
    }
    std::printf("\nGeladene: \n%dx%d", static_cast<int>(screenWidth), static_cast<int>(screenHeight));

    if (displayModeCount == 0) {
        // No usable mode reported (no display, or none in range): offer the
        // stored size when it is usable, else the default, as the only
        // entry, so the dialog always has a selection to read.
        if (!Acceptable(screenWidth, screenHeight)) {
            screenWidth = 1920;
            screenHeight = 1080;
        }
        displayModes[0] = DisplayMode{screenWidth, screenHeight};
        displayModeCount = 1;
        std::fprintf(stderr, "FlorpVops: the display reports no mode from 800x600 to 1920x1080; offering %dx%d\n",
                     static_cast<int>(screenWidth), static_cast<int>(screenHeight));
    }
    if (HasDisplayMode(screenWidth, screenHeight)) {
        selectedModeIndex = FindDisplayModeIndex(screenWidth, screenHeight);
    } else {
        screenWidth = displayModes[0].width;
        screenHeight = displayModes[0].height;
        selectedModeIndex = 0;
    }
    std::printf("\n\nEndgueltige: \n%d: %dx%d", selectedModeIndex, static_cast<int>(screenWidth),
                static_cast<int>(screenHeight));
    std::fflush(stdout);
}

void InitLauncherDialog(LauncherDialog* dialog)
{
    dialog->resolutionCaption = preDialogTexts[1];
    dialog->windowedCaption = preDialogTexts[2];
    dialog->shaderCaption = preDialogTexts[3];
    dialog->fpsCaption = preDialogTexts[4];
    dialog->soundCaption = preDialogTexts[5];
    dialog->startCaption = preDialogTexts[6];
    dialog->quitCaption = preDialogTexts[7];
    dialog->musicCaption = preDialogTexts[8];
    dialog->bannerPath = "data//banner.bmp";

    // The list shows its entries sorted by their text, so "1024 x 768"
    // comes before "800 x 600": each new entry is inserted at its place.
    dialog->entryCount = 0;
    dialog->selectedEntry = -1;
    for (int i = 0; i < displayModeCount && i < kMaxLauncherEntries; ++i) {
        char text[sizeof dialog->entries[0].text];
        std::snprintf(text, sizeof text, "%i x %i", static_cast<int>(displayModes[i].width),
                      static_cast<int>(displayModes[i].height));
        int at = dialog->entryCount;
        while (at > 0 && std::strcmp(dialog->entries[at - 1].text, text) > 0) --at;
        for (int k = dialog->entryCount; k > at; --k) dialog->entries[k] = dialog->entries[k - 1];
        if (dialog->selectedEntry >= at) ++dialog->selectedEntry;
        std::memcpy(dialog->entries[at].text, text, sizeof text);
        dialog->entries[at].modeIndex = i;
        ++dialog->entryCount;
        if (i == selectedModeIndex) dialog->selectedEntry = at;
    }

    dialog->windowedChecked = windowed == 1;
    dialog->shaderChecked = shaderEnabled == 1;
    dialog->soundChecked = soundEnabled == 1;
    dialog->musicChecked = musicEnabled == 1;
    dialog->fpsChecked = limitTo30Fps == 1;
    dialog->shaderSensitive = true;
    // The box settles once the dialog shows; an answer known already applies now.
    dialog->whenShown = LauncherShown;
    if (shaderAnswer >= 0) SettleShaderBox(dialog);
}

void ReadLauncherDialog(const LauncherDialog& dialog)
{
    if (dialog.selectedEntry >= 0 && dialog.selectedEntry < dialog.entryCount) {
        const int mode = dialog.entries[dialog.selectedEntry].modeIndex;
        if (mode >= 0 && mode < displayModeCount) {
            screenWidth = displayModes[mode].width;
            screenHeight = displayModes[mode].height;
        }
    }
    windowed = dialog.windowedChecked ? 1 : 0;
    // Also when the dialog never asked: no bloom without shaders.
    shaderEnabled = dialog.shaderChecked && IsPixelShader2Supported() ? 1 : 0;
    soundEnabled = dialog.soundChecked ? 1 : 0;
    musicEnabled = dialog.musicChecked ? 1 : 0;
    limitTo30Fps = dialog.fpsChecked ? 1 : 0;
}

void SaveAllSettings()
{
    WriteSystemXml();
    WriteOptionsXml();
    WriteGameXml();
    SaveProgress();
}

bool RunLauncher()
{
    PrepareLauncher();
    InitLauncherDialog(&launcherDialog);
    if (launcherView(&launcherDialog)) {
        ReadLauncherDialog(launcherDialog);
        startGame = 1;
    } else {
        startGame = 0;
    }
    // Written on quit too: the size the preparation settled on is kept.
    SaveAllSettings();
    return startGame != 0;
}
