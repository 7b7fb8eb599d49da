// Delete's peel order, stair spots, the random-place list and map parts.
#include "edit/area_commands.h"
#include "model/map_placement.h"

#include <gtest/gtest.h>

#include <array>

#include "edit/random_places.h"
#include "edit_fixture.h"
#include "model/grid.h"
#include "model/terrain.h"

namespace mapedit {
namespace {

using test::EditFixture;

constexpr PartAlignment kTopLeft{HorizontalAlignment::Left, VerticalAlignment::Top};
constexpr PartAlignment kBottomRight{HorizontalAlignment::Right, VerticalAlignment::Bottom};

struct AreaCommandsTest : EditFixture {
    void SetUp() override { level.clearLevel(kFloor); }
};

TEST_F(AreaCommandsTest, DeletePeelsOneThingAtATimeInItsOrder) {
    paint(5, 5, kRandomPlaceKind);
    paint(5, 5, kAltar);
    paint(5, 5, kTrapKind);
    paint(5, 5, kObjectKind);
    paint(5, 5, kObjectKind);
    paint(5, 5, kMazewalkKind);
    paint(5, 5, kMonsterKind);
    const Peeled order[] = {Peeled::Monster, Peeled::Marker,  Peeled::Object,      Peeled::Object,
                            Peeled::Trap,    Peeled::Feature, Peeled::RandomPlace, Peeled::Nothing};
    for (const Peeled expected : order) {
        EXPECT_EQ(peelCell(level, 5, 5), expected);
    }
    EXPECT_EQ(level.cell(5, 5).terrain, kFloor);
}

TEST_F(AreaCommandsTest, ARandomPlaceAloneDoesNotHoldTheSelection) {
    paint(5, 5, kRandomPlaceKind);
    EXPECT_FALSE(holdsItem(level, 5, 5));
    paint(5, 5, kFountain);
    EXPECT_TRUE(holdsItem(level, 5, 5));
}

TEST_F(AreaCommandsTest, DeletingAStairClearsItsSpotAndKeepsItsPlace) {
    struct Case {
        int kind;
        StairSpot LevelSettings::*spot;
    };
    const Case cases[] = {{kUpstairs, &LevelSettings::stairUp},
                          {kDownstairs, &LevelSettings::stairDown},
                          {kLadderUp, &LevelSettings::ladderUp},
                          {kLadderDown, &LevelSettings::ladderDown}};
    for (const Case& c : cases) {
        paint(7, 3, c.kind);
        ASSERT_EQ((level.settings.*c.spot).state, kStairAtPosition) << c.kind;
        EXPECT_EQ(peelCell(level, 7, 3), Peeled::Feature);
        EXPECT_EQ((level.settings.*c.spot).state, kNoStair) << c.kind;
        EXPECT_EQ((level.settings.*c.spot).x, 7) << c.kind;
        EXPECT_EQ(level.cell(7, 3).terrain, kFloor);
    }
}

TEST_F(AreaCommandsTest, DeletingARandomPlaceMovesTheLastIntoItsSlot) {
    paint(2, 2, kRandomPlaceKind);
    paint(3, 3, kRandomPlaceKind);
    paint(4, 4, kRandomPlaceKind);
    EXPECT_EQ(peelCell(level, 2, 2), Peeled::RandomPlace);
    EXPECT_EQ(randomPlaces(), (std::vector<CellPos>{{4, 4}, {3, 3}}));
}

// The list holds ten; a move outside its slots and an eleventh cell are
// dropped, and a move keeps the entry's slot.
TEST_F(AreaCommandsTest, TheRandomPlaceListStaysWithinItsTenSlots) {
    std::vector<CellPos> expected;
    for (int i = 0; i < kMaxListEntries + 1; ++i) {
        appendRandomPlace(level.settings, 2 + i, 3);
        if (i < kMaxListEntries) expected.push_back({2 + i, 3});
    }
    EXPECT_EQ(randomPlaces(), expected);
    for (const int index : {-1, kMaxListEntries}) moveRandomPlace(level.settings, index, 40, 9);
    EXPECT_EQ(randomPlaces(), expected);
    moveRandomPlace(level.settings, 4, 40, 9);
    expected[4] = {40, 9};
    EXPECT_EQ(randomPlaces(), expected);
    removeRandomPlace(level.settings, kMaxListEntries - 1);
    expected.pop_back();
    EXPECT_EQ(randomPlaces(), expected);
}

TEST_F(AreaCommandsTest, NewMapPartsStopAtTen) {
    for (int i = 0; i < kMaxMapParts; ++i) {
        const AreaRecord* area = addMapPart(level, kCenteredAlignment);
        ASSERT_NE(area, nullptr);
        EXPECT_EQ(area->param, i);
        EXPECT_EQ(mapPartArea(level, i), area);
    }
    EXPECT_EQ(addMapPart(level, kCenteredAlignment), nullptr);
    EXPECT_EQ(level.settings.partCount, kMaxMapParts);
}

// Only a map-part area whose part is in use stands for a part.
TEST_F(AreaCommandsTest, AnAreaStandsForAPartOnlyWhenItIsAMapPartInUse) {
    addMapPart(level, kCenteredAlignment);
    addMapPart(level, kCenteredAlignment);
    struct Case {
        int kind, param;
        const MapPart* part;
    };
    const Case cases[] = {
        {kMapPartArea, 0, &level.mapParts[0]},
        {kMapPartArea, 1, &level.mapParts[1]},
        {kMapPartArea, 2, nullptr},
        {kMapPartArea, -1, nullptr},
        {kStairArea, 0, nullptr},
        {0, 1, nullptr},
    };
    for (const Case& c : cases) {
        AreaRecord area;
        area.kind = c.kind;
        area.param = c.param;
        EXPECT_EQ(partOfArea(level, area), c.part) << c.kind << " " << c.param;
    }
}

// The part takes the area's size, and the area the part's placed rectangle;
// a size that does not fit leaves the part where it was.
TEST_F(AreaCommandsTest, SnappingAMapPartPlacesThePartAndMovesTheArea) {
    AreaRecord& area = *addMapPart(level, kTopLeft);
    MapPart& part = level.mapParts[0];
    area.x2 = area.x1 + 9;
    area.y2 = area.y1 + 3;
    snapMapPart(part, area, kBottomRight);
    EXPECT_EQ(part.x2 - part.x1 + 1, 10);
    EXPECT_EQ(part.y2 - part.y1 + 1, 4);
    EXPECT_EQ(part.alignment.horizontal, HorizontalAlignment::Right);
    EXPECT_EQ(part.alignment.vertical, VerticalAlignment::Bottom);
    const MapPart placed = part;
    EXPECT_EQ((std::array{area.x1, area.y1, area.x2, area.y2}),
              (std::array{placed.x1, placed.y1, placed.x2, placed.y2}));
    area.x1 = 0;
    area.x2 = kMapWidth + 5;
    snapMapPart(part, area, kTopLeft);
    EXPECT_EQ((std::array{part.x1, part.y1, part.x2, part.y2}),
              (std::array{placed.x1, placed.y1, placed.x2, placed.y2}));
    EXPECT_EQ((std::array{area.x1, area.y1, area.x2, area.y2}),
              (std::array{placed.x1, placed.y1, placed.x2, placed.y2}));
}

// A size that would leave the grid at the part's alignment is refused and
// the part keeps its place.
TEST_F(AreaCommandsTest, APartThatWouldLeaveTheGridKeepsItsPlace) {
    addMapPart(level, kTopLeft);
    const MapPart before = level.mapParts[0];
    EXPECT_FALSE(placeMapPart(level.mapParts[0], kTopLeft, kMapWidth - 1, 3));
    EXPECT_EQ(level.mapParts[0].x2, before.x2);
    EXPECT_TRUE(placeMapPart(level.mapParts[0], kTopLeft, 20, 3));
    EXPECT_EQ(level.mapParts[0].x2, level.mapParts[0].x1 + 19);
}

}  // namespace
}  // namespace mapedit
