// DOOR, STAIR, LADDER, ALTAR, FOUNTAIN, SINK, DRAWBRIDGE, MAZEWALK and
// ENGRAVING read through the whole reader.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/grid.h"
#include "statement_levels.h"

namespace mapedit {
namespace {

using namespace statement_test;

const std::vector<FailureCase> kFailures = {
    {"DOOR locked, (0,1)", 1, "Missing ':'"},
    {"DOOR: ajar, (0,1)", 1, "Illegal door state"},
    {"DOOR: locked (0,1)", 1, "Location missing"},
    {"DOOR: locked, (0,1) x", 1, "Too many arguments"},
    {"DOOR: locked, random", 1, "Invalid location"},
    {"RANDOM_PLACES: (0,1)\nDOOR: locked, place[0]", 2, "Invalid location"},
    {"DOOR: locked, contained", 1, "Invalid location"},
    {"DOOR: locked, (77,1)", 1, "Invalid location"},
    {"STAIR (1,1), up", 1, "Missing ':'"},
    {"STAIR: (1,1) up", 1, "Invalid location"},
    {"STAIR: nowhere, up", 1, "Invalid location"},
    {"STAIR: contained, up", 1, "Invalid location"},
    {"STAIR: (1,1), sideways", 1, "Invalid up/down value"},
    {"STAIR: (1,1), up x", 1, "Too many arguments"},
    {"STAIR: levregion(1,2,3), (0,0,0,0), up", 1, "Invalid region"},
    {"STAIR: (1,1,3,3), (0,0,0), up", 1, "Invalid region"},
    {"STAIR: (1,1,3,3), up", 1, "Invalid region"},
    {"STAIR: (1,40), up", 1, "Invalid location"},
    // Stair areas, like every other area, stay on the grid.
    {"STAIR: (60,1,90,3), (0,0,0,0), up", 1, "Invalid region"},
    {"STAIR: (-4,0,1,1), (0,0,0,0), up", 1, "Invalid region"},
    {"STAIR: levregion(0,0,80,20), (0,0,0,0), down", 1, "Invalid region"},
    {"STAIR: levregion(1,-1,10,5), (0,0,0,0), down", 1, "Invalid region"},
    {"STAIR: (1,1,3,3) (0,0,0,0), up", 1, "Invalid location"},
    {"LADDER (1,1), up", 1, "Missing ':'"},
    {"LADDER: (1,1) up", 1, "Invalid ladder direction"},
    {"LADDER: (1,1), left", 1, "Invalid up/down value"},
    {"LADDER: contained, up", 1, "Invalid location"},
    {"LADDER: (-9,1), up", 1, "Invalid location"},
    {"ALTAR: (1,1) law, altar", 1, "Invalid alignment"},
    {"ALTAR: (1,1), evil, altar", 1, "Invalid alignment"},
    {"ALTAR: (1,1), align[3], altar", 1, "Invalid alignment"},
    {"ALTAR: (1,1), law, temple", 1, "Invalid altar type"},
    {"ALTAR: (1,1), law altar", 1, "Invalid altar type"},
    {"ALTAR: (1,1), law, altar x", 1, "Too many arguments"},
    {"ALTAR: contained, law, altar", 1, "Invalid location"},
    {"\n# two lines down\nFOUNTAIN: contained", 3, "Invalid location"},
    {"FOUNTAIN: (1,1) x", 1, "Too many arguments"},
    {"FOUNTAIN: (100,100)", 1, "Invalid location"},
    {"FOUNTAIN: (-4,1)", 1, "Invalid location"},  // x is the code of "random"
    {"SINK (1,1)", 1, "Missing ':'"},
    {"SINK: (1,1), x", 1, "Too many arguments"},
    {"SINK: contained", 1, "Invalid location"},
    {"SINK: (1,-5)", 1, "Invalid location"},
    {"DRAWBRIDGE: (1,1) west, closed", 1, "Direction missing"},
    {"DRAWBRIDGE: (1,1), up, closed", 1, "Invalid direction"},
    {"DRAWBRIDGE: (1,1), west", 1, "Bridge state missing"},
    {"DRAWBRIDGE: (1,1), west, ajar", 1, "Bridge state missing"},
    {"DRAWBRIDGE: contained, west, open", 1, "Invalid location"},
    {"MAZEWALK: random, east", 1, "Illegal direction"},
    {"RANDOM_PLACES: (1,1)\nMAZEWALK: place[0], east", 2, "Illegal direction"},
    {"MAZEWALK: (-5,1), east", 1, "Illegal direction"},
    {"MAZEWALK: (1,1) east", 1, "Direction missing"},
    {"MAZEWALK: (1,1), up", 1, "Invalid direction"},
    {"MAZEWALK: (90,1), east", 1, "Invalid location"},
    {"ENGRAVING: (1,1) burn, \"x\"", 1, "Engrave type missing"},
    {"ENGRAVING: (1,1), scratch, \"x\"", 1, "Invalid engrave type"},
    {"ENGRAVING: (1,1), burn \"x\"", 1, "Invalid engrave type"},
    {"ENGRAVING: (1,1), burn, Elbereth", 1, "Syntax error"},
    {"ENGRAVING: (1,1), burn, \"Elbereth\" x", 1, "Too many arguments"},
};

TEST(FeatureStatements, ReportTheFailingLineAndMessage) {
    for (const FailureCase& c : kFailures) expectFailure(c);
}

struct CellCase {
    const char* statements;
    int x, y;
    int terrain, detail, overlay;
};

TEST(FeatureStatements, SetTerrainDetailAndMarkersOfTheirCell) {
    const std::vector<CellCase> cases = {
        {"DOOR: locked, (0,1)", 3, 4, kDoorway, 2, 0},
        {"DOOR: locked, (5,3)", 8, 6, kSecretDoor, 2, 0},
        {"DOOR: random, (1,1)", 4, 4, kDoorway, 5, 0},
        {"ALTAR: (1,1), CHAOS, shrine", 4, 4, kAltar, 19, 0},
        {"ALTAR: (1,1), align[2], sanctum", 4, 4, kAltar, 9 + 32, 0},
        {"ALTAR: (1,1), noncoaligned, altar", 4, 4, kAltar, 6, 0},
        {"FOUNTAIN: (1,1)", 4, 4, kFountain, 0, 0},
        {"SINK: (1,1)", 4, 4, kKitchenSink, 0, 0},
        {"RANDOM_PLACES: (2,2)\nSINK: place[0]", 5, 5, kKitchenSink, 0, 0},
        {"DRAWBRIDGE: (1,1), west, closed", 4, 4, kFloor, 0, 23},
        {"DRAWBRIDGE: (1,1), east, open", 4, 4, kFloor, 0, 17},
        {"MAZEWALK: (1,1), east", 4, 4, kFloor, 0, 33},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(c.statements);
        Level level;
        const Status r = readStatements(level, kRoom, c.statements);
        ASSERT_TRUE(r) << r.error();
        const MapCell& cell = level.cell(c.x, c.y);
        EXPECT_EQ(cell.terrain, c.terrain);
        EXPECT_EQ(cell.glyph, terrainKind(c.terrain).glyph);
        EXPECT_EQ(cell.detail, c.detail);
        EXPECT_EQ(cell.overlay, c.overlay);
    }
}

TEST(FeatureStatements, StairAndLadderCellFormsSetTheirSpots) {
    Level level;
    const Status r = readStatements(level, kRoom,
                                    "RANDOM_PLACES: (2,3)\n"
                                    "STAIR: (1,1), up\n"
                                    "STAIR: (2,2), up\n"
                                    "STAIR: random, down\n"
                                    "LADDER: place[0], up\n"
                                    "LADDER: (8,1), down");
    ASSERT_TRUE(r) << r.error();
    const LevelSettings& s = level.settings;

    // A second stair up moves the spot and leaves the first stair cell.
    EXPECT_EQ(s.stairUp.state, kStairAtPosition);
    EXPECT_EQ(s.stairUp.x, 5);
    EXPECT_EQ(s.stairUp.y, 5);
    EXPECT_EQ(level.cell(4, 4).terrain, kUpstairs);
    EXPECT_EQ(level.cell(5, 5).terrain, kUpstairs);

    EXPECT_EQ(s.stairDown.state, kStairPlacedRandom);
    EXPECT_TRUE(level.mapParts[0].contains(s.stairDown.x, s.stairDown.y));
    EXPECT_EQ(level.cell(s.stairDown.x, s.stairDown.y).terrain, kDownstairs);

    EXPECT_EQ(s.ladderUp.state, kStairAtRandomPlace);
    EXPECT_EQ(s.ladderUp.x, 5);
    EXPECT_EQ(s.ladderUp.y, 6);
    EXPECT_EQ(level.cell(5, 6).terrain, kLadderUp);
    EXPECT_EQ(s.ladderDown.state, kStairAtPosition);
    EXPECT_EQ(level.cell(11, 4).terrain, kLadderDown);
}

struct AreaCase {
    const char* statement;
    AreaRecord stair;
    bool hasExclusion;
    AreaRecord exclusion;
};

AreaRecord rect(int x1, int y1, int x2, int y2, int param) {
    AreaRecord a;
    a.x1 = x1;
    a.y1 = y1;
    a.x2 = x2;
    a.y2 = y2;
    a.param = param;
    return a;
}

TEST(FeatureStatements, StairAreaFormsMakeAStairAreaAndAnExclusion) {
    const std::vector<AreaCase> cases = {
        {"STAIR: (1,1,3,3), (0,0,0,0), up", rect(4, 4, 6, 6, 0), false, {}},
        {"STAIR: levregion(10,1,20,5), (1,1,2,2), down", rect(10, 1, 20, 5, 1), true,
         rect(4, 4, 5, 5, 1)},
        {"STAIR: levregion(0,0,79,20), levregion(0,0,0,0), up", rect(0, 0, 79, 20, 0), false, {}},
    };
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.statement);
        Level level;
        const Status r = readStatements(level, kRoom, c.statement);
        ASSERT_TRUE(r) << r.error();
        const AreaRecord* stair = level.findAreaOfKind(nullptr, kStairArea);
        ASSERT_NE(stair, nullptr);
        EXPECT_EQ(level.findAreaOfKind(stair, kStairArea), nullptr);
        EXPECT_EQ(stair->x1, c.stair.x1);
        EXPECT_EQ(stair->y1, c.stair.y1);
        EXPECT_EQ(stair->x2, c.stair.x2);
        EXPECT_EQ(stair->y2, c.stair.y2);
        EXPECT_EQ(stair->param, c.stair.param);
        EXPECT_EQ(stair->color, 14);
        EXPECT_EQ(stair->label.view(), c.stair.param == 0 ? "<" : ">");

