#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/level.h"
#include "model/variant.h"
#include "writer/byte_sink.h"

namespace mapedit::writer {

// The list of a RANDOM_* statement that is never written.
constexpr int kNoListPart = 99;
// A position that no map part can reach.
constexpr int kNoPart = -1;

// An area record as the writer meets it: largest first, with the mark that
// it has been written and must not be found again.
struct AreaEntry {
    const AreaRecord* area;
    bool written = false;
};

// Everything one run of the writer keeps. The level itself is only read.
class WriteContext {
  public:
    WriteContext(const Level& written, Variant gameVariant, ByteSink& sink);

    const Level& level;
    const LevelSettings& settings;
    const Variant variant;
    // A level with mazewalk markers writes its stone as walls for the walk to carve.
    const bool stoneAsWall;
    bool ok = true;  // false once the sink failed

    // Map parts in writing order: the largest first, the others in place.
    std::array<MapPart, kMaxMapParts> parts{};
    std::array<int, kMaxMapParts> modelIndex{};  // of each part in writing order
    int partCount = 0;
    int writePart = 0;
    int monsterListPart = kNoListPart;
    int objectListPart = kNoListPart;
    int placeListPart = kNoListPart;

    std::vector<AreaEntry> areas;  // largest first, equal sizes oldest first
    std::string line;              // the line being built
    // Objects marked contained with no container before them on their
    // cell, written at their cell instead.
    std::vector<std::string> uncontained;

    const MapPart& part() const { return parts[static_cast<std::size_t>(writePart)]; }
    bool isTavrel() const { return variant == Variant::Tavrel; }

    // Sends the finished line and starts a new one.
    void emitLine();
    // Ends the line with its line feed and sends it.
    void endLine();
    void emit(std::string_view text);

    // Fixes the writing order: parts, their model indexes, the cells' home
    // parts and the read statements kept. Part `first` goes first, the
    // others keep their places.
    void orderParts(int first);

    // The part (writing order) that writes the statements of a cell: the
    // first part holding it, else the first whose top-left corner lies above
    // and to the left of it, the cell then standing beyond its map text;
    // kNoPart when there is none. Any coordinates may be asked.
    int homeOf(int x, int y) const;
    // The first part (writing order) holding the cell in its rectangle;
    // kNoPart when there is none.
    int holdingPart(int x, int y) const;
    // The part that writes a statement changing the cell itself (a door, a
    // stair, a feature): the last part holding it, since a later map laid
    // over the cell would undo the statement; else its home.
    int featureHomeOf(int x, int y) const;
    // The part that writes a stair or ladder of the level's four, or
    // kNoPart; a spot whose cell lost its stair or that a kept statement
    // states is not written on its own.
    int stairSpotPart(const StairSpot& spot, int terrain) const;
    bool writesStairSpot(const StairSpot& spot, int terrain) const {
        return stairSpotPart(spot, terrain) == writePart;
    }
    // Where the model's part of that index is written; kNoPart for none.
    int writingIndexOf(int modelPart) const;
    // The part (writing order) that writes a record read from a file: the
    // part it was read into while that part exists and can still name its
    // cell; kNoPart for a record made in the editor and the others.
    int keptPart(int x, int y, int placement, int readPart) const;
    // The part that writes a placement: its kept part, else the home of its
    // cell.
    int partOfRecord(int x, int y, int placement, int readPart) const;
    bool writesRecord(int x, int y, int placement, int readPart) const {
        return partOfRecord(x, y, placement, readPart) == writePart;
    }
    // A random record whose part would have no room left for it when the
    // text is read back is written at its cell instead: it is pinned.
    void pin(const void* record);
    bool isPinned(const void* record) const;
    // How a record is written: at its cell once pinned, else as it was placed.
    template <class Record>
    int placementOf(const Record& r) const {
        return isPinned(&r) ? kAtPosition : r.placement;
    }
    // A pinned record has left the part it was read into: it stands on its
    // cell like a record made in the editor.
    template <class Record>
    int partOf(int x, int y, const Record& r) const {
        return isPinned(&r) ? homeOf(x, y) : partOfRecord(x, y, r.placement, r.readPart);
    }
    // A record written with the part it was read into, in reading order.
    template <class Record>
    bool isKept(int x, int y, const Record* r) const {
        return r != nullptr && !isPinned(r) && keptPart(x, y, r->placement, r->readPart) != kNoPart;
    }
    // A record read at random into a part that is still there, and written
    // as random; false for no record.
    template <class Record>
    bool isReadRandom(const Record* r) const {
        return r != nullptr && placementOf(*r) == kPlacedRandom &&
               writingIndexOf(r->readPart) != kNoPart;
    }
    // Such a record read into `part` (writing order).
    template <class Record>
    bool isReadRandomInto(const Record* r, int part) const {
        return isReadRandom(r) && writingIndexOf(r->readPart) == part;
    }
    // The first object of the run of contained objects that object `index`
    // of the cell's list belongs to (itself when it is not contained).
    static std::size_t containerOf(const MapCell& cell, std::size_t index);
    // The part that writes object `index` of the cell's list: a contained
    // object goes with its container, the object before it.
    int partOfObject(int x, int y, const MapCell& cell, std::size_t index) const;
    // An engraving goes with the part it was read into while that part can
    // name it; a random one has no cell and goes first when its part is
    // gone, the others go with their cell.
    int partOfEngraving(const Engraving& e) const;

