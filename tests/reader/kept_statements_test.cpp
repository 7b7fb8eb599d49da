// What the reader keeps of the levels the game ships: statements continued
// on the next line, cave levels that are one part without a map, random
// placements on every ground the game allows, map characters without a
// terrain kind, messages, engravings and WALLIFY.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/terrain.h"
#include "read_fresh.h"
#include "reader/map_text.h"
#include "statement_levels.h"

namespace mapedit::statement_test {
namespace {

constexpr const char* kCaveHeader =
    "MAZE: \"cave\", ' '\nINIT_MAP: '.', ' ', true, true, lit, false\n";

TEST(ContinuedLines, ACommaEndingALineContinuesTheStatement) {
    struct Case {
        const char* statements;
        int places;  // RANDOM_PLACES entries read
    };
    const Case cases[] = {
        {"RANDOM_PLACES: (1,1),\n(2,2)", 2},
        {"RANDOM_PLACES: (1,1),   # the first\n   (2,2), (3,3)", 3},
        {"RANDOM_PLACES: (1,1),\n\n# a note\n  (2,2)", 2},
        {"RANDOM_PLACES: (1,\n1), (2,2)", 2},
        {"RANDOM_PLACES: (1,1)\n", 1},
    };
    for (const Case& c : cases) {
        Level level;
        const Status r = readStatements(level, kRoom, c.statements);
        ASSERT_TRUE(r) << c.statements << ": " << r.error();
        EXPECT_EQ(level.settings.randomPlaceCount, c.places) << c.statements;
        EXPECT_EQ(level.settings.randomPlaces[0].x, kPartX + 1) << c.statements;
    }
}

TEST(ContinuedLines, OptionsAndTailsContinueToo) {
    Level level;
    ASSERT_TRUE(readStatements(level, kRoom,
                               "MONSTER: 'a', random, (1,1),\n  hostile,\n  asleep\n"
                               "OBJECT: ')', \"long sword\", (2,1),\n  blessed, 2\n"
                               "FLAGS: noteleport,\n hardfloor"));
    const MonsterSpec& m = *level.cell(kPartX + 1, kPartY + 1).monster;
    EXPECT_EQ(m.attitude, kHostile);
    EXPECT_EQ(m.sleep, kAsleep);
    const ObjectSpec& o = level.cell(kPartX + 2, kPartY + 1).objects.front();
    EXPECT_EQ(o.buc, 1);
    EXPECT_EQ(o.spe, 2);
    EXPECT_EQ(level.settings.levelFlags & (kNoTeleport | kHardFloor), kNoTeleport | kHardFloor);
}

// A line starting with a keyword is a statement of its own, and reports
// name the line where the problem is found.
TEST(ContinuedLines, FailuresNameTheLineWhereTheyAreFound) {
    const FailureCase cases[] = {
        {"RANDOM_PLACES: (1,1),\n(2,x)", 2, "Invalid location"},
        {"RANDOM_PLACES: (1,1),\nMONSTER: 'a', random, (1,1)", 1, "Invalid location"},
        {"RANDOM_PLACES: (1,1),\n\n\n(2,2),\n  (3", 5, "Invalid location"},
        {"MONSTER: 'a', random, (1,1),\nhostile, sleepy", 2, "Invalid monster options"},
    };
    for (const FailureCase& c : cases) expectFailure(c);
}

// A trailing comma before the next statement reads as it always did.
TEST(ContinuedLines, ACommaBeforeTheNextStatementIsLeftAlone) {
    Level level;
    ASSERT_TRUE(
        readStatements(level, kRoom, "OBJECT: '(', \"chest\", (1,1),\nTRAP: \"pit\", (2,2)"));
    EXPECT_EQ(level.cell(kPartX + 1, kPartY + 1).objects.size(), 1u);
    EXPECT_TRUE(level.cell(kPartX + 2, kPartY + 2).trap);
}

TEST(WholeLevelPart, NomapOnACaveLevelIsTheWholeLevel) {
    struct Case {
        const char* name;
        std::string text;
        int form;
        bool whole;
    };
    const Case cases[] = {
        {"alone", std::string(kCaveHeader) + "NOMAP\n", kNoMapWithoutGeometry, true},
        {"after GEOMETRY", std::string(kCaveHeader) + "GEOMETRY: center, center\nNOMAP\n", kNoMap,
         true},
        {"no cave", "MAZE: \"m\", ' '\nGEOMETRY: right, top\nNOMAP\n", kNoMap, false},
    };
    for (const Case& c : cases) {
        Level level;
        const Status r = test::readFresh(level, c.text + "MONSTER: 'a', random, (0,0)\n");
        ASSERT_TRUE(r) << c.name << ": " << r.error();
        EXPECT_EQ(level.settings.partCount, 1) << c.name;
        const MapPart& p = level.mapParts[0];
        EXPECT_EQ(p.form, c.form) << c.name;
        EXPECT_FALSE(p.hasMapText()) << c.name;
        const MapPart expected =
            c.whole ? MapPart{p.alignment, 79, 21, 1, 0, 79, 20} : MapPart{p.alignment};
        EXPECT_EQ(p.x1, expected.x1) << c.name;
        EXPECT_EQ(p.y1, expected.y1) << c.name;
        EXPECT_EQ(p.x2, expected.x2) << c.name;
        EXPECT_EQ(p.y2, expected.y2) << c.name;
        EXPECT_EQ(p.width, expected.width) << c.name;
        // Positions are relative to the part's corner.
        EXPECT_TRUE(level.cell(expected.x1, expected.y1).monster) << c.name;
        EXPECT_TRUE(level.areas().empty()) << c.name;
    }
}

TEST(WholeLevelPart, RandomPlacementsChooseAmongTheWholeLevel) {
    Level level;
    std::string text = std::string(kCaveHeader) + "NOMAP\n";
    for (int i = 0; i < 20; ++i)
        text += "OBJECT: '*', random, random\nMONSTER: 'G', random, random\n";
    text += "STAIR: random, up\nTRAP: random, random\n";
    const Status r = test::readFresh(level, text);
    ASSERT_TRUE(r) << r.error();
    EXPECT_EQ(countCells(level, [](const MapCell& c) { return !c.objects.empty(); }), 20);
    EXPECT_EQ(countCells(level, [](const MapCell& c) { return c.monster.has_value(); }), 20);
    EXPECT_EQ(level.settings.stairUp.state, kStairPlacedRandom);
    EXPECT_EQ(level.settings.stairUp.underTerrain, kFloor);
}

TEST(WholeLevelPart, WithoutACaveNomapNeedsItsGeometry) {
    Level level;
    const Status r = test::readFresh(level, "MAZE: \"m\", ' '\nNOMAP\n");
    EXPECT_EQ(r.error_or(""), "Command 'NOMAP' is not allowed here");
}

// Each level has one map of the terrain and one random placement; the
// placement lands on the one cell that qualifies, or fails.
TEST(RandomGround, PlacementsLandWhereTheGameLetsThem) {
    struct Case {
        const char* map;  // a row of walls with one cell in the middle
        const char* statement;
        const char* failure;  // empty: lands on the cell
    };
    const Case cases[] = {
        {"--.--", "OBJECT: '*', random, random", ""},
        {"--#--", "OBJECT: '*', random, random", ""},
        {"--I--", "MONSTER: 'a', random, random", ""},
        {"--A--", "MONSTER: 'E', random, random", ""},
        {"--C--", "TRAP: random, random", ""},
        {"--}--", "MONSTER: ';', random, random", ""},
        {"--P--", "MONSTER: ';', random, random", ""},
        {"--L--", "MONSTER: ';', random, random", ""},
        {"--W--", "MONSTER: ';', random, random", ""},
        {"--W--", "MONSTER: 'a', random, random", "Cannot place monster"},
        {"--P--", "OBJECT: '*', random, random", "Cannot place object"},
        {"--T--", "TRAP: random, random", "Cannot place trap"},
        {"--.--", "MONSTER: ';', random, random", "Cannot place monster"},
        {"--\\--", "OBJECT: '*', random, random", "Cannot place object"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.map) + " " + c.statement);
        Level level;
        const Status r = readStatements(level, {c.map}, c.statement);
        if (*c.failure != 0) {
            EXPECT_EQ(r.error_or(""), reportAt({c.map}, 1, c.failure));
            continue;
        }
        ASSERT_TRUE(r) << r.error();
        const MapCell& cell = level.cell(kPartX + 2, kPartY);
        EXPECT_TRUE(cell.monster || cell.trap || !cell.objects.empty());
    }
}

TEST(RandomGround, RandomRecordsBelongToThePartTheyWereReadInto) {
    Level level;
    const std::string text = levelText(kRoom,
                                       "MONSTER: 'a', random, random\n"
                                       "MONSTER: 'b', random, (1,1)\n"
                                       "GEOMETRY: right, bottom\nMAP\n...\nENDMAP\n"
                                       "OBJECT: '*', random, random\n"
                                       "TRAP: random, random\n"
                                       "MONSTER: 'c', random, random\n");
    ASSERT_TRUE(test::readFresh(level, text));
    // Symbol (or the record's kind), part and order, as read.
    struct Seen {
        int symbol, part, order;
    };
    std::vector<Seen> seen;
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const MapCell& c = level.cell(x, y);
            if (c.monster)
                seen.push_back({c.monster->symbol, c.monster->readPart, c.monster->readOrder});
            for (const auto& o : c.objects) seen.push_back({'*', o.readPart, o.readOrder});
            if (c.trap) seen.push_back({'^', c.trap->readPart, c.trap->readOrder});
        }
    }
    std::sort(seen.begin(), seen.end(),
              [](const Seen& a, const Seen& b) { return a.order < b.order; });
    // Every record belongs to the part it was read into, numbered in the
    // order of its statement.
    const std::vector<std::pair<int, int>> expected = {
        {'a', 0}, {'b', 0}, {'*', 1}, {'^', 1}, {'c', 1}};
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].symbol, expected[i].first) << i;
        EXPECT_EQ(seen[i].part, expected[i].second) << char(seen[i].symbol);
        if (i > 0) {
            EXPECT_LT(seen[i - 1].order, seen[i].order);
        }
    }
}

