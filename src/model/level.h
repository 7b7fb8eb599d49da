#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/boxed.h"
#include "model/fixed_text.h"
#include "model/stable_list.h"

namespace mapedit {

constexpr int kMapWidth = 80;
constexpr int kMapHeight = 21;
constexpr int kMaxMapParts = 10;
constexpr int kMaxListEntries = 10;
constexpr int kDefaultColor = 18;

using NameText = FixedText<64>;     // names: 63 bytes
using LabelText = FixedText<16>;    // labels and trap names: 15 bytes
using LevelName = FixedText<9>;     // level name: 8 bytes
using MessageText = FixedText<80>;  // MESSAGE and ENGRAVING texts: 79 bytes

// Where a placement record stands.
enum PlacementKind : std::int32_t {
    kAtPosition = 0,
    kPlacedRandom = 1,
    kAtRandomPlace = 2,
    kContained = 3,  // objects only
};

// The map part a record was read into, and the place of its statement
// among the statements read, which the writer keeps; a record made in the
// editor belongs to no part.
constexpr int kNoReadPart = -1;

// Class symbols: >= 0 the class character, -1 random, -10 - n list entry n.
constexpr int kRandomSymbol = -1;
constexpr int listSymbol(int n) {
    return -10 - n;
}

// MonsterSpec::attitude.
enum MonsterAttitude : std::int32_t {
    kAttitudeNotGiven = 0,
    kHostile = 1,
    kPeaceful = 2,
};

// MonsterSpec::sleep.
enum MonsterSleep : std::int32_t {
    kSleepNotGiven = 0,
    kAsleep = 1,
    kAwake = 2,
};

struct MonsterSpec {
    friend bool operator==(const MonsterSpec&, const MonsterSpec&) = default;
    std::int32_t symbol = 0;
    std::int32_t attitude = kAttitudeNotGiven;
    std::int32_t sleep = kSleepNotGiven;
    std::int32_t placement = kAtPosition;
    std::int32_t place = 0;       // at a random place: the list entry it was given
    std::int32_t alignment = 0;   // 0 none, 1 law .. 4 noalign, 5..7 align[0..2]
    std::int32_t appearKind = 0;  // 0 none, 1 m_feature, 2 m_object, 3 m_monster
    std::int32_t chance = 0;      // 1..99 written as a percentage; others mean always
    std::int32_t color = 0;
    NameText name;
    NameText appearName;
    std::int32_t readPart = kNoReadPart;  // the part it was read into
    std::int32_t readOrder = 0;
};

struct ObjectSpec {
    friend bool operator==(const ObjectSpec&, const ObjectSpec&) = default;
    std::int32_t symbol = 0;
    std::int32_t spe = 0;  // -1 random
    std::int32_t buc = 0;  // 0 none, 1 blessed, 2 uncursed, 3 cursed, 4 random
    std::int32_t placement = kAtPosition;
    std::int32_t place = 0;     // at a random place: the list entry it was given
    std::int32_t material = 0;  // index into words::kMaterials; 0 none
    std::int32_t isContainer = 0;
    std::int32_t chance = 0;
    std::int32_t color = 0;
    NameText name;
    NameText monsterName;
    NameText optionalName;
    std::int32_t readPart = kNoReadPart;
    std::int32_t readOrder = 0;
};

struct TrapSpec {
    friend bool operator==(const TrapSpec&, const TrapSpec&) = default;
    std::int32_t placement = kAtPosition;
    std::int32_t place = 0;  // at a random place: the list entry it was given
    std::int32_t chance = 0;
    std::int32_t color = 0;
    std::int32_t trapType = 0;  // index into words::kTrapNames
    LabelText trapName;
    std::int32_t readPart = kNoReadPart;
    std::int32_t readOrder = 0;
};

// One grid cell. Placement records are held by the cell; the object list
// keeps its order with the head (the first object) at index 0.
struct MapCell {
    friend bool operator==(const MapCell&, const MapCell&) = default;
    std::int8_t terrain = 0;
    std::uint8_t detail = 0;   // door state, or altar alignment (low 4) and type (high 4)
    std::uint8_t overlay = 0;  // the marker, taken apart by markerType and its kin
    std::uint8_t glyph = 0;
    // A map character no terrain kind has, kept so that it is written back
    // as it was; it means something only while terrain is kNone.
    std::uint8_t keptSymbol = 0;
    // The map character the cell was read with; 0 when no map text gave it,
    // or once the designer changed the cell. Saving writes it back while it
    // still says what the cell holds, and under a feature that a statement
    // put on the cell it is the ground the game sees there.
    std::uint8_t readSymbol = 0;
    std::vector<ObjectSpec> objects;
    Boxed<MonsterSpec> monster;
    Boxed<TrapSpec> trap;
};

// The record a cell's slot holds, or null when it holds none.
template <class Record>
const Record* recordIn(const Boxed<Record>& slot) {
    return slot ? &*slot : nullptr;
}

// A cell's marker, kept in MapCell::overlay: the type in the high four
// bits; in the low four the direction (a words::kDirections index) and, on
// a drawbridge, whether it is closed. Code outside these functions leaves
// the bits alone.
enum class MarkerType : std::uint8_t { None = 0, Drawbridge = 1, Mazewalk = 2 };
constexpr std::uint8_t kDrawbridgeClosed = 0x04;

constexpr MarkerType markerType(std::uint8_t overlay) {
    return static_cast<MarkerType>(overlay >> 4);
}
constexpr int markerDirection(std::uint8_t overlay) {
    return overlay & 3;
}
constexpr bool isDrawbridgeClosed(std::uint8_t overlay) {
    return (overlay & kDrawbridgeClosed) != 0;
}
// The low four bits: what the marker dialogs edit, and what a mazewalk
// starts from.
constexpr int markerSetting(std::uint8_t overlay) {
    return overlay & 0x0F;
}
// The overlay of a marker of the type whose low four bits are `setting`.
constexpr std::uint8_t markerOverlay(MarkerType type, int setting) {
    return static_cast<std::uint8_t>(static_cast<int>(type) << 4 | setting);
}
constexpr std::uint8_t mazewalkOverlay(int direction) {
    return markerOverlay(MarkerType::Mazewalk, direction);
}
constexpr std::uint8_t drawbridgeOverlay(int direction, bool closed) {
    return markerOverlay(MarkerType::Drawbridge, direction | (closed ? kDrawbridgeClosed : 0));
}

// Area kinds: the room types, by words::kRoomTypes, then the others.
enum AreaKind : std::int32_t {
    kOrdinaryRoom = 0,
    kThroneRoom = 1,
    kSwamp = 2,
    kVault = 3,
    kBeehive = 4,
    kMorgue = 5,
    kBarracks = 6,
    kZoo = 7,
    kDelphi = 8,
    kTemple = 9,
    kShop = 10,  // a general store
    kArmorShop = 11,
    kScrollShop = 12,
    kPotionShop = 13,
    kWeaponShop = 14,
    kFoodShop = 15,
    kRingShop = 16,
    kWandShop = 17,
    kToolShop = 18,
    kBookShop = 19,
    kCandleShop = 20,
    // 21 is no kind: nothing makes it.
    kMapPartArea = 22,
    kNonDiggableArea = 23,
    kNonPasswallArea = 24,
    kPortalArea = 25,
    kPortalExclusion = 26,
    kBranchArea = 27,
    kBranchExclusion = 28,
    kTeleportArea = 29,
    kTeleportExclusion = 30,
    kStairArea = 31,
    kStairExclusion = 32,
};
constexpr int kRoomKindCount = kCandleShop + 1;

// A room (REGION) rather than a map part's outline or a special area.
constexpr bool isRoomKind(int kind) {
    return kind >= kOrdinaryRoom && kind < kRoomKindCount;
}

struct AreaRecord {
    friend bool operator==(const AreaRecord&, const AreaRecord&) = default;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // absolute, inclusive
    std::int32_t kind = 0;
    std::int32_t color = 0;
    std::int32_t param = 0;
    std::uint32_t filled = 0;  // rooms: 0 not given, 1 unfilled, 2 filled
    std::uint32_t irregular = 0;
    LabelText label;
    LabelText destination;  // portal areas: the destination level name
    // Read from a file: the part it was read into and its statement's place
    // among the statements; an area and its exclusion share the place.
    std::int32_t readPart = kNoReadPart;
    std::int32_t readOrder = 0;
    std::int32_t levelRegion = 0;  // read in the levregion form

