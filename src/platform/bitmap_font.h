#pragma once

#include <cstdint>

namespace mapedit {

// A fixed-pitch bitmap font indexed by byte: 256 glyphs of width x height
// pixels, one row per byte pair (bit 15 - column is the leftmost pixel).
// Bytes the font has no glyph for are drawn blank.
struct BitmapFont {
    int width;
    int height;
    const std::uint16_t* rows;  // 256 * height entries
    const bool* present;        // 256 entries: false for glyphs the font lacks (drawn blank)

    bool pixel(unsigned char ch, int x, int y) const {
        return (rows[ch * height + y] >> (15 - x)) & 1u;
    }
    // Row y of the glyph as drawn: all clear for a glyph the font lacks.
    std::uint16_t glyphRow(unsigned char ch, int y) const {
        return present[ch] ? rows[ch * height + y] : std::uint16_t{0};
    }
    // The bits of a row that lie inside the glyph box.
    std::uint16_t rowMask() const { return static_cast<std::uint16_t>(0xFFFFu << (16 - width)); }
};

// Terminus 10 x 18 in code page 437: the map, palette and readout font.
const BitmapFont& mapFont();
// Schumacher Clean 8 x 8: the area label font. Labels are ASCII, so only
// the printable ASCII bytes 32-126 have glyphs.
const BitmapFont& labelFont();

}  // namespace mapedit
