// Levels whose written text must read back to the same placements and areas:
// the cases where the order or form of a statement decides what the reader
// makes of it.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "generate/random.h"
#include "level_builder.h"
#include "reader/reader.h"

namespace mapedit::test {
namespace {

// Writes the level and reads the text back.
Result<LevelRead, ReadFailure> writeAndReread(Level& level, std::string& text) {
    text = written(level);
    Random random(99);
    return readLevel(text, random, Variant::Vanilla);
}

// Two parts: the small one first in the model, the large one written first.
constexpr int kLargeX = 3, kLargeY = 3;
void addTwoParts(Level& level) {
    level.settings.mazeName.assign("places");
    addPart(level, {HorizontalAlignment::Right, VerticalAlignment::Bottom}, 73, 17, 5,
            2);                                         // written second
    addPart(level, kTopLeft, kLargeX, kLargeY, 10, 3);  // the largest, written first
}

void setPlace(Level& level, int index, int x, int y) {
    LevelSettings& s = level.settings;
    s.randomPlaces[static_cast<std::size_t>(index)] = {static_cast<std::int8_t>(x),
                                                       static_cast<std::int8_t>(y)};
    s.randomPlaceCount = std::max(s.randomPlaceCount, index + 1);
}

struct PlaceUse {
    const char* name;
    std::function<void(Level&, int x, int y)> put;
    std::function<bool(const Level&, int x, int y)> isBack;
};

const PlaceUse kPlaceUses[] = {
    {"Monster", [](Level& l, int x, int y) { putMonster(l, x, y, 'a').placement = kAtRandomPlace; },
     [](const Level& l, int x, int y) {
         const auto& m = l.cell(x, y).monster;
         return m && m->placement == kAtRandomPlace;
     }},
    {"Object", [](Level& l, int x, int y) { putObject(l, x, y, ')').placement = kAtRandomPlace; },
     [](const Level& l, int x, int y) {
         const auto& list = l.cell(x, y).objects;
         return list.size() == 1 && list[0].placement == kAtRandomPlace;
     }},
    {"Trap", [](Level& l, int x, int y) { putTrap(l, x, y, 11).placement = kAtRandomPlace; },
     [](const Level& l, int x, int y) {
         const auto& t = l.cell(x, y).trap;
         return t && t->placement == kAtRandomPlace;
     }},
    {"Engraving",
     [](Level& l, int x, int y) {
         Engraving& e = l.engravings.emplace_back();
         e.x = x;
         e.y = y;
         e.placement = kAtRandomPlace;
     },
     [](const Level& l, int x, int y) {
         return l.engravings.size() == 1 && l.engravings[0].placement == kAtRandomPlace &&
                l.engravings[0].x == x && l.engravings[0].y == y;
     }},
    {"Stair",
     [](Level& l, int x, int y) {
         l.setTerrain(x, y, kDownstairs);
         l.settings.stairDown = StairSpot{kStairAtRandomPlace, x, y};
     },
     [](const Level& l, int x, int y) {
         const StairSpot& s = l.settings.stairDown;
         return s.state == kStairAtRandomPlace && s.x == x && s.y == y &&
                l.cell(x, y).terrain == kDownstairs;
     }},
};

void PrintTo(const PlaceUse& c, std::ostream* os) {
    *os << c.name;
}

class PlaceReference : public ::testing::TestWithParam<PlaceUse> {};

// The statement naming place[1] is written with the first part, while the
// first entry of the list lies in the part written second.
TEST_P(PlaceReference, ReadsBackWhenTheFirstEntryLiesInALaterPart) {
    Level level;
    addTwoParts(level);
    setPlace(level, 0, 74, 17);
    setPlace(level, 1, 5, 4);
    GetParam().put(level, 5, 4);

    std::string text;
    const auto read = writeAndReread(level, text);
    ASSERT_TRUE(read) << read.error().message << "\n" << text;
    const Level& again = read->level;
    EXPECT_TRUE(GetParam().isBack(again, 5, 4)) << text;
    EXPECT_LT(text.find("RANDOM_PLACES: "), text.find("place[1]")) << text;
}

// The same when the first entry lies in no part at all.
TEST_P(PlaceReference, ReadsBackWhenTheFirstEntryLiesInNoPart) {
    Level level;
    addTwoParts(level);
    setPlace(level, 0, 40, 1);
    setPlace(level, 1, 5, 4);
    GetParam().put(level, 5, 4);

    std::string text;
    const auto read = writeAndReread(level, text);
    ASSERT_TRUE(read) << read.error().message << "\n" << text;
    const Level& again = read->level;
    EXPECT_TRUE(GetParam().isBack(again, 5, 4)) << text;
    EXPECT_EQ(again.settings.randomPlaceCount, 2) << text;
}

INSTANTIATE_TEST_SUITE_P(Writer, PlaceReference, ::testing::ValuesIn(kPlaceUses),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(WriterPlaceList, StaysWithTheFirstEntryWhenNothingEarlierNamesAPlace) {
    Level level;
    addTwoParts(level);
    setPlace(level, 0, 74, 17);
    setPlace(level, 1, 5, 4);  // in the first part, but nothing stands on it
    putMonster(level, 75, 18, 'a').placement = kAtRandomPlace;  // no entry: coordinates
    const std::string text = written(level);
    EXPECT_NE(text.find("ENDMAP\n\nRANDOM_PLACES: (01,00),(-68,-13)\n\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("RANDOM_PLACES: "), text.rfind("RANDOM_PLACES: "));
    EXPECT_GT(text.find("RANDOM_PLACES: "), text.find("GEOMETRY: right, bottom")) << text;
}

struct ExclusionUse {
    const char* name;
    int areaKind;
    int exclusionKind;
    int param;
};

void PrintTo(const ExclusionUse& c, std::ostream* os) {
    *os << c.name;
}

class ExclusionOnTheCorner : public ::testing::TestWithParam<ExclusionUse> {};

// An exclusion on the level's corner cell would be written as four zeros in
// level coordinates, which the reader takes for "no exclusion".
TEST_P(ExclusionOnTheCorner, ReadsBackAsAnExclusion) {
    const ExclusionUse& c = GetParam();
    Level level;
    level.settings.mazeName.assign("corner");
    addPart(level, kTopLeft, kLargeX, kLargeY, 10, 3);
    addArea(level, c.areaKind, 0, 0, 4, 4, c.param);
    addArea(level, c.exclusionKind, 0, 0, 0, 0, c.param);

    std::string text;
    const auto read = writeAndReread(level, text);
    ASSERT_TRUE(read) << read.error().message << "\n" << text;
    const Level& again = read->level;
    const AreaRecord* exclusion = again.findAreaOfKind(nullptr, c.exclusionKind);
    ASSERT_NE(exclusion, nullptr) << text;
    EXPECT_TRUE(exclusion->x1 == 0 && exclusion->y1 == 0 && exclusion->x2 == 0 &&
                exclusion->y2 == 0)
        << text;
}

INSTANTIATE_TEST_SUITE_P(Writer, ExclusionOnTheCorner,
                         ::testing::Values(ExclusionUse{"Teleport", kTeleportArea,
                                                        kTeleportExclusion, 0},
                                           ExclusionUse{"Branch", kBranchArea, kBranchExclusion, 0},
                                           ExclusionUse{"Portal", kPortalArea, kPortalExclusion, 0},
                                           ExclusionUse{"Stair", kStairArea, kStairExclusion, 1}),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

}  // namespace
}  // namespace mapedit::test
