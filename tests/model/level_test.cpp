#include "model/level.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "model/grid.h"
#include "model/terrain.h"

namespace mapedit {
namespace {

AreaRecord* addArea(Level& level, int x1, int y1, int x2, int y2, int kind, int param = 0) {
    AreaRecord* a = level.newArea(x1, y1, x2, y2);
    a->kind = kind;
    a->param = param;
    return a;
}

std::vector<const AreaRecord*> order(const Level& level) {
    std::vector<const AreaRecord*> out;
    for (const auto& a : level.areas()) out.push_back(a.get());
    return out;
}

TEST(TemplatesTest, StartWithTheBrushValues) {
    const Templates t;
    EXPECT_EQ(t.monsterTemplate.symbol, 'a');
    EXPECT_EQ(t.monsterTemplate.chance, 100);
    EXPECT_EQ(t.monsterTemplate.color, 18);
    EXPECT_TRUE(t.monsterTemplate.name.empty());
    EXPECT_EQ(t.objectTemplate.symbol, ')');
    EXPECT_EQ(t.objectTemplate.chance, 100);
    EXPECT_EQ(t.objectTemplate.color, 18);
    EXPECT_EQ(t.objectTemplate.spe, 0);
    EXPECT_EQ(t.trapTemplate.trapType, 0);
    EXPECT_EQ(t.trapTemplate.chance, 100);
    EXPECT_EQ(t.trapTemplate.color, 18);
}

TEST(FixedTextTest, AssignsCutsAndTakesAnEmptyViewWithoutAPointer) {
    FixedText<4> t;
    t.assign("abcdef");
    EXPECT_EQ(t.view(), "abc");
    t.assign(std::string_view{});  // no pointer behind it at all
    EXPECT_TRUE(t.empty());
}

// The overlay bytes are what edit scripts show and level copies compare:
// the accessors must keep to them exactly.
TEST(MarkerTest, OverlaysTakeApartIntoTypeDirectionAndBridgeState) {
    struct Case {
        std::uint8_t overlay;
        MarkerType type;
        int direction;
        bool closed;
        int setting;
    };
    const Case cases[] = {
        {0x00, MarkerType::None, 0, false, 0},       {0x10, MarkerType::Drawbridge, 0, false, 0},
        {0x13, MarkerType::Drawbridge, 3, false, 3}, {0x14, MarkerType::Drawbridge, 0, true, 4},
        {0x17, MarkerType::Drawbridge, 3, true, 7},  {0x20, MarkerType::Mazewalk, 0, false, 0},
        {0x22, MarkerType::Mazewalk, 2, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.overlay});
        EXPECT_EQ(markerType(c.overlay), c.type);
        EXPECT_EQ(markerDirection(c.overlay), c.direction);
        EXPECT_EQ(isDrawbridgeClosed(c.overlay), c.closed);
        EXPECT_EQ(markerSetting(c.overlay), c.setting);
        EXPECT_EQ(int{markerOverlay(c.type, c.setting)}, int{c.overlay});
        if (c.type == MarkerType::Drawbridge) {
            EXPECT_EQ(int{drawbridgeOverlay(c.direction, c.closed)}, int{c.overlay});
        }
        if (c.type == MarkerType::Mazewalk) {
            EXPECT_EQ(int{mazewalkOverlay(c.direction)}, int{c.overlay});
        }
    }
}

// A place is kept in bytes but found by whole coordinates: only the cell it
// holds matches, not one whose coordinates wrap to the same bytes.
TEST(RandomPlaceTest, IsAtOnlyItsOwnCell) {
    struct Case {
        RandomPlace place;
        int x, y;
        bool at;
    };
    const Case cases[] = {
        {{12, 5}, 12, 5, true},   {{12, 5}, 5, 12, false},    {{12, 5}, 12, 6, false},
        {{12, -2}, 12, -2, true}, {{12, -2}, 12, 254, false}, {{-128, 0}, 128, 0, false},
        {{0, 0}, 0, 0, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.place.isAt(c.x, c.y), c.at) << c.x << "," << c.y;
    }
}

TEST(LevelTest, StartsAsAllFloor) {
    const Level level;
    EXPECT_EQ(level.cell(1, 0).terrain, kFloor);
    EXPECT_EQ(level.cell(79, 20).glyph, 250);
    EXPECT_TRUE(level.areas().empty());
}

TEST(LevelTest, ClearLevelResetsCellsSettingsAndPartsButKeepsAreas) {
    Level level;
    MapCell& c = level.cell(40, 10);
    c.detail = 2;
    c.overlay = mazewalkOverlay(1);
    c.monster.emplace();
    c.trap.emplace();
    c.objects.emplace_back();
    c.objects.emplace_back();
    level.settings.partCount = 2;
    level.settings.mazeName.assign("minetn");
    level.mapParts[1].width = 12;
    addArea(level, 1, 1, 5, 5, kNonDiggableArea);

    level.clearLevel(kStone);

    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const MapCell& m = level.cell(x, y);
            ASSERT_EQ(m.terrain, kStone) << x << "," << y;
            ASSERT_EQ(m.glyph, terrainKinds[kStone].glyph);
            ASSERT_EQ(m.detail, 0);
            ASSERT_EQ(m.overlay, 0);
            ASSERT_FALSE(m.monster || m.trap || !m.objects.empty());
        }
    }
    EXPECT_EQ(level.settings.partCount, 0);
    EXPECT_TRUE(level.settings.mazeName.empty());
    EXPECT_EQ(level.mapParts[1].width, 0);
    EXPECT_EQ(level.areas().size(), 1u);
}