    int size() const { return (x2 - x1 + 1) * (y2 - y1 + 1); }
    bool contains(int x, int y) const { return x1 <= x && x <= x2 && y1 <= y && y <= y2; }
};

// How a map part was given: by map text, or by NOMAP with or without a
// GEOMETRY before it.
enum MapForm : std::int32_t {
    kMapText = 0,
    kNoMap = 1,
    kNoMapWithoutGeometry = 2,
};

// Where GEOMETRY puts a map part's text, by words::kHorizontalPlacements
// and words::kVerticalPlacements.
enum class HorizontalAlignment : std::int32_t { Left, HalfLeft, Center, HalfRight, Right };
enum class VerticalAlignment : std::int32_t { Top, Center, Bottom };

struct PartAlignment {
    friend bool operator==(const PartAlignment&, const PartAlignment&) = default;
    HorizontalAlignment horizontal = HorizontalAlignment::Left;
    VerticalAlignment vertical = VerticalAlignment::Top;
};

struct MapPart {
    friend bool operator==(const MapPart&, const MapPart&) = default;
    PartAlignment alignment{};
    std::int32_t width = 0, height = 0;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // placed rectangle, absolute, inclusive
    std::int32_t form = kMapText;
    std::int32_t wallified = 0;  // WALLIFY was applied to its map text
    std::int32_t read = 0;       // read from a file, where its place in order counts
    // The map text as read, row by row, and the corner it was laid at: what
    // the part's own statements found on cells that a later map covers.
    std::string readText{};
    std::int32_t readX1 = 0, readY1 = 0;