        const AreaRecord* exclusion = level.findAreaOfKind(nullptr, kStairExclusion);
        ASSERT_EQ(exclusion != nullptr, c.hasExclusion);
        if (exclusion == nullptr) continue;
        EXPECT_EQ(exclusion->x1, c.exclusion.x1);
        EXPECT_EQ(exclusion->y1, c.exclusion.y1);
        EXPECT_EQ(exclusion->x2, c.exclusion.x2);
        EXPECT_EQ(exclusion->y2, c.exclusion.y2);
        EXPECT_EQ(exclusion->param, c.exclusion.param);
        EXPECT_EQ(exclusion->color, 14);
        EXPECT_TRUE(exclusion->label.empty());
    }
}

bool sameCells(const Level& a, const Level& b) {
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const MapCell& p = a.cell(x, y);
            const MapCell& q = b.cell(x, y);
            if (p.terrain != q.terrain || p.detail != q.detail || p.overlay != q.overlay) {
                return false;
            }
        }
    }
    return true;
}

// Statements that read, succeed and leave every cell as the map made it.
TEST(FeatureStatements, EngravingsAndRandomFeaturesWithoutACellChangeNothing) {
    struct Case {
        const MapRows* rows;
        const char* statements;
    };
    const std::vector<Case> cases = {
        {&kRoom, "ENGRAVING: (1,1), burn, \"Elbereth\""},
        {&kRoom, "ENGRAVING: random, dust, random"},
        {&kRoom, "ENGRAVING: contained, mark, \"x\"\nENGRAVING: place[7], engrave, \"y\""},
        {&kRoom, "ENGRAVING: (200,200), dust, \"far away\""},
        {&kSolid, "STAIR: random, down\nLADDER: random, up\nALTAR: random, law, altar"},
        {&kSolid, "FOUNTAIN: random\nSINK: random\nDRAWBRIDGE: random, north, open"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statements);
        Level plain;
        ASSERT_TRUE(readStatements(plain, *c.rows, ""));
        Level level;
        const Status r = readStatements(level, *c.rows, c.statements);
        ASSERT_TRUE(r) << r.error();
        EXPECT_TRUE(sameCells(plain, level));
        EXPECT_EQ(level.settings.stairDown.state, kNoStair);
        EXPECT_EQ(level.settings.ladderUp.state, kNoStair);
    }
}

TEST(FeatureStatements, RandomSinkAndMazewalksCount) {
    Level level;
    const Status r = readStatements(level, kRoom,
                                    "SINK: random\n"
                                    "MAZEWALK: (1,1), east\n"
                                    "MAZEWALK: (3,2), south");
    ASSERT_TRUE(r) << r.error();
    const Cell sink = findCell(level, [](const MapCell& c) { return c.terrain == kKitchenSink; });
    ASSERT_GE(sink.x, 0);
    EXPECT_TRUE(level.mapParts[0].contains(sink.x, sink.y));
    EXPECT_EQ(countCells(level, [](const MapCell& c) { return c.terrain == kKitchenSink; }), 1);
    EXPECT_EQ(mazewalkMarkerCount(level), 2);
    EXPECT_EQ(level.cell(6, 5).overlay, mazewalkOverlay(2));
}

}  // namespace
}  // namespace mapedit