TEST(LevelTest, CellsAreColumnMajorAndDistinct) {
    Level level;
    level.setTerrain(3, 4, kHorizontalWall);
    EXPECT_EQ(level.cell(3, 4).terrain, kHorizontalWall);
    EXPECT_EQ(level.cell(3, 4).glyph, '-');
    EXPECT_EQ(level.cell(4, 3).terrain, kFloor);
    EXPECT_EQ(&level.cell(1, 0), &level.cell(0, 20) + 1);
}

TEST(LevelTest, FreeAreasEmptiesTheListAndDropsParts) {
    Level level;
    addArea(level, 1, 1, 10, 5, kMapPartArea, 0);
    level.settings.partCount = 1;
    level.freeAreas();
    EXPECT_TRUE(level.areas().empty());
    EXPECT_EQ(level.settings.partCount, 0);
}

TEST(LevelTest, NewAreaLinksAtTheHead) {
    Level level;
    AreaRecord* first = level.newArea(1, 2, 3, 4);
    AreaRecord* second = level.newArea(5, 6, 7, 8);
    EXPECT_EQ(order(level), (std::vector<const AreaRecord*>{second, first}));
    EXPECT_EQ(first->x1, 1);
    EXPECT_EQ(first->y1, 2);
    EXPECT_EQ(first->x2, 3);
    EXPECT_EQ(first->y2, 4);
}

TEST(LevelTest, FindAreaOfKindIteratesInListOrder) {
    Level level;
    AreaRecord* a = addArea(level, 1, 1, 2, 2, kNonDiggableArea);
    addArea(level, 1, 1, 2, 2, kMapPartArea);
    AreaRecord* b = addArea(level, 1, 1, 2, 2, kNonDiggableArea);
    // List order is b, part, a.
    EXPECT_EQ(level.findAreaOfKind(nullptr, kNonDiggableArea), b);
    EXPECT_EQ(level.findAreaOfKind(b, kNonDiggableArea), a);
    EXPECT_EQ(level.findAreaOfKind(a, kNonDiggableArea), nullptr);
    EXPECT_EQ(level.findAreaOfKind(nullptr, kStairArea), nullptr);
    AreaRecord stranger;
    EXPECT_EQ(level.findAreaOfKind(&stranger, kNonDiggableArea), nullptr);
}

TEST(LevelTest, AreaAtTakesTheFirstHolderInListOrder) {
    Level level;
    AreaRecord* small = addArea(level, 10, 5, 12, 7, kOrdinaryRoom);
    AreaRecord* big = addArea(level, 5, 2, 30, 15, kOrdinaryRoom);
    EXPECT_EQ(level.areaAt(11, 6), big);
    level.sortAreasAscending();
    EXPECT_EQ(level.areaAt(11, 6), small);
    // Corners are inclusive.
    EXPECT_EQ(level.areaAt(12, 7), small);
    EXPECT_EQ(level.areaAt(13, 7), big);
    EXPECT_EQ(level.areaAt(5, 2), big);
    EXPECT_EQ(level.areaAt(30, 15), big);
    EXPECT_EQ(level.areaAt(31, 15), nullptr);
    EXPECT_EQ(level.areaAt(5, 1), nullptr);
}

