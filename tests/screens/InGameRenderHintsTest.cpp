// What lies behind and in front of the play in a few levels: the tutorial
// lines that fade in as the Vop approaches, background trees and tunnel
// backs, and the tunnels the Vop passes behind.
#include "InGameRenderFixture.h"

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/InputActions.h"
#include "engine/LanguageTables.h"
#include "screens/LevelDecorations.h"
#include "screens/LevelHints.h"
#include "support/TableRows.h"

using namespace drawtest;
using namespace tablerows;

namespace {

class HintsTest : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        padConnected = 0;
    }
    const BatchRecord* TextStarting(const char* prefix)
    {
        for (const BatchRecord* t : Texts())
            if (std::strncmp(t->text, prefix, std::strlen(prefix)) == 0) return t;
        return nullptr;
    }
};

TEST_F(HintsTest, HintFadesInAsTheVopApproaches)
{
    const struct {
        int player, alpha;
    } cases[] = {{0, 0}, {640, 0}, {641, 2}, {767, 254}, {768, 255}, {5000, 255}};
    for (const auto& c : cases) {
        playerX = c.player;
        EXPECT_EQ(HintAlpha(1000), c.alpha) << c.player;
    }
}

// The hint lines as the designers listed them, in drawing order: record |
// section | slot (or pad / keys) | text | x, y | parallax | scale |
// rotation in w = sin(swayPhase) / 8 | fade x (op: shown from the start).
const char* const hintRows[] = {
    "0 | thirdlevel | 0 | format, 2 breaks | 390, 420 | 0.9 | 0.7 | w/2 | op",
    "0 | thirdlevel | 1 | format, 1 break | 780, 550 | 0.8 | 0.65 | -w/2 | 780",
    "0 | thirdlevel | 2 | format, 1 break | 1450, 470 | 0.9 | 0.6 | w/2 | 1450",
    "0 | thirdlevel | pad 4 / keys 3 | format, 1 break | 2000, 420 | 0.95 | 0.6 | w/2 | 2000",
    "0 | thirdlevel | 5 | format, 1 break | 2730, 400 | 0.9 | 0.7 | -w/2 | 2730",
    "7 | firstlevel | 0 | as stored | 400, 370 | 0.9 | 1.1 | w/2 | op",
    "7 | firstlevel | pad 2 / keys 1 | format, 1 break | 530, 450 | 0.8 | 0.6 | w/2 | op",
    "7 | firstlevel | pad 4 / keys 3 | format, 1 break | 1060, 615 | 0.9 | 0.7 | -w/2 | 1060",
    "7 | firstlevel | 5 | format, 1 break | 2060, 570 | 0.9 | 0.7 | w/2 | 2060",
    "7 | firstlevel | 6 | format, 1 break | 3445, 430 | 0.8 | 0.7 | -w/2 | 3445",
    "8 | secondlevel | 0 | format, 1 break | 1180, 550 | 0.8 | 0.75 | w/2 | 1180",
    "8 | secondlevel | 1 | format, 1 break | 2300, 574 | 0.9 | 0.9 | -w/2 - 0.35 | 2300",
    "8 | secondlevel | pad 3 / keys 2 | format, 1 break | 3100, 400 | 0.85 | 0.7 | w/2 | 3100",
    "8 | secondlevel | 4 | format, 1 break | 4100, 630 | 0.9 | 0.9 | -w/2 | 4100",
    "8 | secondlevel | pad 6 / keys 5 | format, 1 break | 4810, 622 | 0.95 | 0.7 | w/2 | 4810",
    "8 | secondlevel | 7 | format, 1 break | 5400, 540 | 0.9 | 0.8 | -w/2 | 5400",
    "6 | spikevoplevel | 0 | format, 1 break | 510, 630 | 0.95 | 0.7 | -w/2 | op",
    "6 | spikevoplevel | 1 | format, 1 break | 1435, 530 | 0.85 | 0.75 | w/2 | 1435",
    "6 | spikevoplevel | 2 | format, 1 break | 3530, 235 | 0.95 | 0.6 | -w/2 + 0.35 | 3530",
    "6 | spikevoplevel | 3 | format, 1 break | 4990, 435 | 0.9 | 0.7 | w/2 | 4990",
    "6 | spikevoplevel | 4 | format, 1 break | 5800, 550 | 0.9 | 0.83 | w/2 | 5500",
    "40 | rockvoplevel | 0 | as stored | 280, 470 | 0.9 | 0.7 | -w/2 | op",
    "40 | rockvoplevel | 1 | format, 1 break | 680, 530 | 0.9 | 0.7 | w/2 | 580",
    "40 | rockvoplevel | 2 | format, 1 break | 1060, 570 | 0.9 | 0.7 | -w/2 | 960",
    "40 | rockvoplevel | 3 | format, 1 break | 1580, 500 | 0.9 | 0.7 | w/2 | 1480",
    "40 | rockvoplevel | 4 | format, 1 break | 2100, 430 | 0.9 | 0.7 | -w/2 | 2000",
    "40 | rockvoplevel | 5 | format, 1 break | 3284, 609 | 0.9 | 0.7 | w/2 | 3184",
    "40 | rockvoplevel | 6 | format, 1 break | 4878, 470 | 0.9 | 0.7 | -w/2 | 4778",
    "12 | airvoplevel | 0 | as stored | 347, 590 | 0.9 | 0.7 | w/2 | op",
    "12 | airvoplevel | 1 | as stored | 865, 500 | 0.95 | 0.7 | w/2 | 865",
    "12 | airvoplevel | 2 | format, 1 break | 2026, 414 | 0.9 | 0.7 | w/2 + 0.15 | 2026",
    "12 | airvoplevel | 3 | as stored | 3080, 600 | 0.9 | 0.7 | w/2 | 3080",
    "12 | airvoplevel | 4 | as stored | 5222, 441 | 0.9 | 0.7 | w/2 | 5222",
    "12 | airvoplevel | 5 | as stored | 5600, 580 | 0.9 | 0.7 | w/2 | 5600",
    "22 | angryvoplevel | 0 | format, 1 break | 218, 264 | 0.9 | 0.7 | w/2 | op",
    "22 | angryvoplevel | 1 | format, 1 break | 788, 280 | 0.9 | 0.6 | -w/2 | 788",
    "22 | angryvoplevel | 2 | format, 1 break | 1468, 100 | 0.9 | 0.7 | w/2 | 1468",
    "22 | angryvoplevel | 3 | format, 1 break | 1932, 520 | 0.98 | 0.55 | -w/2 | 1700",
    "22 | angryvoplevel | 4 | format, 1 break | 4070, 270 | 0.95 | 0.7 | w/2 | 4070",
    "21 | elitevoplevel | 0 | format, 1 break | 343, 232 | 0.96 | 0.7 | -w/2 + 0.3 | op",
    "21 | elitevoplevel | 1 | format, 1 break | 555, 440 | 0.99 | 0.65 | w/2 + 0.3 | 555",
    "21 | elitevoplevel | 2 | format, 1 break | 1658, 406 | 0.95 | 0.67 | -w/2 | 1658",
    "21 | elitevoplevel | 3 | format, 1 break | 2282, 471 | 0.9 | 0.7 | w/2 | 2282",
    "21 | elitevoplevel | 4 | format, 1 break | 2900, 413 | 0.95 | 0.7 | -w/2 | 2900",
    "21 | elitevoplevel | 5 | format, 1 break | 3665, 143 | 0.9 | 0.7 | w/2 | 3665",
    "5 | sprintlevels | 0 | format, 1 break | 367, 330 | 0.99 | 0.65 | w + 0.2 | op",
    "5 | sprintlevels | 1 | format, 1 break | 990, 569 | 0.99 | 0.65 | -w | 990",
    "5 | sprintlevels | 2 | format, 1 break | 1630, 495 | 0.99 | 0.65 | w | 1630",
    "5 | sprintlevels | 3 | format, 1 break | 1950, 496 | 0.99 | 0.84 | -w | 1950",
    "5 | sprintlevels | 4 | format, 1 break | 2380, 343 | 0.99 | 0.65 | w | 2380",
    "5 | sprintlevels | 5 | format, 1 break | 3064, 486 | 0.99 | 0.8 | -w + 0.15 | 3064",
    "5 | sprintlevels | 6 | format, 1 break | 3380, 300 | 0.99 | 0.65 | w | 3380",
};

