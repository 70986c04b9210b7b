#pragma once
// The modal "Info über Projekt" box (GTK). Returns when the player closes it
// (OK, Escape or the window's close button); no tick runs meanwhile. Does
// nothing when GTK cannot start.
void ShowAboutDialog();
