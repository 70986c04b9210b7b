#include "screens/LevelHints.h"

#include <cmath>
#include <cstdint>

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/LanguageTables.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "engine/TextFormat.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/LevelLoading.h"
#include "gameplay/VopPhysics.h"
#include "shared/LevelRecord.h"

namespace {

enum class HintText : uint8_t { Stored, OneBreak, TwoBreaks };
constexpr int opaque = -1000000;  // fade point of a line shown from the start

// One language section: its table and how many entries it has.
struct HintSection {
    const char (*texts)[kTextEntrySize];
    int count;
};

enum SectionId { First, Second, Third, Sprint, Spike, Rock, Air, Angry, Elite };

template <int N>
constexpr HintSection Section(char (&texts)[N][kTextEntrySize])
{
    return {texts, N};
}

const HintSection sections[] = {
    Section(firstLevelTexts),    Section(secondLevelTexts), Section(thirdLevelTexts),
    Section(sprintLevelTexts),   Section(spikeVopLevelTexts), Section(rockVopLevelTexts),
    Section(airVopLevelTexts),   Section(angryVopLevelTexts), Section(eliteVopLevelTexts),
};

// One hint line. The rotation is swayFactor * w + turn, w = sin(swayPhase) / 8.
struct HintLine {
    int recordId;
    SectionId section;
    int padSlot, keysSlot;  // equal unless the line names pad buttons or keys
    HintText text;
    int x, y;
    float parallax, scale;
    float swayFactor, turn;
    int fadeX;  // opaque: always fully visible
};

const HintLine hintLines[] = {
    {0, Third, 0, 0, HintText::TwoBreaks, 390, 420, 0.9f, 0.7f, 0.5f, 0.0f, opaque},
    {0, Third, 1, 1, HintText::OneBreak, 780, 550, 0.8f, 0.65f, -0.5f, 0.0f, 780},
    {0, Third, 2, 2, HintText::OneBreak, 1450, 470, 0.9f, 0.6f, 0.5f, 0.0f, 1450},
    {0, Third, 4, 3, HintText::OneBreak, 2000, 420, 0.95f, 0.6f, 0.5f, 0.0f, 2000},
    {0, Third, 5, 5, HintText::OneBreak, 2730, 400, 0.9f, 0.7f, -0.5f, 0.0f, 2730},
    {7, First, 0, 0, HintText::Stored, 400, 370, 0.9f, 1.1f, 0.5f, 0.0f, opaque},
    {7, First, 2, 1, HintText::OneBreak, 530, 450, 0.8f, 0.6f, 0.5f, 0.0f, opaque},
    {7, First, 4, 3, HintText::OneBreak, 1060, 615, 0.9f, 0.7f, -0.5f, 0.0f, 1060},
    {7, First, 5, 5, HintText::OneBreak, 2060, 570, 0.9f, 0.7f, 0.5f, 0.0f, 2060},
    {7, First, 6, 6, HintText::OneBreak, 3445, 430, 0.8f, 0.7f, -0.5f, 0.0f, 3445},
    {8, Second, 0, 0, HintText::OneBreak, 1180, 550, 0.8f, 0.75f, 0.5f, 0.0f, 1180},
    {8, Second, 1, 1, HintText::OneBreak, 2300, 574, 0.9f, 0.9f, -0.5f, -0.35f, 2300},
    {8, Second, 3, 2, HintText::OneBreak, 3100, 400, 0.85f, 0.7f, 0.5f, 0.0f, 3100},
    {8, Second, 4, 4, HintText::OneBreak, 4100, 630, 0.9f, 0.9f, -0.5f, 0.0f, 4100},
    {8, Second, 6, 5, HintText::OneBreak, 4810, 622, 0.95f, 0.7f, 0.5f, 0.0f, 4810},
    {8, Second, 7, 7, HintText::OneBreak, 5400, 540, 0.9f, 0.8f, -0.5f, 0.0f, 5400},
    {6, Spike, 0, 0, HintText::OneBreak, 510, 630, 0.95f, 0.7f, -0.5f, 0.0f, opaque},
    {6, Spike, 1, 1, HintText::OneBreak, 1435, 530, 0.85f, 0.75f, 0.5f, 0.0f, 1435},
    {6, Spike, 2, 2, HintText::OneBreak, 3530, 235, 0.95f, 0.6f, -0.5f, 0.35f, 3530},
    {6, Spike, 3, 3, HintText::OneBreak, 4990, 435, 0.9f, 0.7f, 0.5f, 0.0f, 4990},
    {6, Spike, 4, 4, HintText::OneBreak, 5800, 550, 0.9f, 0.83f, 0.5f, 0.0f, 5500},
    {40, Rock, 0, 0, HintText::Stored, 280, 470, 0.9f, 0.7f, -0.5f, 0.0f, opaque},
    {40, Rock, 1, 1, HintText::OneBreak, 680, 530, 0.9f, 0.7f, 0.5f, 0.0f, 580},
    {40, Rock, 2, 2, HintText::OneBreak, 1060, 570, 0.9f, 0.7f, -0.5f, 0.0f, 960},
    {40, Rock, 3, 3, HintText::OneBreak, 1580, 500, 0.9f, 0.7f, 0.5f, 0.0f, 1480},
    {40, Rock, 4, 4, HintText::OneBreak, 2100, 430, 0.9f, 0.7f, -0.5f, 0.0f, 2000},
    {40, Rock, 5, 5, HintText::OneBreak, 3284, 609, 0.9f, 0.7f, 0.5f, 0.0f, 3184},
    {40, Rock, 6, 6, HintText::OneBreak, 4878, 470, 0.9f, 0.7f, -0.5f, 0.0f, 4778},
    {12, Air, 0, 0, HintText::Stored, 347, 590, 0.9f, 0.7f, 0.5f, 0.0f, opaque},
    {12, Air, 1, 1, HintText::Stored, 865, 500, 0.95f, 0.7f, 0.5f, 0.0f, 865},
    {12, Air, 2, 2, HintText::OneBreak, 2026, 414, 0.9f, 0.7f, 0.5f, 0.15f, 2026},
    {12, Air, 3, 3, HintText::Stored, 3080, 600, 0.9f, 0.7f, 0.5f, 0.0f, 3080},
    {12, Air, 4, 4, HintText::Stored, 5222, 441, 0.9f, 0.7f, 0.5f, 0.0f, 5222},
    {12, Air, 5, 5, HintText::Stored, 5600, 580, 0.9f, 0.7f, 0.5f, 0.0f, 5600},
    {22, Angry, 0, 0, HintText::OneBreak, 218, 264, 0.9f, 0.7f, 0.5f, 0.0f, opaque},
    {22, Angry, 1, 1, HintText::OneBreak, 788, 280, 0.9f, 0.6f, -0.5f, 0.0f, 788},
    {22, Angry, 2, 2, HintText::OneBreak, 1468, 100, 0.9f, 0.7f, 0.5f, 0.0f, 1468},
    {22, Angry, 3, 3, HintText::OneBreak, 1932, 520, 0.98f, 0.55f, -0.5f, 0.0f, 1700},
    {22, Angry, 4, 4, HintText::OneBreak, 4070, 270, 0.95f, 0.7f, 0.5f, 0.0f, 4070},
    {21, Elite, 0, 0, HintText::OneBreak, 343, 232, 0.96f, 0.7f, -0.5f, 0.3f, opaque},
    {21, Elite, 1, 1, HintText::OneBreak, 555, 440, 0.99f, 0.65f, 0.5f, 0.3f, 555},
    {21, Elite, 2, 2, HintText::OneBreak, 1658, 406, 0.95f, 0.67f, -0.5f, 0.0f, 1658},
    {21, Elite, 3, 3, HintText::OneBreak, 2282, 471, 0.9f, 0.7f, 0.5f, 0.0f, 2282},
    {21, Elite, 4, 4, HintText::OneBreak, 2900, 413, 0.95f, 0.7f, -0.5f, 0.0f, 2900},
    {21, Elite, 5, 5, HintText::OneBreak, 3665, 143, 0.9f, 0.7f, 0.5f, 0.0f, 3665},
    {5, Sprint, 0, 0, HintText::OneBreak, 367, 330, 0.99f, 0.65f, 1.0f, 0.2f, opaque},
    {5, Sprint, 1, 1, HintText::OneBreak, 990, 569, 0.99f, 0.65f, -1.0f, 0.0f, 990},
    {5, Sprint, 2, 2, HintText::OneBreak, 1630, 495, 0.99f, 0.65f, 1.0f, 0.0f, 1630},
    {5, Sprint, 3, 3, HintText::OneBreak, 1950, 496, 0.99f, 0.84f, -1.0f, 0.0f, 1950},
    {5, Sprint, 4, 4, HintText::OneBreak, 2380, 343, 0.99f, 0.65f, 1.0f, 0.0f, 2380},
    {5, Sprint, 5, 5, HintText::OneBreak, 3064, 486, 0.99f, 0.8f, -1.0f, 0.15f, 3064},
    {5, Sprint, 6, 6, HintText::OneBreak, 3380, 300, 0.99f, 0.65f, 1.0f, 0.0f, 3380},
};

constexpr uint32_t white = 0xFFFFFFFFu;
constexpr uint32_t grey = 0xFFBEBEBEu;

// A tree that sways about its centre; the offset puts the scaled picture's
// top-left corner on the world point (one tree of record 2 sits lower).
struct SwayingPicture {
    int recordId;
    int decorSlot;
    int worldX, worldY;
    float offsetX, offsetY;
    float centreX, centreY;
    float scale;
    float swayFactor;  // rotation = swayFactor * w
    uint32_t colour;
};

const SwayingPicture swayingPictures[] = {
    {2, 0, 333, 109, 421.2f, 596.7f, 360, 490, 1.17f, -1.0f, white},
    {2, 1, 1695, 95, 71.24f, 619.24f, 52, 452, 1.37f, 1.0f, white},
    {2, 2, 2483, 56, 237.975f, 656.925f, 167, 461, 1.425f, -1.0f, white},
    {2, 3, 3285, -196, 425.75f, 770.25f, 262, 474, 1.625f, 1.0f, white},
    {2, 3, 4695, -217, 425.75f, 770.25f, 262, 474, 1.625f, -1.0f, white},
    {2, 3, 6759, -14, 425.75f, 770.25f, 262, 474, 1.625f, 1.0f, white},
    {3, 0, 542, -152, 318.6f, 699.504f, 225, 494, 1.416f, 1.0f, white},
    {3, 1, 1111, -62, 540.675f, 635.46f, 405, 476, 1.335f, -1.0f, grey},
    {3, 2, 1990, -148, 322.557f, 666.89f, 237, 490, 1.361f, 1.0f, white},
    {3, 3, 3555, -58, 354.578f, 638.507f, 266, 479, 1.333f, -1.0f, grey},
};

// A tunnel back: top-left corner on the world point, unscaled.
struct StaticPicture {
    int recordId;
    int decorSlot;
    int worldX, worldY;
};

// In the order the levels are tested: 29, 30, 31, 36, 37, 25.
const StaticPicture staticPictures[] = {
    {29, 0, 3361, 423},  {30, 0, 6080, 234},  {31, 0, 7322, 240},
    {36, 0, 2094, 173},  {36, 0, 1967, 1758}, {36, 1, 2188, 2242}, {36, 1, 470, 1415},
    {36, 1, 1581, 735},  {37, 0, 2000, 369},  {37, 0, 928, 1017},  {37, 1, 1681, 954},
    {37, 1, 779, 1503},  {37, 1, 1535, 2486}, {37, 2, 585, 815},   {25, 0, 555, 660},
};

void DrawHintLine(const HintLine& line, float w)
{
    const HintSection& section = sections[line.section];
    const int slot = padConnected != 0 ? line.padSlot : line.keysSlot;
    if (slot < 0 || slot >= section.count) return;
    const char* stored = section.texts[slot];
    // The language files write a hint's line breaks as placeholders.
    switch (line.text) {
    case HintText::Stored: FormatText("%s", {stored}); break;
    case HintText::OneBreak: FormatText(stored, {"\n"}); break;
    case HintText::TwoBreaks: FormatText(stored, {"\n", "\n"}); break;
    }
    const int halfW = screenWidth / 2;
    const float x = static_cast<float>(halfW) +
                    line.parallax * static_cast<float>(line.x - cameraX - halfW);
    const float y = static_cast<float>(line.y - cameraY);
    const int alpha = line.fadeX == opaque ? 255 : HintAlpha(line.fadeX);
    fontMedium.DrawTextCentredShifted(textBuffer, x, y, line.scale, line.scale,
                                      line.swayFactor * w + line.turn, 0.0f, 0.0f, 0.0f,
                                      static_cast<float>(alpha) / 255.0f);
}

}  // namespace