// The language table of a hint section, and how many entries it holds.
struct HintSection {
    const char* name;
    char (*texts)[kTextEntrySize];
    int count;
};
const HintSection hintSections[] = {
    {"firstlevel", firstLevelTexts, 7},       {"secondlevel", secondLevelTexts, 8},
    {"thirdlevel", thirdLevelTexts, 8},       {"sprintlevels", sprintLevelTexts, 7},
    {"spikevoplevel", spikeVopLevelTexts, 5}, {"rockvoplevel", rockVopLevelTexts, 7},
    {"airvoplevel", airVopLevelTexts, 6},     {"angryvoplevel", angryVopLevelTexts, 5},
    {"elitevoplevel", eliteVopLevelTexts, 6},
};

const HintSection* SectionOf(const std::string& name)
{
    for (const HintSection& s : hintSections)
        if (name == s.name) return &s;
    return nullptr;
}

// "-w/2 + 0.35" at a given w.
float Rotation(const std::string& cell, float w)
{
    float r = cell[0] == '-' ? -w : w;
    if (Has(cell, "w/2")) r /= 2;
    const size_t op = cell.find_first_of("+-", 1);
    if (op != std::string::npos) r += (cell[op] == '-' ? -1 : 1) * std::stof(cell.substr(op + 1));
    return r;
}

