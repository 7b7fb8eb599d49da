#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/map_placement.h"
#include "reader_fixture.h"

namespace mapedit::reader_test {
namespace {

struct FailCase {
    std::string text;
    std::string report;
};

void expectReports(const std::vector<FailCase>& cases) {
    for (const FailCase& c : cases) {
        Level level;
        const Status r = readFresh(level, c.text);
        EXPECT_FALSE(r) << c.text;
        EXPECT_EQ(r.error_or(""), c.report) << c.text;
    }
}

// A header statement on line 2, before a valid map part.
std::string header(const std::string& statement) {
    return kMazeLine + statement + "\n" + kClosetPart;
}
// A statement on line 8, after the closet part.
std::string body(const std::string& statement) {
    return kCloset + statement + "\n";
}

std::string mapOf(const std::vector<std::string>& rows, const std::string& geometry = "left, top") {
    std::string text = kMazeLine + "GEOMETRY: " + geometry + "\nMAP\n";
    for (const std::string& row : rows) text += row + "\n";
    return text + "ENDMAP\n";
}

const AreaRecord* onlyAreaOfKind(const Level& level, int kind) {
    const AreaRecord* found = nullptr;
    for (const auto& a : level.areas()) {
        if (a->kind != kind) continue;
        EXPECT_EQ(found, nullptr) << "two areas of kind " << kind;
        found = a.get();
    }
    return found;
}

// --- Messages -------------------------------------------------------------------

TEST(LevelStatements, HeaderStatementMessages) {
    const std::string initTail = ", true, true, lit, false";
    expectReports({
        {"MAZE \"x\", ' '\n", "1: Missing ':'"},
        {"MAZE: \"123456789\", ' '\n", "1: Missing '\"'"},
        {"MAZE: \"\", ' '\n", "1: Missing '\"'"},
        {"MAZE: name, ' '\n", "1: Syntax error"},
        {"MAZE: \"x\" ' '\n", "1: Filling type missing"},
        {"MAZE: \"x\", 'ab'\n", "1: Illegal symbol"},
        {"MAZE: \"x\", ' ' ' '\n", "1: Too many arguments"},
        {header("FLAGS noteleport"), "2: Missing ':'"},
        {header("FLAGS: teleport"), "2: Invalid flag"},
        {header("FLAGS: noteleport,"), "2: Invalid flag"},
        {header("FLAGS: noteleport hardfloor"), "2: Too many arguments"},
        {header("INIT_MAP '.', ' '" + initTail), "2: Missing ':'"},
        {header("INIT_MAP: random, ' '" + initTail), "2: Illegal symbol"},
        {header("INIT_MAP: '\xb0', ' '" + initTail), "2: Illegal symbol"},
        {header("INIT_MAP: '.' ' '" + initTail), "2: Invalid barrier terrain"},
        {header("INIT_MAP: '.', random" + initTail), "2: Illegal symbol"},
        {header("INIT_MAP: '.', ' ' true, true, lit, false"), "2: missing smoothed value"},
        {header("INIT_MAP: '.', ' ', yes, true, lit, false"), "2: Invalid boolean value"},
        {header("INIT_MAP: '.', ' ', true true, lit, false"), "2: Missing joined value"},
        {header("INIT_MAP: '.', ' ', true, true lit, false"), "2: Missing lighting value"},
        {header("INIT_MAP: '.', ' ', true, true, dark, false"), "2: Invalid lighting value"},
        {header("INIT_MAP: '.', ' ', true, true, lit false"), "2: Missing walled value"},
        {header("INIT_MAP: '.', ' ', true, true, lit, false, x"), "2: Too many arguments"},
        {header("MESSAGE \"hi\""), "2: Missing ':'"},
        {header("MESSAGE: hi"), "2: Syntax error"},
        {header("MESSAGE: \"hi"), "2: Missing '\"'"},
        {header("MESSAGE: \"hi\" \"there\""), "2: Too many arguments"},
    });
}

TEST(LevelStatements, GeometryAndMapMessages) {
    const std::string g = kMazeLine + "GEOMETRY: left, top\n";
    expectReports({
        {kMazeLine + "GEOMETRY center, center\n", "2: Missing ':'"},
        {kMazeLine + "GEOMETRY: middle, center\n", "2: Invalid horizontal placement"},
        {kMazeLine + "GEOMETRY: center center\n", "2: Invalid vertical placement"},
        {kMazeLine + "GEOMETRY: center, middle\n", "2: Invalid vertical placement"},
        {kMazeLine + "GEOMETRY: center,\n", "2: Invalid vertical placement"},
        {kMazeLine + "GEOMETRY: center, center, x\n", "2: Too many arguments"},
        {g + "MAP:\n---\nENDMAP\n", "3: Syntax error"},
        {g + "MAP\n---\n\n---\nENDMAP\n", "5: Irregular map shape"},
        {g + "MAP\n---\n1\n---\nENDMAP\n", "5: Irregular map shape"},
        {g + "MAP\n---\n", "5: Irregular map shape"},  // the text ends inside the map
        {g + "MAP\nENDMAX\n", "4: Syntax error"},
        {g + "MAP\n---\nENDMAP ---\n", "5: Irregular map shape"},
        {g + "MAP\n" + std::string(79, '.') + "\nENDMAP\n", "4: Map too wide"},
        {g + "MAP\n" + std::string(78, '.') + "\nENDMAP\n", "5: Map does not fit the level"},
        {body("NOMAP x"), "8: Syntax error"},
        {body("WALLIFY x"), "8: Syntax error"},
    });
}

TEST(LevelStatements, MapOfTwentyTwoRowsFailsAfterCountingItsLastRow) {
    std::vector<std::string> rows(22, "...");
    // MAP is line 3, so row 22 stands on line 25: it is read and counted like
    // every row before the map is refused. An empty 22nd line fails on itself.
    std::vector<std::string> blankLast(21, "...");
    blankLast.push_back("");
    expectReports(
        {{mapOf(rows), "26: Irregular map shape"}, {mapOf(blankLast), "25: Irregular map shape"}});
    rows.pop_back();
    Level level;
    EXPECT_TRUE(readFresh(level, mapOf(rows)));
    EXPECT_EQ(level.mapParts[0].height, 21);
}

TEST(LevelStatements, ListMessages) {
    std::string ten = "'a'";
    for (int i = 1; i < 10; ++i) ten += ", 'a'";
    expectReports({
        {body("RANDOM_PLACES (1,1)"), "8: Missing ':'"},
        {body("RANDOM_PLACES: (1,1) (2,2)"), "8: Too many arguments"},
        {body("RANDOM_PLACES: (1,1), (2"), "8: Invalid location"},
        {body("RANDOM_PLACES: (1,1), (90,1)"), "8: Invalid location"},
        {body("RANDOM_PLACES: (1,1),"), "8: Invalid location"},
        {body("RANDOM_PLACES: (1,1)\nRANDOM_PLACES: (1,1)"), "9: Too many RANDOM_PLACES"},
        {body("RANDOM_OBJECTS: random"), "8: Illegal symbol"},
        {body("RANDOM_OBJECTS: '!'\nRANDOM_OBJECTS: '?'"), "9: Too many RANDOM_OBJECTS"},
        {body("RANDOM_MONSTERS: 'a', random"), "8: Illegal symbol"},
        {body("RANDOM_MONSTERS: '\xc0'"), "8: Illegal symbol"},
        {body("RANDOM_MONSTERS: 'a'\nRANDOM_MONSTERS: 'b'"), "9: Too many RANDOM_MONSTERS"},
        {body("RANDOM_MONSTERS: " + ten + ", 'b'"), "8: Too many arguments"},
        {body("RANDOM_MONSTERS: " + ten + ","), "8: Too many arguments"},
    });
}

TEST(LevelStatements, AreaMessages) {
    expectReports({
        {body("REGION (0,0,1,1), lit, \"ordinary\""), "8: Missing ':'"},
        {body("REGION: (0,0,1), lit, \"ordinary\""), "8: Invalid region"},
        {body("REGION: (0,0,1,1) lit, \"ordinary\""), "8: Invalid region"},
        {body("REGION: (0,0,1,1), bright, \"ordinary\""), "8: Invalid lighting value"},
        {body("REGION: (0,0,1,1), lit, \"palace\""), "8: Invalid room type"},
        {body("REGION: (0,0,1,1), lit, ordinary"), "8: Syntax error"},
        {body("REGION: (0,0,1,1), lit, random"), "8: Invalid room type"},
        {body("REGION: (0,0,1,1), lit, \"ordinary\", half"), "8: Invalid fill type"},
        {body("REGION: (0,0,1,1), lit, \"ordinary\", filled, maybe"), "8: Invalid boolean value"},
        {body("REGION: (0,0,1,1), lit, \"ordinary\", filled, true, x"), "8: Too many arguments"},
        {body("REGION: (0,0,90,1), lit, \"ordinary\""), "8: Invalid region"},
        {body("NON_DIGGABLE: (0,0,1,1) x"), "8: Too many arguments"},
        {body("NON_PASSWALL: levregion(0,0,80,20)"), "8: Invalid region"},
        {body("TELEPORT_REGION: (0,0,1,1)"), "8: Invalid region"},
        {body("TELEPORT_REGION: (0,0,1,1),(0,0,0,0), sideways"), "8: Invalid up/down value"},
        {body("BRANCH: (0,0,1,1),(0,0,0,0),x"), "8: Too many arguments"},
        {body("BRANCH: (0,0,1,1),(0,0,99,0)"), "8: Invalid region"},
        {body("PORTAL: (0,0,1,1),(0,0,0,0)"), "8: Invalid region"},
        {body("PORTAL: (0,0,1,1),(0,0,0,0),\"\""), "8: Missing '\"'"},
    });
}

// --- Level settings -------------------------------------------------------------

TEST(LevelStatements, MazeStoresNameFillingAndMode) {
    struct Case {
        const char* line;
        const char* name;
        int filling;
        int fillMode;
    };
    const Case cases[] = {
        {"MAZE: \"minetn\", '.' # comment\n", "minetn", '.', kPlainFill},
        {"MAZE:\"12345678\",' '\n", "12345678", ' ', kPlainFill},
        {"MAZE: random, random\n", "", -1, kMazeFill},
        {"MAZE: \"hi\", '\xe9'\n", "hi", -23, kMazeFill},  // bytes of 128+ count as random
    };
    for (const Case& c : cases) {
        Level level;
        ASSERT_TRUE(readFresh(level, c.line + kClosetPart)) << c.line;
        EXPECT_EQ(level.settings.mazeName.view(), c.name);
        EXPECT_EQ(level.settings.filling, c.filling);
        EXPECT_EQ(level.settings.fillMode, c.fillMode);
    }
}

TEST(LevelStatements, FailedMazeKeepsTheNameItRead) {
    Level level;
    EXPECT_FALSE(readFresh(level, "MAZE: \"kept\" ' '\n"));
    EXPECT_EQ(level.settings.mazeName.view(), "kept");
}

TEST(LevelStatements, FlagsAddUp) {
    Level level;
    ASSERT_TRUE(readFresh(level, header("FLAGS: noteleport, hardfloor ,nommap") +
                                     "FLAGS: arboreal,shortsighted\nFLAGS: nomongen\n"));
    EXPECT_EQ(level.settings.levelFlags, kNoTeleport | kHardFloor | kNoMMap | kArboreal);
    EXPECT_EQ(level.settings.levelFlags2 & ~kBackgroundGenerated, kShortSighted | kNoMonGen);
}

TEST(LevelStatements, InitMapSetsTheCaveSettings) {
    struct Case {
        const char* args;
        int flags;  // low four bits
    };
    const Case cases[] = {
        {"'.', ' ', true, false, random, true", kSmoothed | kLit | kWalled},
        {"'.', ' ', false, true, lit, false", kJoined | kLit},
        {"'.', ' ', false, false, unlit, false", 0},
    };
    for (const Case& c : cases) {
        Level level;
        const std::string text = header(std::string("FLAGS: arboreal\nINIT_MAP: ") + c.args);
        ASSERT_TRUE(readFresh(level, text)) << c.args;
        EXPECT_EQ(level.settings.fillMode, kCaveFill);
        EXPECT_EQ(level.settings.initForeground, '.');
        EXPECT_EQ(level.settings.initBackground, ' ');
        EXPECT_EQ(level.settings.levelFlags, c.flags | kArboreal) << c.args;
    }
}

TEST(LevelStatements, WallifySetsItsBit) {
    Level level;
    ASSERT_TRUE(readFresh(level, body("WALLIFY   # comment")));
    EXPECT_TRUE(level.settings.levelFlags2 & kWallify);
}

// --- Map parts ------------------------------------------------------------------

TEST(LevelStatements, MapPartPlacementRule) {
    struct Case {
        int width, height, halign, valign;
        int x, y;
    };
    const Case cases[] = {
        {76, 21, 0, 0, 3, 0},   // top: 3 is moved up two rows, then 0 for a full height
        {76, 21, 2, 0, 3, 0},   // centre: 2 becomes 3
        {10, 5, 2, 1, 35, 9},   // 8 becomes 9
        {10, 5, 1, 0, 19, 3},   // half-left: (66 >> 2) + 2 = 18 -> 19
        {10, 5, 3, 2, 51, 15},  // half-right: (198 >> 2) + 2 = 51; bottom 14 -> 15
        {3, 3, 4, 2, 75, 17},   // right 74 -> 75; bottom 16 -> 17
        {20, 20, 0, 0, 3, 1},   // 3 + 20 leaves the grid: up two rows
        {20, 20, 0, 2, 3, 1},   // -1 is negative: down two rows
        {20, 21, 0, 1, 3, 0},   // centre of a full height: (-3 >> 1) + 2 = 0 -> 1 -> -1 -> 0
        {78, 1, 2, 0, 1, 3},    // ((-2) >> 1) + 2 = 1
        {78, 1, 4, 0, -1, 3},   // right: -1 stays off the grid
        {0, 0, 2, 1, 41, 11},
    };
    for (const Case& c : cases) {
        const PartAlignment alignment{static_cast<HorizontalAlignment>(c.halign),
                                      static_cast<VerticalAlignment>(c.valign)};
        const PartOrigin o = mapPartOrigin(alignment, c.width, c.height);
        EXPECT_EQ(o.x, c.x) << c.width << "x" << c.height << " h" << c.halign;
        EXPECT_EQ(o.y, c.y) << c.width << "x" << c.height << " v" << c.valign;
    }
    EXPECT_FALSE(mapPartFits({3, 3}, 78, 1));
    EXPECT_FALSE(mapPartFits({-1, 3}, 78, 1));
    EXPECT_TRUE(mapPartFits({1, 3}, 78, 1));
    EXPECT_TRUE(mapPartFits({3, 0}, 77, 21));
    EXPECT_FALSE(mapPartFits({3, 1}, 10, 21));
}

TEST(LevelStatements, MapLaysInItsRowsAtThePlacedRectangle) {
    // Rows: a leading digit is dropped, short rows are stone, '#' is a map
    // character, an unknown character is "none" and kept, shown as itself.
    Level level;
    ASSERT_TRUE(readFresh(level, mapOf({"1-S-#", "|.a!^Z", "  ENDMAP"})));
    const MapPart& part = level.mapParts[0];
    EXPECT_EQ(part.width, 8);  // the indented ENDMAP line is a row
    EXPECT_EQ(part.height, 3);
    EXPECT_EQ(part.x1, 3);
    EXPECT_EQ(part.y1, 3);
    EXPECT_EQ(part.x2, 10);
    EXPECT_EQ(part.y2, 5);

    const int expected[3][6] = {
        {kHorizontalWall, kSecretDoor, kHorizontalWall, kCorridor, kStone, kStone},
        {kVerticalWall, kFloor, kMonsterKind, kObjectKind, kTrapKind, kNone},
        {kStone, kStone, kNone, kNone, kNone, 12},  // "  ENDM": only 'M' is a symbol
    };
    const char* rows[3] = {"-S-#  ", "|.a!^Z", "  ENDM"};
    for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < 6; ++k) {
            const MapCell& cell = level.cell(3 + k, 3 + j);
            EXPECT_EQ(cell.terrain, expected[j][k]) << k << "," << j;
            const auto kept = static_cast<std::uint8_t>(expected[j][k] == kNone ? rows[j][k] : 0);
            EXPECT_EQ(cell.keptSymbol, kept) << k << "," << j;
            const std::uint8_t glyph = kept != 0 ? kept : terrainKind(expected[j][k]).glyph;
            EXPECT_EQ(cell.glyph, glyph) << k << "," << j;
        }
    }
    EXPECT_EQ(level.cell(4, 3).detail, 1);  // a secret door is closed

