#pragma once
// The game counts single clicks only: the second press of a double-click is
// a message of its own that the game ignores (it would otherwise confirm a
// two-step button, such as the progress reset, in one gesture).
#include <cstdint>

struct DoubleClickRule {
    int timeMs;      // the second press comes within this time of the first,
    int distancePx;  // and at most this far from it on either axis
};

// The desktop's rule (GTK's gtk-double-click-time and
// gtk-double-click-distance), read once; 400 ms and 5 px without GTK.
DoubleClickRule DesktopDoubleClickRule();

// The presses seen so far of one button.
struct PressHistory {
    uint8_t havePrevious;  // a first press waits for its second
    int64_t timeMs;
    int32_t x, y;
};

// Takes a press at (x, y) in window pixels at `nowMs` (a monotonic time):
// true when it is the second press of a double-click (to be ignored). A
// double-click's second press ends the pair, so a third press counts again.
bool IsSecondPressOfDoubleClick(PressHistory* history, const DoubleClickRule& rule,
                                int64_t nowMs, int x, int y);
// Forgets the first press (another button was pressed, the focus moved).
void ForgetPresses(PressHistory* history);
