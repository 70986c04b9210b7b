// The two intro screens: timed, not skippable, two fading lines each, drawn
// over the closed bars, then the main menu.
#include "MenuTestFixture.h"

#include "engine/LanguageTables.h"
#include "game/IntroCredits.h"
#include "screens/CreditsRoll.h"
#include "shared/AuthorLine.h"

using namespace menutest;

namespace {

// Ticks until the game leaves `state` (or max ticks).
int TicksWhile(int state, int max, void (*eachTick)() = nullptr) {
    int n = 0;
    while (gameState == state && n < max) {
        if (eachTick) eachTick();
        HarnessTick();
        ++n;
    }
    return n;
}

void MashEverything() {
    // Keys, pad buttons and clicks every tick.
    HarnessKeyDown(DIK_ESCAPE);
    HarnessKeyDown(DIK_RETURN);
    HarnessKeyDown(DIK_SPACE);
    HarnessKeyDown(DIK_RIGHT);
    XInputGamepad pad{};
    pad.wButtons = XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_B | XINPUT_GAMEPAD_START;
    HarnessSetPad(pad);
    HarnessSetPointer(HarnessTickCount() % 900, 300);
    HarnessClick();
}

class IntroTest : public MenuTest {};

}  // namespace

TEST_F(IntroTest, EachIntroScreenLasts243UpdatesAndLeadsToTheMainMenu) {
    HarnessStartAtState(IntroPresents);
    EXPECT_EQ(243, TicksWhile(IntroPresents, 1000));
    EXPECT_EQ(IntroAuthor, gameState);
    // The second screen took its first step in the tick the first one ended.
    EXPECT_EQ(242, TicksWhile(IntroAuthor, 1000));
    EXPECT_EQ(MainMenu, gameState);
}

TEST_F(IntroTest, PressingAnythingNeitherSkipsNorShortensTheIntro) {
    HarnessStartAtState(IntroPresents);
    EXPECT_EQ(243, TicksWhile(IntroPresents, 1000, MashEverything));
    EXPECT_EQ(242, TicksWhile(IntroAuthor, 1000, MashEverything));
    EXPECT_EQ(MainMenu, gameState);
}

TEST_F(IntroTest, TheBarsStayClosedUntilTheMainMenuOpensThem) {
    HarnessStartAtState(IntroPresents);
    const int closed = transitionCurtain;
    TicksWhile(IntroPresents, 1000);
    TicksWhile(IntroAuthor, 1000);
    EXPECT_EQ(closed, transitionCurtain);
    HarnessTick();
    EXPECT_LT(transitionCurtain, closed);
}

TEST_F(IntroTest, FirstScreenFadesThePublisherInBeforeTheWordForPresents) {
    HarnessStartAtState(IntroPresents);
    const std::string publisher = creditsPublisherLine;
    const std::string presents = IntroPresentsWord(languageId);
    int firstSeen = -1, secondSeen = -1, fullyLit = -1;
    for (int t = 0; t < 243; ++t) {
        HarnessTick();  // renders the state the previous tick left
        const uint32_t a1 = TextColour(publisher) >> 24;
        const uint32_t a2 = TextColour(presents) >> 24;
        if (a1 > 0 && firstSeen < 0) firstSeen = t;
        if (a2 > 0 && secondSeen < 0) secondSeen = t;
        if (a1 == 255 && fullyLit < 0) fullyLit = t;
    }
    ASSERT_GE(firstSeen, 0);
    ASSERT_GE(secondSeen, 0);
    EXPECT_LT(firstSeen, secondSeen);
    EXPECT_EQ(firstSeen + 31, fullyLit);  // 8 per step: 255 after 32 rising steps
}

TEST_F(IntroTest, BothLinesAreGoneBeforeEachScreenEnds) {
    HarnessStartAtState(IntroPresents);
    for (int t = 0; t < 242; ++t) HarnessTick();
    EXPECT_EQ(IntroPresents, gameState);
    EXPECT_EQ(0, introAlpha1);
    EXPECT_EQ(0, introAlpha2);
    HarnessTick();
    EXPECT_EQ(IntroAuthor, gameState);
    for (int t = 0; t < 241; ++t) HarnessTick();
    EXPECT_EQ(IntroAuthor, gameState);
    EXPECT_EQ(0, introAlpha1);
    EXPECT_EQ(0, introAlpha2);
}

TEST_F(IntroTest, SecondScreenShowsTheWordsForAGameByAndTheAuthor) {
    HarnessStartAtState(IntroPresents);
    TicksWhile(IntroPresents, 1000);
    for (int t = 0; t < 150; ++t) HarnessTick();
    EXPECT_TRUE(TextShown(IntroGameByWords(languageId)));
    EXPECT_TRUE(TextShown(gameAuthorLine));
    EXPECT_FALSE(TextShown(creditsPublisherLine));
    // The window title and the About box name the same author.
    EXPECT_STREQ(WindowTitle(), (std::string("FlorpVops - A game by ") + gameAuthorLine).c_str());
}

TEST(IntroWords, FollowTheLanguageAndFallBackToEnglish) {
    EXPECT_STREQ("präsentiert", IntroPresentsWord(1));
    EXPECT_STREQ("a game by", IntroGameByWords(2));
    EXPECT_STREQ("un jeu de", IntroGameByWords(3));
    EXPECT_STREQ("un gioco di", IntroGameByWords(4));
    EXPECT_STREQ("presenta", IntroPresentsWord(5));
    EXPECT_STREQ("presents", IntroPresentsWord(0));
    EXPECT_STREQ("a game by", IntroGameByWords(9));
}
