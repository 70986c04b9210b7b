#include "tools/levelgen/LetteringArt.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "tools/datagen/DataGen.h"
#include "tools/datagen/LanguageTexts.h"
#include "tools/datagen/PaintKit.h"
#include "tools/levelgen/LevelArt.h"

namespace {

// Board n of a level carries the n-th hint line the game writes into that
// level (the first level's five, the second level's six, the third level's
// opening line), keyboard wording where the line has two.
struct BoardText {
    int record, slot;
    const char* const* section;
    int entry;
};

const BoardText boardTexts[] = {
    {0, 1, englishTexts.thirdlevel, 0},
    {7, 0, englishTexts.firstlevel, 0},
    {7, 1, englishTexts.firstlevel, 1},
    {7, 2, englishTexts.firstlevel, 3},
    {7, 3, englishTexts.firstlevel, 5},
    {7, 4, englishTexts.firstlevel, 6},
    {8, 0, englishTexts.secondlevel, 0},
    {8, 1, englishTexts.secondlevel, 1},
    {8, 2, englishTexts.secondlevel, 2},
    {8, 3, englishTexts.secondlevel, 4},
    {8, 4, englishTexts.secondlevel, 5},
    {8, 5, englishTexts.secondlevel, 7},
};

// The language files mark a hint's line breaks with "%s".
std::vector<std::string> BoardLines(const char* text)
{
    std::vector<std::string> lines(1);
    for (const char* p = text; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            lines.emplace_back();
            ++p;
        } else {
            lines.back() += *p;
        }
    }
    return lines;
}

void SetColour(cairo_t* cr, const DecorLook::Colour& c, double a = 1.0)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, a);
}

}  // namespace

bool PaintLetteringBoard(cairo_t* cr, const LevelDesign& design, const DecorPicture& decor,
                         std::string& error)
{
    const BoardText* board = nullptr;
    for (const BoardText& b : boardTexts)
        if (b.record == design.record && b.slot == decor.slot) board = &b;
    if (board == nullptr) {
        error = "no lettering is known for slot " + std::to_string(decor.slot) + " of record " +
                std::to_string(design.record);
        return false;
    }
    const DecorLook look = ThemeDecorLook(design.theme);
    const double w = decor.w, h = decor.h, margin = h * 0.06;

    // Planks with a darker rim and a nail at each end of every plank.
    RoundedRectPath(cr, margin, margin, w - 2 * margin, h - 2 * margin, h * 0.08);
    SetColour(cr, look.plank);
    cairo_fill_preserve(cr);
    SetColour(cr, look.outline);
    cairo_set_line_width(cr, h * 0.025);
    cairo_stroke(cr);
    const int planks = 3;
    const double plankH = (h - 2 * margin) / planks;
    cairo_set_line_width(cr, h * 0.012);
    for (int i = 1; i < planks; ++i) {
        cairo_move_to(cr, margin + h * 0.03, margin + i * plankH);
        cairo_line_to(cr, w - margin - h * 0.03, margin + i * plankH);
    }
    SetColour(cr, look.plankDark, 0.8);
    cairo_stroke(cr);
    for (int i = 0; i < planks; ++i)
        for (double x : {margin + h * 0.07, w - margin - h * 0.07}) {
            cairo_arc(cr, x, margin + (i + 0.5) * plankH, h * 0.018, 0, 2 * M_PI);
            SetColour(cr, look.plankDark);
            cairo_fill(cr);
        }

    // The text, in the game's face, as large as fits.
    GenContext font;
    font.fontPath = FV_FONT_SOURCE;
    const std::vector<std::string> lines = BoardLines(board->section[board->entry]);
    const double textW = w - 2 * margin - h * 0.36, lineH = (h - 2 * margin) * 0.8 / lines.size();
    double size = lineH * 0.8;
    for (const std::string& line : lines) {
        const double fitted = FitTextSize(cr, font, line.c_str(), lineH * 0.8, textW);
        if (fitted < size) size = fitted;
    }
    SelectGameFont(cr, font, size);
    const double top = h / 2 - lineH * (lines.size() - 1) / 2.0;
    for (size_t i = 0; i < lines.size(); ++i) {
        // A halo of bare wood keeps the seams from running through the letters.
        cairo_text_extents_t te;
        cairo_text_extents(cr, lines[i].c_str(), &te);
        cairo_new_path(cr);
        cairo_move_to(cr, w / 2 - te.x_bearing - te.width / 2, top + i * lineH - te.y_bearing - te.height / 2);
        cairo_text_path(cr, lines[i].c_str());
        SetColour(cr, look.plank);
        cairo_set_line_width(cr, size * 0.22);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        SetColour(cr, look.outline);
        cairo_fill(cr);
    }
    return cairo_status(cr) == CAIRO_STATUS_SUCCESS;
}
