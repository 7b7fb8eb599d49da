// GEOMETRY, MAP ... ENDMAP and NOMAP: the map parts of a level.

#include <algorithm>
#include <array>

#include "model/format_words.h"
#include "model/grid.h"
#include "model/map_placement.h"
#include "model/terrain.h"
#include "reader/map_text.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

constexpr const char* kInvalidHorizontal = "Invalid horizontal placement";
constexpr const char* kInvalidVertical = "Invalid vertical placement";
constexpr const char* kIrregularShape = "Irregular map shape";
constexpr const char* kMapTooWide = "Map too wide";
constexpr const char* kMapDoesNotFit = "Map does not fit the level";

constexpr int kMaxRows = kMapHeight;
constexpr int kMapPartColor = 9;

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
bool readMapRows(ReaderState& s, MapText& text) {
    text.clear();
    for (int row = 0; row <= kMaxRows; ++row) {
        if (peekChar(s) == 'E') {
            if (!readEndmap(s)) return false;
            text.height = row;
            return true;
        }
        if (isDigit(peekChar(s))) advance(s);
        int copied = 0;
        while (!atLineEnd(s)) {
            if (copied == kMapTextWidth) {
                s.message = kMapTooWide;
                return false;
            }
            const unsigned char c = advance(s);
            if (row < kMaxRows) text.at(copied, row) = c;
            ++copied;
        }
        s.message = kIrregularShape;
        if (copied == 0) return false;
        text.width = std::max(text.width, copied);
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

// The door state a map character gives: a secret door is closed, a '+' is a
// doorway without a door until a DOOR statement says otherwise.
std::uint8_t mapDoorState(int kind) {
    return kind == kSecretDoor ? 1 : 3;  // closed, nodoor
}

// One map character on its cell: a terrain kind, a feature on floor, or a
// character kept as it was. The cell remembers the character it was read
// with.
void layInSymbol(Level& level, int x, int y, unsigned char symbol) {
    const int kind = kindOfMapChar(symbol);
    if (kind == kNone) {
        level.keepMapSymbol(x, y, symbol);
    } else {
        level.setTerrain(x, y, kind);
        if (kind == kDoorway || kind == kSecretDoor) level.cell(x, y).detail = mapDoorState(kind);
    }
    level.cell(x, y).readSymbol = symbol;
}

// A map laid over cells replaces what earlier statements put there: their
// doors, stairs and features are gone in the game, and must not come back
// at the next save.
void forgetStatementsUnder(Level& level, const MapPart& part) {
    std::erase_if(level.cellStatements, [&part](const CellStatement& c) {
        const bool markers = c.kind == kDrawbridgeKind || c.kind == kMazewalkKind;
        return !markers && part.contains(c.x, c.y);
    });
}

void layInMap(Level& level, MapPart& part, const MapText& text) {
    part.readText.clear();
    part.readX1 = part.x1;
    part.readY1 = part.y1;
    for (int j = 0; j < part.height; ++j) {
        for (int k = 0; k < part.width; ++k) {
            layInSymbol(level, part.x1 + k, part.y1 + j, text.at(k, j));
            part.readText.push_back(static_cast<char>(text.at(k, j)));
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
    MapPart* part = s.openPart();
    if (part == nullptr) return false;
    part->alignment = {static_cast<HorizontalAlignment>(halign),
                       static_cast<VerticalAlignment>(valign)};
    return true;
}

bool readMapStatement(ReaderState& s) {
    s.message = msg::kSyntaxError;
    skipBlanks(s);
    if (!atLineEnd(s)) return false;
    MapPart* open = s.openPart();
    if (open == nullptr) return false;
    nextLine(s);

    MapText& text = s.mapText;
    if (!readMapRows(s, text)) {
        text.clear();
        return false;
    }
    const int width = text.width;
    const int height = text.height;

    MapPart& part = *open;
    // Nothing is written unless every cell of the map lies on the grid.
    if (!placeMapPart(part, part.alignment, width, height)) {
        s.message = kMapDoesNotFit;
        return false;
    }
    part.form = kMapText;
    part.wallified = 0;  // a new map text has not been walled yet
    part.read = 1;
    widenExtent(s.level.settings.extent, part);
    layInMap(s.level, part, text);

    AreaRecord* area = s.level.newArea(part.x1, part.y1, part.x2, part.y2);
    area->kind = kMapPartArea;
    area->color = kMapPartColor;
    area->param = s.currentPart;
    forgetStatementsUnder(s.level, part);
    return true;
}

bool readNomapStatement(ReaderState& s) {
    skipBlanks(s);
    s.message = msg::kSyntaxError;
    return atLineEnd(s);
}

bool readNomapPart(ReaderState& s, MapForm form) {
    if (!readNomapStatement(s)) return false;
    MapPart* open = s.openPart();
    if (open == nullptr) return false;
    MapPart& part = *open;
    s.mapText.clear();
    // Without a cave the part keeps neither size nor place; with one it is
    // the whole level.
    if (s.level.settings.fillMode == kCaveFill) {
        const CellRect& whole = kEditableCells;
        const int width = whole.x2 - whole.x1 + 1;
        const int height = whole.y2 - whole.y1 + 1;
        part = MapPart{part.alignment, width, height, whole.x1, whole.y1, whole.x2, whole.y2};
        widenExtent(s.level.settings.extent, part);
    }
    part.form = form;
    part.read = 1;
    return true;
}

}  // namespace mapedit
