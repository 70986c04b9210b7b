#pragma once
// The modal "Info über Projekt" box (GTK). Returns when the player closes it
// (OK, Escape or the window's close button); no tick runs meanwhile. Does
// nothing when GTK cannot start. `byLine` is its second line (the game's
// title with its author).
void ShowAboutDialog(const char* byLine);