// Three map parts, each with its outline record; returns the records by part.
std::vector<AreaRecord*> threeParts(Level& level) {
    std::vector<AreaRecord*> records;
    for (int i = 0; i < 3; ++i) {
        level.mapParts[static_cast<std::size_t>(i)].width = 10 + i;
        records.push_back(addArea(level, 1 + 10 * i, 1, 9 + 10 * i, 5, kMapPartArea, i));
    }
    level.settings.partCount = 3;
    return records;
}

TEST(LevelTest, RemovingTheLastPartOnlyLowersTheCount) {
    Level level;
    auto parts = threeParts(level);
    level.removeArea(parts[2]);
    EXPECT_EQ(level.settings.partCount, 2);
    EXPECT_EQ(parts[0]->param, 0);
    EXPECT_EQ(parts[1]->param, 1);
    EXPECT_EQ(level.mapParts[0].width, 10);
    EXPECT_EQ(level.mapParts[1].width, 11);
    EXPECT_EQ(level.areas().size(), 2u);
}

TEST(LevelTest, RemovingAnotherPartMovesTheLastIntoItsSlot) {
    Level level;
    auto parts = threeParts(level);
    AreaRecord* other = addArea(level, 1, 1, 3, 3, kStairArea, 2);
    level.removeArea(parts[0]);
    EXPECT_EQ(level.settings.partCount, 2);
    EXPECT_EQ(level.mapParts[0].width, 12);
    EXPECT_EQ(level.mapParts[1].width, 11);
    EXPECT_EQ(parts[2]->param, 0);
    EXPECT_EQ(parts[1]->param, 1);
    EXPECT_EQ(other->param, 2);  // not a map-part record
    EXPECT_EQ(level.areas().size(), 3u);
}

TEST(LevelTest, RemovingTheOnlyPartLeavesNone) {
    Level level;
    AreaRecord* part = addArea(level, 1, 1, 9, 5, kMapPartArea, 0);
    level.settings.partCount = 1;
    level.removeArea(part);
    EXPECT_EQ(level.settings.partCount, 0);
    EXPECT_TRUE(level.areas().empty());
}

TEST(LevelTest, RemovingOtherAreasLeavesPartsAlone) {
    Level level;
    auto parts = threeParts(level);
    AreaRecord* room = addArea(level, 2, 2, 4, 4, kOrdinaryRoom, 1);
    level.removeArea(room);
    EXPECT_EQ(level.settings.partCount, 3);
    EXPECT_EQ(level.areas().size(), 3u);
    // A record that is not in the list changes nothing.
    AreaRecord stranger;
    stranger.kind = kMapPartArea;
    level.removeArea(&stranger);
    EXPECT_EQ(level.settings.partCount, 3);
    EXPECT_EQ(level.areas().size(), 3u);
}

TEST(LevelTest, RemoveMapPartIgnoresIndexesOutsideThePartsInUse) {
    Level level;
    auto parts = threeParts(level);
    for (int index : {-1, 3, 9, 10}) {
        level.removeMapPart(index);
        EXPECT_EQ(level.settings.partCount, 3) << index;
    }
    EXPECT_EQ(parts[2]->param, 2);
    EXPECT_EQ(level.mapParts[2].width, 12);
}

// Records read at random into a part follow it when the last part takes
// the freed slot; those of the removed part belong to none any more.
TEST(LevelTest, RemovingAPartMovesWhatWasReadIntoIt) {
    struct Case {
        int removed;
        std::vector<int> after;  // read part of the records read into parts 0, 1, 2
    };
    const Case cases[] = {
        {0, {kNoReadPart, 1, 0}},
        {1, {0, kNoReadPart, 1}},
        {2, {0, 1, kNoReadPart}},
    };
    for (const Case& c : cases) {
        Level level;
        auto parts = threeParts(level);
        for (int i = 0; i < 3; ++i) {
            MapCell& cell = level.cell(10 + i, 10);
            cell.monster.emplace();
            cell.monster->readPart = i;
            cell.trap.emplace();
            cell.trap->readPart = i;
            cell.objects.emplace_back();
            cell.objects.back().readPart = i;
            Engraving& e = level.engravings.emplace_back();
            e.placement = kPlacedRandom;
            e.readPart = i;
        }
        level.settings.ladderUp.readPart = 2;
        level.removeArea(parts[static_cast<std::size_t>(c.removed)]);
        for (int i = 0; i < 3; ++i) {
            const MapCell& cell = level.cell(10 + i, 10);
            const int expected = c.after[static_cast<std::size_t>(i)];
            EXPECT_EQ(cell.monster->readPart, expected) << c.removed << " " << i;
            EXPECT_EQ(cell.trap->readPart, expected) << c.removed << " " << i;
            EXPECT_EQ(cell.objects.front().readPart, expected) << c.removed << " " << i;
            EXPECT_EQ(level.engravings[static_cast<std::size_t>(i)].readPart, expected);
        }
        EXPECT_EQ(level.settings.ladderUp.readPart, c.after[2]) << c.removed;
    }
}