TEST(MapSymbols, FeaturesBecomeTerrainAndOtherCharactersAreKept) {
    Level level;
    ASSERT_TRUE(readStatements(level,
                               {"{KW~.",
                                "\xB0"
                                "7"},
                               ""));
    struct Expect {
        int k, j, terrain;
        std::uint8_t kept;
    };
    const Expect cells[] = {
        {0, 0, kFountain, 0}, {1, 0, kKitchenSink, 0}, {2, 0, kNone, 'W'}, {3, 0, kNone, '~'},
        {4, 0, kFloor, 0},    {0, 1, kNone, 0xB0},     {1, 1, kNone, '7'}, {2, 1, kStone, 0},
    };
    for (const Expect& e : cells) {
        const MapCell& c = level.cell(kPartX + e.k, kPartY + e.j);
        EXPECT_EQ(c.terrain, e.terrain) << e.k << "," << e.j;
        EXPECT_EQ(c.keptSymbol, e.kept) << e.k << "," << e.j;
        if (e.kept != 0) {
            EXPECT_EQ(c.glyph, e.kept) << "shown as itself";
        }
    }
    // Painting over a kept character drops it.
    level.setTerrain(kPartX + 2, kPartY, kFloor);
    EXPECT_EQ(level.cell(kPartX + 2, kPartY).keptSymbol, 0);
}

