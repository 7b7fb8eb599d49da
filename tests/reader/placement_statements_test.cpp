// OBJECT, CONTAINER, MONSTER and TRAP read through the whole reader.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "statement_levels.h"

namespace mapedit {
namespace {

using namespace statement_test;

const std::vector<FailureCase> kFailures = {
    // OBJECT and CONTAINER.
    {"OBJECT ')', \"dagger\", (1,1)", 1, "Missing brace '['"},
    {"OBJECT[50%] ')', \"dagger\", (1,1)", 1, "Missing ':'"},
    {"OBJECT: ')' \"dagger\", (1,1)", 1, "Missing ','"},
    {"OBJECT: ')', \"dagger\" (1,1)", 1, "Missing ','"},
    {"OBJECT: ')', \"dagger\", (1,1) x", 1, "Syntax error"},
    {"OBJECT: ')', \"dagger\", (1,1), 3", 1, "Syntax error"},
    {"OBJECT: ')', \"dagger\", (1,1), rusty, 3", 1, "Illegal BUC type"},
    {"OBJECT: ')', \"dagger\", (1,1), blessed 3", 1, "Missing obj->spe field"},
    {"OBJECT: '%', \"corpse\", (1,1), \"newt\" 3", 1, "Missing obj->spe field"},
    {"OBJECT: ')', \"dagger\", (1,1), blessed, x", 1, "Invalid obj->spe value"},
    {"OBJECT: ')', \"dagger\", (1,1), blessed, rand", 1, "Invalid obj->spe value"},
    {"OBJECT: ')', \"dagger\", (1,1), blessed, 3, mat_silver, \"Sting\"", 1, "Syntax error"},
    {"OBJECT: ')', \"dagger\", (1,1), blessed, 3, \"Sting\"", 1, "Invalid material id", &kRoom,
     Variant::Tavrel},
    {"OBJECT: ')', \"dagger\", (1,1), blessed, 3, mat_gold", 1, "Invalid material id", &kRoom,
     Variant::Tavrel},
    {"OBJECT: ')', \"dagger\", (77,1)", 1, "Invalid location"},
    {"\n# off the top\nCONTAINER: '(', \"chest\", (1,-4)", 3, "Invalid location"},
    // x lands on the code of "contained" once moved by the map part.
    {"OBJECT: ')', \"dagger\", (1,1)\nOBJECT: ')', \"knife\", (-6,0)", 2, "Invalid location"},
    {"OBJECT: ')', \"dagger\", random", 1, "Cannot place object", &kSolid},
    {"OBJECT: ')', \"dagger\", random\nOBJECT: ')', \"knife\", random", 2, "Cannot place object",
     &kCloset},
    // MONSTER.
    {"MONSTER[10%] 'a', \"giant ant\", (1,1)", 1, "Missing ':'"},
    {"MONSTER: 'a' \"giant ant\", (1,1)", 1, "Missing ','"},
    {"MONSTER: 'a', \"giant ant\" (1,1)", 1, "Missing ','"},
    {"MONSTER: 'a', \"giant ant\", (1,1) peaceful", 1, "Syntax error"},
    {"MONSTER: 'a', \"giant ant\", (1,1), friendly", 1, "Invalid monster options"},
    {"MONSTER: 'a', \"giant ant\", (1,1), peaceful,", 1, "Invalid monster options"},
    {"MONSTER: 'a', \"giant ant\", (1,1), coaligned", 1, "Invalid monster options"},
    {"MONSTER: 'a', \"giant ant\", (1,1), noncoaligned", 1, "Invalid monster options"},
    {"MONSTER: 'a', \"giant ant\", (1,1), align[3]", 1, "Invalid monster options"},
    {"MONSTER: 'a', \"giant ant\", contained", 1, "Invalid location"},
    {"MONSTER: 'a', \"giant ant\", (100,1)", 1, "Invalid location"},
    {"MONSTER: 'a', \"giant ant\", (1,1)\nMONSTER: 'b', \"acid blob\", (1,1)", 2,
     "Monster is already placed"},
    {"MONSTER: 'a', \"giant ant\", random", 1, "Cannot place monster", &kSolid},
    {"MONSTER: ';', \"giant eel\", random", 1, "Cannot place monster", &kCloset},
    // The random monster must move aside, but the closet has no other floor.
    {"MONSTER: 'a', \"giant ant\", random\nMONSTER: 'b', \"acid blob\", (1,1)", 2,
     "Cannot place monster", &kCloset},
    // TRAP.
    {"TRAP [ 5 % ] \"fire\", (1,1)", 1, "Missing ':'"},
    {"TRAP: fire, (1,1)", 1, "Syntax error"},
    {"TRAP: \"bogus\", (1,1)", 1, "Invalid trap name"},
    {"TRAP: rolling, (1,1)", 1, "Invalid trap name"},
    {"TRAP: \"fire\" (1,1)", 1, "Location missing"},
    {"TRAP: \"fire\", (1,1) x", 1, "Too many arguments"},
    {"TRAP: \"fire\", contained", 1, "Invalid location"},
    {"TRAP: \"fire\", (1,30)", 1, "Invalid location"},
    {"TRAP: \"fire\", (1,1)\nTRAP: \"pit\", (1,1)", 2, "Trap is already placed"},
    {"TRAP: \"pit\", random", 1, "Cannot place trap", &kSolid},
    {"TRAP: \"pit\", random\nTRAP: \"hole\", (1,1)", 2, "Cannot place trap", &kCloset},
};

TEST(PlacementStatements, ReportTheFailingLineAndMessage) {
    for (const FailureCase& c : kFailures) expectFailure(c);
}

TEST(PlacementStatements, ObjectsOfOneCellKeepFileOrderAndContainedFollowsTheLastObject) {
    Level level;
    const Status r = readStatements(level, kRoom,
                                    "CONTAINER: '(', \"chest\", (2,2)\n"
                                    "OBJECT: ')', \"dagger\", contained\n"
                                    "OBJECT: '*', \"ruby\", (2,2)\n"
                                    "OBJECT[30%]: '%', \"apple\", (4,1)\n"
                                    "OBJECT: '!', \"water\", contained");
    ASSERT_TRUE(r) << r.error();

    const auto& chestCell = level.cell(5, 5).objects;
    ASSERT_EQ(chestCell.size(), 3u);
    EXPECT_EQ(chestCell[0].name.view(), "chest");
    EXPECT_EQ(chestCell[0].isContainer, 1);
    EXPECT_EQ(chestCell[0].placement, kAtPosition);
    EXPECT_EQ(chestCell[1].name.view(), "dagger");
    EXPECT_EQ(chestCell[1].placement, kContained);
    EXPECT_EQ(chestCell[1].isContainer, 0);
    EXPECT_EQ(chestCell[2].name.view(), "ruby");

    const auto& appleCell = level.cell(7, 4).objects;
    ASSERT_EQ(appleCell.size(), 2u);
    EXPECT_EQ(appleCell[0].chance, 30);
    EXPECT_EQ(appleCell[1].name.view(), "water");
    EXPECT_EQ(appleCell[1].placement, kContained);
    EXPECT_EQ(appleCell[1].chance, 100);
}

struct TailCase {
    const char* tail;
    Variant variant;
    int buc, spe, material;
    const char* monsterName;
    const char* optionalName;
};

TEST(PlacementStatements, ObjectTailSetsCurseStateSpeMaterialAndNames) {
    const std::vector<TailCase> cases = {
        {", blessed, 3", Variant::Vanilla, 1, 3, 0, "", ""},
        {",cursed,random  # comment", Variant::Vanilla, 3, -1, 0, "", ""},
        {", \"newt\", 0", Variant::Vanilla, 0, 0, 0, "newt", ""},
        {", uncursed, \"random\", -2", Variant::Vanilla, 2, -2, 0, "", ""},
        {", random, 1, \"Sting\"", Variant::Vanilla, 4, 1, 0, "", "Sting"},
        {", blessed, 3, \"Sting\"", Variant::Orvandel, 1, 3, 0, "", "Sting"},
        {", blessed, 3, mat_silver, \"Sting\"", Variant::Tavrel, 1, 3, 14, "", "Sting"},
        {", cursed, \"newt\", 2, mat_glass", Variant::Tavrel, 3, 2, 19, "newt", ""},
    };
    for (const TailCase& c : cases) {
        SCOPED_TRACE(c.tail);
        Level level;
        const std::string statement = std::string("OBJECT: ')', \"dagger\", (1,1)") + c.tail;
        const Status r = readStatements(level, kRoom, statement, c.variant);
        ASSERT_TRUE(r) << r.error();
        ASSERT_EQ(level.cell(4, 4).objects.size(), 1u);
        const ObjectSpec& o = level.cell(4, 4).objects[0];
        EXPECT_EQ(o.buc, c.buc);
        EXPECT_EQ(o.spe, c.spe);
        EXPECT_EQ(o.material, c.material);
        EXPECT_EQ(o.monsterName.view(), c.monsterName);
        EXPECT_EQ(o.optionalName.view(), c.optionalName);
    }
}

struct MonsterOptionCase {
    const char* options;
    int attitude, sleep, alignment, appearKind;
    const char* appearName;
};

TEST(PlacementStatements, MonsterOptionsComeInAnyOrderAndTheLastWins) {
    const std::vector<MonsterOptionCase> cases = {
        {", peaceful, asleep", kPeaceful, kAsleep, 0, 0, ""},
        {",awake ,  hostile", kHostile, kAwake, 0, 0, ""},
        {", peaceful, hostile", kHostile, kSleepNotGiven, 0, 0, ""},
        {",   \"Fluffy\"", 0, 0, 0, 0, "Fluffy"},
        {", m_object \"boulder\"", 0, 0, 0, 2, "boulder"},
        {", m_feature \"fountain\", \"Rover\"", 0, 0, 0, 1, "Rover"},
        {", align[1]", 0, 0, 6, 0, ""},
        {", align [ 2 ]", 0, 0, 7, 0, ""},
        {", law, CHAOS", 0, 0, 3, 0, ""},
        {", noalign, random", 0, 0, 0, 0, ""},
    };
    for (const MonsterOptionCase& c : cases) {
        SCOPED_TRACE(c.options);
        Level level;
        const std::string statement = std::string("MONSTER: 'a', \"giant ant\", (1,1)") + c.options;
        const Status r = readStatements(level, kRoom, statement);
        ASSERT_TRUE(r) << r.error();
        ASSERT_TRUE(level.cell(4, 4).monster.has_value());
        const MonsterSpec& m = *level.cell(4, 4).monster;
        EXPECT_EQ(m.attitude, c.attitude);
        EXPECT_EQ(m.sleep, c.sleep);
        EXPECT_EQ(m.alignment, c.alignment);
        EXPECT_EQ(m.appearKind, c.appearKind);
        EXPECT_EQ(m.appearName.view(), c.appearName);
        EXPECT_EQ(m.placement, kAtPosition);
    }
}

struct ColorCase {
    const char* statement;
    Variant variant;
    int symbol;
    int color;
};

// The class written starts the catalogue search; a random or list symbol
// searches from the first row, so the first class holding the name wins.
TEST(PlacementStatements, ColourComesFromTheCatalogueAndTheSymbolStaysAsRead) {
    const std::vector<ColorCase> cases = {
        {"MONSTER: '@', \"werewolf\", (1,1)", Variant::Vanilla, '@', 9},
        {"MONSTER: random, \"werewolf\", (1,1)", Variant::Vanilla, -1, 3},
        {"MONSTER: monster[3], \"werewolf\", (1,1)", Variant::Vanilla, -13, 3},
        {"MONSTER: 'a', \"no such thing\", (1,1)", Variant::Vanilla, 'a', 18},
        {"OBJECT: '/', \"light\", (1,1)", Variant::Vanilla, '/', 14},
        {"OBJECT: random, \"light\", (1,1)", Variant::Vanilla, -1, 15},
        {"OBJECT: object[2], \"light\", (1,1)", Variant::Vanilla, -12, 15},
        {"OBJECT: '[', \"robe\", (1,1)", Variant::Vanilla, '[', 18},
        {"OBJECT: '[', \"robe\", (1,1)", Variant::Tavrel, '[', 4},
        {"OBJECT: ')', random, (1,1)", Variant::Vanilla, ')', 18},
    };
    for (const ColorCase& c : cases) {
        SCOPED_TRACE(c.statement);
        Level level;
        const Status r = readStatements(level, kRoom, c.statement, c.variant);
        ASSERT_TRUE(r) << r.error();
        const MapCell& cell = level.cell(4, 4);
        if (cell.monster) {
            EXPECT_EQ(cell.monster->symbol, c.symbol);
            EXPECT_EQ(cell.monster->color, c.color);
        } else {
            ASSERT_EQ(cell.objects.size(), 1u);
            EXPECT_EQ(cell.objects[0].symbol, c.symbol);
            EXPECT_EQ(cell.objects[0].color, c.color);
        }
    }
}

struct TrapCase {
    const char* statement;
    int trapType;
    const char* trapName;
    int color;
};

TEST(PlacementStatements, TrapNamesAreQuotedExceptRandomAndRust) {
    const std::vector<TrapCase> cases = {
        {"TRAP: \"fire\", (1,1)", 10, "fire", 9},
        {"TRAP: \"magic portal\", (1,1)", 17, "magic portal", 13},
        {"TRAP: rust, (1,1)", 9, "rust", 4},
        {"TRAP: random, (1,1)", 0, "random", 18},
        {"TRAP[5%]: \"random\", (1,1)", 0, "random", 18},
    };
    for (const TrapCase& c : cases) {
        SCOPED_TRACE(c.statement);
        Level level;
        const Status r = readStatements(level, kRoom, c.statement);
        ASSERT_TRUE(r) << r.error();
        ASSERT_TRUE(level.cell(4, 4).trap.has_value());
        const TrapSpec& t = *level.cell(4, 4).trap;
        EXPECT_EQ(t.trapType, c.trapType);
        EXPECT_EQ(t.trapName.view(), c.trapName);
        EXPECT_EQ(t.color, c.color);
        EXPECT_EQ(t.placement, kAtPosition);
    }
}

TEST(PlacementStatements, RandomAndPlaceLocationsPickTheirCells) {
    Level level;
    const Status r = readStatements(level, kRoom,
                                    "RANDOM_PLACES: (1,1),(5,2)\n"
                                    "MONSTER: ';', \"giant eel\", random\n"
                                    "OBJECT: ')', \"dagger\", random\n"
                                    "TRAP: \"pit\", place[1]");
    ASSERT_TRUE(r) << r.error();

    const Cell eel = findCell(level, [](const MapCell& c) { return c.monster.has_value(); });
    ASSERT_GE(eel.x, 0);
    EXPECT_EQ(level.cell(eel.x, eel.y).terrain, 11) << "a sea monster goes into the pool";
    EXPECT_EQ(level.cell(eel.x, eel.y).monster->placement, kPlacedRandom);

    const Cell dagger = findCell(level, [](const MapCell& c) { return !c.objects.empty(); });
    ASSERT_GE(dagger.x, 0);
    EXPECT_EQ(level.cell(dagger.x, dagger.y).terrain, kFloor);
    EXPECT_EQ(level.cell(dagger.x, dagger.y).objects[0].placement, kPlacedRandom);

    ASSERT_TRUE(level.cell(8, 5).trap.has_value());
    EXPECT_EQ(level.cell(8, 5).trap->placement, kAtRandomPlace);
}

// The list may follow the statements that use it; they see the entry as it
// stands when they are read, so an entry not yet set puts the record on (0, 0).
TEST(PlacementStatements, PlaceBeforeItsListUsesTheEntryAsItStandsThen) {
    Level level;
    const Status r = readStatements(level, kRoom,
                                    "OBJECT: ')', \"dagger\", place[1]\n"
                                    "RANDOM_PLACES: (1,1),(5,2)\n"
                                    "OBJECT: ')', \"knife\", place[1]");
    ASSERT_TRUE(r) << r.error();
    ASSERT_EQ(level.cell(0, 0).objects.size(), 1u);
    EXPECT_EQ(level.cell(0, 0).objects[0].name.view(), "dagger");
    ASSERT_EQ(level.cell(8, 5).objects.size(), 1u);
    EXPECT_EQ(level.cell(8, 5).objects[0].name.view(), "knife");
}

// A random record gives way to one named at its cell. The same seed puts
// the random record on the same cell in both reads.
TEST(PlacementStatements, RandomMonsterAndTrapMoveAsideForAFixedOne) {
    const std::string randomOnes = "MONSTER: 'a', \"giant ant\", random\nTRAP: \"pit\", random";
    Level first;
    ASSERT_TRUE(readStatements(first, kRoom, randomOnes));
    const Cell ant = findCell(first, [](const MapCell& c) { return c.monster.has_value(); });
    const Cell pit = findCell(first, [](const MapCell& c) { return c.trap.has_value(); });
    ASSERT_GE(ant.x, 0);
    ASSERT_GE(pit.x, 0);

    Level level;
    const Status r = readStatements(
        level, kRoom,
        randomOnes + "\nMONSTER: 'b', \"acid blob\", " + at(ant) + "\nTRAP: \"hole\", " + at(pit));
    ASSERT_TRUE(r) << r.error();
    EXPECT_EQ(level.cell(ant.x, ant.y).monster->name.view(), "acid blob");
    EXPECT_EQ(level.cell(pit.x, pit.y).trap->trapName.view(), "hole");

    const Cell movedAnt = findCell(level, [](const MapCell& c) {
        return c.monster.has_value() && c.monster->name.view() == "giant ant";
    });
    ASSERT_GE(movedAnt.x, 0);
    EXPECT_NE(movedAnt.x * 100 + movedAnt.y, ant.x * 100 + ant.y);
    EXPECT_EQ(level.cell(movedAnt.x, movedAnt.y).terrain, kFloor);
    const Cell movedPit = findCell(level, [](const MapCell& c) {
        return c.trap.has_value() && c.trap->trapName.view() == "pit";
    });
    ASSERT_GE(movedPit.x, 0);
    EXPECT_NE(movedPit.x * 100 + movedPit.y, pit.x * 100 + pit.y);
    EXPECT_EQ(countCells(level, [](const MapCell& c) { return c.monster.has_value(); }), 2);
    EXPECT_EQ(countCells(level, [](const MapCell& c) { return c.trap.has_value(); }), 2);
}

}  // namespace
}  // namespace mapedit
