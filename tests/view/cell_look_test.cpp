#include "view/cell_look.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "view/colors.h"
#include "view_fixture.h"

namespace mapedit::testing {
namespace {

TEST(ColorTest, IndexesAreSignedLowBytes) {
    struct Case {
        int index;
        std::optional<std::size_t> slot;
    };
    const Case cases[] = {
        {0, 0},
        {18, 18},
        {19, std::nullopt},
        {127, std::nullopt},
        {-1, std::nullopt},
        {255, std::nullopt},
        {256 + 9, 9},
        {-256 + 18, 18},
        {-128, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(colorSlot(c.index), c.slot) << c.index;
        EXPECT_EQ(colorOf(c.index), c.slot ? colorTable[*c.slot] : Rgb{}) << c.index;
    }
    EXPECT_EQ(dimmed(Rgb{255, 51, 1}), (Rgb{127, 25, 0}));
}

// Every index a record can hold names an entry inside the table or none, so
// colorOf never reads past it.
TEST(ColorTest, NoIndexNamesAnEntryPastTheTable) {
    int named = 0;
    for (int index = -1024; index < 1024; ++index) {
        const auto slot = colorSlot(index);
        if (!slot) continue;
        ASSERT_LT(*slot, colorTable.size()) << index;
        ++named;
    }
    EXPECT_EQ(named, kColorCount * 8);  // each low byte 0..18, once per 256
}

using CellLookTest = ViewTest;

TEST_F(CellLookTest, PlacementsShowInOrderOfPrecedence) {
    MapCell& cell = level.cell(10, 5);
    cell.trap.emplace();
    cell.trap->trapType = 18;
    cell.trap->color = 5;
    EXPECT_EQ(cellAppearance(level, state, 10, 5), (Appearance{'"', 5}));

    cell.objects.emplace_back();
    cell.objects[0].symbol = '(';
    cell.objects[0].color = 4;
    cell.objects[0].material = 13;  // copper
    EXPECT_EQ(cellAppearance(level, state, 10, 5), (Appearance{'(', 11}));

    cell.overlay = drawbridgeOverlay(3, false);
    EXPECT_EQ(cellAppearance(level, state, 10, 5), (Appearance{0x10, 3}));

    cell.monster.emplace();
    cell.monster->symbol = kRandomSymbol;
    EXPECT_EQ(cellAppearance(level, state, 10, 5), (Appearance{0x9C, 18}));

    state.showMonsters = false;
    cell.overlay = 0;
    EXPECT_EQ(cellAppearance(level, state, 10, 5), (Appearance{'(', 11}));
    state.showObjects = false;
    EXPECT_EQ(cellAppearance(level, state, 10, 5), (Appearance{'"', 5}));
}

TEST_F(CellLookTest, RandomListSymbolsNameTheirEntry) {
    level.settings.randomMonsterCount = 2;
    level.settings.randomMonsters = {'D', 'T'};
    level.settings.randomObjectCount = 1;
    level.settings.randomObjects = {'%'};
    level.cell(10, 5).monster.emplace();
    level.cell(11, 5).objects.emplace_back();
    struct Case {
        int symbol;
        std::uint8_t monster, object;
    };
    const Case cases[] = {
        {listSymbol(1), 'T', 0},
        {listSymbol(0), 'D', '%'},
        {kRandomSymbol, 0x9C, 0xA8},
        // Outside the ten list entries: shown as plain random, never read past the list.
        {listSymbol(10), 0x9C, 0xA8},
        {-5, 0x9C, 0xA8},
    };
    for (const Case& c : cases) {
        level.cell(10, 5).monster->symbol = c.symbol;
        level.cell(11, 5).objects[0].symbol = c.symbol;
        EXPECT_EQ(cellAppearance(level, state, 10, 5), (Appearance{c.monster, 18})) << c.symbol;
        EXPECT_EQ(cellAppearance(level, state, 11, 5), (Appearance{c.object, 18})) << c.symbol;
    }
}

TEST_F(CellLookTest, MarkersAndCellsOffTheEditableGrid) {
    EXPECT_EQ(markerAppearance(0x20), (Appearance{0x18, 15}));
    EXPECT_EQ(markerAppearance(0x22), (Appearance{0x19, 15}));
    EXPECT_EQ(markerAppearance(0x14), (Appearance{0x1F, 3}));
    EXPECT_EQ(markerAppearance(0x31), (Appearance{'?', 9}));
    level.setTerrain(0, 5, kDoorway);
    EXPECT_EQ(cellAppearance(level, state, 0, 5), (Appearance{' ', 8}));
    EXPECT_EQ(cellAppearance(level, state, 81, 5), (Appearance{' ', 8}));
}

TEST_F(CellLookTest, DamagedCountsReadNoFurtherThanTheirLists) {
    level.settings.partCount = 99;
    level.mapParts[9] = MapPart{.x1 = 50, .y1 = 3, .x2 = 60, .y2 = 10};
    EXPECT_TRUE(inMapPart(level, 55, 5));
    EXPECT_FALSE(inMapPart(level, 61, 5));

    level.settings.randomPlaceCount = 99;
    level.settings.randomPlaces = {RandomPlace{10, 5}, RandomPlace{10, 5}, RandomPlace{12, 6}};
    EXPECT_EQ(randomPlaceAt(level, 10, 5), 0);
    EXPECT_EQ(randomPlaceAt(level, 12, 6), 2);
    EXPECT_EQ(randomPlaceAt(level, 13, 6), -1);
}

}  // namespace
}  // namespace mapedit::testing
