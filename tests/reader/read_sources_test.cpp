// What the reader keeps so that Save says the same to the game: the map
// character of each cell, the statements that put features on cells with
// how they were placed, where each area was read and in which form, the
// lists' parts, random INIT_MAP lighting, and NOMAP after a map.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/terrain.h"
#include "read_fresh.h"
#include "statement_levels.h"

namespace mapedit::statement_test {
namespace {

TEST(ReadSources, CellsRememberTheirMapCharacterAndDoorwaysHaveNoDoor) {
    Level level;
    ASSERT_TRUE(readStatements(level, {"{K +S", " .W|-"}, ""));
    const std::string first = "{K +S", second = " .W|-";
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(level.cell(kPartX + k, kPartY).readSymbol, first[k]) << k;
        EXPECT_EQ(level.cell(kPartX + k, kPartY + 1).readSymbol, second[k]) << k;
    }
    EXPECT_EQ(level.cell(kPartX + 3, kPartY).detail, 3);  // '+': nodoor
    EXPECT_EQ(level.cell(kPartX + 4, kPartY).detail, 1);  // 'S': closed
    // A statement's feature keeps the character under it; painting does not.
    ASSERT_TRUE(readStatements(level, kRoom, "ALTAR: (2,2), law, altar"));
    EXPECT_EQ(level.cell(kPartX + 2, kPartY + 2).terrain, kAltar);
    EXPECT_EQ(level.cell(kPartX + 2, kPartY + 2).readSymbol, '.');
    level.setTerrain(kPartX + 2, kPartY + 2, kFloor);
    EXPECT_EQ(level.cell(kPartX + 2, kPartY + 2).readSymbol, 0);
}

TEST(ReadSources, CellStatementsAreKeptInReadingOrderWithTheirPlacement) {
    Level level;
    ASSERT_TRUE(readStatements(level, kRoom,
                               "RANDOM_PLACES: (1,1), (8,5)\n"
                               "DOOR: closed, (5,3)\n"
                               "DOOR: locked, (0,2)\n"
                               "ALTAR: place[1], noalign, altar\n"
                               "FOUNTAIN: random\n"
                               "STAIR: (2,1), up\n"
                               "STAIR: (3,1), up\n"
                               "DRAWBRIDGE: (9,1), east, open"));
    struct Expect {
        int kind, x, y, placement, place;
    };
    const Expect expected[] = {
        {kDoorway, kPartX + 5, kPartY + 3, kAtPosition, 0},
        {kDoorway, kPartX + 0, kPartY + 2, kAtPosition, 0},
        {kAltar, kPartX + 8, kPartY + 5, kAtRandomPlace, 1},
        {kFountain, -1, -1, kPlacedRandom, 0},
        {kUpstairs, kPartX + 2, kPartY + 1, kAtPosition, 0},
        {kUpstairs, kPartX + 3, kPartY + 1, kAtPosition, 0},
        {kDrawbridgeKind, kPartX + 9, kPartY + 1, kAtPosition, 0},
    };
    ASSERT_EQ(level.cellStatements.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const CellStatement& c = level.cellStatements[i];
        const Expect& e = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(c.kind, e.kind);
        if (e.x >= 0) {
            EXPECT_EQ(c.x, e.x);
            EXPECT_EQ(c.y, e.y);
        } else {
            EXPECT_EQ(level.cell(c.x, c.y).terrain, e.kind);  // wherever it landed
        }
        EXPECT_EQ(c.placement, e.placement);
        EXPECT_EQ(c.place, e.place);
        EXPECT_EQ(c.readPart, 0);
        if (i > 0) {
            EXPECT_LT(level.cellStatements[i - 1].readOrder, c.readOrder);
        }
    }
    // Both stairs stay on the map; the level's up stair is the later one.
    EXPECT_EQ(level.cell(kPartX + 2, kPartY + 1).terrain, kUpstairs);
    EXPECT_EQ(level.settings.stairUp.x, kPartX + 3);
}

TEST(ReadSources, ALaterMapTakesTheStatementsOfTheCellsItCovers) {
    Level level;
    ASSERT_TRUE(test::readFresh(level,
                                "MAZE: \"t\", ' '\nGEOMETRY: left, top\nMAP\n|....\n|....\nENDMAP\n"
                                "DOOR: open, (0,0)\nDOOR: open, (0,1)\n"
                                "GEOMETRY: left, top\nMAP\n.\nENDMAP\n"));
    ASSERT_EQ(level.cellStatements.size(), 1u);
    EXPECT_EQ(level.cellStatements[0].y, kPartY + 1);
    EXPECT_EQ(level.mapParts[0].readCharAt(kPartX, kPartY), '|');
    EXPECT_EQ(level.mapParts[1].readCharAt(kPartX, kPartY), '.');
}

TEST(ReadSources, AreasKnowTheirStatementPartAndForm) {
    Level level;
    ASSERT_TRUE(readStatements(level, kRoom,
                               "TELEPORT_REGION: levregion(1,0,20,20), (0,0,5,3), up\n"
                               "REGION: (1,1,3,3), lit, \"ordinary\"\n"
                               "STAIR: (1,1,2,2), levregion(60,1,70,5), down"));
    struct Expect {
        int kind, levelForm;
    };
    std::vector<Expect> seen;
    int teleportOrder = 0;
    for (const auto& a : level.areas()) {
        if (a->kind == kMapPartArea) continue;
        seen.push_back({a->kind, a->levelRegion});
        EXPECT_EQ(a->readPart, 0);
        if (a->kind == kTeleportArea) teleportOrder = a->readOrder;
    }
    // The list holds the newest first.
    const std::vector<std::pair<int, int>> expected = {
        {kStairExclusion, 1}, {kStairArea, 0}, {0, 0}, {kTeleportExclusion, 0}, {kTeleportArea, 1}};
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].kind, expected[i].first) << i;
        EXPECT_EQ(seen[i].levelForm, expected[i].second) << i;
    }
    const AreaRecord* exclusion = level.findAreaOfKind(nullptr, kTeleportExclusion);
    ASSERT_NE(exclusion, nullptr);
    EXPECT_EQ(exclusion->readOrder, teleportOrder);  // one statement, one pair
}

