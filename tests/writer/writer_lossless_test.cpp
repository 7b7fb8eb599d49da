// What the writer now keeps: statements beyond the map text and those no
// part reaches, records with the part they were read into and in their
// reading order, NOMAP as it was read, messages, engravings, WALLIFY,
// kept map characters and the terrain under a random stair.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "generate/random.h"
#include "level_builder.h"
#include "reader/reader.h"

namespace mapedit::test {
namespace {

struct Written {
    std::string text;
    std::vector<std::string> unplaced;
};

Written writeWithNotes(const Level& level) {
    Result<WrittenLevel> written = writeLevel(level, Variant::Vanilla);
    EXPECT_TRUE(written) << written.error();
    if (!written) return {};
    return {std::move(written->text), std::move(written->unplaced)};
}

Result<LevelRead, ReadFailure> reread(const std::string& text) {
    Random random(77);
    return readLevel(text, random, Variant::Vanilla);
}

// The lines after the n-th GEOMETRY (or NOMAP alone), numbered from 0.
std::vector<std::string> linesOfPart(const std::string& text, int part) {
    std::vector<std::string> lines;
    int at = -1;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        if (line.rfind("GEOMETRY: ", 0) == 0 || (line == "NOMAP" && at < 0)) ++at;
        if (at == part && !line.empty()) lines.push_back(line);
    }
    return lines;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A level with one 5 x 3 floor part at (20, 5).
void quay(Level& level) {
    level.settings.mazeName.assign("quay");
    addPart(level, kTopLeft, 20, 5, 5, 3);
    paintRows(level, 20, 5, {".....", ".....", "....."});
}

struct BeyondCase {
    const char* name;
    std::function<void(Level&, int, int)> put;
    std::string line;         // relative to (20, 5); "" when nothing is written
    std::string unreachable;  // the note when no part reaches the cell
};

void PrintTo(const BeyondCase& c, std::ostream* os) {
    *os << c.name;
}

class BeyondTheMap : public ::testing::TestWithParam<BeyondCase> {};

// Below and right of the part's corner a statement is written with the
// part, its coordinates beyond the map text; above or left of it no part
// reaches the cell, and the writer names the statement instead.
TEST_P(BeyondTheMap, IsWrittenWithAPartThatReachesIt) {
    const BeyondCase& c = GetParam();
    Level level;
    quay(level);
    c.put(level, 60, 15);
    Written beyond = writeWithNotes(level);
    EXPECT_TRUE(hasLine(linesOfPart(beyond.text, 0), c.line)) << beyond.text;
    EXPECT_TRUE(beyond.unplaced.empty());
    const auto back = reread(beyond.text);
    ASSERT_TRUE(back) << back.error().message << "\n" << beyond.text;
    EXPECT_EQ(writeWithNotes(back->level).text, beyond.text);

    Level above;
    quay(above);
    c.put(above, 60, 2);
    Written left = writeWithNotes(above);
    EXPECT_EQ(left.unplaced, std::vector<std::string>{c.unreachable});
    EXPECT_EQ(left.text.find(c.line.substr(0, c.line.find(':'))), std::string::npos) << left.text;
}

INSTANTIATE_TEST_SUITE_P(
    Writer, BeyondTheMap,
    ::testing::Values(
        BeyondCase{"Monster",
                   [](Level& l, int x, int y) { putMonster(l, x, y, 'd').name.assign("jackal"); },
                   "MONSTER: 'd',\"jackal\",(40,10)", "MONSTER \"jackal\" at (60,2)"},
        BeyondCase{"Object", [](Level& l, int x, int y) { putObject(l, x, y, '('); },
                   "OBJECT: '(',random,(40,10)", "OBJECT at (60,2)"},
        BeyondCase{"Trap",
                   [](Level& l, int x, int y) { putTrap(l, x, y, 11).trapName.assign("pit"); },
                   "TRAP: \"pit\",(40,10)", "TRAP \"pit\" at (60,2)"},
        BeyondCase{"Stair",
                   [](Level& l, int x, int y) {
                       l.setTerrain(x, y, kUpstairs);
                       l.settings.stairUp = StairSpot{kStairAtPosition, x, y};
                   },
                   "STAIR: (40,10),up", "STAIR up at (60,2)"},
        BeyondCase{"Ladder",
                   [](Level& l, int x, int y) {
                       l.setTerrain(x, y, kLadderDown);
                       l.settings.ladderDown = StairSpot{kStairAtPosition, x, y};
                   },
                   "LADDER: (40,10),down", "LADDER down at (60,2)"},
        BeyondCase{"Door",
                   [](Level& l, int x, int y) {
                       l.setTerrain(x, y, kDoorway);
                       l.cell(x, y).detail = 2;
                   },
                   "DOOR: locked,(40,10)", "DOOR at (60,2)"},
        BeyondCase{"Fountain", [](Level& l, int x, int y) { l.setTerrain(x, y, kFountain); },
                   "FOUNTAIN: (40,10)", "FOUNTAIN at (60,2)"},
        BeyondCase{"Altar",
                   [](Level& l, int x, int y) {
                       l.setTerrain(x, y, kAltar);
                       l.cell(x, y).detail = 0x11;
                   },
                   "ALTAR: (40,10),law,shrine", "ALTAR at (60,2)"},
        BeyondCase{
            "Drawbridge",
            [](Level& l, int x, int y) { l.cell(x, y).overlay = drawbridgeOverlay(3, true); },
            "DRAWBRIDGE: (40,10),west,closed", "DRAWBRIDGE at (60,2)"},
        BeyondCase{"Engraving",
                   [](Level& l, int x, int y) {
                       Engraving e;
                       e.x = x;
                       e.y = y;
                       e.text.assign("Wait");
                       l.engravings.push_back(e);
                   },
                   "ENGRAVING: (40,10),dust,\"Wait\"", "ENGRAVING \"Wait\" at (60,2)"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

// The part (3, 3)-(22, 10) is written first; part 1, inside it at
// (5, 5)-(8, 6), second.
void twoParts(Level& level) {
    level.settings.mazeName.assign("two");
    addPart(level, kTopLeft, 3, 3, 20, 8);
    addPart(level, kCentered, 5, 5, 4, 2);
}

TEST(WriterReadParts, ARandomRecordGoesWithThePartItWasReadInto) {
    struct Case {
        const char* name;
        int readPart;
        int placement;
        int writtenWith;
    };
    const Case cases[] = {
        {"read into the inner part", 1, kPlacedRandom, 1},
        {"read into the outer part", 0, kPlacedRandom, 0},
        {"painted", kNoReadPart, kPlacedRandom, 0},
        {"a part that is gone", 5, kPlacedRandom, 0},
        {"at a position", 1, kAtPosition, 1},
        {"at a position, painted", kNoReadPart, kAtPosition, 0},
    };
    for (const Case& c : cases) {
        Level level;
        twoParts(level);
        MonsterSpec& m = putMonster(level, 6, 5, 'a');
        m.placement = c.placement;
        m.readPart = c.readPart;
        TrapSpec& t = putTrap(level, 6, 5, 0);
        t.placement = c.placement;
        t.readPart = c.readPart;
        ObjectSpec& o = putObject(level, 6, 5, '(');
        o.placement = c.placement;
        o.readPart = c.readPart;
        putObject(level, 6, 5, '$').placement = kContained;
        const std::string text = writeWithNotes(level).text;
        const std::vector<std::string> lines = linesOfPart(text, c.writtenWith);
        const std::string where = c.placement == kPlacedRandom ? "random" : "(03,02)";
        const std::string relative = c.writtenWith == 1 ? "(01,00)" : where;
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(hasLine(
            lines, "MONSTER: 'a',random," + (c.placement == kPlacedRandom ? "random" : relative)))
            << c.name << "\n"
            << text;
        EXPECT_TRUE(hasLine(lines, "OBJECT: '$',random,contained")) << c.name << "\n" << text;
        EXPECT_TRUE(
            hasLine(lines, "TRAP: random," + (c.placement == kPlacedRandom ? "random" : relative)))
            << c.name << "\n"
            << text;
    }
}

// Where a random record landed changes at every read: records read at
// random come first in their part, in the order they were read.
TEST(WriterReadParts, RandomRecordsKeepTheirReadingOrder) {
    Level level;
    twoParts(level);
    const int order[] = {3, 1, 2};
    const char symbols[] = {'c', 'a', 'b'};
    for (int i = 0; i < 3; ++i) {
        MonsterSpec& m = putMonster(level, 10 + i, 8, symbols[i]);
        m.placement = kPlacedRandom;
        m.readPart = 0;
        m.readOrder = order[i];
    }
    putMonster(level, 4, 4, 'z');
    EXPECT_EQ(linesOfPart(writeWithNotes(level).text, 0),
              (std::vector<std::string>{
                  "GEOMETRY: left, top", "MAP", "....................", "....................",
                  "....................", "....................", "....................",
                  "....................", "....................", "....................", "ENDMAP",
                  "MONSTER: 'a',random,random", "MONSTER: 'b',random,random",
                  "MONSTER: 'c',random,random", "MONSTER: 'z',random,(01,01)"}));
}

TEST(WriterNomap, WrittenInTheFormItWasRead) {
    struct Case {
        const char* name;
        int fillMode;
        int form;
        bool second;  // a map part is written first
        const char* expected;
    };
    const Case cases[] = {
        {"alone on a cave", kCaveFill, kNoMapWithoutGeometry, false, "\nNOMAP\n\n"},
        {"after GEOMETRY", kCaveFill, kNoMap, false, "\nGEOMETRY: center, bottom\nNOMAP\n\n"},
        // After another part, NOMAP alone opens the next one.
        {"alone but not first", kCaveFill, kNoMapWithoutGeometry, true,
         "GEOMETRY: left, top\nNOMAP\n\n\nNOMAP\n\n"},
        {"alone without a cave", kPlainFill, kNoMapWithoutGeometry, false,
         "\nGEOMETRY: center, bottom\nNOMAP\n\n"},
    };
    for (const Case& c : cases) {
        Level level;
        level.settings.mazeName.assign("n");
        level.settings.fillMode = c.fillMode;
        level.settings.filling = ' ';
        level.settings.initForeground = '.';
        level.settings.initBackground = ' ';
        // Two parts of one size are written in their order.
        if (c.second) level.mapParts[0] = MapPart{kTopLeft, 79, 21, 1, 0, 79, 20, kNoMap};
        const int index = c.second ? 1 : 0;
        level.settings.partCount = index + 1;
        level.mapParts[static_cast<std::size_t>(index)] = MapPart{
            {HorizontalAlignment::Center, VerticalAlignment::Bottom}, 79, 21, 1, 0, 79, 20, c.form};
        const std::string text = writeWithNotes(level).text;
        EXPECT_NE(text.find(c.expected), std::string::npos) << c.name << "\n" << text;
        const auto back = reread(text);
        ASSERT_TRUE(back) << c.name << ": " << back.error().message << "\n" << text;
        EXPECT_EQ(writeWithNotes(back->level).text, text) << c.name;
    }
}

TEST(WriterKept, MessagesEngravingsAndWallifyAreWritten) {
    Level level;
    quay(level);
    level.settings.fillMode = kPlainFill;
    level.settings.filling = ' ';
    level.messages.emplace_back().assign("Hello # there");
    level.messages.emplace_back();
    level.mapParts[0].wallified = 1;
    Engraving random;
    random.placement = kPlacedRandom;
    random.readPart = 0;
    random.type = 2;
    level.engravings.push_back(random);
    Engraving contained;
    contained.placement = kContained;
    contained.x = 21;
    contained.y = 6;
    contained.type = 3;
    contained.text.assign("X");
    level.engravings.push_back(contained);
    const std::string text = writeWithNotes(level).text;
    EXPECT_EQ(text,
              "MAZE: \"quay\", ' '\n"
              "MESSAGE: \"Hello # there\"\n"
              "MESSAGE: random\n"
              "\nGEOMETRY: left, top\nMAP\n.....\n.....\n.....\nENDMAP\nWALLIFY\n\n"
              "ENGRAVING: random,burn,random\n"
              "ENGRAVING: (01,01),mark,\"X\"\n\n");
    const auto back = reread(text);
    ASSERT_TRUE(back) << back.error().message;
    EXPECT_EQ(back->level.messages.size(), 2u);
    EXPECT_EQ(back->level.engravings.size(), 2u);
    EXPECT_EQ(writeWithNotes(back->level).text, text);
}

// A row may not start with a digit (the reader drops it) or 'E' (the
// reader takes it for ENDMAP): a kept character there gets a digit before it.
TEST(WriterKept, KeptCharactersComeBackAsTheyWere) {
    Level level;
    quay(level);
    level.keepMapSymbol(20, 5, '7');
    level.keepMapSymbol(20, 6, 'E');
    level.keepMapSymbol(21, 7, 'W');
    const std::string text = writeWithNotes(level).text;
    EXPECT_NE(text.find("MAP\n07....\n0E....\n.W...\nENDMAP"), std::string::npos) << text;
    const auto back = reread(text);
    ASSERT_TRUE(back) << back.error().message;
    const MapPart& part = back->level.mapParts[0];
    EXPECT_EQ(part.width, 5);
    EXPECT_EQ(back->level.cell(part.x1, part.y1).keptSymbol, '7');
    EXPECT_EQ(back->level.cell(part.x1, part.y1 + 1).keptSymbol, 'E');
    EXPECT_EQ(writeWithNotes(back->level).text, text);
}

TEST(WriterKept, ARandomStairLeavesTheTerrainItStoodOn) {
    Level level;
    quay(level);
    paintRows(level, 20, 5, {"AAAAA"});
    level.setTerrain(22, 5, kUpstairs);
    level.settings.stairUp = StairSpot{kStairPlacedRandom, 22, 5, 0, kOpenAir};
    level.setTerrain(23, 5, kDownstairs);
    level.settings.stairDown = StairSpot{kStairAtPosition, 23, 5};
    const std::string text = writeWithNotes(level).text;
    EXPECT_NE(text.find("MAP\nAAA.A\n"), std::string::npos) << text;
}

// A random record goes back into its part, where the reader needs a free
// cell of the right ground for it; what the part as written cannot hold is
// written at its cell instead, the records read last first.
TEST(WriterReadParts, RandomRecordsWithoutRoomArePinnedToTheirCells) {
    struct Case {
        const char* name;
        const char* row;  // the part's one row, at (20, 5)
        std::function<void(Level&)> put;
        std::vector<std::string> lines;  // the part's placement lines
    };
    auto random = [](auto& record, int order) {
        record.placement = kPlacedRandom;
        record.readPart = 0;
        record.readOrder = order;
    };
    const Case cases[] = {
        {"no ground left",
         "}}T}}",
         [&](Level& l) { random(putObject(l, 21, 5, '*'), 1); },
         {"OBJECT: '*',random,(01,00)"}},
        {"nothing but water, where any cell will do",
         "}}}}}",
         [&](Level& l) { random(putObject(l, 21, 5, '*'), 1); },
         {"OBJECT: '*',random,random"}},
        {"one cell for two",
         "}.}}}",
         [&](Level& l) {
             random(putObject(l, 21, 5, '*'), 2);
             random(putObject(l, 22, 5, '!'), 1);
         },
         {"OBJECT: '!',random,random", "OBJECT: '*',random,(01,00)"}},
        {"a fixed monster would push it off the only cell",
         "}.}}}",
         [&](Level& l) {
             random(putMonster(l, 23, 5, 'a'), 1);
             putMonster(l, 21, 5, 'b');
         },
         {"MONSTER: 'b',random,(01,00)", "MONSTER: 'a',random,(03,00)"}},
        {"an earlier part's random record may take the shared cell",
         "}.}}}",
         [&](Level& l) {
             addPart(l, kTopLeft, 20, 5, 5, 1);  // the same rectangle, written second
             random(putMonster(l, 21, 5, 'a'), 1);
             MonsterSpec& second = putMonster(l, 23, 5, 'b');
             random(second, 2);
             second.readPart = 1;
         },
         {"MONSTER: 'a',random,random", "MONSTER: 'b',random,(03,00)"}},
        {"a record pinned in a later part takes the cell first",
         "}.}}}",
         [&](Level& l) {
             addPart(l, kTopLeft, 40, 10, 2, 1);  // written second
             paintRows(l, 40, 10, {"  "});        // stone only
             random(putMonster(l, 23, 5, 'a'), 1);
             MonsterSpec& later = putMonster(l, 21, 5, 'b');
             random(later, 2);
             later.readPart = 1;
         },
         {"MONSTER: 'b',random,(01,00)", "MONSTER: 'a',random,(03,00)"}},
        {"sea monsters need water",
         "..}..",
         [&](Level& l) {
             random(putMonster(l, 22, 5, ';'), 1);
             random(putMonster(l, 23, 5, ';'), 2);
             random(putTrap(l, 24, 5, 0), 3);
         },
         {"MONSTER: ';',random,random", "MONSTER: ';',random,(03,00)", "TRAP: random,random"}},
    };
    for (const Case& c : cases) {
        Level level;
        level.settings.mazeName.assign("room");
        addPart(level, kTopLeft, 20, 5, 5, 1);
        paintRows(level, 20, 5, {c.row});
        c.put(level);
        const std::string text = writeWithNotes(level).text;
        std::vector<std::string> lines;
        for (const std::string& line : linesOfPart(text, 0)) {
            if (line.rfind("MONSTER", 0) == 0 || line.rfind("OBJECT", 0) == 0 ||
                line.rfind("TRAP", 0) == 0) {
                lines.push_back(line);
            }
        }
        EXPECT_EQ(lines, c.lines) << c.name << "\n" << text;
        const auto back = reread(text);
        EXPECT_TRUE(back) << c.name << ": " << back.error().message << "\n" << text;
    }
}

}  // namespace
}  // namespace mapedit::test
