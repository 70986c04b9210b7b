#include "screens/CreditsRoll.h"

#include "engine/GameFont.h"
#include "engine/Settings.h"
#include "shared/AuthorLine.h"

float creditsY = 0.0f;
float creditsSpeed = 2.0f;

const char creditsPublisherLine[] = "Quillfern Games";

// The studio and its people are the game's own fictional makers.
const CreditsLine creditsLines[creditsLineCount] = {
    {0, 1.2f, "FlorpVops"},
    {400, 0.8f, "Idea & development:"},
    {500, 0.6f, gameAuthorLine},
    {700, 0.8f, "Publishing"},
    {780, 0.8f, creditsPublisherLine},
    {880, 0.5f, "Production: Hesper Vantongeren"},
    {950, 0.5f, "Level testing: Ruairi Falkenrath"},
    {1020, 0.5f, "Translations: the Quillfern crew"},
    {1220, 0.8f, "Music & SFX:"},
    {1320, 0.5f, "Tamsin Okonkwo-Lisle"},
    {1520, 0.8f, "Additional SFX:"},
    {1620, 0.5f, "Benedek Marlowe-Ferris"},
    {1820, 0.8f, "Special thanks to:"},
    {1920, 0.5f, "Mirela Quastenberg"},
    {1990, 0.5f, "Jonah Pettibone"},
    {2060, 0.5f, "Sunniva Achterberg"},
    {2130, 0.5f, "Cosmo Ravensdale"},
    {2200, 0.5f, "the night-shift testers"},
    {2270, 0.5f, "our families"},
    {2340, 0.5f, "everyone who sent a bug report"},
    {2410, 0.5f, "you, for playing"},
    {2610, 0.8f, "Greetings to:"},
    {2710, 0.5f, "the Thursday game jam"},
    {2780, 0.5f, "the Bramblegate pixel club"},
    {2850, 0.5f, "the Lantern Street coders"},
    {2920, 0.5f, "the Vop fan circle"},
    {2990, 0.5f, "the speedrunners"},
    {3060, 0.5f, "the modding forum"},
    {3130, 0.5f, "and all round creatures everywhere"},
};

void ScrollCredits() {
    creditsY -= creditsSpeed;
    if (creditsY < -3100.0f) creditsY = static_cast<float>(screenHeight + 100);
}

void DrawCredits() {
    const float x = static_cast<float>(screenWidth / 2);
    const int top = static_cast<int>(creditsY);
    for (const CreditsLine& line : creditsLines) {
        fontLarge.DrawTextCentred(line.text, x, static_cast<float>(top + line.offset), line.scale,
                                  line.scale, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
    }
}