    bool contains(int x, int y) const { return x1 <= x && x <= x2 && y1 <= y && y <= y2; }
    // The character the part's map text gave the cell; 0 when it gave none
    // or the part has moved or changed size since.
    std::uint8_t readCharAt(int x, int y) const {
        const bool laid = x1 == readX1 && y1 == readY1 &&
                          readText.size() == static_cast<std::size_t>(width) * height;
        if (!laid || !contains(x, y) || width <= 0) return 0;
        return static_cast<std::uint8_t>(
            readText[static_cast<std::size_t>((y - y1) * width + (x - x1))]);
    }
    int size() const { return (x2 - x1 + 1) * (y2 - y1 + 1); }
    // A part with neither size nor place is one of NOMAP, whatever its form says.
    bool hasMapText() const {
        const bool unplaced = width == 0 && height == 0 && x1 == 0 && y1 == 0 && x2 == 0 && y2 == 0;
        return form == kMapText && !unplaced;
    }
};

// StairSpot::state: how the stair or ladder was placed, if at all.
enum StairState : std::int32_t {
    kNoStair = 0,
    kStairAtPosition = 1,
    kStairPlacedRandom = -1,
    kStairAtRandomPlace = 2,
};

struct StairSpot {
    friend bool operator==(const StairSpot&, const StairSpot&) = default;
    std::int32_t state = kNoStair;
    std::int32_t x = 0, y = 0;
    std::int32_t readPart = kNoReadPart;  // placed at random: the part it went into
    // Placed at random: the terrain of the cell before, which the map keeps
    // since the game puts the stair elsewhere; 0 when not known.
    std::int32_t underTerrain = 0;