int HintAlpha(int fadeX)
{
    const int alpha = (playerX - (fadeX - 360)) * 2;
    return alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha);
}

void DrawLevelHints()
{
    const float w = std::sin(swayPhase) / 8.0f;
    const int id = currentLevel.recordId;
    for (const HintLine& line : hintLines) {
        if (line.recordId == id) DrawHintLine(line, w);
    }
    for (const SwayingPicture& p : swayingPictures) {
        if (p.recordId != id) continue;
        levelDecor[p.decorSlot].DrawSpriteShifted(
            static_cast<float>(p.worldX - cameraX) + p.offsetX,
            static_cast<float>(p.worldY - cameraY) + p.offsetY, p.swayFactor * w, p.scale,
            p.scale, p.centreX, p.centreY, p.colour);
    }
    for (const StaticPicture& p : staticPictures) {
        if (p.recordId != id) continue;
        levelDecor[p.decorSlot].DrawSpriteShifted(static_cast<float>(p.worldX - cameraX),
                                                  static_cast<float>(p.worldY - cameraY), 0.0f,
                                                  1.0f, 1.0f, 0.0f, 0.0f, white);
    }
}

bool LevelBackPicture(int recordId, int index, int* decorSlot, int* worldX, int* worldY)
{
    for (const StaticPicture& p : staticPictures) {
        if (p.recordId != recordId || index-- > 0) continue;
        *decorSlot = p.decorSlot;
        *worldX = p.worldX;
        *worldY = p.worldY;
        return true;
    }
    return false;
}

bool LevelSwayingPicture(int recordId, int index, int* decorSlot, float* centreX, float* centreY,
                         float* scale)
{
    for (const SwayingPicture& p : swayingPictures) {
        if (p.recordId != recordId || index-- > 0) continue;
        *decorSlot = p.decorSlot;
        *centreX = p.centreX;
        *centreY = p.centreY;
        *scale = p.scale;
        return true;
    }
    return false;
}