TEST_F(HintsTest, EveryHintLineStandsTurnsAndFadesAsListed)
{
    cameraX = 200;
    cameraY = 50;
    swayPhase = 1.0f;
    const float w = std::sin(1.0f) / 8;
    std::map<int, size_t> linesOf;
    for (const char* row : hintRows) {
        const std::vector<std::string> c = Cells(row);
        ++linesOf[Number(c[0])];
        const HintSection* section = SectionOf(c[1]);
        ASSERT_NE(section, nullptr) << row;
        const std::vector<int> slots = Numbers(c[2]), at = Numbers(c[4]);
        const bool opaque = c[8] == "op";
        const int fade = opaque ? 0 : Number(c[8]);
        for (int pad : {0, 1}) {
            SCOPED_TRACE(testing::Message() << row << (pad ? " with a pad" : " with keys"));
            const int slot = slots.size() == 2 && !pad ? slots[1] : slots[0];
            for (int k = 0; k < section->count; ++k)
                std::snprintf(section->texts[k], kTextEntrySize, "%s %d%%s|%%s", c[1].c_str(), k);
            currentLevel.recordId = Number(c[0]);
            padConnected = static_cast<uint8_t>(pad);
            playerX = fade - 300;  // 60 pixels into the fade: alpha 120
            ResetBatchLog();
            DrawLevelHints();
            char label[40];
            std::snprintf(label, sizeof label, "%s %d", c[1].c_str(), slot);
            const BatchRecord* line = TextStarting(label);
            ASSERT_NE(line, nullptr);
            const std::string shown = Has(c[3], "stored") ? "%s|%s" : Has(c[3], "2 breaks") ? "\n|\n" : "\n|%s";
            EXPECT_EQ(line->text, label + shown);
            const Point centre = TextCentre(*line);
            EXPECT_NEAR(centre.x, 512 + std::stof(c[5]) * (at[0] - 200 - 512), 1e-2);
            EXPECT_NEAR(centre.y, at[1] - 50, 1e-3);
            EXPECT_NEAR(ScaleOf(*line), std::stof(c[6]), 1e-5);
            EXPECT_NEAR(RotationOf(*line), Rotation(c[7], w), 1e-5);
            EXPECT_EQ(line->colour, Argb(opaque ? 255 : 120, 0, 0, 0));
        }
    }
    for (int id = 0; id < 50; ++id) {
        currentLevel.recordId = id;
        ResetBatchLog();
        DrawLevelHints();
        EXPECT_EQ(Texts().size(), linesOf[id]) << "record " << id;
    }
}

