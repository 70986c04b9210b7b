#pragma once
// GTK for the dialogs and the desktop's settings, started once per process.

// True when GTK runs (there is a display and it started). GTK is kept from
// switching the process to the user's locale: a German decimal comma would
// change how every later printf and strtod treat numbers.
bool StartGtk();
