#pragma once

// Reads character cells back from a Canvas, so that tests of the view and
// the editors can check what the user would see.
//
// A glyph box is width x height pixels of a font at a pixel position. It
// reads as a character when its pixels are exactly that glyph drawn in two
// colours: glyph pixels in fg, the rest in bg.
//
// Ambiguity. Several readings can fit one box:
//  - identical glyphs (blank 32, 255 and the glyphs the fonts lack, which
//    in the ASCII-only label font are all bytes outside 32-126);
//  - inverse pairs in swapped colours (9/10, 220/223, 221/222; 219 and a
//    blank in one colour);
//  - a one-colour box, whose fg cannot be known: it reads as the blank
//    glyphs and 219 with fg = bg.
// cellMatches lists every reading. readCell answers the preferred one: the
// reading whose bg is the hint when a hint is given, then the lowest
// printable ASCII character (32-126), then 128-254, then the control
// glyphs 1-31 and 127, then 0 and 255. So a blank box reads as ch 32 with
// fg = bg, and a cell drawn on a known background (say black) with glyph 10
// reads as 10 when that background is passed as the hint.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/bitmap_font.h"
#include "platform/canvas.h"

namespace mapedit::test {

struct Cell {
    unsigned char ch = 32;
    Rgb fg;
    Rgb bg;
    friend bool operator==(const Cell&, const Cell&) = default;
};
void PrintTo(const Cell& cell, std::ostream* os);

// Every reading of the box at (left, top), preferred first; empty when the
// box is not wholly on the canvas, holds more than two colours or matches
// no glyph.
std::vector<Cell> cellMatches(const Canvas& canvas, int left, int top, const BitmapFont& font,
                              std::optional<Rgb> bgHint = std::nullopt);
std::optional<Cell> readCell(const Canvas& canvas, int left, int top, const BitmapFont& font,
                             std::optional<Rgb> bgHint = std::nullopt);

// Whether the box looks exactly like cell.ch drawn in cell.fg on cell.bg
// (true for every reading of an ambiguous box).
bool boxShows(const Canvas& canvas, int left, int top, const BitmapFont& font, const Cell& cell);

// Map grid cell (x, y): the map font's box at (10 x, 18 y + 9).
int mapCellLeft(int x);
int mapCellTop(int y);
std::optional<Cell> readMapCell(const Canvas& canvas, int x, int y,
                                std::optional<Rgb> bgHint = std::nullopt);
bool mapCellShows(const Canvas& canvas, int x, int y, const Cell& cell);

// The box as text, one line per row, one letter per colour in order of
// appearance ('a', 'b', ...), for failure messages.
std::string boxPicture(const Canvas& canvas, int left, int top, const BitmapFont& font);

}  // namespace mapedit::test
