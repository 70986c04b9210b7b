#pragma once
// A steady clock for the fixed tick, and a way to wait for the next one.
#include <cstdint>

// Monotonic counter (nanoseconds since an arbitrary start).
int64_t ClockTicks();
// Counter units per second (1e9).
int64_t ClockFrequency();
// Sleeps until ClockTicks() reaches `ticks` (returns at once when it has).
void SleepUntilTicks(int64_t ticks);
