#pragma once
// Is there an X display to open windows on? Asked before any window or GPU
// call, because the window system aborts the process when it finds none.

// True when the X display ($DISPLAY) can be opened.
bool DisplayAvailable();
// As DisplayAvailable; when there is none it prints a clear message to
// standard error, so the caller can end with a non-zero exit code.
bool ProbeDisplay();
