// Menu focus: mouse mode and keyboard mode, one move per press, the moves of
// the main menu, the options and the level pages, and the scroll that keeps
// a focused level button on screen.
#include <gtest/gtest.h>

#include <vector>

#include "engine/InputActions.h"
#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "gameplay/Camera.h"
#include "platform/Audio.h"
#include "screens/FocusNavigation.h"

namespace {

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSilentAudio(true);
        RestoreActionFlags(ActionFlags{});
        screenWidth = 1024;
        cameraX = 0;
        mouseX = lastMouseX = 300;
        mouseY = lastMouseY = 200;
        menuFocusIdle = 1;
        navKeyLatch = 0;
        focusPressBlocked = 0;
        mainMenuFocus = 7;
        subMenuFocus = 2;
        for (int32_t& f : levelPageFocus) f = 18;
        levelFocusReturn = 0;
        subMenuReturnFocus = 33;
    }
    // One tick with the action held, then one with nothing held.
    template <typename Navigate>
    void Press(uint8_t& action, Navigate navigate) {
        action = 1;
        navigate();
        action = 0;
        navigate();
    }
    // Wakes keyboard mode with a direction press (which moves nothing).
    template <typename Navigate>
    void Wake(Navigate navigate) {
        Press(actionDown, navigate);
        ASSERT_EQ(0, menuFocusIdle);
    }
};

}  // namespace

TEST_F(FocusTest, MovingTheMouseEntersMouseModeAndClearsEveryFocus) {
    menuFocusIdle = 0;
    mouseX = 301;
    ArmMenuFocus();
    EXPECT_EQ(1, menuFocusIdle);
    EXPECT_EQ(0, mainMenuFocus);
    EXPECT_EQ(0, subMenuFocus);
    for (int32_t f : levelPageFocus) EXPECT_EQ(0, f);
}

TEST_F(FocusTest, ConfirmAndBackDoNotWakeKeyboardMode) {
    mainMenuFocus = 0;
    actionConfirm = 1;
    actionBack = 1;
    NavigateMainMenuFocus();
    EXPECT_EQ(1, menuFocusIdle);
    EXPECT_EQ(0, mainMenuFocus);
}

TEST_F(FocusTest, TheWakingKeySetsTheDefaultsButNeitherMovesNorPresses) {
    mainMenuFocus = subMenuFocus = 0;
    actionRight = 1;
    NavigateMainMenuFocus();
    EXPECT_EQ(0, menuFocusIdle);
    EXPECT_EQ(7, mainMenuFocus);  // not moved on to 9
    EXPECT_EQ(2, subMenuFocus);
    EXPECT_EQ(0, PressableFocus(mainMenuFocus));
    NavigateMainMenuFocus();  // still held
    EXPECT_EQ(7, mainMenuFocus);
    actionRight = 0;
    NavigateMainMenuFocus();
    EXPECT_EQ(7, PressableFocus(mainMenuFocus));
}

TEST_F(FocusTest, HoldingADirectionMovesOnlyOncePerPress) {
    Wake(NavigateMainMenuFocus);
    actionRight = 1;
    for (int i = 0; i < 30; ++i) NavigateMainMenuFocus();
    EXPECT_EQ(9, mainMenuFocus);
    actionRight = 0;
    NavigateMainMenuFocus();
    Press(actionRight, NavigateMainMenuFocus);
    EXPECT_EQ(11, mainMenuFocus);
}