TEST(ReadSources, RandomLightingListsAndNomapAfterAMap) {
    Level level;
    ASSERT_TRUE(test::readFresh(level,
                                "MAZE: \"c\", ' '\nINIT_MAP: '.', ' ', true, true, random, true\n"
                                "GEOMETRY: center, center\nMAP\n...\nENDMAP\n"
                                "RANDOM_MONSTERS: 'a'\nNOMAP\nRANDOM_PLACES: (1,1)\n"
                                "MONSTER: 'a', random, (2,3)\n"));
    EXPECT_NE(level.settings.levelFlags2 & kRandomLighting, 0);
    EXPECT_NE(level.settings.levelFlags & kLit, 0);
    EXPECT_EQ(level.settings.partCount, 2);
    EXPECT_EQ(level.settings.randomMonstersPart, 0);
    EXPECT_EQ(level.settings.randomPlacesPart, 1);
    // NOMAP on a cave is the whole level: (2,3) counts from its corner.
    EXPECT_TRUE(level.cell(3, 3).monster);
    ASSERT_TRUE(test::readFresh(level,
                                "MAZE: \"c\", ' '\n"
                                "INIT_MAP: '.', ' ', true, true, lit, true\nNOMAP\n"));
    EXPECT_EQ(level.settings.levelFlags2 & kRandomLighting, 0);
}

TEST(ReadSources, RandomPlacementsOnAPartOfWaterAndAirTakeAnyCell) {
    struct Case {
        MapRows rows;
        bool reads;
    };
    const Case cases[] = {
        {{"WWWW", "WWWW"}, true},
        {{"AACC", "}}WW"}, true},   // air is ground already
        {{"WWWW", "WTWW"}, false},  // a tree: not a plane of water
    };
    for (const Case& c : cases) {
        Level level;
        EXPECT_EQ(readStatements(level, c.rows,
                                 "MONSTER: 'e', \"floating eye\", random\n"
                                 "OBJECT: '*', random, random")
                      .has_value(),
                  c.reads)
            << c.rows[1];
    }
}

}  // namespace
}  // namespace mapedit::statement_test
