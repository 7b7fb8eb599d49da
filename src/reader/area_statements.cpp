// REGION, NON_DIGGABLE, NON_PASSWALL, TELEPORT_REGION, BRANCH and PORTAL:
// the statements that mark rectangular areas.

#include <array>

#include "model/area_style.h"
#include "model/format_words.h"
#include "model/grid.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

constexpr const char* kInvalidRoomType = "Invalid room type";
constexpr const char* kInvalidFillType = "Invalid fill type";

// A rectangle as read, and whether it was given in level coordinates.
struct ReadRect {
    CellRect cells;
    bool levelForm = false;
};

RegionResult readRect(ReaderState& s, ReadRect& r) {
    const RegionResult result = readRegion(s, r.cells.x1, r.cells.y1, r.cells.x2, r.cells.y2);
    r.levelForm = s.regionInLevelForm;
    return result;
}

}  // namespace

AreaRecord* addReadArea(ReaderState& s, const CellRect& r, bool levelForm, int kind, int param) {
    AreaRecord* area = s.level.newArea(r.x1, r.y1, r.x2, r.y2);
    area->kind = kind;
    area->param = param;
    area->readPart = s.currentPart;
    area->readOrder = s.statementOrder;
    area->levelRegion = levelForm ? 1 : 0;
    return area;
}

namespace {

AreaRecord* addArea(ReaderState& s, const ReadRect& r, int kind, int param) {
    return addReadArea(s, r.cells, r.levelForm, kind, param);
}

// The optional ", filled|unfilled [, irregular]" tail of REGION.
bool readRoomOptions(ReaderState& s, int& filled, int& irregular) {
    skipBlanks(s);
    if (peekChar(s) != ',') return true;
    takeComma(s);
    if (!readListedWord(s, words::kFillStates, 16, kInvalidFillType, filled)) return false;
    skipBlanks(s);
    if (peekChar(s) != ',') return true;
    takeComma(s);
    return readBoolean(s, irregular);
}

bool readWallArea(ReaderState& s, int kind) {
    s.message = msg::kMissingColon;
    ReadRect r;
    if (!expect(s, ':') || readRect(s, r) == RegionResult::Failed) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;
    styleArea(*addArea(s, r, kind, 0));
    return true;
}

// An area with its exclusion area, as TELEPORT_REGION, BRANCH and PORTAL
// write them.
struct PairedAreas {
    ReadRect area;
    ReadRect exclusion;
    bool hasExclusion = false;
};

bool readPairedAreas(ReaderState& s, PairedAreas& p) {
    s.message = msg::kMissingColon;
    if (!expect(s, ':') || readRect(s, p.area) == RegionResult::Failed || !expect(s, ',')) {
        return false;
    }
    const RegionResult result = readRect(s, p.exclusion);
    p.hasExclusion = result == RegionResult::Read;
    return result != RegionResult::Failed;
}

// The area is styled (colour and label); its exclusion shares the colour
// but carries no label.
AreaRecord* addPairedAreas(ReaderState& s, const PairedAreas& p, int kind, int exclusionKind,
                           int param) {
    AreaRecord* area = addArea(s, p.area, kind, param);
    styleArea(*area);
    if (p.hasExclusion) {
        addArea(s, p.exclusion, exclusionKind, param)->color = area->color;
    }
    return area;
}

}  // namespace

bool readRegionStatement(ReaderState& s) {
    s.message = msg::kMissingColon;
    ReadRect r;
    int lighting = 0;
    if (!expect(s, ':') || readRect(s, r) == RegionResult::Failed) return false;
    if (!expect(s, ',') || !readLighting(s, lighting)) return false;
    std::string roomType;
    if (!expect(s, ',') || !readString(s, roomType, 16)) return false;
    const int kind = words::indexOfWord(words::kRoomTypes, roomType);
    if (kind < 0) {
        s.message = kInvalidRoomType;
        return false;
    }
    int filled = 0;
    int irregular = 0;
    if (!readRoomOptions(s, filled, irregular)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    AreaRecord* area = addArea(s, r, kind, lighting);
    area->filled = static_cast<std::uint32_t>(filled);
    area->irregular = static_cast<std::uint32_t>(irregular);
    styleArea(*area);
    return true;
}

bool readNonDiggableStatement(ReaderState& s) {
    return readWallArea(s, kNonDiggableArea);
}

bool readNonPasswallStatement(ReaderState& s) {
    return readWallArea(s, kNonPasswallArea);
}

bool readTeleportRegionStatement(ReaderState& s) {
    PairedAreas p;
    if (!readPairedAreas(s, p)) return false;
    int direction = -1;
    skipBlanks(s);
    if (peekChar(s) == ',') {
        takeComma(s);
        if (!readUpDown(s, direction)) return false;
    }
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;
    addPairedAreas(s, p, kTeleportArea, kTeleportExclusion, direction);
    return true;
}

bool readBranchStatement(ReaderState& s) {
    PairedAreas p;
    if (!readPairedAreas(s, p)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;
    addPairedAreas(s, p, kBranchArea, kBranchExclusion, 0);
    return true;
}

bool readPortalStatement(ReaderState& s) {
    PairedAreas p;
    if (!readPairedAreas(s, p)) return false;
    std::string destination;
    if (!expect(s, ',') || !readString(s, destination, 16)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;
    // The destination stays with the portal so that it can be written back.
    addPairedAreas(s, p, kPortalArea, kPortalExclusion, 0)->destination.assign(destination);
    return true;
}

}  // namespace mapedit