    // Calls visit(x, y, cell) for every cell of the grid, row by row; each
    // section picks the statements the part being written owns.
    template <class Visit>
    void scanCells(Visit visit) const;
    // The same, for the cells whose home is the part being written.
    template <class Visit>
    void scanHomeCells(Visit visit) const;
    // The same, for the cells whose feature home is the part being written.
    template <class Visit>
    void scanFeatureCells(Visit visit) const;

    // The read statements that put a feature on a cell and still stand,
    // with the part (writing order) each goes with; a cell they cover is
    // left out of the sections' own scan.
    struct KeptStatement {
        const CellStatement* statement;
        int part;
    };
    const std::vector<KeptStatement>& keptStatements() const { return kept_; }
    // Whether a kept statement of that kind (CellStatement::kind) names the cell.
    bool statementCovers(int x, int y, int kind) const;
    // What the map text of a part (writing order) says of a cell that a
    // later map covers: the part's own read character, which its statements
    // found there; 0 when the part has none or no later map covers the cell.
    std::uint8_t ownReadChar(int part, int x, int y) const;
    // The ground of a cell as the reader meets it while reading a part
    // (writing order): the part's own read character under a later map,
    // else the cell's terrain. Only terrain and kept symbol are set.
    MapCell groundAsWritten(int part, int x, int y) const;
    // Whether a kept statement puts a feature (no marker) on the cell.
    bool featureStatedAt(int x, int y) const;
    // Whether the cell's map character says what the cell holds, so that
    // no statement needs to say it again.
    bool mapSays(int x, int y) const;
    // The cell still holds what the statement put there.
    bool stillHolds(const CellStatement& c) const;

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
    // The reader takes no empty quoted text: the bare word `random` stands
    // for an empty one. A prefix goes inside the quotes of a text.
    void addQuotedOrRandom(std::string_view text, std::string_view prefix = {});
    void addQuotedChar(int ch);          // "'%c'"
    void addCellPosition(int x, int y);  // relative to the part, "(%02d,%02d)"
    // At a random place: entry `place` when it still stands on the cell,
    // else the first entry that does, else the cell.
    void addPosition(int x, int y, int placement, int place = -1);
    // An area in the form it was read in while that form can name it;
    // otherwise relative to the part when it lies inside it, else in level
    // coordinates.
    void addRegion(const AreaRecord& area);
    // An exclusion region: as addRegion, but never all zeros, which the
    // reader takes for no exclusion.
    void addExclusionRegion(const AreaRecord& area);
    // Relative to the part, whatever the numbers: the form of REGION,
    // NON_DIGGABLE and NON_PASSWALL.
    void addPlainRegion(const AreaRecord& area);

  private:
    void addRectangle(std::string_view opening, int x1, int y1, int x2, int y2);
    bool inLevelForm(const AreaRecord& area) const;
    int reachingPart(int x, int y) const;

    void keepStatements();

    ByteSink& sink_;
    std::array<std::int8_t, kMapWidth * kMapHeight> homes_{};
    std::array<std::uint16_t, kMapWidth * kMapHeight> covered_{};  // bit per statement kind
    std::vector<KeptStatement> kept_;
    std::vector<const void*> pinned_;
};

template <class Visit>
void WriteContext::scanCells(Visit visit) const {
    for (int y = 0; y < kMapHeight; ++y) {
        for (int x = 0; x < kMapWidth; ++x) visit(x, y, level.cell(x, y));
    }
}

template <class Visit>
void WriteContext::scanHomeCells(Visit visit) const {
    scanCells([&](int x, int y, const MapCell& cell) {
        if (homeOf(x, y) == writePart) visit(x, y, cell);
    });
}

template <class Visit>
void WriteContext::scanFeatureCells(Visit visit) const {
    scanCells([&](int x, int y, const MapCell& cell) {
        if (featureHomeOf(x, y) == writePart) visit(x, y, cell);
    });
}

// How a statement is named in a note: KEYWORD "name" at (x,y).
std::string noteOf(std::string_view keyword, std::string_view name, int x, int y);

// True when B touches A: one of B's x bounds and one of its y bounds lie in A.
bool touches(const AreaRecord& b, const AreaRecord& a);
// True when the rectangle lies wholly inside the part.
bool liesInside(const AreaRecord& area, const MapPart& part);
// A class symbol that names an entry of a RANDOM_MONSTERS/RANDOM_OBJECTS list.
constexpr bool isListSymbol(int symbol) {
    return symbol <= listSymbol(0) && symbol >= listSymbol(kMaxListEntries - 1);
}

}  // namespace mapedit::writer
