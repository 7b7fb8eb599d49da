#include "support/cell_probe.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace mapedit::test {

namespace {

constexpr int kMapCellWidth = 10;
constexpr int kMapCellHeight = 18;
constexpr int kMapTop = 9;

bool boxOnCanvas(const Canvas& canvas, int left, int top, const BitmapFont& font) {
    return left >= 0 && top >= 0 && left + font.width <= canvas.width() &&
           top + font.height <= canvas.height();
}

// Lower is preferred; see the header.
int charRank(unsigned char ch) {
    if (ch >= 32 && ch <= 126) return ch;
    if (ch >= 128 && ch <= 254) return 256 + ch;
    if (ch >= 1) return 512 + ch;  // 1-31 and 127
    return 768 + ch;               // 0 and 255
}

// The box split into two colours: `mask` has a bit per pixel of colour
// `second`, in the font's row format; `first` is the top-left pixel.
struct TwoColourBox {
    Rgb first;
    std::optional<Rgb> second;
    std::vector<std::uint16_t> mask;
};

std::optional<TwoColourBox> splitColours(const Canvas& canvas, int left, int top,
                                         const BitmapFont& font) {
    TwoColourBox box{canvas.pixel(left, top), std::nullopt,
                     std::vector<std::uint16_t>(static_cast<std::size_t>(font.height), 0)};
    for (int y = 0; y < font.height; ++y) {
        for (int x = 0; x < font.width; ++x) {
            const Rgb c = canvas.pixel(left + x, top + y);
            if (c == box.first) continue;
            if (!box.second) box.second = c;
            if (c != *box.second) return std::nullopt;
            box.mask[static_cast<std::size_t>(y)] |= static_cast<std::uint16_t>(0x8000u >> x);
        }
    }
    return box;
}

// How glyph ch compares with the mask: equal, complementary, or neither.
enum class Fit { None, Same, Inverse };

Fit glyphFit(const BitmapFont& font, unsigned char ch, const std::vector<std::uint16_t>& mask) {
    const std::uint16_t full = font.rowMask();
    bool same = true;
    bool inverse = true;
    for (int y = 0; y < font.height && (same || inverse); ++y) {
        const std::uint16_t g = font.glyphRow(ch, y) & full;
        const std::uint16_t m = mask[static_cast<std::size_t>(y)];
        same = same && g == m;
        inverse = inverse && g == (full & static_cast<std::uint16_t>(~m));
    }
    return same ? Fit::Same : inverse ? Fit::Inverse : Fit::None;
}

}  // namespace

void PrintTo(const Cell& cell, std::ostream* os) {
    *os << "{ch " << int{cell.ch} << ", fg (" << int{cell.fg.r} << "," << int{cell.fg.g} << ","
        << int{cell.fg.b} << "), bg (" << int{cell.bg.r} << "," << int{cell.bg.g} << ","
        << int{cell.bg.b} << ")}";
}

std::vector<Cell> cellMatches(const Canvas& canvas, int left, int top, const BitmapFont& font,
                              std::optional<Rgb> bgHint) {
    std::vector<Cell> found;
    if (!boxOnCanvas(canvas, left, top, font)) return found;
    const auto box = splitColours(canvas, left, top, font);
    if (!box) return found;
    // With one colour the mask is empty: blank glyphs fit as Same and a full
    // block as Inverse, both with fg = bg.
    const Rgb other = box->second.value_or(box->first);
    for (int ch = 0; ch < 256; ++ch) {
        const auto c = static_cast<unsigned char>(ch);
        switch (glyphFit(font, c, box->mask)) {
            case Fit::Same:
                found.push_back(Cell{c, other, box->first});
                break;
            case Fit::Inverse:
                found.push_back(Cell{c, box->first, other});
                break;
            case Fit::None:
                break;
        }
    }
    std::stable_sort(found.begin(), found.end(), [&](const Cell& a, const Cell& b) {
        const bool aHinted = bgHint && a.bg == *bgHint;
        const bool bHinted = bgHint && b.bg == *bgHint;
        return std::make_tuple(!aHinted, charRank(a.ch)) <
               std::make_tuple(!bHinted, charRank(b.ch));
    });
    return found;
}

std::optional<Cell> readCell(const Canvas& canvas, int left, int top, const BitmapFont& font,
                             std::optional<Rgb> bgHint) {
    const auto found = cellMatches(canvas, left, top, font, bgHint);
    if (found.empty()) return std::nullopt;
    return found.front();
}

bool boxShows(const Canvas& canvas, int left, int top, const BitmapFont& font, const Cell& cell) {
    if (!boxOnCanvas(canvas, left, top, font)) return false;
    for (int y = 0; y < font.height; ++y) {
        const std::uint16_t bits = font.glyphRow(cell.ch, y);
        for (int x = 0; x < font.width; ++x) {
            const Rgb want = ((bits >> (15 - x)) & 1u) ? cell.fg : cell.bg;
            if (canvas.pixel(left + x, top + y) != want) return false;
        }
    }
    return true;
}

int mapCellLeft(int x) {
    return kMapCellWidth * x;
}
int mapCellTop(int y) {
    return kMapCellHeight * y + kMapTop;
}

std::optional<Cell> readMapCell(const Canvas& canvas, int x, int y, std::optional<Rgb> bgHint) {
    return readCell(canvas, mapCellLeft(x), mapCellTop(y), mapFont(), bgHint);
}

bool mapCellShows(const Canvas& canvas, int x, int y, const Cell& cell) {
    return boxShows(canvas, mapCellLeft(x), mapCellTop(y), mapFont(), cell);
}

std::string boxPicture(const Canvas& canvas, int left, int top, const BitmapFont& font) {
    std::vector<Rgb> seen;
    std::string out;
    for (int y = 0; y < font.height; ++y) {
        for (int x = 0; x < font.width; ++x) {
            const Rgb c = canvas.pixel(left + x, top + y);
            auto at = std::find(seen.begin(), seen.end(), c);
            if (at == seen.end()) at = seen.insert(seen.end(), c);
            out += static_cast<char>('a' + std::min<std::ptrdiff_t>(at - seen.begin(), 25));
        }
        out += '\n';
    }
    return out;
}

}  // namespace mapedit::test