    const AreaRecord* outline = onlyAreaOfKind(level, kMapPartArea);
    ASSERT_NE(outline, nullptr);
    EXPECT_EQ(outline->color, 9);
    EXPECT_EQ(outline->param, 0);
    EXPECT_TRUE(outline->label.empty());
    EXPECT_EQ(outline->x1, 3);
    EXPECT_EQ(outline->y2, 5);
}

TEST(LevelStatements, ADigitPrefixedRowEqualsTheRowWithoutIt) {
    Level plain, digit;
    ASSERT_TRUE(readFresh(plain, mapOf({"---"})));
    ASSERT_TRUE(readFresh(digit, mapOf({"1---"})));
    EXPECT_EQ(plain.mapParts[0].width, digit.mapParts[0].width);
    for (int x = 3; x < 6; ++x) EXPECT_EQ(plain.cell(x, 3).terrain, digit.cell(x, 3).terrain);
}

TEST(LevelStatements, ExtentIsTheUnionOfTheParts) {
    const std::string text = mapOf({"..."}, "left, top") +
                             "GEOMETRY: right, bottom\nMAP\n"
                             "....\n....\nENDMAP\n";
    Level level;
    ASSERT_TRUE(readFresh(level, text));
    const Extent& e = level.settings.extent;
    EXPECT_EQ(e.x1, 3);
    EXPECT_EQ(e.y1, 3);
    EXPECT_EQ(e.x2, 76);  // 77 - 4 = 73 -> 73; x2 = 76
    EXPECT_EQ(e.y2, 18);  // 19 - 2 = 17; y2 = 18
    EXPECT_EQ(level.settings.partCount, 2);
    EXPECT_EQ(level.mapParts[1].alignment.horizontal, HorizontalAlignment::Right);
    EXPECT_EQ(level.mapParts[1].alignment.vertical, VerticalAlignment::Bottom);
}

