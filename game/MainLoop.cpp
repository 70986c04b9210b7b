#include "game/MainLoop.h"

#include "engine/MainWindow.h"
#include "game/DeviceReset.h"
#include "game/RenderPass.h"
#include "game/UpdateStep.h"
#include "platform/Clock.h"

int64_t perfFrequency = 0;
int64_t perfNow = 0;
int64_t tickLength = 0;
int64_t nextTickTime = 0;
int tickCounter = 0;
int ticksPerSecond = 60;
int quitAfterTicks = 0;

void StartClock()
{
    mainLoopStarted = 1;
    perfFrequency = ClockFrequency();
    tickLength = perfFrequency / ticksPerSecond;
    perfNow = ClockTicks();
    nextTickTime = perfNow + tickLength;
}

bool TickDue(int64_t now)
{
    perfNow = now;
    tickLength = perfFrequency / ticksPerSecond;
    if (!(perfNow > nextTickTime))
        return false;
    tickCounter += 1;
    // Every wake-up from the sleep comes a little late; counting the next
    // tick from the wake-up would add those delays up and run the game slow.
    // So a tick late by less than one tick length keeps the beat of its due
    // time. Later than that, the next one counts from now: missed ticks are
    // dropped, never caught up in a burst.
    if (perfNow - nextTickTime < tickLength)
        nextTickTime += tickLength;
    else
        nextTickTime = perfNow + tickLength;
    return true;
}

void RunTick()
{
    const uint8_t deviceOk = TestDeviceForTick();
    if (deviceOk) {
        RenderFrame();
        RunTickUpdates();
    }
    // Seen by this tick's update step(s) only, also when they were skipped.
    mouseClicked = 0;
}

void ShutDown()
{
    if (!quitPosted)
        DestroyMainWindow();
}

int RunMainLoop()
{
    for (;;) {
        // The About box runs its own modal loop inside this call, so no tick
        // runs while it is open.
        if (!ProcessWindowMessages() || quitPosted)
            break;
        if (TickDue(ClockTicks())) {
            RunTick();
            // An exit button destroys the window during the update step: the
            // tick has finished, and nothing may draw into the closed window.
            if (quitPosted)
                break;
            if (quitAfterTicks > 0 && tickCounter >= quitAfterTicks)
                break;
        } else {
            SleepUntilTicks(nextTickTime + 1);
        }
    }
    ShutDown();
    return 0;
}