    // How a stair that is there stands, as a PlacementKind: at its cell, at
    // random, or at a random place.
    int placement() const {
        if (state == kStairAtPosition) return kAtPosition;
        if (state == kStairPlacedRandom) return kPlacedRandom;
        return kAtRandomPlace;
    }
};

// An engraving as read: where, how and what. A random one has no cell of
// its own; the others keep theirs, even off the grid.
struct Engraving {
    std::int32_t x = 0, y = 0;             // absolute
    std::int32_t placement = kAtPosition;  // PlacementKind
    std::int32_t place = 0;                // at a random place: the list entry
    std::int32_t readPart = kNoReadPart;   // the part it was read into
    std::int32_t type = 0;                 // index into words::kEngraveTypes
    MessageText text;

    friend bool operator==(const Engraving&, const Engraving&) = default;
};

// A statement that put a feature on a cell or marked it (DOOR, STAIR and
// LADDER at a cell, ALTAR, FOUNTAIN, SINK, DRAWBRIDGE, MAZEWALK), kept as
// read: the cells hold only the result, and the game cares how and in what
// order the statements said it.
struct CellStatement {
    friend bool operator==(const CellStatement&, const CellStatement&) = default;
    std::int32_t kind = 0;      // the terrain kind it puts (kDoorway for doors), or the marker kind
    std::int32_t x = 0, y = 0;  // the cell it went to, absolute
    std::int32_t placement = kAtPosition;  // PlacementKind 0-2
    std::int32_t place = 0;                // place[n]: n
    std::int32_t readPart = kNoReadPart;
    std::int32_t readOrder = 0;
};

struct Extent {
    friend bool operator==(const Extent&, const Extent&) = default;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// levelFlags bits.
enum LevelFlag : std::uint8_t {
    kSmoothed = 1,
    kJoined = 2,
    kLit = 4,
    kWalled = 8,
    kNoTeleport = 16,
    kHardFloor = 32,
    kNoMMap = 64,
    kArboreal = 128,
};
// levelFlags2 bits.
enum LevelFlag2 : std::uint8_t {
    kShortSighted = 1,
    kNoMonGen = 2,
    kWallify = 4,
    kBackgroundGenerated = 8,
    // INIT_MAP lighting: random, drawn anew by the game each time; kLit is
    // then set too, as the editor shows such a cave.
    kRandomLighting = 16,
};

// Background modes.
enum FillMode : std::int32_t { kMazeFill = 0, kPlainFill = 1, kCaveFill = 2 };

// A RANDOM_PLACES entry: a cell, in bytes as the list keeps it.
struct RandomPlace {
    friend bool operator==(const RandomPlace&, const RandomPlace&) = default;
    std::int8_t x = 0, y = 0;

    bool isAt(int cellX, int cellY) const { return x == cellX && y == cellY; }
};

struct LevelSettings {
    friend bool operator==(const LevelSettings&, const LevelSettings&) = default;
    LevelName mazeName;
    std::int8_t filling = 0;  // MAZE filling map symbol; -1 random
    std::uint8_t initForeground = 0;
    std::uint8_t initBackground = 0;
    std::int32_t fillMode = kMazeFill;
    std::int32_t partCount = 0;
    Extent extent;
    StairSpot stairUp, stairDown, ladderUp, ladderDown;
    std::int32_t randomObjectCount = 0;
    std::int32_t randomMonsterCount = 0;
    std::int32_t randomPlaceCount = 0;
    std::array<std::int8_t, kMaxListEntries> randomObjects{};
    std::array<std::int8_t, kMaxListEntries> randomMonsters{};
    std::array<RandomPlace, kMaxListEntries> randomPlaces{};  // the first randomPlaceCount
    // The part each list was read into: the game keeps a list with its part.
    std::int32_t randomObjectsPart = kNoReadPart;
    std::int32_t randomMonstersPart = kNoReadPart;
    std::int32_t randomPlacesPart = kNoReadPart;
    std::uint8_t levelFlags = 0;
    std::uint8_t levelFlags2 = 0;
};

// The brushes that painting copies into cells and the dialogs edit. They
// belong to the editor, not to the level.
struct Templates {
    MonsterSpec monsterTemplate;
    ObjectSpec objectTemplate;
    TrapSpec trapTemplate;