TEST(LevelStatements, AnEmptyMapHasNoCells) {
    Level level;
    ASSERT_TRUE(readFresh(level, mapOf({})));
    const MapPart& part = level.mapParts[0];
    EXPECT_EQ(part.width, 0);
    EXPECT_EQ(part.height, 0);
    EXPECT_EQ(part.x2, part.x1 - 1);
    EXPECT_EQ(part.y2, part.y1 - 1);
    // A random placement finds no cell there.
    EXPECT_EQ(readFresh(level, mapOf({}) + "OBJECT: '!', \"x\", random\n").error_or(""),
              "5: Cannot place object");
}

TEST(LevelStatements, RejectedMapsWriteNothing) {
    const std::string tooWide = std::string(79, '.');
    const std::string offGrid = std::string(78, '.');
    for (const std::string& text :
         {mapOf({"..", tooWide}), mapOf({offGrid}, "left, top"), mapOf({offGrid}, "right, top")}) {
        Level level;
        EXPECT_FALSE(readFresh(level, text));
        EXPECT_EQ(level.mapParts[0].width, 0);
        EXPECT_EQ(level.mapParts[0].x2, 0);
        EXPECT_EQ(level.settings.extent.x1, 80);
        EXPECT_TRUE(level.areas().empty());
        for (int x = 1; x < kMapWidth; ++x) EXPECT_EQ(level.cell(x, 3).terrain, kStone) << x;
    }
    Level centred;
    EXPECT_TRUE(readFresh(centred, mapOf({offGrid}, "center, top")));
    EXPECT_EQ(centred.cell(78, 3).terrain, kFloor);
}

