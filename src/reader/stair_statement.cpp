// STAIR: either one stair cell, or a stair area with its exclusion area.

#include <string>

#include "model/area_style.h"
#include "model/grid.h"
#include "model/level.h"
#include "model/terrain.h"
#include "reader/location_rules.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

// What follows "STAIR:": a cell location, or an area rectangle (absolute).
struct StairWhere {
    bool isArea = false;
    bool levelForm = false;  // the area was given as levregion(...)
    StatementLocation cell;
    CellRect area;
};

// Stair areas stay on the grid, as every other area does. The message is
// only changed on failure: the next step keeps the one in force.
bool areaOnGrid(ReaderState& s, const CellRect& r) {
    if (isOnGrid(r.x1, r.y1) && isOnGrid(r.x2, r.y2)) return true;
    s.message = msg::kInvalidRegion;
    return false;
}

bool readNumbers(ReaderState& s, int* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !expect(s, ',')) return false;
        if (!readNumber(s, values[i])) return false;
    }
    return true;
}

// "(x, y)" is a cell, "(x1, y1, x2, y2)" an area; both relative to the map part.
bool readParenthesised(ReaderState& s, StairWhere& out) {
    advance(s);  // '('
    int v[4] = {};
    if (!readNumbers(s, v, 2)) return false;
    skipBlanks(s);
    const MapPart& part = s.part();
    if (peekChar(s) == ',') {
        takeComma(s);
        if (!readNumbers(s, v + 2, 2) || !expect(s, ')')) return false;
        out.isArea = true;
        out.area = CellRect{v[0] + part.x1, v[1] + part.y1, v[2] + part.x1, v[3] + part.y1};
        return areaOnGrid(s, out.area);
    }
    if (!expect(s, ')')) return false;
    out.cell = StatementLocation{v[0] + part.x1, v[1] + part.y1, true};
    return true;
}

// "levregion(x1, y1, x2, y2)": an area in level coordinates.
bool readLevelRegion(ReaderState& s, StairWhere& out) {
    s.message = msg::kInvalidRegion;
    int v[4] = {};
    if (!expect(s, '(') || !readNumbers(s, v, 4) || !expect(s, ')')) return false;
    out.isArea = true;
    out.levelForm = true;
    out.area = CellRect{v[0], v[1], v[2], v[3]};
    return areaOnGrid(s, out.area);
}

bool readStairWhere(ReaderState& s, StairWhere& out) {
    s.message = msg::kInvalidLocation;
    skipBlanks(s);
    if (peekChar(s) == '(') return readParenthesised(s, out);
    std::string word;
    if (!readWord(s, word, 16)) return false;
    if (word == "random") {
        out.cell = StatementLocation{kLocationRandom, 0, false};
        return true;
    }
    if (word == "place") {
        out.cell = StatementLocation{kLocationPlace, 0, false};
        return readListIndex(s, out.cell.y);
    }
    if (word == "levregion") return readLevelRegion(s, out);
    return false;
}

void addStairAreas(ReaderState& s, const StairWhere& where, const CellRect* exclusion,
                   bool exclusionLevelForm, int down) {
    styleArea(*addReadArea(s, where.area, where.levelForm, kStairArea, down));
    if (exclusion == nullptr) return;
    styleArea(*addReadArea(s, *exclusion, exclusionLevelForm, kStairExclusion, down));
}

bool placeStairCell(ReaderState& s, const StatementLocation& where, int down) {
    LevelSettings& settings = s.level.settings;
    return down ? placeStairSpot(s, where, settings.stairDown, kDownstairs)
                : placeStairSpot(s, where, settings.stairUp, kUpstairs);
}

}  // namespace

bool readStairStatement(ReaderState& s) {
    s.message = msg::kMissingColon;
    if (!expect(s, ':')) return false;
    StairWhere where;
    if (!readStairWhere(s, where) || !expect(s, ',')) return false;

    CellRect exclusion;
    RegionResult exclusionForm = RegionResult::Failed;
    bool exclusionLevelForm = false;
    if (where.isArea) {
        exclusionForm = readRegion(s, exclusion.x1, exclusion.y1, exclusion.x2, exclusion.y2);
        exclusionLevelForm = s.regionInLevelForm;
        if (exclusionForm == RegionResult::Failed || !expect(s, ',')) return false;
    }
    int down = 0;
    if (!readUpDown(s, down)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    if (where.isArea) {
        const bool none = exclusionForm == RegionResult::AllZeros;
        addStairAreas(s, where, none ? nullptr : &exclusion, exclusionLevelForm, down);
        return true;
    }
    return placeStairCell(s, where.cell, down);
}

}  // namespace mapedit
