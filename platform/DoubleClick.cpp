#include "platform/DoubleClick.h"

#include <gtk/gtk.h>

#include "platform/GtkStart.h"

namespace {

constexpr DoubleClickRule kUsualRule = {400, 5};

int Magnitude(int v) { return v < 0 ? -v : v; }

}  // namespace

DoubleClickRule DesktopDoubleClickRule() {
    static bool read = false;
    static DoubleClickRule rule = kUsualRule;
    if (read) return rule;
    read = true;
    if (!StartGtk()) return rule;
    GtkSettings* settings = gtk_settings_get_default();
    if (settings == nullptr) return rule;
    gint timeMs = kUsualRule.timeMs, distance = kUsualRule.distancePx;
    g_object_get(settings, "gtk-double-click-time", &timeMs, "gtk-double-click-distance",
                 &distance, nullptr);
    // A time of 0 or less means no double-clicks at all.
    rule.timeMs = timeMs > 0 ? timeMs : 0;
    rule.distancePx = distance >= 0 ? distance : 0;
    return rule;
}

bool IsSecondPressOfDoubleClick(PressHistory* history, const DoubleClickRule& rule,
                                int64_t nowMs, int x, int y) {
    const int64_t elapsed = nowMs - history->timeMs;
    const bool second = history->havePrevious != 0 && rule.timeMs > 0 && elapsed >= 0 &&
                        elapsed <= rule.timeMs &&
                        Magnitude(x - history->x) <= rule.distancePx &&
                        Magnitude(y - history->y) <= rule.distancePx;
    if (second) {
        ForgetPresses(history);
        return true;
    }
    history->havePrevious = 1;
    history->timeMs = nowMs;
    history->x = x;
    history->y = y;
    return false;
}

void ForgetPresses(PressHistory* history) { *history = PressHistory{}; }