    Templates();  // the start-up values
};

bool isOnGrid(int x, int y);

// The one level being edited: grid, placements, areas, settings, map parts.
class Level {
  public:
    // Head first. The editor keeps pointers to records across re-sorts.
    using AreaList = StableList<AreaRecord>;

    Level();  // all floor
    // Every cell of the kind, as clearLevel leaves it.
    explicit Level(int kind);
    // A level is a value: a copy shares no record with its original, which
    // the edit history relies on, and equality compares cells, records,
    // area list order, settings and parts.
    Level(const Level&) = default;
    Level& operator=(const Level&) = default;
    Level(Level&&) = default;
    Level& operator=(Level&&) = default;
    friend bool operator==(const Level&, const Level&) = default;

    // Cells, column-major as the format's grid: (x, y) is element
    // x * kMapHeight + y.
    MapCell& cell(int x, int y) { return cells_[static_cast<std::size_t>(x * kMapHeight + y)]; }
    const MapCell& cell(int x, int y) const {
        return cells_[static_cast<std::size_t>(x * kMapHeight + y)];
    }

    LevelSettings settings;
    std::array<MapPart, kMaxMapParts> mapParts{};
    std::vector<MessageText> messages;          // MESSAGE texts in file order
    std::vector<Engraving> engravings;          // in file order
    std::vector<CellStatement> cellStatements;  // in file order

    // The first partCount map parts. The count may come from a file: the
    // list is never read past its end.
    std::span<const MapPart> usedParts() const;

    const AreaList& areas() const { return areas_; }

    // Every cell gets the kind, detail/overlay 0, the kind's glyph and no
    // placements; settings and map parts are zero-filled, messages and
    // engravings dropped. Areas stay.
    void clearLevel(int kind);
    void freePlacements();
    // Frees every area and sets partCount to 0.
    void freeAreas();

    // A new area linked at the head of the list; the caller fills the rest.
    AreaRecord* newArea(int x1, int y1, int x2, int y2);
    // The first record after `after` (from the head when null) of the kind.
    AreaRecord* findAreaOfKind(const AreaRecord* after, int kind) const;
    // The first record in list order holding the point.
    AreaRecord* areaAt(int x, int y) const;
    // Unlinks and frees the record; a map-part record first drops its part.
    void removeArea(AreaRecord* area);
    // Drops the part; the last part takes its slot, and what was read into
    // either part follows.
    void removeMapPart(int index);
    // Stable reorder by rectangle size.
    void sortAreasAscending();
    void sortAreasDescending();

    // terrain := kind and glyph := the kind's glyph, dropping a kept map
    // character and the character the cell was read with: the cell is
    // edited. Nothing else changes.
    void setTerrain(int x, int y, int kind);
    // The same for a feature a statement puts on a cell: the character the
    // map gave the cell stays known as the ground under the feature.
    void putFeature(int x, int y, int kind);
    // A cell of map text whose character no terrain kind has: kind none,
    // shown and written as that character.
    void keepMapSymbol(int x, int y, std::uint8_t symbol);

  private:
    // Moves the read-part marks of records, areas and statements from one
    // part index to another.
    void renumberReadPart(int from, int to);

    std::array<MapCell, kMapWidth * kMapHeight> cells_;
    AreaList areas_;
};

}  // namespace mapedit
