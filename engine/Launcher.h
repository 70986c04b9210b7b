#pragma once
// The launcher: settings folder and defaults, the settings files, the list
// of usable display modes, the dialog's contents, and writing everything
// back whether the player starts or quits.
#include <cstdint>

#include "platform/LauncherView.h"

struct DisplayMode {
    int32_t width, height;
};

constexpr int kMaxDisplayModes = kMaxLauncherEntries;

extern DisplayMode displayModes[kMaxDisplayModes];  // accepted modes, display's order
extern int displayModeCount;
extern int selectedModeIndex;  // the mode selected when the dialog opens
extern uint8_t startGame;      // 1 start, 0 quit
extern LauncherDialog launcherDialog;

// Prepare, show the dialog, save all settings (always); returns startGame.
bool RunLauncher();
// Paths, defaults, the four files, the mode list and the chosen size, with
// the "Verfuegbare: ", "Geladene: " and "Endgueltige: " lines on stdout.
void PrepareLauncher();
// Fills the dialog record: captions, entries sorted by text, selection and
// check boxes. Whether the shader box may be used is left to whenShown
// (LauncherShown) unless the probe has answered already.
void InitLauncherDialog(LauncherDialog* dialog);
// Unchecks and locks the shader box when the bloom shaders cannot run.
void SettleShaderBox(LauncherDialog* dialog);
// Once the dialog shows: starts the work set by SetLauncherShownWork (it
// runs while the player reads), then settles the shader box.
void LauncherShown(LauncherDialog* dialog);
// Work to start once the launcher is on screen (null: none).
void SetLauncherShownWork(void (*work)());
// Takes the chosen size and boxes from the dialog (Start only).
void ReadLauncherDialog(const LauncherDialog& dialog);
// System, Options, Game and progress files, in this order.
void SaveAllSettings();
bool HasDisplayMode(int32_t width, int32_t height);
// Index in displayModes, or 0 when absent.
int FindDisplayModeIndex(int32_t width, int32_t height);
// Whether the bloom shaders can run here; asks the probe on the calling
// (game) thread the first time.
bool IsPixelShader2Supported();

// Replaceable sources (tests, headless runs): the display's mode list, the
// shader probe and the dialog itself. Null restores the platform's own.
void SetDisplayModeSource(int (*source)(VideoModeInfo* out, int maxModes));
void SetPixelShaderProbe(bool (*probe)());
void SetLauncherView(bool (*show)(LauncherDialog* dialog));
