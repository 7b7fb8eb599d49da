#pragma once

#include <array>
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

#include "model/level.h"
#include "model/variant.h"
#include "writer/byte_sink.h"

namespace mapedit::writer {

// The list of a RANDOM_* statement that is never written.
constexpr int kNoListPart = 99;

// An area record as the writer meets it: largest first, with the mark that
// it has been written and must not be found again.
struct AreaEntry {
    const AreaRecord* area;
    bool written = false;
};

// Everything one run of the writer keeps. The level itself is only read.
class WriteContext {
  public:
    WriteContext(const Level& level, Variant variant, ByteSink& sink);

    const Level& level;
    const LevelSettings& settings;
    const Variant variant;
    // A level with mazewalk markers writes its stone as walls for the walk to carve.
    const bool stoneAsWall;
    bool ok = true;  // false once the sink failed

    // Map parts in writing order: the largest first, the others in place.
    std::array<MapPart, kMaxMapParts> parts{};
    int partCount = 0;
    int writePart = 0;
    int monsterListPart = kNoListPart;
    int objectListPart = kNoListPart;
    int placeListPart = kNoListPart;

    std::vector<AreaEntry> areas;  // largest first, equal sizes oldest first
    std::string line;              // the line being built

    const MapPart& part() const { return parts[static_cast<std::size_t>(writePart)]; }
    bool isTavrel() const { return variant == Variant::Tavrel; }

    // Sends the finished line and starts a new one.
    void emitLine();
    // Ends the line with its line feed and sends it.
    void endLine();
    // The same for a statement of a cell, which then counts as written
    // with this part.
    void endCellLine(int x, int y);
    void emit(std::string_view text);

    // The two cell sets: cells written with an earlier part are skipped, the
    // cells of the part being written join them when the part is done.
    bool isWrittenCell(int x, int y) const {
        return x >= 0 && x < kMapWidth && y >= 0 && y < kMapHeight &&
               writtenCells_[static_cast<std::size_t>(y * kMapWidth + x)];
    }
    void markPending(int x, int y);
    void finishPart();

    // Calls visit(x, y, cell) for every cell of the part not written before,
    // row by row.
    template <class Visit>
    void scanPart(Visit visit) const;

    // The next unwritten record of the kind after `after` (from the first
    // when null).
    AreaEntry* findArea(const AreaEntry* after, int kind);
    // A record belongs to the part being written unless it lies wholly
    // inside a part written later.
    bool belongsToPart(const AreaRecord& area) const;

    // Pieces of statements, appended to `line`.
    void addNumber(long value);
    void addTwoDigits(int value);  // "%02d"
    void addQuoted(std::string_view text);
    void addQuotedChar(int ch);          // "'%c'"
    void addCellPosition(int x, int y);  // relative to the part, "(%02d,%02d)"
    void addPosition(int x, int y, int placement);
    void addRegion(const AreaRecord& area);
    // An exclusion region: written so that the reader keeps it.
    void addExclusionRegion(const AreaRecord& area);

  private:
    void addRectangle(std::string_view opening, int x1, int y1, int x2, int y2);

    ByteSink& sink_;
    std::bitset<kMapWidth * kMapHeight> pendingCells_;
    std::bitset<kMapWidth * kMapHeight> writtenCells_;
};

template <class Visit>
void WriteContext::scanPart(Visit visit) const {
    const MapPart& p = part();
    const int x1 = p.x1 < 0 ? 0 : p.x1, x2 = p.x2 >= kMapWidth ? kMapWidth - 1 : p.x2;
    const int y1 = p.y1 < 0 ? 0 : p.y1, y2 = p.y2 >= kMapHeight ? kMapHeight - 1 : p.y2;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            if (!isWrittenCell(x, y)) visit(x, y, level.cell(x, y));
        }
    }
}

// True when B touches A: one of B's x bounds and one of its y bounds lie in A.
bool touches(const AreaRecord& b, const AreaRecord& a);
// True when the rectangle lies wholly inside the part.
bool liesInside(const AreaRecord& area, const MapPart& part);
// A class symbol that names an entry of a RANDOM_MONSTERS/RANDOM_OBJECTS list.
constexpr bool isListSymbol(int symbol) {
    return symbol <= listSymbol(0) && symbol >= listSymbol(kMaxListEntries - 1);
}

}  // namespace mapedit::writer
