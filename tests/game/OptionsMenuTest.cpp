// The options: each choice takes effect the moment it is pressed, and the
// options file is written only on the ways out (back and exit).
#include <cstring>

#include "MenuTestFixture.h"

#include "engine/LanguageTables.h"
#include "game/OptionsMenu.h"

using namespace menutest;

namespace {

constexpr int W = 1024, H = 768;
enum { RumbleOn, RumbleOff, CheckpointsOn, CheckpointsOff, Diff1, Diff2, Diff3 };

class OptionsTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        rumbleEnabled = 1;
        checkpointsEnabled = 1;
        difficulty = 1;
        WriteOptionsXml();
        written = ReadOptionsXml();
    }
    void ClickOption(int i) {
        ClickAt(OptionButtonX(optionButtons[i]), OptionButtonY(optionButtons[i]));
    }
    std::string written;
};

}  // namespace

TEST_F(OptionsTest, ReachedFromTheMainMenuAndLeftByBackWritingTheFile) {
    OpenScreen(MainMenu);
    ClickAt(140, H - 86);
    ASSERT_TRUE(ArriveAt(OptionsMenu));

    ClickOption(RumbleOff);
    EXPECT_EQ(0, rumbleEnabled);  // at once
    ClickOption(CheckpointsOff);
    EXPECT_EQ(0, checkpointsEnabled);
    ClickOption(Diff3);
    EXPECT_EQ(3, difficulty);
    EXPECT_EQ(written, ReadOptionsXml());  // not yet saved

    ClickAt(W - 140, H - 86);
    const std::string saved = ReadOptionsXml();
    EXPECT_NE(std::string::npos, saved.find("check=\"0\" rumble=\"0\" diffi=\"3\""));
    EXPECT_TRUE(ArriveAt(MainMenu));
}

TEST_F(OptionsTest, EscapeLeavesAndSaves) {
    OpenScreen(OptionsMenu);
    ClickOption(Diff2);
    PressKey(DIK_ESCAPE);
    EXPECT_NE(std::string::npos, ReadOptionsXml().find("diffi=\"2\""));
    EXPECT_TRUE(ArriveAt(MainMenu));
}

TEST_F(OptionsTest, ExitSavesAndEndsTheProgram) {
    OpenScreen(OptionsMenu);
    ClickOption(RumbleOff);
    ClickAt(W - 70, H - 86);
    EXPECT_EQ(1, quitPosted);
    EXPECT_NE(std::string::npos, ReadOptionsXml().find("rumble=\"0\""));
}

TEST_F(OptionsTest, AChoiceWorksWhileTheBarsAreStillOpening) {
    HarnessStartAtState(OptionsMenu);
    HarnessTicks(3);
    ASSERT_FALSE(barsOpen);
    ClickOption(Diff2);
    EXPECT_EQ(2, difficulty);
    // ... but back does not, until the bars are open.
    PressKey(DIK_ESCAPE);
    HarnessTicks(2);
    EXPECT_EQ(1, transitionIdle);
    EXPECT_EQ(written, ReadOptionsXml());
}

TEST_F(OptionsTest, KeyboardWalksTheChoicesAndBack) {
    OpenScreen(OptionsMenu);
    PressKey(DIK_DOWN);  // wakes keyboard mode on back
    EXPECT_EQ(focusBack, subMenuFocus);
    PressKey(DIK_UP);    // back up to the third difficulty
    EXPECT_EQ(33, subMenuFocus);
    PressKey(DIK_RETURN);
    EXPECT_EQ(3, difficulty);
    PressKey(DIK_UP);    // checkpoints off
    PressKey(DIK_RETURN);
    EXPECT_EQ(0, checkpointsEnabled);
    PressKey(DIK_UP);    // rumble off
    PressKey(DIK_LEFT);  // rumble on
    PressKey(DIK_RETURN);
    EXPECT_EQ(1, rumbleEnabled);
    PressKey(DIK_DOWN);
    PressKey(DIK_DOWN);
    PressKey(DIK_DOWN);  // first difficulty
    PressKey(DIK_DOWN);  // back, remembering the first difficulty
    EXPECT_EQ(focusBack, subMenuFocus);
    PressKey(DIK_LEFT);
    EXPECT_EQ(31, subMenuFocus);
    PressKey(DIK_DOWN);
    PressKey(DIK_RETURN);
    EXPECT_TRUE(ArriveAt(MainMenu));
    EXPECT_NE(std::string::npos, ReadOptionsXml().find("check=\"0\" rumble=\"1\" diffi=\"3\""));
}

TEST_F(OptionsTest, TheCurrentChoicesCarryATick) {
    std::strcpy(optionsMenuTexts[8], "Normal");
    OpenScreen(OptionsMenu);
    EXPECT_EQ(3, DrawCount(checkMarkSprite));  // rumble on, checkpoints on, difficulty 1
    ClickOption(Diff2);
    HarnessTick();
    EXPECT_EQ(3, DrawCount(checkMarkSprite));
    // The label of the button under the pointer.
    EXPECT_TRUE(TextShown("Normal"));
}
