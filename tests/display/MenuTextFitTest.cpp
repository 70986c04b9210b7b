// Every menu text must fit its place: on every menu screen, at each screen
// size and in all five languages, with each button highlighted in turn and
// the screen's wobble at both ends and at rest, no text may ink into
// another text or into a button (other than the button it is written on),
// nor run off the screen. Ink is what the game's own drawing puts there
// (the real font and pictures, drawn alone).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <string>
#include <vector>

#include "display/FrameReading.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/LevelPages.h"
#include "game/MainMenu.h"
#include "game/RenderPass.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/ColourCycle.h"
#include "platform/Display.h"
#include "screens/FocusNavigation.h"
#include "shared/GameStates.h"
#include "engine/ResourceCatalogue.h"
#include "tools/harness/Harness.h"

namespace {


// Collisions the texts cannot mend: the fixed places of the level pages' last
// buttons and of their exit and back buttons meet at these sizes, whatever
// the label says. A row names the screen, the focus that shows the text, the
// picture it runs into and the sizes; the test fails on an unlisted
// collision and on a listed one that is gone.
struct KnownCollision {
    const char* screen;
    int focus;
    const char* picture;
    const char* sizes;
};
const KnownCollision knownCollisions[] = {
    {"level page 3", 1, "haken.png", "1024x768"},
    {"level page 3", 2, "haken.png", "1024x768"},
    {"level page 4", 2, "haken.png", "1024x768"},
    {"level page 5", 1, "haken.png", "1024x768"},
    {"level page 5", 2, "haken.png", "1024x768"},
    {"level page 2", 2, "haken.png", "1280x720"},
    {"level page 2", 2, "boss_black.png", "1920x1080"},
    {"level page 3", 2, "boss_black.png", "1920x1080"},
};

std::string Basename(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

std::vector<int> Range(std::vector<int> ids, int from, int to)
{
    for (int i = from; i <= to; ++i) ids.push_back(i);
    return ids;
}

const std::vector<MenuView>& Views()
{
    static const std::vector<MenuView> views = {
        {"main menu", MainMenu, Range({armedResetFocus, 0, 1, 3, 4, 5}, 7, 11)},
        {"options", OptionsMenu, Range({0, 1, 2}, 27, 33)},
        {"level page 1", LevelPage1, Range({0, 1, 2}, 12, 26)},
        {"level page 2", LevelPage2, Range({0, 1, 2}, 18, 26)},
        {"level page 3", LevelPage3, Range({0, 1, 2}, 18, 26)},
        {"level page 4", LevelPage4, Range({0, 1, 2}, 18, 26)},
        {"level page 5", LevelPage5, Range({0, 1, 2}, 18, 26)},
    };
    return views;
}

std::vector<const SpriteTexture*> Buttons()
{
    std::vector<const SpriteTexture*> b;
    for (const SpriteTexture* pair : {stanButton, backButton, exitButton, creditsButton, optionsButton, resetButton,
                                      levelButton, bossButton})
        for (int i = 0; i < 2; ++i) b.push_back(&pair[i]);
    for (int k = 0; k < 6; ++k) {
        b.push_back(&kindButtonBlack[k]);
        b.push_back(&kindButtonWhite[k]);
    }
    b.push_back(&checkMarkSprite);
    return b;
}

bool BoxesMeet(const DrawnItem& a, const DrawnItem& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool InksMeet(const Ink& a, const Ink& b)
{
    const int x0 = std::max(a.x0, b.x0), x1 = std::min(a.x0 + a.width, b.x0 + b.width);
    const int y0 = std::max(a.y0, b.y0), y1 = std::min(a.y0 + a.height, b.y0 + b.height);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (a.At(x, y) >= inkCover && b.At(x, y) >= inkCover) return true;
    return false;
}

float Distance(const DrawnItem& a, const DrawnItem& b)
{
    return std::hypot((a.left + a.right - b.left - b.right) / 2, (a.top + a.bottom - b.top - b.bottom) / 2);
}

// The button a text belongs to: the nearest one, when its centre lies
// within a button's reach of the text's (a label stands 50 to 60 pixels
// from its button, a world button's name on it).
size_t OwnButton(const std::vector<DrawnItem>& items, size_t text)
{
    size_t own = items.size();
    for (size_t i = 0; i < items.size(); ++i)
        if (!items[i].isText && Distance(items[text], items[i]) < 70 &&
            (own == items.size() || Distance(items[text], items[i]) < Distance(items[text], items[own])))
            own = i;
    return own;
}

// The inked box of a text, or an empty box when nothing is inked.
bool InkBounds(const Ink& ink, int* x0, int* y0, int* x1, int* y1)
{
    *x0 = *y0 = 1 << 30;
    *x1 = *y1 = -1;
    for (int y = ink.y0; y < ink.y0 + ink.height; ++y)
        for (int x = ink.x0; x < ink.x0 + ink.width; ++x)
            if (ink.At(x, y) >= inkCover) {
                *x0 = std::min(*x0, x);
                *y0 = std::min(*y0, y);
                *x1 = std::max(*x1, x);
                *y1 = std::max(*y1, y);
            }
    return *x1 >= 0;
}

class MenuTextFit : public GameAtSize {};

TEST_P(MenuTextFit, NoTextRunsIntoAnotherOrAButton)
{
    unlockedLevels = 45;  // every world, page and kind open
    Languages texts;
    const std::vector<const SpriteTexture*> buttons = Buttons();
    // (screen, focus, what it runs into) -> the first collision seen
    std::map<std::tuple<std::string, int, std::string>, std::string> found;
    for (const MenuView& view : Views()) {
        HarnessStartAtState(view.state);
        ResetLooks();
        SetMenuColourCycle();  // every screen from the same turn of the colours
        menuFocusIdle = 0;
        FocusMenu(view.state, 0);
        HarnessTicks(60);
        const float keptPhase = swayPhase;
        for (float phase : {-1.5707964f, 0.0f, 1.5707964f}) {
            swayPhase = phase;
            for (int focus : view.focuses) {
                FocusMenu(view.state, focus);
                for (int l = 0; l < Languages::count; ++l) {
                    texts.Use(l);
                    const std::vector<DrawnItem> items = reader.Items(DrawFrameContents, buttons);
                    std::vector<Ink> inks(items.size());
                    std::vector<bool> inked(items.size(), false);
                    auto inkOf = [&](size_t i) -> const Ink& {
                        if (!inked[i]) inks[i] = reader.InkOf(items[i]);
                        inked[i] = true;
                        return inks[i];
                    };
                    for (size_t t = 0; t < items.size(); ++t) {
                        if (!items[t].isText || (items[t].colour >> 24) == 0) continue;
                        const std::string where = std::string(view.name) + ", " + Languages::Code(l) + ": \"" +
                                                  items[t].text + "\"";
                        int x0, y0, x1, y1;
                        if (InkBounds(inkOf(t), &x0, &y0, &x1, &y1) &&
                            (items[t].left < 0 || items[t].right > screenWidth || items[t].top < 0 ||
                             items[t].bottom > screenHeight) &&
                            (x0 <= 0 || y0 <= 0 || x1 >= screenWidth - 1 || y1 >= screenHeight - 1)) {
                            found.emplace(std::make_tuple(view.name, focus, std::string("the screen edge")),
                                          where + " runs off the screen");
                        }
                        const size_t own = OwnButton(items, t);
                        for (size_t o = 0; o < items.size(); ++o) {
                            if (o == t || o == own || !BoxesMeet(items[t], items[o])) continue;
                            if (items[o].isText && o < t) continue;  // each pair of texts once
                            if (!InksMeet(inkOf(t), inkOf(o))) continue;
                            const std::string other =
                                items[o].isText ? "\"" + items[o].text + "\"" : Basename(items[o].text);
                            std::ostringstream what;
                            what << where << " runs into " << other << " (wobble " << std::sin(phase) / 5 << ")";
                            found.emplace(std::make_tuple(view.name, focus, items[o].isText ? "a text" : other),
                                          what.str());
                        }
                    }
                }
            }
        }
        swayPhase = keptPhase;
    }
    const std::string size = ScreenName(GetParam());
    std::set<std::tuple<std::string, int, std::string>> listed;
    for (const KnownCollision& k : knownCollisions) {
        std::istringstream sizes(k.sizes);
        std::string s;
        while (sizes >> s)
            if (s == size) listed.insert(std::make_tuple(k.screen, k.focus, k.picture));
    }
    for (const auto& f : found)
        if (!listed.count(f.first))
            ADD_FAILURE() << f.second << "\n  row: {\"" << std::get<0>(f.first) << "\", " << std::get<1>(f.first)
                          << ", \"" << std::get<2>(f.first) << "\", \"" << size << "\"},";
    for (const auto& l : listed)
        if (!found.count(l))
            ADD_FAILURE() << std::get<0>(l) << ", focus " << std::get<1>(l) << ": no text runs into "
                          << std::get<2>(l) << " at " << size << " now: take " << size << " out of its row";
}

INSTANTIATE_TEST_SUITE_P(Sizes, MenuTextFit, ::testing::ValuesIn(readingSizes),
                         [](const ::testing::TestParamInfo<ScreenSize>& info) { return ScreenName(info.param); });

}  // namespace