TEST(Messages, EveryMessageIsKeptInOrder) {
    Level level;
    const std::string text =
        "MAZE: \"m\", ' '\nMESSAGE: \"first\"\nMESSAGE: random\nGEOMETRY: left, top\nMAP\n.\n"
        "ENDMAP\nMESSAGE: \"after the map # not a comment\"\n";
    ASSERT_TRUE(test::readFresh(level, text));
    ASSERT_EQ(level.messages.size(), 3u);
    EXPECT_EQ(level.messages[0].view(), "first");
    EXPECT_TRUE(level.messages[1].empty());
    EXPECT_EQ(level.messages[2].view(), "after the map # not a comment");
}

TEST(Engravings, EveryFormIsKeptWithItsCell) {
    Level level;
    ASSERT_TRUE(readStatements(level, kRoom,
                               "RANDOM_PLACES: (4,4)\n"
                               "OBJECT: '(', \"box\", (2,2)\n"
                               "ENGRAVING: (1,1), burn, \"Here\"\n"
                               "ENGRAVING: random, dust, random\n"
                               "ENGRAVING: place[0], engrave, \"There\"\n"
                               "ENGRAVING: contained, mark, \"Inside\"\n"
                               "ENGRAVING: (-5,30), dust, \"Far\""));
    struct Expect {
        int x, y, placement, part, type;
        const char* text;
    };
    const Expect expected[] = {
        {kPartX + 1, kPartY + 1, kAtPosition, 0, 2, "Here"},
        {0, 0, kPlacedRandom, 0, 0, ""},
        {kPartX + 4, kPartY + 4, kAtRandomPlace, 0, 1, "There"},
        {kPartX + 2, kPartY + 2, kContained, 0, 3, "Inside"},
        {kPartX - 5, kPartY + 30, kAtPosition, 0, 0, "Far"},
    };
    ASSERT_EQ(level.engravings.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Engraving& e = level.engravings[i];
        const Expect& x = expected[i];
        EXPECT_EQ(e.x, x.x) << i;
        EXPECT_EQ(e.y, x.y) << i;
        EXPECT_EQ(e.placement, x.placement) << i;
        EXPECT_EQ(e.readPart, x.part) << i;
        EXPECT_EQ(e.type, x.type) << i;
        EXPECT_EQ(e.text.view(), x.text) << i;
    }
}