// --- Lists ----------------------------------------------------------------------

TEST(LevelStatements, ListsHoldTenEntriesAtMost) {
    std::string ten = "'a'";
    for (char c = 'b'; c <= 'j'; ++c) ten += std::string(", '") + c + "'";
    Level level;
    ASSERT_TRUE(readFresh(level, body("RANDOM_MONSTERS: " + ten)));
    EXPECT_EQ(level.settings.randomMonsterCount, 10);
    EXPECT_EQ(level.settings.randomMonsters[9], 'j');

    EXPECT_FALSE(readFresh(level, body("RANDOM_MONSTERS: " + ten + ", 'k'")));
    EXPECT_EQ(level.settings.randomMonsterCount, 10);
    EXPECT_FALSE(readFresh(level, body("RANDOM_OBJECTS: " + ten + ",")));
    EXPECT_EQ(level.settings.randomObjectCount, 10);
}

TEST(LevelStatements, ListEntriesAreStored) {
    Level level;
    ASSERT_TRUE(readFresh(level, body("RANDOM_PLACES: (0,0), (2, -3) ,(76,17)\n"
                                      "RANDOM_OBJECTS: '!', '\xc0'\n"
                                      "RANDOM_MONSTERS: ' '")));
    const LevelSettings& s = level.settings;
    EXPECT_EQ(s.randomPlaceCount, 3);
    EXPECT_EQ(s.randomPlaces[0].x, kClosetX);  // stored moved by the part
    EXPECT_EQ(s.randomPlaces[0].y, kClosetY);
    EXPECT_EQ(s.randomPlaces[1].x, 5);
    EXPECT_EQ(s.randomPlaces[1].y, 0);
    EXPECT_EQ(s.randomPlaces[2].x, 79);
    EXPECT_EQ(s.randomPlaces[2].y, 20);
    EXPECT_EQ(s.randomObjectCount, 2);
    EXPECT_EQ(s.randomObjects[1], -64);  // only "random" itself is refused for objects
    EXPECT_EQ(s.randomMonsterCount, 1);
    EXPECT_EQ(s.randomMonsters[0], ' ');
}

