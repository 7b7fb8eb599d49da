#include "model/terrain.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/area_style.h"

namespace mapedit {
namespace {

TEST(TerrainTest, KindOfSymbol) {
    struct Case {
        unsigned char symbol;
        int kind;
    };
    const Case cases[] = {
        {'.', 2},  {'#', 6},  {'\\', 26}, {'Z', 0},  {' ', 1}, {'a', 22}, {'!', 23}, {'^', 24},
        {'-', 3},  {'|', 4},  {'+', 5},   {'S', 7},  {'H', 8}, {'I', 9},  {'}', 10}, {'P', 11},
        {'M', 12}, {'t', 15}, {'/', 20},  {'B', 19}, {0, 0},   {250, 0},  {'<', 0},  {'_', 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kindOfSymbol(c.symbol), c.kind) << static_cast<int>(c.symbol);
    }
}

TEST(TerrainTest, KindsOutsideTheTableAreNone) {
    for (int kind : {-1, static_cast<int>(kTerrainKindCount), 1000}) {
        EXPECT_EQ(&terrainKind(kind), &terrainKind(kNone)) << kind;
    }
    EXPECT_STREQ(terrainKind(kNone).name, "none");
}

struct StyleCase {
    int kind;
    int param;
    int color;
    std::string label;
};

std::string testName(const StyleCase& c) {
    return "Kind" + std::to_string(c.kind) + "Param" +
           (c.param < 0 ? "Minus" + std::to_string(-c.param) : std::to_string(c.param));
}

void PrintTo(const StyleCase& c, std::ostream* os) {
    *os << testName(c);
}

class StyleAreaTest : public testing::TestWithParam<StyleCase> {};

TEST_P(StyleAreaTest, SetsColourAndLabel) {
    const StyleCase& c = GetParam();
    AreaRecord area;
    area.kind = c.kind;
    area.param = c.param;
    area.color = 9;
    area.label.assign("stale");
    styleArea(area);
    EXPECT_EQ(area.color, c.color);
    EXPECT_EQ(std::string(area.label.view()), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Styling, StyleAreaTest,
    testing::Values(StyleCase{0, 1, 11, ""}, StyleCase{0, 0, 8, ""}, StyleCase{0, -1, 3, ""},
                    StyleCase{1, 1, 2, "THRONE"}, StyleCase{7, 0, 2, "ZOO"},
                    StyleCase{8, 0, 4, "DELPHI"}, StyleCase{9, -1, 15, "TEMPLE"},
                    StyleCase{10, 1, 6, "GENERAL"}, StyleCase{20, 0, 6, "CANDLE"},
                    // The map-part outline keeps its creator's colour.
                    StyleCase{21, 0, 9, ""}, StyleCase{22, 3, 9, ""}, StyleCase{23, 0, 3, ""},
                    StyleCase{24, 0, 5, ""}, StyleCase{25, 0, 13, "PORTAL"},
                    StyleCase{26, 0, 13, "PORTAL"}, StyleCase{27, 0, 13, "BRANCH"},
                    StyleCase{28, 0, 13, "BRANCH"}, StyleCase{29, 0, 10, "\x18\x18"},
                    StyleCase{29, 1, 10, "\x19\x19"}, StyleCase{29, -1, 10, "\x12"},
                    StyleCase{30, 1, 10, ""}, StyleCase{31, 0, 14, "<"}, StyleCase{31, 1, 14, ">"},
                    StyleCase{31, -1, 14, "<>"}, StyleCase{32, 0, 14, ""}),
    [](const testing::TestParamInfo<StyleCase>& paramInfo) { return testName(paramInfo.param); });

}  // namespace
}  // namespace mapedit