TEST(LevelTest, UsedPartsAreTheCountedPartsAndNeverPastTheList) {
    struct Case {
        int count;
        std::size_t used;
    };
    for (const Case c : {Case{-3, 0}, Case{0, 0}, Case{4, 4}, Case{kMaxMapParts, kMaxMapParts},
                         Case{kMaxMapParts + 5, kMaxMapParts}}) {
        SCOPED_TRACE(c.count);
        Level level;
        level.settings.partCount = c.count;
        const std::span<const MapPart> parts = level.usedParts();
        EXPECT_EQ(parts.size(), c.used);
        if (!parts.empty()) {
            EXPECT_EQ(parts.data(), level.mapParts.data());
        }
    }
}

TEST(StairSpotTest, EachStateIsWrittenAtItsCellAtRandomOrAtAPlace) {
    struct Case {
        int state;
        int placement;
    };
    for (const Case c :
         {Case{kStairAtPosition, kAtPosition}, Case{kStairPlacedRandom, kPlacedRandom},
          Case{kStairAtRandomPlace, kAtRandomPlace}}) {
        EXPECT_EQ(StairSpot{c.state}.placement(), c.placement) << c.state;
    }
}

TEST(StairSpotTest, EachStairAndLadderKindHasASpotOfItsOwn) {
    LevelSettings settings;
    struct Case {
        int kind;
        const StairSpot* spot;
    };
    for (const Case c :
         {Case{kUpstairs, &settings.stairUp}, Case{kDownstairs, &settings.stairDown},
          Case{kLadderUp, &settings.ladderUp}, Case{kLadderDown, &settings.ladderDown},
          Case{kFloor, nullptr}, Case{kAltar, nullptr}}) {
        EXPECT_EQ(stairSpotOf(settings, c.kind), c.spot) << c.kind;
    }
}

TEST(LevelTest, ClearingDropsMessagesEngravingsAndKeptCharacters) {
    Level level;
    level.messages.emplace_back().assign("hello");
    level.engravings.push_back(Engraving{});
    level.keepMapSymbol(4, 4, 'W');
    EXPECT_EQ(level.cell(4, 4).terrain, kNone);
    EXPECT_EQ(level.cell(4, 4).glyph, 'W');
    level.clearLevel(kStone);
    EXPECT_TRUE(level.messages.empty());
    EXPECT_TRUE(level.engravings.empty());
    EXPECT_EQ(level.cell(4, 4).keptSymbol, 0);
}

TEST(LevelTest, SortsOrderBySizeAndKeepEqualSizesInPlace) {
    Level level;
    AreaRecord* a = level.newArea(1, 1, 2, 2);  // 4
    AreaRecord* b = level.newArea(1, 1, 1, 4);  // 4
    AreaRecord* c = level.newArea(1, 1, 5, 5);  // 25
    AreaRecord* d = level.newArea(1, 1, 1, 1);  // 1
    AreaRecord* e = level.newArea(1, 1, 4, 1);  // 4
    // List order: e, d, c, b, a.
    level.sortAreasAscending();
    EXPECT_EQ(order(level), (std::vector<const AreaRecord*>{d, e, b, a, c}));
    level.sortAreasDescending();
    EXPECT_EQ(order(level), (std::vector<const AreaRecord*>{c, e, b, a, d}));
    level.sortAreasAscending();
    EXPECT_EQ(order(level), (std::vector<const AreaRecord*>{d, e, b, a, c}));
}

}  // namespace
}  // namespace mapedit