// --- Areas ----------------------------------------------------------------------

TEST(LevelStatements, RegionCreatesAStyledRoom) {
    struct Case {
        const char* args;
        int kind, param, color;
        const char* label;
        unsigned filled, irregular;
    };
    const Case cases[] = {
        {"(0,0,2,2), lit, \"ordinary\"", 0, 1, 11, "", 0, 0},
        {"(0,0,2,2), unlit, \"ordinary\", unfilled", 0, 0, 8, "", 1, 0},
        {"(0,0,2,2), random, \"shop\", filled, true", 10, -1, 6, "GENERAL", 2, 1},
        {"(0,0,2,2),lit,\"temple\",filled,false", 9, 1, 15, "TEMPLE", 2, 0},
    };
    for (const Case& c : cases) {
        Level level;
        const Status r = readFresh(level, body(std::string("REGION: ") + c.args));
        ASSERT_TRUE(r) << c.args << " " << r.error();
        const AreaRecord* a = onlyAreaOfKind(level, c.kind);
        ASSERT_NE(a, nullptr) << c.args;
        EXPECT_EQ(a->x1, kClosetX);
        EXPECT_EQ(a->y1, kClosetY);
        EXPECT_EQ(a->x2, kClosetX + 2);
        EXPECT_EQ(a->y2, kClosetY + 2);
        EXPECT_EQ(a->param, c.param) << c.args;
        EXPECT_EQ(a->color, c.color) << c.args;
        EXPECT_EQ(a->label.view(), c.label) << c.args;
        EXPECT_EQ(a->filled, c.filled) << c.args;
        EXPECT_EQ(a->irregular, c.irregular) << c.args;
    }
}

