#include "writer/write_context.h"

#include <fmt/format.h>

#include "model/grid.h"
#include "model/terrain.h"

#include <algorithm>
#include <utility>

namespace mapedit::writer {

namespace {

std::size_t cellIndex(int x, int y) {
    return static_cast<std::size_t>(y * kMapWidth + x);
}

bool inRange(int v, int lo, int hi) {
    return lo <= v && v <= hi;
}

}  // namespace

WriteContext::WriteContext(const Level& written, Variant gameVariant, ByteSink& sink)
    : level(written),
      settings(written.settings),
      variant(gameVariant),
      stoneAsWall(mazewalkMarkerCount(written) != 0),
      sink_(sink) {
    line.reserve(320);
}

void WriteContext::emitLine() {
    emit(line);
    line.clear();
}

void WriteContext::endLine() {
    line.push_back('\n');
    emitLine();
}

void WriteContext::emit(std::string_view text) {
    if (ok) ok = sink_.write(text);
}

void WriteContext::orderParts(int first) {
    for (int i = 0; i < kMaxMapParts; ++i) modelIndex[static_cast<std::size_t>(i)] = i;
    std::swap(modelIndex[0], modelIndex[static_cast<std::size_t>(first)]);
    for (int i = 0; i < kMaxMapParts; ++i) {
        parts[static_cast<std::size_t>(i)] =
            level.mapParts[static_cast<std::size_t>(modelIndex[static_cast<std::size_t>(i)])];
    }
    for (int y = 0; y < kMapHeight; ++y) {
        for (int x = 0; x < kMapWidth; ++x) {
            const int holding = holdingPart(x, y);
            homes_[cellIndex(x, y)] =
                static_cast<std::int8_t>(holding != kNoPart ? holding : reachingPart(x, y));
        }
    }
    keepStatements();
}

int WriteContext::holdingPart(int x, int y) const {
    for (int i = 0; i < partCount; ++i) {
        if (parts[static_cast<std::size_t>(i)].contains(x, y)) return i;
    }
    return kNoPart;
}

int WriteContext::featureHomeOf(int x, int y) const {
    for (int i = partCount - 1; i >= 0; --i) {
        if (parts[static_cast<std::size_t>(i)].contains(x, y)) return i;
    }
    return homeOf(x, y);
}

int WriteContext::stairSpotPart(const StairSpot& spot, int terrain) const {
    if (spot.state == kNoStair || !isOnGrid(spot.x, spot.y)) return kNoPart;
    if (level.cell(spot.x, spot.y).terrain != terrain) return kNoPart;
    if (statementCovers(spot.x, spot.y, terrain)) return kNoPart;
    const int kept = keptPart(spot.x, spot.y, spot.placement(), spot.readPart);
    return kept != kNoPart ? kept : featureHomeOf(spot.x, spot.y);
}

// Coordinates are written relative to the part's corner and may not be
// negative.
int WriteContext::reachingPart(int x, int y) const {
    for (int i = 0; i < partCount; ++i) {
        const MapPart& p = parts[static_cast<std::size_t>(i)];
        if (p.x1 <= x && p.y1 <= y) return i;
    }
    return kNoPart;
}

int WriteContext::homeOf(int x, int y) const {
    if (!isOnGrid(x, y)) {
        const int holding = holdingPart(x, y);
        return holding != kNoPart ? holding : reachingPart(x, y);
    }
    return homes_[cellIndex(x, y)];
}

int WriteContext::writingIndexOf(int modelPart) const {
    for (int i = 0; i < partCount; ++i) {
        if (modelIndex[static_cast<std::size_t>(i)] == modelPart) return i;
    }
    return kNoPart;
}

int WriteContext::keptPart(int x, int y, int placement, int readPart) const {
    const int part = writingIndexOf(readPart);
    if (part == kNoPart) return kNoPart;
    // Random ones and places name no cell; the others are written relative
    // to the part's corner, which must not lie right of or below them.
    const bool namesNoCell = placement == kPlacedRandom ||
                             (placement == kAtRandomPlace && randomPlaceAt(level, x, y) >= 0);
    const MapPart& p = parts[static_cast<std::size_t>(part)];
    return namesNoCell || (p.x1 <= x && p.y1 <= y) ? part : kNoPart;
}

int WriteContext::partOfRecord(int x, int y, int placement, int readPart) const {
    const int kept = keptPart(x, y, placement, readPart);
    return kept != kNoPart ? kept : homeOf(x, y);
}

namespace {

// The kinds of CellStatement, one bit each in WriteContext::covered_.
constexpr std::array<int, 10> kStatementKinds = {
    kDoorway, kUpstairs, kDownstairs,  kLadderUp,       kLadderDown,
    kAltar,   kFountain, kKitchenSink, kDrawbridgeKind, kMazewalkKind};

std::uint16_t statementBit(int kind) {
    for (std::size_t i = 0; i < kStatementKinds.size(); ++i) {
        if (kStatementKinds[i] == kind) return static_cast<std::uint16_t>(1u << i);
    }
    return 0;
}

}  // namespace

bool WriteContext::stillHolds(const CellStatement& c) const {
    if (!isOnGrid(c.x, c.y)) return false;
    const MapCell& cell = level.cell(c.x, c.y);
    switch (c.kind) {
        case kDoorway:
            return cell.terrain == kDoorway || cell.terrain == kSecretDoor;
        case kDrawbridgeKind:
            return markerType(cell.overlay) == MarkerType::Drawbridge;
        case kMazewalkKind:
            return markerType(cell.overlay) == MarkerType::Mazewalk;
        default:
            return cell.terrain == c.kind;
    }
}

void WriteContext::keepStatements() {
    for (const CellStatement& c : level.cellStatements) {
        if (!stillHolds(c)) continue;
        const int part = keptPart(c.x, c.y, c.placement, c.readPart);
        if (part == kNoPart) continue;
        kept_.push_back({&c, part});
        covered_[cellIndex(c.x, c.y)] |= statementBit(c.kind);
    }
}

bool WriteContext::statementCovers(int x, int y, int kind) const {
    return isOnGrid(x, y) && (covered_[cellIndex(x, y)] & statementBit(kind)) != 0;
}

std::uint8_t WriteContext::ownReadChar(int part, int x, int y) const {
    for (int later = part + 1; later < partCount; ++later) {
        const MapPart& p = parts[static_cast<std::size_t>(later)];
        if (p.hasMapText() && p.contains(x, y)) {
            return parts[static_cast<std::size_t>(part)].readCharAt(x, y);
        }
    }
    return 0;
}

MapCell WriteContext::groundAsWritten(int part, int x, int y) const {
    MapCell ground;
    const std::uint8_t own = ownReadChar(part, x, y);
    if (own == 0) {
        ground.terrain = level.cell(x, y).terrain;
        ground.keptSymbol = level.cell(x, y).keptSymbol;
        return ground;
    }
    ground.terrain = static_cast<std::int8_t>(kindOfMapChar(own));
    if (ground.terrain == kNone) ground.keptSymbol = own;
    return ground;
}

bool WriteContext::featureStatedAt(int x, int y) const {
    const std::uint16_t markers = statementBit(kDrawbridgeKind) | statementBit(kMazewalkKind);
    return isOnGrid(x, y) && (covered_[cellIndex(x, y)] & ~markers) != 0;
}

bool WriteContext::mapSays(int x, int y) const {
    if (!isOnGrid(x, y)) return false;
    const MapCell& cell = level.cell(x, y);
    if (cell.readSymbol == 0) return false;
    const int kind = kindOfMapChar(cell.readSymbol);
    if (kind == kNone) return cell.terrain == kNone && cell.keptSymbol == cell.readSymbol;
    return cell.terrain == kind || (kind == kStone && cell.terrain == kMazewalkStone);
}

std::size_t WriteContext::containerOf(const MapCell& cell, std::size_t index) {
    while (index > 0 && cell.objects[index].placement == kContained) --index;
    return index;
}

int WriteContext::partOfObject(int x, int y, const MapCell& cell, std::size_t index) const {
    return partOf(x, y, cell.objects[containerOf(cell, index)]);
}

void WriteContext::pin(const void* record) {
    pinned_.insert(std::upper_bound(pinned_.begin(), pinned_.end(), record), record);
}

bool WriteContext::isPinned(const void* record) const {
    return std::binary_search(pinned_.begin(), pinned_.end(), record);
}

int WriteContext::partOfEngraving(const Engraving& e) const {
    const int kept = keptPart(e.x, e.y, e.placement, e.readPart);
    if (kept != kNoPart) return kept;
    // A random one whose part is gone goes first.
    return e.placement == kPlacedRandom ? 0 : homeOf(e.x, e.y);
}

AreaEntry* WriteContext::findArea(const AreaEntry* after, int kind) {
    auto it = areas.begin();
    if (after != nullptr) it += (after - areas.data()) + 1;
    for (; it != areas.end(); ++it) {
        if (!it->written && it->area->kind == kind) return &*it;
    }
    return nullptr;
}

bool WriteContext::belongsToPart(const AreaRecord& area) const {
    for (int later = writePart + 1; later < partCount; ++later) {
        if (liesInside(area, parts[static_cast<std::size_t>(later)])) return false;
    }
    return true;
}

void WriteContext::addNumber(long value) {
    const fmt::format_int digits(value);
    line.append(digits.data(), digits.size());
}

void WriteContext::addTwoDigits(int value) {
    if (value >= 0 && value < 10) line.push_back('0');
    addNumber(value);
}

void WriteContext::addQuoted(std::string_view text) {
    line.push_back('"');
    line.append(text);
    line.push_back('"');
}

void WriteContext::addQuotedOrRandom(std::string_view text, std::string_view prefix) {
    if (text.empty()) {
        line.append("random");
        return;
    }
    line.push_back('"');
    line.append(prefix);
    line.append(text);
    line.push_back('"');
}

void WriteContext::addQuotedChar(int ch) {
    line.push_back('\'');
    line.push_back(static_cast<char>(ch));
    line.push_back('\'');
}

void WriteContext::addCellPosition(int x, int y) {
    line.push_back('(');
    addTwoDigits(x - part().x1);
    line.push_back(',');
    addTwoDigits(y - part().y1);
    line.push_back(')');
}

void WriteContext::addPosition(int x, int y, int placement, int place) {
    if (placement == kPlacedRandom) {
        line.append("random");
        return;
    }
    if (placement == kAtRandomPlace) {
        const int count = std::clamp(settings.randomPlaceCount, 0, kMaxListEntries);
        auto standsOnCell = [&](int i) {
            return i >= 0 && i < count &&
                   settings.randomPlaces[static_cast<std::size_t>(i)].isAt(x, y);
        };
        int entry = standsOnCell(place) ? place : -1;
        for (int i = 0; i < count && entry < 0; ++i) {
            if (standsOnCell(i)) entry = i;
        }
        if (entry >= 0) {
            line.append("place[");
            addNumber(entry);
            line.push_back(']');
            return;
        }
    }
    addCellPosition(x, y);
}

void WriteContext::addRectangle(std::string_view opening, int x1, int y1, int x2, int y2) {
    line.append(opening);
    addTwoDigits(x1);
    line.push_back(',');
    addTwoDigits(y1);
    line.push_back(',');
    addTwoDigits(x2);
    line.push_back(',');
    addTwoDigits(y2);
    line.push_back(')');
}

bool WriteContext::inLevelForm(const AreaRecord& area) const {
    const MapPart& p = part();
    const bool relativeFits = p.x1 <= area.x1 && p.y1 <= area.y1;
    if (area.readOrder != 0 && (area.levelRegion != 0 || relativeFits)) {
        return area.levelRegion != 0;
    }
    return !liesInside(area, p);
}

void WriteContext::addPlainRegion(const AreaRecord& area) {
    const MapPart& p = part();
    addRectangle("(", area.x1 - p.x1, area.y1 - p.y1, area.x2 - p.x1, area.y2 - p.y1);
}

void WriteContext::addRegion(const AreaRecord& area) {
    if (inLevelForm(area)) {
        addRectangle("levregion(", area.x1, area.y1, area.x2, area.y2);
    } else {
        addPlainRegion(area);
    }
}

void WriteContext::addExclusionRegion(const AreaRecord& area) {
    // The reader takes an exclusion written as four zeros for "none": a one
    // cell exclusion on the part's top-left corner is then given in level
    // coordinates, and one on the level's corner cell relative to the part.
    const MapPart& p = part();
    const bool zeroWhenRelative =
        area.x1 == p.x1 && area.x2 == p.x1 && area.y1 == p.y1 && area.y2 == p.y1;
    const bool zeroInLevel = area.x1 == 0 && area.x2 == 0 && area.y1 == 0 && area.y2 == 0;
    bool levelForm = inLevelForm(area);
    if (levelForm && zeroInLevel) levelForm = false;
    if (!levelForm && zeroWhenRelative) levelForm = true;
    if (levelForm) {
        addRectangle("levregion(", area.x1, area.y1, area.x2, area.y2);
    } else {
        addPlainRegion(area);
    }
}

std::string noteOf(std::string_view keyword, std::string_view name, int x, int y) {
    std::string note(keyword);
    if (!name.empty()) note += fmt::format(" \"{}\"", name);
    return note + fmt::format(" at ({},{})", x, y);
}

bool touches(const AreaRecord& b, const AreaRecord& a) {
    const bool xMeets = inRange(b.x1, a.x1, a.x2) || inRange(b.x2, a.x1, a.x2);
    const bool yMeets = inRange(b.y1, a.y1, a.y2) || inRange(b.y2, a.y1, a.y2);
    return xMeets && yMeets;
}

bool liesInside(const AreaRecord& area, const MapPart& part) {
    return part.x1 <= area.x1 && area.x2 <= part.x2 && part.y1 <= area.y1 && area.y2 <= part.y2;
}

}  // namespace mapedit::writer
