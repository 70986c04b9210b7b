#pragma once
// The main window and what its events mean for the game: pointer and click
// for the update step, input re-creation on focus change, the About box,
// and the end of the program when the window closes.
#include <cstdint>

// Last pointer position in client pixels (kept as unsigned 16-bit values).
extern int mouseX, mouseY;
// 1 after a left click; the main loop clears it after each tick.
extern uint8_t mouseClicked;
// 1 once the main loop runs; before that, focus changes leave input alone.
extern uint8_t mainLoopStarted;
// 1 once the window was closed or destroyed: the main loop then ends.
extern uint8_t quitPosted;

// Opens the window in the size and mode of the options ("FlorpVops - A game
// by ..."). False when it cannot be made.
bool CreateMainWindow();
// "FlorpVops - A game by " and the author line; the About box shows it too.
const char* WindowTitle();
// Handles every pending window event (never blocks). Returns false once the
// program should end (the window was closed).
bool ProcessWindowMessages();
// Closes the window and asks the main loop to end (the exit buttons).
void DestroyMainWindow();
