// Every value of the format's word lists, written and read back, is the
// value it was: the writer and the reader agree on each word.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

#include "generate/random.h"
#include "level_builder.h"
#include "reader/reader.h"

namespace mapedit::test {
namespace {

// One floor row of a part at (3, 3)-(42, 5); value i goes to cell (3 + i, 4).
constexpr int kRowY = 4;
constexpr int cellX(int i) {
    return 3 + i;
}

void addFloorPart(Level& level) {
    level.settings.mazeName.assign("words");
    addPart(level, kTopLeft, 3, 3, 40, 3);
    for (int x = 3; x <= 42; ++x) {
        for (int y = 3; y <= 5; ++y) level.setTerrain(x, y, kFloor);
    }
}

struct WordsCase {
    const char* name;
    Variant variant;
    std::function<void(Level&)> put;
    // What the level holds of the words written, as numbers.
    std::function<std::vector<int>(const Level&)> values;
};

void PrintTo(const WordsCase& c, std::ostream* os) {
    *os << c.name;
}

class WordsReadBack : public ::testing::TestWithParam<WordsCase> {};

TEST_P(WordsReadBack, AsTheValuesWritten) {
    const WordsCase& c = GetParam();
    Level level;
    addFloorPart(level);
    c.put(level);
    const std::string text = written(level, c.variant);
    Random random(7);
    const auto read = readLevel(text, random, c.variant);
    ASSERT_TRUE(read) << read.error().message << "\n" << text;
    const std::vector<int> before = c.values(level);
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(c.values(read->level), before) << text;
}

// The details of the first `count` cells of the row.
std::function<std::vector<int>(const Level&)> details(int count) {
    return [count](const Level& level) {
        std::vector<int> out;
        for (int i = 0; i < count; ++i) out.push_back(level.cell(cellX(i), kRowY).detail);
        return out;
    };
}

std::vector<int> monsterOptions(const Level& level) {
    std::vector<int> out;
    for (int i = 0; i < 20; ++i) {
        const auto& m = level.cell(cellX(i), kRowY).monster;
        if (!m) continue;
        out.insert(out.end(), {i, m->attitude, m->sleep, m->alignment, m->appearKind});
    }
    return out;
}

// A field of the objects on the first cells of the row, by column.
std::function<std::vector<int>(const Level&)> objectField(std::int32_t ObjectSpec::*field) {
    return [field](const Level& level) {
        std::vector<int> out;
        for (int i = 0; i < 10; ++i) {
            for (const auto& o : level.cell(cellX(i), kRowY).objects) {
                out.insert(out.end(), {i, o.*field});
            }
        }
        return out;
    };
}

// Room type, lighting, fill state and irregular flag, by column.
std::vector<int> rooms(const Level& level) {
    std::vector<std::vector<int>> found;
    for (const auto& a : level.areas()) {
        if (a->kind >= 0 && a->kind <= 20) {
            found.push_back({a->x1, a->kind, a->param, static_cast<int>(a->filled),
                             static_cast<int>(a->irregular)});
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<int> out;
    for (const auto& f : found) out.insert(out.end(), f.begin(), f.end());
    return out;
}

const WordsCase kCases[] = {
    {"DoorStates", Variant::Vanilla,
     [](Level& l) {
         for (int state = 0; state < 6; ++state) {
             l.setTerrain(cellX(state), kRowY, kDoorway);
             l.cell(cellX(state), kRowY).detail = static_cast<std::uint8_t>(state);
         }
     },
     details(6)},
    {"AltarAlignmentsAndTypes", Variant::Vanilla,
     [](Level& l) {
         for (int i = 0; i < 30; ++i) {
             l.setTerrain(cellX(i), kRowY, kAltar);
             l.cell(cellX(i), kRowY).detail = static_cast<std::uint8_t>(i / 3 + 16 * (i % 3));
         }
     },
     details(30)},
    {"MarkerDirectionsAndBridgeStates", Variant::Vanilla,
     [](Level& l) {
         for (int i = 0; i < 12; ++i) {
             const int direction = i % 4;
             l.cell(cellX(i), kRowY).overlay =
                 i < 4 ? mazewalkOverlay(direction) : drawbridgeOverlay(direction, i >= 8);
         }
     },
     [](const Level& l) {
         std::vector<int> out;
         for (int i = 0; i < 12; ++i) out.push_back(l.cell(cellX(i), kRowY).overlay);
         return out;
     }},
    {"MonsterOptions", Variant::Vanilla,
     [](Level& l) {
         for (int i = 0; i < 9; ++i) {
             MonsterSpec& m = putMonster(l, cellX(i), kRowY, 'a');
             m.attitude = i / 3;
             m.sleep = i % 3;
         }
         for (int alignment = 0; alignment < 8; ++alignment) {
             putMonster(l, cellX(9 + alignment), kRowY, 'a').alignment = alignment;
         }
         for (int kind = 1; kind < 4; ++kind) {
             MonsterSpec& m = putMonster(l, cellX(16 + kind), kRowY, 'a');
             m.appearKind = kind;
             m.appearName.assign("boulder");
         }
     },
     monsterOptions},
    {"CurseStates", Variant::Vanilla,
     [](Level& l) {
         for (int buc = 1; buc < 5; ++buc) putObject(l, cellX(buc), kRowY, ')').buc = buc;
     },
     objectField(&ObjectSpec::buc)},
    {"NamedMaterials", Variant::Tavrel,
     [](Level& l) {
         const int materials[] = {0, 1, 13, 14, 19, 21};
         for (int i = 0; i < 6; ++i) putObject(l, cellX(i), kRowY, ')').material = materials[i];
     },
     objectField(&ObjectSpec::material)},
    {"TrapNames", Variant::Vanilla,
     [](Level& l) {
         for (int type = 0; type < 23; ++type) putTrap(l, cellX(type), kRowY, type);
     },
     [](const Level& l) {
         std::vector<int> out;
         for (int i = 0; i < 23; ++i) {
             const auto& t = l.cell(cellX(i), kRowY).trap;
             out.push_back(t ? t->trapType : -1);
         }
         return out;
     }},
    {"RoomTypesLightingAndFillStates", Variant::Vanilla,
     [](Level& l) {
         for (int type = 0; type < 21; ++type) {
             AreaRecord& room = addArea(l, type, cellX(type), 3, cellX(type), 5, type % 3 - 1);
             room.filled = static_cast<std::uint32_t>((type / 3) % 3);
             room.irregular = room.filled != 0 && type % 2 == 0 ? 1 : 0;
         }
     },
     rooms},
    {"FlagsAndCaveSettings", Variant::Vanilla,
     [](Level& l) {
         LevelSettings& s = l.settings;
         s.fillMode = kCaveFill;
         s.filling = '.';
         s.initForeground = '.';
         s.initBackground = ' ';
         s.levelFlags = kNoTeleport | kHardFloor | kNoMMap | kArboreal | kSmoothed | kLit;
         s.levelFlags2 = kShortSighted | kNoMonGen;
     },
     [](const Level& l) {
         return std::vector<int>{l.settings.fillMode, l.settings.levelFlags,
                                 l.settings.levelFlags2 & ~kBackgroundGenerated};
     }},
    {"OtherCaveBooleans", Variant::Vanilla,
     [](Level& l) {
         l.settings.fillMode = kCaveFill;
         l.settings.filling = '.';
         l.settings.initForeground = '.';
         l.settings.initBackground = ' ';
         l.settings.levelFlags = kJoined | kWalled;
     },
     [](const Level& l) { return std::vector<int>{l.settings.levelFlags}; }},
};

INSTANTIATE_TEST_SUITE_P(Writer, WordsReadBack, ::testing::ValuesIn(kCases),
                         [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// A curse state not given has no word; where the tail needs one it is
// written as the word that reads back as random.
TEST(WriterWords, CurseStateNotGivenComesBackAsRandom) {
    Level level;
    addFloorPart(level);
    putObject(level, cellX(0), kRowY, ')').spe = 3;
    const std::string text = written(level);
    EXPECT_NE(text.find("OBJECT: ')',random,(00,01),random,3\n"), std::string::npos) << text;
    Random random(7);
    const auto read = readLevel(text, random, Variant::Vanilla);
    ASSERT_TRUE(read) << read.error().message;
    ASSERT_EQ(read->level.cell(cellX(0), kRowY).objects.size(), 1u);
    EXPECT_EQ(read->level.cell(cellX(0), kRowY).objects[0].buc, 4);
}

}  // namespace
}  // namespace mapedit::test