MapText mapTextOf(const std::vector<std::string>& rows) {
    MapText text;
    text.height = static_cast<int>(rows.size());
    for (int j = 0; j < text.height; ++j) {
        const std::string& row = rows[static_cast<std::size_t>(j)];
        text.width = std::max(text.width, static_cast<int>(row.size()));
        for (std::size_t k = 0; k < row.size(); ++k) {
            text.at(static_cast<int>(k), j) = static_cast<unsigned char>(row[k]);
        }
    }
    return text;
}

std::vector<std::string> rowsOf(const MapText& text) {
    std::vector<std::string> rows;
    for (int j = 0; j < text.height; ++j) {
        std::string row;
        for (int k = 0; k < text.width; ++k) row.push_back(static_cast<char>(text.at(k, j)));
        rows.push_back(row);
    }
    return rows;
}

TEST(Wallify, BlanksBesideOpenGroundBecomeWalls) {
    struct Case {
        std::vector<std::string> before, after;
    };
    const Case cases[] = {
        // The first open neighbour decides: another row gives '-', the same '|'.
        {{"   ", " . ", "   "}, {"---", "|.|", "---"}},
        {{" . "}, {"|.|"}},
        // Every open ground counts, and nothing else does.
        {{" { ", "   ", " \\ "}, {"|{|", "---", "|\\|"}},
        {{" K  I", " A  C"}, {"|K||I", "-A--C"}},
        {{" # ", " P ", " } "}, {" # ", " P ", " } "}},
        // Neighbours outside the text do not count; short rows hold blanks.
        {{"..", ".", "   "}, {"..|", ".--", "-- "}},
        // Blanks far from open ground stay.
        {{".    "}, {".|   "}},
    };
    for (const Case& c : cases) {
        MapText text = mapTextOf(c.before);
        wallify(text);
        EXPECT_EQ(rowsOf(text), c.after) << c.before[0];
    }
}

TEST(Wallify, WallsTheCurrentPartsMapOnly) {
    Level level;
    const std::string text = levelText({". .", " . "},
                                       "GEOMETRY: right, bottom\nMAP\n. .\nENDMAP\n"
                                       "DOOR: open, (1,0)\nWALLIFY\n");
    ASSERT_TRUE(test::readFresh(level, text));
    // The first part keeps its blanks.
    EXPECT_EQ(level.cell(kPartX + 1, kPartY).terrain, kStone);
    EXPECT_EQ(level.mapParts[0].wallified, 0);
    // In the second the door, put there since the map, stays.
    const MapPart& second = level.mapParts[1];
    EXPECT_EQ(second.wallified, 1);
    EXPECT_EQ(level.cell(second.x1 + 1, second.y1).terrain, kDoorway);
    EXPECT_TRUE(level.settings.levelFlags2 & kWallify);

    Level walled;
    ASSERT_TRUE(test::readFresh(walled, levelText({". .", " . "}, "WALLIFY\n")));
    EXPECT_EQ(walled.cell(kPartX + 1, kPartY).terrain, kVerticalWall);
    EXPECT_EQ(walled.cell(kPartX, kPartY + 1).terrain, kHorizontalWall);
    EXPECT_EQ(walled.cell(kPartX + 2, kPartY + 1).terrain, kHorizontalWall);
}

}  // namespace
}  // namespace mapedit::statement_test