TEST(LevelStatements, WallAreasCarryTheirKindAndColour) {
    Level level;
    ASSERT_TRUE(
        readFresh(level, body("NON_DIGGABLE: (0,0,2,2)\nNON_PASSWALL: levregion(1,0,79,20)")));
    const AreaRecord* dig = onlyAreaOfKind(level, kNonDiggableArea);
    const AreaRecord* pass = onlyAreaOfKind(level, kNonPasswallArea);
    ASSERT_NE(dig, nullptr);
    ASSERT_NE(pass, nullptr);
    EXPECT_EQ(dig->color, 3);
    EXPECT_EQ(dig->x2, kClosetX + 2);
    EXPECT_EQ(pass->color, 5);
    EXPECT_EQ(pass->x1, 1);  // levregion is not moved by the part
    EXPECT_EQ(pass->y2, 20);
    EXPECT_TRUE(dig->label.empty() && pass->label.empty());
}

struct PairCase {
    const char* statement;
    int kind, exclusionKind, color, param;
    const char* label;
    bool hasExclusion;
    const char* destination;
};

TEST(LevelStatements, AreasWithExclusionAreas) {
    const PairCase cases[] = {
        {"TELEPORT_REGION: (0,0,2,2),(0,0,0,0)", kTeleportArea, kTeleportExclusion, 10, -1, "\x12",
         false, ""},
        {"TELEPORT_REGION: (0,0,2,2),(1,1,1,1), down", kTeleportArea, kTeleportExclusion, 10, 1,
         "\x19\x19", true, ""},
        {"TELEPORT_REGION: levregion(1,0,20,20),levregion(0,0,0,0),up", kTeleportArea,
         kTeleportExclusion, 10, 0, "\x18\x18", false, ""},
        {"BRANCH: (0,0,2,2),(1,1,1,1)", kBranchArea, kBranchExclusion, 13, 0, "BRANCH", true, ""},
        {"PORTAL: (0,0,2,2),(1,1,1,1),\"fakewiz1\"", kPortalArea, kPortalExclusion, 13, 0, "PORTAL",
         true, "fakewiz1"},
        {"PORTAL: (0,0,2,2),(0,0,0,0), random", kPortalArea, kPortalExclusion, 13, 0, "PORTAL",
         false, ""},
    };
    for (const PairCase& c : cases) {
        Level level;
        const Status r = readFresh(level, body(c.statement));
        ASSERT_TRUE(r) << c.statement << ": " << r.error();
        const AreaRecord* area = onlyAreaOfKind(level, c.kind);
        ASSERT_NE(area, nullptr) << c.statement;
        EXPECT_EQ(area->color, c.color) << c.statement;
        EXPECT_EQ(area->param, c.param) << c.statement;
        EXPECT_EQ(area->label.view(), c.label) << c.statement;
        EXPECT_EQ(area->destination.view(), c.destination) << c.statement;
        const AreaRecord* exclusion = onlyAreaOfKind(level, c.exclusionKind);
        EXPECT_EQ(exclusion != nullptr, c.hasExclusion) << c.statement;
        if (exclusion == nullptr) continue;
        EXPECT_EQ(exclusion->color, c.color) << c.statement;
        EXPECT_EQ(exclusion->param, c.param) << c.statement;
        EXPECT_TRUE(exclusion->label.empty()) << c.statement;
        EXPECT_EQ(exclusion->x1, kClosetX + 1) << c.statement;
        EXPECT_EQ(exclusion->y2, kClosetY + 1) << c.statement;
    }
}

}  // namespace
}  // namespace mapedit::reader_test