TEST_F(HintsTest, BackgroundTreesSwayAboutTheirCentres)
{
    currentLevel.recordId = 2;
    cameraX = 100;
    cameraY = 50;
    swayPhase = 1.0f;
    DrawLevelHints();
    EXPECT_EQ(Texts().size(), 0u);
    const auto trees = DrawsOf(levelDecor[3]);
    ASSERT_EQ(trees.size(), 3u);
    const BatchRecord& first = *DrawsOf(levelDecor[0]).at(0);
    EXPECT_LANDS(first, 360, 490, 333 - 100 + 421.2f, 109 - 50 + 596.7f);
    EXPECT_NEAR(RotationOf(first), -std::sin(1.0f) / 8, 1e-5);
    EXPECT_NEAR(ScaleOf(first), 1.17f, 1e-5);
    // Upright, the others' scaled top-left corners sit on their world points.
    swayPhase = 0.0f;
    ResetBatchLog();
    DrawLevelHints();
    EXPECT_LANDS(*DrawsOf(levelDecor[1]).at(0), 0, 0, 1695 - 100, 95 - 50);
    currentLevel.recordId = 3;
    ResetBatchLog();
    DrawLevelHints();
    EXPECT_EQ(DrawsOf(levelDecor[1]).at(0)->colour, Argb(255, 190, 190, 190));
}

TEST_F(HintsTest, TunnelBacksAndLevelsWithoutHints)
{
    currentLevel.recordId = 36;
    DrawLevelHints();
    EXPECT_EQ(DrawsOf(levelDecor[0]).size(), 2u);
    EXPECT_EQ(DrawsOf(levelDecor[1]).size(), 3u);
    EXPECT_LANDS(*DrawsOf(levelDecor[0])[1], 0, 0, 1967, 1758);
    currentLevel.recordId = 1;
    ResetBatchLog();
    DrawLevelHints();
    EXPECT_EQ(BatchLogCount(), 0);
}

TEST_F(HintsTest, TunnelsAreDrawnInFrontAsBlackShapes)
{
    currentLevel.recordId = 9;
    screenYOffset = 22;
    DrawLevelDecorations();
    ASSERT_EQ(BatchLogCount(), 1);
    EXPECT_EQ(BatchLog()[0].textureId, IdOf(levelDecor[4]));
    EXPECT_LANDS(BatchLog()[0], 0, 0, 6841, 286 + 22);
    EXPECT_EQ(BatchLog()[0].colour, 0xFF000000u);

    currentLevel.recordId = 16;
    ResetBatchLog();
    DrawLevelDecorations();
    const auto patches = DrawsOf(blackSprite);
    ASSERT_EQ(patches.size(), 2u);
    ExpectShape(*patches[0], 0, 1.21f, 1);
    ExpectShape(*patches[1], 0, 1, 1);
    EXPECT_EQ(BatchLogCount(), 6);

    currentLevel.recordId = 38;
    ResetBatchLog();
    DrawLevelDecorations();
    EXPECT_EQ(BatchLog()[0].colour, 0xC8FFFFFFu);
    currentLevel.recordId = 0;
    ResetBatchLog();
    DrawLevelDecorations();
    EXPECT_EQ(BatchLogCount(), 0);
}

}  // namespace