namespace {

// Every focus id of a screen pressed in every direction, against a second
// reading of the move rules: {from, direction, to, stores}. `to` Ret is the
// screen's return focus; a rule that stores remembers its from id there.
// Any pair without a rule leaves the focus where it is.
enum Dir { L, R, U, D };
constexpr int32_t Ret = -1;
struct Rule {
    int32_t from;
    Dir dir;
    int32_t to;
    bool stores = false;
};

const Rule mainMenuReading[] = {
    {7, R, 9}, {7, L, 8}, {8, R, 7}, {8, L, 10}, {9, R, 11}, {9, L, 7}, {10, R, 8}, {11, L, 9},
    {10, L, 4}, {4, L, 5}, {4, R, 10}, {5, L, 3}, {5, R, 4}, {3, L, 1}, {3, R, 5}, {1, R, 3},
};
const Rule optionsReading[] = {
    {28, R, 27}, {28, D, 30}, {27, L, 28}, {27, D, 29}, {30, R, 29}, {30, U, 28}, {30, D, 31},
    {29, L, 30}, {29, U, 27}, {29, D, 33}, {31, R, 32}, {31, U, 30}, {32, L, 31}, {32, R, 33},
    {32, U, 30}, {33, L, 32}, {33, U, 29}, {31, D, 2, true}, {32, D, 2, true}, {33, D, 2, true},
    {33, R, 2, true}, {2, U, Ret}, {2, L, Ret}, {2, R, 1}, {1, L, 2},
};
// Up from a level button goes to the kind column on its side of the screen.
std::vector<Rule> LevelPageReading(int32_t cameraX, int32_t width) {
    std::vector<Rule> rules = {
        {2, R, 1}, {2, L, Ret}, {1, L, 2}, {2, U, Ret}, {1, U, Ret}, {14, D, Ret}, {17, D, Ret},
        {14, U, 13}, {13, U, 12}, {12, D, 13}, {13, D, 14}, {17, U, 16}, {16, U, 15}, {15, D, 16},
        {16, D, 17}, {12, R, 15}, {13, R, 16}, {14, R, 17}, {15, L, 12}, {16, L, 13}, {17, L, 14},
    };
    for (int32_t f = 18; f <= 26; ++f) {
        if (f < 26) rules.push_back({f, R, f + 1});
        if (f > 18) rules.push_back({f, L, f - 1});
        rules.push_back({f, D, 2, true});
        rules.push_back({f, U, (f - 18) * 200 + 100 - cameraX <= width / 2 ? 14 : 17, true});
    }
    return rules;
}

uint8_t& ActionOf(Dir d) {
    switch (d) {
    case L: return actionLeft;
    case R: return actionRight;
    case U: return actionUp;
    case D: return actionDown;
    }
    return actionLeft;
}

template <typename Navigate>
void ExpectEveryMove(const std::vector<int32_t>& ids, const std::vector<Rule>& rules,
                     int32_t& focus, int32_t& ret, int32_t retSentinel, Navigate navigate) {
    for (int32_t id : ids) {
        for (Dir d : {L, R, U, D}) {
            int32_t to = id, stored = retSentinel;
            for (const Rule& rule : rules) {
                if (rule.from != id || rule.dir != d) continue;
                to = rule.to == Ret ? retSentinel : rule.to;
                if (rule.stores) stored = id;
            }
            const int32_t keepCamera = cameraX;
            focus = id;
            ret = retSentinel;
            navKeyLatch = 0;
            ActionOf(d) = 1;
            navigate();
            ActionOf(d) = 0;
            cameraX = keepCamera;
            EXPECT_EQ(focus, to) << "from " << id << " direction " << "LRUD"[d];
            EXPECT_EQ(ret, stored) << "return focus after " << id << " direction " << "LRUD"[d];
        }
    }
}

int32_t UpFrom(int32_t level, int32_t cameraX, int32_t width) {
    for (const Rule& rule : LevelPageReading(cameraX, width))
        if (rule.from == level && rule.dir == U) return rule.to;
    return 0;
}

}  // namespace

TEST_F(FocusTest, EveryPressMovesTheFocusByItsScreensRule) {
    Wake(NavigateMainMenuFocus);
    int32_t noReturn = 0;
    ExpectEveryMove({1, 3, 4, 5, 7, 8, 9, 10, 11},
                    {std::begin(mainMenuReading), std::end(mainMenuReading)}, mainMenuFocus,
                    noReturn, 0, NavigateMainMenuFocus);
    ExpectEveryMove({1, 2, 27, 28, 29, 30, 31, 32, 33},
                    {std::begin(optionsReading), std::end(optionsReading)}, subMenuFocus,
                    subMenuReturnFocus, 28, NavigateSubMenuFocus);
    std::vector<int32_t> pageIds = {1, 2};
    for (int32_t id = 12; id <= 26; ++id) pageIds.push_back(id);
    for (int32_t camera : {0, 188, 600}) {  // at 188 the fourth button stands at the middle
        cameraX = camera;
        ExpectEveryMove(pageIds, LevelPageReading(camera, screenWidth), levelPageFocus[1],
                        levelFocusReturn, 23, NavigateLevelPage2Focus);
    }
    // The worked case: at camera 0 up from the third button is left, the fourth right.
    EXPECT_EQ(UpFrom(20, 0, 1024), 14);
    EXPECT_EQ(UpFrom(21, 0, 1024), 17);
    for (int p : {0, 2, 3, 4}) EXPECT_EQ(levelPageFocus[p], 18) << "page " << p + 1 << " keeps its own focus";
}

TEST_F(FocusTest, AFocusedLevelNearTheEdgeScrollsThePageFivePixelsATick) {
    Wake(NavigateLevelPage1Focus);
    cameraX = 0;
    levelPageFocus[0] = 26;  // x 1700: off a 1024-pixel screen at camera 0
    NavigateLevelPage1Focus();
    EXPECT_EQ(5, cameraX);
    for (int i = 0; i < 200; ++i) NavigateLevelPage1Focus();
    EXPECT_EQ(830, cameraX);  // 150 px inside the right edge, in 5-pixel steps
    // A held look action pans freely.
    cameraX = 0;
    actionLookLeft = 1;
    NavigateLevelPage1Focus();
    EXPECT_EQ(0, cameraX);
    actionLookLeft = 0;
    levelPageFocus[0] = 18;
    cameraX = 100;  // the first button at x 100 is 150 px inside only from -50
    NavigateLevelPage1Focus();
    EXPECT_EQ(95, cameraX);
}

TEST_F(FocusTest, ResetLevelPageFocusPutsEveryPageOnItsFirstLevel) {
    for (int32_t& f : levelPageFocus) f = 14;
    levelFocusReturn = 22;
    ResetLevelPageFocus();
    for (int32_t f : levelPageFocus) EXPECT_EQ(18, f);
    EXPECT_EQ(0, levelFocusReturn);
}
