#pragma once
// Bringing the whole game up once, in a fixed order, before the main loop:
// language, launcher, tick rate, title music, window, device and input,
// bloom, level table, progress, menu colours, resources, clock.

// Result of StartUp: keep going into the main loop, or end with a code.
constexpr int startUpContinue = -1;

// Runs every start-up step with its log lines. Returns startUpContinue when
// the main loop may start, else the exit code (0: the launcher was left
// without starting; non-zero: no display, or the window could not be made).
int StartUp();
// The start-up steps between the input devices and the resources: the level
// table, the title music's choice, the progress, the menu colours and an
// unlit trail. The test harness calls it too, so tests start as the game does.
void InitLevelsAndProgress();
// The whole program: start-up, main loop, shutdown. Returns the exit code.
int RunGame();

// The shift of the shifted drawings: 22 on screens taller than 1050 pixels.
int ScreenYOffsetFor(int height);

// Developer seams for tests of the real executable, read from the
// environment before start-up:
//   FLORPVOPS_TEST_LEVEL=n  skip the launcher dialog (the settings files are
//                           still read and written), open a window and start
//                           directly in level record n;
//   FLORPVOPS_TEST_TICKS=n  end cleanly after n ticks.
struct TestOptions {
    int startLevel;  // -1: none
    int quitAfterTicks;  // 0: none
};
TestOptions ReadTestOptions();
// Starts level record `record` at once (the closing half of a level start
// already done: bars closed, music volume set, record loaded). False for a
// record outside the filled table.
bool StartLevelDirectly(int record);
