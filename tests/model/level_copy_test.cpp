// Copying and comparing levels: the edit history relies on a copy that
// shares nothing with its original and on an equality that sees every
// difference a designer can make.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/level.h"
#include "model/terrain.h"

namespace mapedit {
namespace {

// A level with something in every kind of field.
Level busyLevel() {
    Level level;
    MapCell& c = level.cell(10, 5);
    c.detail = 3;
    c.overlay = mazewalkOverlay(2);
    c.monster.emplace().name.assign("jackal");
    c.trap.emplace();
    for (int symbol : {'!', '?'}) c.objects.emplace_back().symbol = symbol;
    level.setTerrain(11, 5, kVerticalWall);
    for (int i = 0; i < 2; ++i) {
        AreaRecord* a = level.newArea(2 + i, 2, 6 + 2 * i, 4);
        a->kind = kNonDiggableArea;
        a->label.assign("a" + std::to_string(i));
    }
    level.settings.partCount = 1;
    level.settings.mazeName.assign("busy");
    level.settings.randomPlaceCount = 1;
    level.mapParts[0].width = 5;
    return level;
}

struct Change {
    const char* what;
    std::function<void(Level&)> apply;
};

const std::vector<Change>& changes() {
    static const std::vector<Change> table = {
        {"terrain", [](Level& l) { l.cell(1, 0).terrain = kCorridor; }},
        {"detail", [](Level& l) { l.cell(10, 5).detail = 4; }},
        {"overlay", [](Level& l) { l.cell(10, 5).overlay = 0; }},
        {"glyph alone", [](Level& l) { l.cell(11, 5).glyph = '-'; }},
        {"monster gone", [](Level& l) { l.cell(10, 5).monster.reset(); }},
        {"monster added", [](Level& l) { l.cell(3, 3).monster.emplace(); }},
        {"monster name", [](Level& l) { l.cell(10, 5).monster->name.assign("jackals"); }},
        {"trap type", [](Level& l) { l.cell(10, 5).trap->trapType = 5; }},
        {"object order",
         [](Level& l) { std::swap(l.cell(10, 5).objects[0], l.cell(10, 5).objects[1]); }},
        {"object dropped", [](Level& l) { l.cell(10, 5).objects.pop_back(); }},
        {"object field", [](Level& l) { l.cell(10, 5).objects[1].buc = 2; }},
        {"area moved", [](Level& l) { l.areas()[0]->x2 += 1; }},
        {"area label", [](Level& l) { l.areas()[1]->label.assign("b"); }},
        {"area order", [](Level& l) { l.sortAreasAscending(); }},
        {"area added", [](Level& l) { l.newArea(1, 1, 1, 1); }},
        {"area removed", [](Level& l) { l.removeArea(l.areas()[0].get()); }},
        {"level name", [](Level& l) { l.settings.mazeName.assign("other"); }},
        {"list entry", [](Level& l) { l.settings.randomPlaces[9].x = 7; }},
        {"stair spot", [](Level& l) { l.settings.stairUp.x = 4; }},
        {"extent", [](Level& l) { l.settings.extent.y2 = 3; }},
        {"map part",
         [](Level& l) { l.mapParts[9].alignment.vertical = VerticalAlignment::Bottom; }},
    };
    return table;
}

TEST(LevelCopy, ACopyEqualsItsOriginalRecordForRecord) {
    const Level original = busyLevel();
    const Level copy = original;
    EXPECT_TRUE(copy == original);
    EXPECT_NE(&*copy.cell(10, 5).monster, &*original.cell(10, 5).monster);
    EXPECT_NE(&copy.cell(10, 5).objects[0], &original.cell(10, 5).objects[0]);
    EXPECT_NE(copy.areas()[0].get(), original.areas()[0].get());
    EXPECT_TRUE(Level() == Level());
}

TEST(LevelCopy, EveryChangeMakesTheLevelsDifferAndLeavesTheOtherAlone) {
    for (const Change& change : changes()) {
        SCOPED_TRACE(change.what);
        const Level original = busyLevel();
        Level copy = original;
        change.apply(copy);
        EXPECT_FALSE(copy == original);
        EXPECT_TRUE(original == busyLevel()) << "the original changed with its copy";
        EXPECT_TRUE(Level(copy) == copy);
    }
}

// Undo assigns a kept state over the editor's level: whatever the level held
// before goes, and the two share no record afterwards.
TEST(LevelCopy, AssignmentReplacesEveryDifferenceAndSharesNothing) {
    for (const Change& change : changes()) {
        SCOPED_TRACE(change.what);
        const Level source = busyLevel();
        Level target = busyLevel();
        change.apply(target);
        target = source;
        EXPECT_TRUE(target == source);
        change.apply(target);
        EXPECT_TRUE(source == busyLevel()) << "the source changed with its copy";
        const Level& self = target;
        target = self;
        EXPECT_FALSE(target == source);
    }
}

}  // namespace
}  // namespace mapedit
