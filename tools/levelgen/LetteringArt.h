#pragma once
// The lettering boards of the introduction levels: wooden boards carrying the
// welcome and tutorial lines the game writes into those levels, in English
// (readable whatever language the game runs in), with the keyboard wording
// where a line has a pad and a keyboard version.
#include <cairo.h>

#include <string>

#include "tools/levelgen/LevelSource.h"

// Paints the board `decor` of `design` into its w x h box at the context's
// origin. False with a message when the record names no such board.
bool PaintLetteringBoard(cairo_t* cr, const LevelDesign& design, const DecorPicture& decor,
                         std::string& error);
