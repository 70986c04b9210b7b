#pragma once
// The credits roll: 29 centred lines that rise from below the screen, leave
// at the top and start again from below.

extern float creditsY;      // screen y of the first line (the title)
extern float creditsSpeed;  // pixels per tick

constexpr int creditsLineCount = 29;

struct CreditsLine {
    int offset;        // pixels below the title
    float scale;
    const char* text;
};
extern const CreditsLine creditsLines[creditsLineCount];
// The publisher line, also shown by the intro (the author line is the
// game's one, shared/AuthorLine.h).
extern const char creditsPublisherLine[];

// Once per tick: 2 px up; past -3100 the roll starts again below the screen.
void ScrollCredits();
// All 29 lines in black, drawn also where they are off screen.
void DrawCredits();
