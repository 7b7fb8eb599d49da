// Rules of the writer that the golden levels do not reach: every shape of
// the optional OBJECT tail, and which teleport and stair regions a part gets.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sstream>
#include <vector>

#include "generate/random.h"
#include "level_builder.h"
#include "reader/reader.h"

namespace mapedit::test {
namespace {

struct TailCase {
    const char* name;
    Variant variant;
    int buc, spe, material;
    const char* monsterName;
    const char* optionalName;
    const char* tail;  // what follows the position
};

void PrintTo(const TailCase& c, std::ostream* os) {
    *os << c.name;
}

class ObjectTail : public ::testing::TestWithParam<TailCase> {};

TEST_P(ObjectTail, IsWrittenAndReadBack) {
    const TailCase& c = GetParam();
    Level level;
    level.settings.mazeName.assign("tail");
    addPart(level, kTopLeft, 3, 3, 2, 1);
    ObjectSpec& o = putObject(level, 4, 3, '(');
    o.buc = c.buc;
    o.spe = c.spe;
    o.material = c.material;
    o.monsterName.assign(c.monsterName);
    o.optionalName.assign(c.optionalName);
    const std::string text = written(level, c.variant);
    const std::string line = std::string("\nOBJECT: '(',random,(01,00)") + c.tail + "\n";
    EXPECT_NE(text.find(line), std::string::npos) << text;

    Random random(1);
    const auto read = readLevel(text, random, c.variant);
    ASSERT_TRUE(read) << read.error().message << "\n" << text;
    const Level& again = read->level;
    ASSERT_EQ(again.cell(4, 3).objects.size(), 1u);
    const ObjectSpec& back = again.cell(4, 3).objects[0];
    EXPECT_EQ(back.spe, c.spe);
    EXPECT_EQ(back.monsterName.view(), c.monsterName);
    EXPECT_EQ(back.optionalName.view(), c.optionalName);
    EXPECT_EQ(back.material, c.variant == Variant::Tavrel ? c.material : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Writer, ObjectTail,
    ::testing::Values(
        TailCase{"Nothing", Variant::Vanilla, 0, 0, 0, "", "", ""},
        TailCase{"OnlySpe", Variant::Vanilla, 0, 3, 0, "", "", ",random,3"},
        TailCase{"OnlyRandomSpe", Variant::Vanilla, 0, -1, 0, "", "", ",random,random"},
        TailCase{"OnlyCurse", Variant::Vanilla, 1, 0, 0, "", "", ",blessed,0"},
        TailCase{"OnlyName", Variant::Vanilla, 0, 0, 0, "", "Ann", ",random,0,\"Ann\""},
        TailCase{"OnlyMonster", Variant::Vanilla, 0, 0, 0, "newt", "", ",\"newt\",0"},
        TailCase{"MonsterAndName", Variant::Vanilla, 0, 0, 0, "newt", "Ann", ",\"newt\",0,\"Ann\""},
        TailCase{"CurseMonsterSpe", Variant::Vanilla, 2, -1, 0, "elf", "",
                 ",uncursed,\"elf\",random"},
        TailCase{"MaterialOutsideTavrel", Variant::Vanilla, 0, 0, 14, "", "", ""},
        TailCase{"TavrelNothing", Variant::Tavrel, 0, 0, 0, "", "", ""},
        TailCase{"TavrelOnlySpe", Variant::Tavrel, 0, 3, 0, "", "", ",random,3"},
        TailCase{"TavrelOnlyMaterial", Variant::Tavrel, 0, 0, 14, "", "", ",random,0,mat_silver"},
        TailCase{"TavrelRandomSpe", Variant::Tavrel, 0, -1, 0, "", "", ",random,random,mat_normal"},
        TailCase{"TavrelOnlyName", Variant::Tavrel, 0, 0, 0, "", "Ann",
                 ",random,0,mat_normal,\"Ann\""},
        TailCase{"TavrelOnlyMonster", Variant::Tavrel, 0, 0, 0, "newt", "", ",\"newt\",0"},
        TailCase{"TavrelMonsterMaterial", Variant::Tavrel, 0, 0, 19, "newt", "",
                 ",\"newt\",0,mat_glass"},
        TailCase{"TavrelCurseSpe", Variant::Tavrel, 3, 2, 0, "", "", ",cursed,2"},
        TailCase{"TavrelEverything", Variant::Tavrel, 4, -1, 21, "elf", "o",
                 ",random,\"elf\",random,mat_mineral,\"o\""}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// The region lines of a written level, each with the number of the part
// (in writing order) that it was written with.
std::vector<std::string> regionLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    int part = -1;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("GEOMETRY: ", 0) == 0) ++part;
        if (line.rfind("TELEPORT_REGION: ", 0) == 0 || line.rfind("STAIR: ", 0) == 0) {
            lines.push_back(std::to_string(part) + " " + line);
        }
    }
    return lines;
}

struct RegionCase {
    const char* name;
    std::function<void(Level&)> addRegions;
    std::vector<std::string> lines;
};

void PrintTo(const RegionCase& c, std::ostream* os) {
    *os << c.name;
}

class DirectedRegions : public ::testing::TestWithParam<RegionCase> {};

// Part 0 covers (3, 3)-(22, 10); part 1, written second, lies inside it at
// (5, 5)-(8, 6).
TEST_P(DirectedRegions, GoWithTheirParts) {
    Level level;
    level.settings.mazeName.assign("regions");
    addPart(level, kTopLeft, 3, 3, 20, 8);
    addPart(level, kCentered, 5, 5, 4, 2);
    GetParam().addRegions(level);
    EXPECT_EQ(regionLines(written(level)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Writer, DirectedRegions,
    // Every region is written, with the first part it belongs to: one of a
    // direction no longer hides another of that direction or waits for it.
    ::testing::Values(RegionCase{"EveryRegionOfADirectionIsWritten",
                                 [](Level& l) {
                                     addArea(l, kTeleportArea, 5, 5, 6, 6, 0);    // in part 1
                                     addArea(l, kTeleportArea, 15, 4, 16, 4, 0);  // part 0 only
                                     addArea(l, kTeleportArea, 15, 8, 15, 8, 1);
                                 },
                                 {"0 TELEPORT_REGION: (12,01,13,01),(0,0,0,0),up",
                                  "0 TELEPORT_REGION: (12,05,12,05),(0,0,0,0),down",
                                  "1 TELEPORT_REGION: (00,00,01,01),(0,0,0,0),up"}},
                      RegionCase{"BothDirectionsHideNone",
                                 [](Level& l) {
                                     addArea(l, kTeleportArea, 15, 4, 17, 5, -1);
                                     addArea(l, kTeleportArea, 15, 8, 15, 8, 1);
                                     addArea(l, kTeleportArea, 18, 8, 18, 8, 0);
                                 },
                                 {"0 TELEPORT_REGION: (12,01,14,02),(0,0,0,0)",
                                  "0 TELEPORT_REGION: (12,05,12,05),(0,0,0,0),down",
                                  "0 TELEPORT_REGION: (15,05,15,05),(0,0,0,0),up"}},
                      RegionCase{"BothDirectionsWaitingBlockNone",
                                 [](Level& l) {
                                     addArea(l, kTeleportArea, 5, 5, 8, 6, 7);
                                     addArea(l, kTeleportArea, 15, 8, 15, 8, 1);
                                 },
                                 {"0 TELEPORT_REGION: (12,05,12,05),(0,0,0,0),down",
                                  "1 TELEPORT_REGION: (00,00,03,01),(0,0,0,0)"}},
                      RegionCase{"FirstTouchingExclusion",
                                 [](Level& l) {
                                     addArea(l, kStairArea, 10, 4, 12, 6, 0);
                                     addArea(l, kStairExclusion, 13, 4, 20, 6, 0);  // beside it
                                     addArea(l, kStairExclusion, 12, 6, 14, 7, 0);  // touches
                                     addArea(l, kStairExclusion, 9, 3, 10, 4,
                                             0);  // touches, smaller
                                 },
                                 {"0 STAIR: (07,01,09,03),(09,03,11,04),up"}},
                      RegionCase{"StairsForBothDirectionsAreLeftOut",
                                 [](Level& l) {
                                     addArea(l, kStairArea, 15, 4, 17, 5, -1);
                                     addArea(l, kStairArea, 15, 8, 15, 8, 1);
                                 },
                                 {"0 STAIR: (12,05,12,05),(0,0,0,0),down"}}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// The later part's map is laid over the cell and would take a stair put
// there with the first part away: it goes with the last part holding it.
TEST(WriterStairs, CellOfTwoPartsIsWrittenOnceWithTheLast) {
    Level level;
    level.settings.mazeName.assign("stairs");
    addPart(level, kTopLeft, 3, 3, 20, 8);
    addPart(level, kCentered, 5, 5, 4, 2);
    level.setTerrain(6, 5, kUpstairs);
    level.settings.stairUp = StairSpot{kStairAtPosition, 6, 5};
    level.setTerrain(7, 6, kLadderDown);
    level.settings.ladderDown = StairSpot{kStairAtPosition, 7, 6};
    putMonster(level, 7, 6, 'a');
    EXPECT_EQ(regionLines(written(level)), (std::vector<std::string>{"1 STAIR: (01,00),up"}));
    const std::string text = written(level);
    EXPECT_EQ(text.find("LADDER: "), text.rfind("LADDER: "));
    EXPECT_EQ(text.find("MONSTER: "), text.rfind("MONSTER: "));
}

}  // namespace
}  // namespace mapedit::test
