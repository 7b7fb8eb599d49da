// GEOMETRY, MAP ... ENDMAP and NOMAP: the map parts of a level.

#include <algorithm>
#include <array>

#include "model/format_words.h"
#include "model/map_placement.h"
#include "model/terrain.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

constexpr const char* kInvalidHorizontal = "Invalid horizontal placement";
constexpr const char* kInvalidVertical = "Invalid vertical placement";
constexpr const char* kIrregularShape = "Irregular map shape";
constexpr const char* kMapTooWide = "Map too wide";
constexpr const char* kMapDoesNotFit = "Map does not fit the level";

// A map row leaves the level's first and last column free.
constexpr int kScratchWidth = kMapWidth - 2;
constexpr int kMaxRows = kMapHeight;
constexpr int kMapPartColor = 9;

// The map text as read, before it is placed; unread positions are blanks.
using ScratchGrid = std::array<std::array<unsigned char, kScratchWidth>, kMaxRows>;

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// The "ENDMAP" line; the cursor stays on it for the driver to move past.
bool readEndmap(ReaderState& s) {
    std::string word;
    if (!readWord(s, word, 8) || word != "ENDMAP") return false;
    skipBlanks(s);
    return atLineEnd(s);
}

// Copies the rows up to "ENDMAP" into the grid. Rows are copied byte for
// byte ('#' and blanks are map characters); a leading digit is dropped.
// Up to 22 lines are read; a 22nd that is not "ENDMAP" is read and counted
// like the others (but kept nowhere) before the map is refused.
bool readMapRows(ReaderState& s, ScratchGrid& grid, int& width, int& height) {
    width = 0;
    for (int row = 0; row <= kMaxRows; ++row) {
        if (peekChar(s) == 'E') {
            if (!readEndmap(s)) return false;
            height = row;
            return true;
        }
        if (isDigit(peekChar(s))) advance(s);
        int copied = 0;
        while (!atLineEnd(s)) {
            if (copied == kScratchWidth) {
                s.message = kMapTooWide;
                return false;
            }
            const unsigned char c = advance(s);
            if (row < kMaxRows) {
                grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(copied)] = c;
            }
            ++copied;
        }
        s.message = kIrregularShape;
        if (copied == 0) return false;
        width = std::max(width, copied);
        nextLine(s);
    }
    return false;  // 22 lines without "ENDMAP"
}

void widenExtent(Extent& e, const MapPart& part) {
    e.x1 = std::min(e.x1, part.x1);
    e.y1 = std::min(e.y1, part.y1);
    e.x2 = std::max(e.x2, part.x2);
    e.y2 = std::max(e.y2, part.y2);
}

void layInMap(Level& level, const MapPart& part, const ScratchGrid& grid) {
    for (int j = 0; j < part.height; ++j) {
        for (int k = 0; k < part.width; ++k) {
            const int kind =
                kindOfSymbol(grid[static_cast<std::size_t>(j)][static_cast<std::size_t>(k)]);
            const int x = part.x1 + k;
            const int y = part.y1 + j;
            level.setTerrain(x, y, kind);
            if (kind == kSecretDoor) level.cell(x, y).detail = 1;  // closed
        }
    }
}

}  // namespace

bool readGeometryStatement(ReaderState& s) {
    s.message = msg::kMissingColon;
    if (!expect(s, ':')) return false;
    int halign = 0;
    int valign = 0;
    if (!readListedWord(s, words::kHorizontalPlacements, 16, kInvalidHorizontal, halign)) {
        return false;
    }
    s.message = kInvalidVertical;
    if (!expect(s, ',') ||
        !readListedWord(s, words::kVerticalPlacements, 16, kInvalidVertical, valign)) {
        return false;
    }
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;
    if (s.currentPart < 0 || s.currentPart >= kMaxMapParts) return false;
    MapPart& part = s.level.mapParts[static_cast<std::size_t>(s.currentPart)];
    part.halign = halign;
    part.valign = valign;
    return true;
}

bool readMapStatement(ReaderState& s) {
    s.message = msg::kSyntaxError;
    skipBlanks(s);
    if (!atLineEnd(s)) return false;
    if (s.currentPart < 0 || s.currentPart >= kMaxMapParts) return false;
    nextLine(s);

    ScratchGrid grid;
    for (auto& row : grid) row.fill(' ');
    int width = 0;
    int height = 0;
    if (!readMapRows(s, grid, width, height)) return false;

    MapPart& part = s.level.mapParts[static_cast<std::size_t>(s.currentPart)];
    // Nothing is written unless every cell of the map lies on the grid.
    if (!placeMapPart(part, part.halign, part.valign, width, height)) {
        s.message = kMapDoesNotFit;
        return false;
    }
    widenExtent(s.level.settings.extent, part);
    layInMap(s.level, part, grid);

    AreaRecord* area = s.level.newArea(part.x1, part.y1, part.x2, part.y2);
    area->kind = kMapPartArea;
    area->color = kMapPartColor;
    area->param = s.currentPart;
    return true;
}

bool readNomapStatement(ReaderState& s) {
    skipBlanks(s);
    s.message = msg::kSyntaxError;
    return atLineEnd(s);
}

}  // namespace mapedit
