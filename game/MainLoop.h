#pragma once
// The main loop: a fixed tick over the window's event stream, and shutdown.
// One tick is the device test, the render pass, the update step (twice with
// the 30-frames option) and the clearing of the stored click. Late ticks are
// dropped, never caught up; between ticks the loop sleeps.
#include <cstdint>

extern int64_t perfFrequency;  // clock units per second
extern int64_t perfNow;        // clock value of the latest loop pass
extern int64_t tickLength;     // perfFrequency / ticksPerSecond
extern int64_t nextTickTime;   // the next tick is due once the clock passes it
extern int tickCounter;        // ticks run so far
extern int ticksPerSecond;     // 60, or 30 with the 30-frames option

// Reads the clock and makes the first tick due one tick length from now.
void StartClock();
// One loop pass at clock value `now`: true when a tick is due (the clock has
// passed nextTickTime). The next one is then due one tick length after the
// due time when this one is late by less than a tick length, else one tick
// length after now.
bool TickDue(int64_t now);
// One whole tick.
void RunTick();
// Runs until the window is closed, then shuts down; returns the exit code.
int RunMainLoop();
// Releases what must be released at exit and closes the window if open.
void ShutDown();

// Developer seam for tests of the real executable: when positive, the loop
// ends cleanly after this many ticks as if the window had been closed.
extern int quitAfterTicks;
