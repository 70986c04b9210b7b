// The texts of the menus must be readable over the menu landscapes: the
// main menu's button names and the reset confirmation, the logo, the
// options' headings and button names, each level page's chapter title, the
// Vop-kind lines and button names, and the credits roll. Each screen is
// shown as a player sees it (keyboard focus on each button in turn, the
// bars open, through the bloom) over a whole turn of the menus' colour
// cycle, in all five languages: at least 80 % of each text's glyph pixels
// (over the frames judged) must stand at 3:1 or better against what the
// frame shows there without the texts. The figures go to
// artifacts/proof/menu-texts-WxH.tsv.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "display/FrameReading.h"
#include "engine/LanguageTables.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/LevelPages.h"
#include "game/MainMenu.h"
#include "game/RenderPass.h"
#include "game/Resources.h"
#include "gameplay/ColourCycle.h"
#include "platform/Display.h"
#include "screens/CreditsRoll.h"
#include "screens/FocusNavigation.h"
#include "shared/GameStates.h"
#include "engine/ResourceCatalogue.h"
#include "tools/harness/Harness.h"

namespace {

// The menus' colour cycle turns through five colours, 200 ticks each.
constexpr int cycleSamples = 5, sampleTicks = 200;
constexpr int noFocus = 0;

// Texts that fall short today: the level pages' landscapes under their exit
// and back names, the titles among the pages' trees and buttons on the
// smaller screens, a few Vop-kind lines at the smallest, and the total
// score, a light text over the hills' crests along the lower edge that the
// thinner veils no longer darken enough.
const KnownShortfall knownShortfalls[] = {
    {"level page 1", "Back", "800x600 1024x768 1280x720"},
    {"level page 1", "Exit", "800x600 1024x768 1280x720"},
    {"level page 1", "a good all-rounder", "800x600"},
    {"level page 1", "and climbs with it", "800x600"},
    {"level page 1", "data//menusprite//buttons//schrift//ch1e.png", "800x600 1024x768 1280x720"},
    {"level page 1", "hard to stop", "800x600"},
    {"level page 2", "Back", "800x600 1024x768 1280x720"},
    {"level page 2", "Exit", "800x600 1024x768"},
    {"level page 2", "data//menusprite//buttons//schrift//ch2e.png", "800x600"},
    {"level page 3", "Back", "800x600 1024x768 1280x720"},
    {"level page 3", "Exit", "800x600 1024x768 1280x720"},
    {"level page 3", "data//menusprite//buttons//schrift//ch3e.png", "800x600"},
    {"level page 4", "Back", "800x600 1024x768"},
    {"level page 5", "data//menusprite//buttons//schrift//ch5e.png", "800x600"},
    {"level page 4", "Exit", "800x600 1024x768"},
    {"level page 4", "data//menusprite//buttons//schrift//ch4e.png", "800x600"},
    {"level page 5", "Back", "800x600 1024x768 1280x720"},
    {"level page 5", "Exit", "800x600 1024x768 1280x720"},
    {"level page 1", "Total score: 0", "800x600 1024x768 1280x720"},
    {"level page 2", "Total score: 0", "1024x768 1280x720"},
    {"level page 4", "Total score: 0", "1024x768 1280x720"},
    {"level page 5", "Total score: 0", "1024x768 1280x720"},
    {"main menu", "Total score: 0", "1024x768 1280x720"},
    {"level page 3", "Total score: 0", "1280x720"},
};

const std::vector<MenuView>& Views()
{
    static const std::vector<MenuView> views = {
        {"main menu", MainMenu, {noFocus, 1, 3, 4, 5, armedResetFocus}},
        {"options", OptionsMenu, {noFocus, 1, 2, 27, 28, 29, 30, 31, 32, 33}},
        {"level page 1", LevelPage1, {noFocus, 1, 2, 12, 13, 14, 15, 16, 17}},
        {"level page 2", LevelPage2, {noFocus, 1, 2}},
        {"level page 3", LevelPage3, {noFocus, 1, 2}},
        {"level page 4", LevelPage4, {noFocus, 1, 2}},
        {"level page 5", LevelPage5, {noFocus, 1, 2}},
    };
    return views;
}

// The chapter titles of every language, put in place with the language.
class ChapterTitleSets {
public:
    ChapterTitleSets()
    {
        for (int l = 0; l < Languages::count; ++l)
            for (int page = 0; page < 5; ++page) {
                titles_[l][page] = std::make_unique<SpriteTexture>();
                titles_[l][page]->Load((std::string(chapterTitleFolder) + ChapterTitleFile(l + 1, page)).c_str());
            }
        for (int page = 0; page < 5; ++page) kept_[page] = chapterTitles[page].texture;
    }
    ~ChapterTitleSets()
    {
        for (int page = 0; page < 5; ++page) chapterTitles[page].texture = kept_[page];
    }
    void Use(int language)
    {
        for (int page = 0; page < 5; ++page) chapterTitles[page].texture = titles_[language][page]->texture;
    }

private:
    std::unique_ptr<SpriteTexture> titles_[Languages::count][5];
    PlatformTexture* kept_[5];
};

std::vector<const SpriteTexture*> Lettering()
{
    std::vector<const SpriteTexture*> pictures = {&logoSprite};
    for (const SpriteTexture& t : chapterTitles) pictures.push_back(&t);
    return pictures;
}

std::vector<SpriteTexture*> HiddenLettering()
{
    std::vector<SpriteTexture*> pictures = {&logoSprite};
    for (SpriteTexture& t : chapterTitles) pictures.push_back(&t);
    return pictures;
}

std::string Flat(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

class MenuTextReadability : public GameAtSize {
protected:
    // (screen, text in English or picture, language) -> score
    using Scores = std::map<std::tuple<std::string, std::string, int>, TextScore>;

    void JudgeView(const MenuView& view, Languages& texts, ChapterTitleSets& titles, Scores& scores)
    {
        HarnessStartAtState(view.state);
        ResetLooks();
        SetMenuColourCycle();  // every screen from the same turn of the colours
        menuFocusIdle = 0;  // keyboard mode: the pointer is parked, no cursor
        FocusMenu(view.state, noFocus);
        HarnessTicks(60);   // the bars open
        FrameImage shown, behind;
        for (int sample = 0; sample < cycleSamples; ++sample) {
            reader.Behind(behind, HiddenLettering());
            std::set<std::string> always;
            for (int focus : view.focuses) {
                FocusMenu(view.state, focus);
                for (int l = 0; l < Languages::count; ++l) {
                    texts.Use(l);
                    titles.Use(l);
                    std::vector<DrawnItem> items = reader.Items(DrawFrameContents, Lettering());
                    texts.Use(1);
                    titles.Use(1);
                    const std::vector<DrawnItem> english = reader.Items(DrawFrameContents, Lettering());
                    texts.Use(l);
                    titles.Use(l);
                    reader.Shown(shown);
                    for (size_t k = 0; k < items.size() && k < english.size(); ++k) {
                        const std::string name = english[k].isText ? Flat(english[k].text) : english[k].text;
                        if (focus == noFocus) always.insert(name);
                        else if (always.count(name)) continue;
                        scores[{view.name, name, l}].Add(shown, behind, reader.InkOf(items[k]), nullptr,
                                                         HarnessTickCount(), items[k].text);
                    }
                }
            }
            FocusMenu(view.state, noFocus);
            texts.Use(1);
            HarnessTicks(sampleTicks);
        }
    }

    void JudgeCredits(Scores& scores)
    {
        HarnessStartAtState(Credits);
        ResetLooks();
        SetMenuColourCycle();
        menuFocusIdle = 0;
        creditsY = static_cast<float>(screenHeight - 200);
        HarnessTicks(40);
        FrameImage shown, behind;
        // One turn of the roll, a frame every 50 ticks (100 pixels of roll).
        for (int t = 0; t < 1700; t += 50) {
            reader.Behind(behind, {});
            reader.Shown(shown);
            for (const DrawnItem& item : reader.Items(DrawFrameContents, {})) {
                if (!item.WithinScreen(screenWidth, screenHeight)) continue;
                scores[{"credits", Flat(item.text), 1}].Add(shown, behind, reader.InkOf(item), nullptr,
                                                            HarnessTickCount(), item.text);
            }
            HarnessTicks(50);
        }
    }

};

TEST_P(MenuTextReadability, EveryMenuTextStandsOutFromTheLandscape)
{
    const ScreenSize size = GetParam();
    unlockedLevels = 45;  // every world, page and kind open
    Languages texts;
    ChapterTitleSets titles;
    Scores scores;
    for (const MenuView& view : Views()) JudgeView(view, texts, titles, scores);
    JudgeCredits(scores);

    std::ofstream out = ProofTable("menu-texts-" + ScreenName(size),
                                   "# screen\ttext\tlanguage\tframes\treadable %\tworst frame %\thidden %\tdark %"
                                   "\twashed out %\tas shown");
    ShortfallLedger ledger(knownShortfalls, std::size(knownShortfalls), size);
    for (const auto& entry : scores) {
        const std::string& screen = std::get<0>(entry.first);
        const std::string& name = std::get<1>(entry.first);
        const int l = std::get<2>(entry.first);
        const TextScore& s = entry.second;
        if (s.frames == 0) continue;
        char row[768];
        std::snprintf(row, sizeof row, "%s\t%s\t%s\t%d\t%.1f\t%.1f\t%.0f\t%.0f\t%.0f\t%s", screen.c_str(),
                      name.c_str(), Languages::Code(l), s.frames, 100 * s.Share(), 100 * s.worst, 100 * s.why.hidden,
                      100 * s.why.dark, 100 * s.why.washed, Flat(s.text).c_str());
        out << row << '\n';
        ledger.Judge(screen, name, Languages::Code(l), s);
    }
    ledger.Finish();
}

INSTANTIATE_TEST_SUITE_P(Sizes, MenuTextReadability, ::testing::ValuesIn(readingSizes),
                         [](const ::testing::TestParamInfo<ScreenSize>& info) { return ScreenName(info.param); });

}  // namespace
