#include "platform/Clock.h"

#include <chrono>
#include <thread>

int64_t ClockTicks() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int64_t ClockFrequency() { return 1000000000; }

void SleepUntilTicks(int64_t ticks) {
    const int64_t now = ClockTicks();
    if (ticks <= now) return;
    std::this_thread::sleep_for(std::chrono::nanoseconds(ticks - now));
}
