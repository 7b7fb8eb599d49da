#include <gtest/gtest.h>

#include <string>

#include "reader/cell_choice.h"
#include "reader/messages.h"
#include "reader/scanner.h"
#include "reader_fixture.h"

namespace mapedit::reader_test {
namespace {

std::string remaining(const Scan& sc) {
    return sc.text.substr(sc.s.cursor);
}

std::string messageOf(const Scan& sc) {
    return sc.s.message;
}

// --- Primitives ---------------------------------------------------------------

struct LineCase {
    std::string text;
    int nextLines;
    int line;          // line after that many nextLine calls
    const char* rest;  // what is left at the cursor
};

TEST(Scanner, LineEndsCountOnceEachAndLfCrCountsTwice) {
    const LineCase cases[] = {
        {"ab\r\ncd", 1, 2, "cd"},
        {"ab\rcd", 1, 2, "cd"},
        {"ab\ncd", 1, 2, "cd"},
        {"ab\n\rcd", 1, 2, "\rcd"},
        {"ab\n\rcd", 2, 3, "cd"},
        {"ab\r\n\r\ncd", 2, 3, "cd"},
        {"abc", 1, 1, ""},                 // end of text: no new line
        {"ab\x1a\ncd", 1, 1, "\x1a\ncd"},  // Ctrl-Z ends the text
        {std::string("ab\0\ncd", 6), 1, 1, ""},
    };
    for (const LineCase& c : cases) {
        Scan sc(c.text);
        for (int i = 0; i < c.nextLines; ++i) nextLine(sc.s);
        EXPECT_EQ(sc.s.line, c.line) << c.text;
        EXPECT_EQ(remaining(sc).substr(0, std::string(c.rest).size()), c.rest) << c.text;
    }
}

TEST(Scanner, TextEndsAtNulCtrlZOrTheEndOfTheView) {
    Scan z(
        "a\x1a"
        "b");
    EXPECT_EQ(advance(z.s), 'a');
    EXPECT_TRUE(atTextEnd(z.s));
    EXPECT_TRUE(atLineEnd(z.s));
    EXPECT_EQ(advance(z.s), 0);  // does not move past the end
    EXPECT_EQ(z.s.cursor, 1u);

    Scan nul(std::string("a\0b", 3));
    advance(nul.s);
    EXPECT_TRUE(atTextEnd(nul.s));

    Scan view("a");
    advance(view.s);
    EXPECT_TRUE(atTextEnd(view.s));
    EXPECT_EQ(peekChar(view.s), 0);
}

TEST(Scanner, SkipBlanksStopsBeforeTheLineEndOfAComment) {
    Scan sc(" \t # a comment, with \"quotes\"\nNEXT");
    skipBlanks(sc.s);
    EXPECT_EQ(peekChar(sc.s), '\n');
    EXPECT_FALSE(expect(sc.s, ','));
    EXPECT_EQ(sc.s.message, Scan::kSentinel);  // expect sets no message

    Scan comma("  ,x");
    EXPECT_TRUE(expect(comma.s, ','));
    EXPECT_EQ(remaining(comma), "x");
}

TEST(Scanner, KeywordsAndWordsAreCutToTheirBuffer) {
    struct Case {
        const char* text;
        bool keyword;
        int size;
        bool ok;
        const char* value;
        const char* rest;
    };
    const Case cases[] = {
        {"OBJECT:", true, 32, true, "OBJECT", ":"},
        {"Maze", true, 32, true, "M", "aze"},
        {"maze", true, 32, false, "", "maze"},
        {"  RANDOM_PLACES x", true, 32, true, "RANDOM_PLACES", " x"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGH", true, 32, true, "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE",
         "FGH"},
        {"half-left,", false, 16, true, "half-left", ","},
        {"northwest", false, 8, true, "northwe", "st"},
        {"\"quoted\"", false, 16, false, "", "\"quoted\""},
    };
    for (const Case& c : cases) {
        Scan sc(c.text);
        std::string out;
        const bool ok = c.keyword ? readKeyword(sc.s, out, c.size) : readWord(sc.s, out, c.size);
        EXPECT_EQ(ok, c.ok) << c.text;
        if (ok) {
            EXPECT_EQ(out, c.value) << c.text;
        }
        EXPECT_EQ(remaining(sc), c.rest) << c.text;
        EXPECT_EQ(sc.s.message, Scan::kSentinel) << c.text;
    }
}

// --- Numbers, texts, symbols --------------------------------------------------

TEST(Scanner, NumbersTakeSignsAndBlanksAndSaturate) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"42", true, 42},
        {"  -7", true, -7},
        {"- \t7", true, -7},
        {"+5", true, 5},
        {"+ 5", true, 5},
        {"-", false, 0},
        {"x1", false, 0},
        {"99999999999999999999999", true, 1'000'000'000},
        {"-4294967296", true, -1'000'000'000},
    };
    for (const Case& c : cases) {
        Scan sc(c.text);
        int value = 0;
        EXPECT_EQ(readNumber(sc.s, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
        EXPECT_EQ(sc.s.message, Scan::kSentinel) << c.text;
    }
}

TEST(Scanner, QuotedTextsAndTheWordRandom) {
    struct Case {
        const char* text;
        int size;
        bool ok;
        const char* value;
        const char* message;  // in force afterwards
    };
    const char* quote = msg::kMissingQuote;
    const Case cases[] = {
        {"\"abc\"", 16, true, "abc", quote},
        {"  \"a # b\"", 16, true, "a # b", quote},
        {"random", 16, true, "", msg::kSyntaxError},
        {"\"\"", 16, false, "", quote},
        {"\"abc", 16, false, "", quote},
        {"\"abc\ndef\"", 16, false, "", quote},
        {"nothing", 16, false, "", msg::kSyntaxError},
        {"randomly", 16, false, "", msg::kSyntaxError},
        {"42", 16, false, "", msg::kSyntaxError},
        {"\"12345678\"", 9, true, "12345678", quote},
        {"\"123456789\"", 9, false, "", quote},
        {"\"'\"", 16, true, "'", quote},
    };
    for (const Case& c : cases) {
        Scan sc(c.text);
        std::string out = "old";
        EXPECT_EQ(readString(sc.s, out, c.size), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out, c.value) << c.text;
        }
        EXPECT_EQ(messageOf(sc), c.message) << c.text;
    }
}

TEST(Scanner, SymbolsQuotedRandomAndListEntries) {
    struct Case {
        const char* text;
        const char* listWord;
        bool ok;
        int value;
        const char* message;
    };
    const Case cases[] = {
        {"'a'", nullptr, true, 'a', msg::kIllegalSymbol},
        {"' '", nullptr, true, ' ', msg::kIllegalSymbol},
        {"'\xb0'", nullptr, true, -80, msg::kIllegalSymbol},
        {"random", "monster", true, -1, msg::kIllegalSymbol},
        {"monster[3]", "monster", true, -13, msg::kMissingCloseBrace},
        {"object [ 0 ]", "object", true, -10, msg::kMissingCloseBrace},
        {"object[3]", "monster", false, 0, msg::kIllegalSymbol},
        {"monster[3]", nullptr, false, 0, msg::kIllegalSymbol},
        {"monster[10]", "monster", false, 0, msg::kMissingCloseBrace},
        {"monster[x]", "monster", false, 0, msg::kIllegalShuffleNumber},
        {"monster", "monster", false, 0, msg::kMissingOpenBrace},
        {"'ab'", nullptr, false, 0, msg::kIllegalSymbol},
        {"'", nullptr, false, 0, msg::kIllegalSymbol},
        {"\"a\"", nullptr, false, 0, msg::kIllegalSymbol},
    };
    for (const Case& c : cases) {
        Scan sc(c.text);
        int out = 0;
        EXPECT_EQ(readSymbol(sc.s, out, c.listWord), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out, c.value) << c.text;
        }
        EXPECT_EQ(messageOf(sc), c.message) << c.text;
    }
}

TEST(Scanner, ChancesAreOneToNinetyNineOrAbsent) {
    struct Case {
        const char* text;
        bool ok;
        int value;
        const char* message;
    };
    const Case cases[] = {
        {": x", true, 100, Scan::kSentinel},
        {"[50%]:", true, 50, msg::kMissingCloseBrace},
        {"[ 50 % ] :", true, 50, msg::kMissingCloseBrace},
        {"[99%]", true, 99, msg::kMissingCloseBrace},
        {"[50]", false, 0, msg::kMissingPercent},
        {"[%]", false, 0, msg::kMissingOpenBrace},
        {"[50%", false, 0, msg::kMissingCloseBrace},
        {"[100%]", false, 0, msg::kInvalidChance},
        {"[0%]", false, 0, msg::kInvalidChance},
        {"[99999999999999%]", false, 0, msg::kInvalidChance},
    };
    for (const Case& c : cases) {
        Scan sc(c.text);
        int out = 0;
        EXPECT_EQ(readChance(sc.s, out), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out, c.value) << c.text;
        }
        EXPECT_EQ(messageOf(sc), c.message) << c.text;
    }
    Scan colon(":");
    int out = 0;
    readChance(colon.s, out);
    EXPECT_EQ(remaining(colon), ":");  // the colon is left for the statement
}

// --- Positions ----------------------------------------------------------------

TEST(Scanner, LocationsAreMovedByTheMapPartOrCoded) {
    struct Case {
        const char* text;
        bool ok;
        int x, y;
        const char* message;
    };
    const Case cases[] = {
        {"(1,2)", true, 11, 7, msg::kInvalidLocation},
        {" ( -1 , +2 ) ", true, 9, 7, msg::kInvalidLocation},
        {"random", true, kLocationRandom, 0, msg::kInvalidLocation},
        {"place[7]", true, kLocationPlace, 7, msg::kMissingCloseBrace},
        {"contained", true, kLocationContained, 0, msg::kInvalidLocation},
        {"somewhere", false, 0, 0, msg::kInvalidLocation},
        {"(1,2", false, 0, 0, msg::kInvalidLocation},
        {"place", false, 0, 0, msg::kMissingOpenBrace},
        {"place[x]", false, 0, 0, msg::kIllegalShuffleNumber},
    };
    for (const Case& c : cases) {
        Scan sc(c.text);
        int x = 0, y = 0;
        EXPECT_EQ(readLocation(sc.s, x, y), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(x, c.x) << c.text;
            EXPECT_EQ(y, c.y) << c.text;
        }
        EXPECT_EQ(messageOf(sc), c.message) << c.text;
    }
}

TEST(Scanner, RegionsAllZerosLevregionAndGridLimits) {
    struct Case {
        const char* text;
        RegionResult result;
        int x1, y1, x2, y2;
    };
    const Case cases[] = {
        {"(1,2,3,1)", RegionResult::Read, 11, 7, 13, 6},
        // All zeros is decided before the offset.
        {"(0,0,0,0)", RegionResult::AllZeros, 10, 5, 10, 5},
        {"levregion(0,0,0,0)", RegionResult::AllZeros, 0, 0, 0, 0},
        {"levregion(1,2,79,20)", RegionResult::Read, 1, 2, 79, 20},
        {"(-10,-5,69,15)", RegionResult::Read, 0, 0, 79, 20},
        {"levreg(1,2,3,4)", RegionResult::Failed, 0, 0, 0, 0},
        {"(1,2,3)", RegionResult::Failed, 0, 0, 0, 0},
        {"(1,2,70,4)", RegionResult::Failed, 0, 0, 0, 0},  // x2 80 is off the grid
        {"levregion(-1,0,0,0)", RegionResult::Failed, 0, 0, 0, 0},
        {"(0,0,0,99999999999)", RegionResult::Failed, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Scan sc(c.text);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        EXPECT_EQ(readRegion(sc.s, x1, y1, x2, y2), c.result) << c.text;
        if (c.result != RegionResult::Failed) {
            EXPECT_EQ(x1, c.x1) << c.text;
            EXPECT_EQ(y1, c.y1) << c.text;
            EXPECT_EQ(x2, c.x2) << c.text;
            EXPECT_EQ(y2, c.y2) << c.text;
        }
        EXPECT_EQ(messageOf(sc), msg::kInvalidRegion) << c.text;
    }
}

// --- Closed word sets ---------------------------------------------------------

TEST(Scanner, ClosedWordSetsMapTheirWordsAndSetTheirMessage) {
    using Reader = bool (*)(ReaderState&, int&);
    struct Case {
        Reader reader;
        const char* text;
        bool ok;
        int value;
        const char* message;
    };
    const Case cases[] = {
        {readBoolean, "true", true, 1, msg::kInvalidBoolean},
        {readBoolean, "True", false, 0, msg::kInvalidBoolean},
        {readBoolean, "truey", false, 0, msg::kInvalidBoolean},
        {readUpDown, "up", true, 0, msg::kInvalidUpDown},
        {readUpDown, "down", true, 1, msg::kInvalidUpDown},
        {readLighting, "lit", true, 1, msg::kInvalidLighting},
        {readLighting, "random", true, -1, msg::kInvalidLighting},
        {readLighting, "dark", false, 0, msg::kInvalidLighting},
        {readDirection, "north", true, 0, msg::kInvalidDirection},
        {readDirection, "west", true, 3, msg::kInvalidDirection},
        {readDirection, "northwest", false, 0, msg::kInvalidDirection},
    };
    for (const Case& c : cases) {
        Scan sc(c.text);
        int out = 99;
        EXPECT_EQ(c.reader(sc.s, out), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out, c.value) << c.text;
        }
        EXPECT_EQ(messageOf(sc), c.message) << c.text;
    }
}

TEST(Scanner, AlignmentWordsIgnoreLetterCase) {
    const std::pair<const char*, int> cases[] = {
        {"law", 1},          {"NEUTRAL", 2}, {"Chaos", 3},  {"noalign", 4}, {"coaligned", 5},
        {"noncoaligned", 6}, {"ALIGN", 7},   {"random", 0}, {"lawful", -1}, {"", -1},
        {"chaos ", -1},
    };
    for (const auto& [word, value] : cases) EXPECT_EQ(alignmentOf(word), value) << word;
}

// --- Cells ----------------------------------------------------------------------

TEST(Scanner, CheckOnGridRejectsCellsOffTheGrid) {
    const std::pair<int, int> good[] = {{0, 0}, {79, 20}, {40, 10}};
    const std::pair<int, int> bad[] = {{80, 0}, {-1, 5}, {5, 21}, {5, -1}, {-1000000000, 0}};
    Scan sc("");
    for (auto [x, y] : good) EXPECT_TRUE(checkOnGrid(sc.s, x, y)) << x << "," << y;
    EXPECT_EQ(sc.s.message, Scan::kSentinel);
    for (auto [x, y] : bad) {
        sc.s.message = Scan::kSentinel;
        EXPECT_FALSE(checkOnGrid(sc.s, x, y)) << x << "," << y;
        EXPECT_EQ(messageOf(sc), msg::kInvalidLocation);
    }
}

TEST(Scanner, RandomPlacesReadAsSignedBytes) {
    Scan sc("");
    sc.level.settings.randomPlaces[3] = {12, static_cast<std::int8_t>(-2)};
    int x = 0, y = 0;
    randomPlaceCell(sc.s, 3, x, y);
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, -2);
    randomPlaceCell(sc.s, 9, x, y);  // never set
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

// Map part 0 of Scan is (10, 5)-(14, 7), all floor after Level().
class PickRandomCell : public ::testing::Test {
  protected:
    Scan sc{""};
    MapCell& at(int x, int y) { return sc.level.cell(x, y); }
    void fillPart(int kind) {
        for (int x = 10; x <= 14; ++x)
            for (int y = 5; y <= 7; ++y) sc.level.setTerrain(x, y, kind);
    }
    void putObjectEverywhereBut(int keepX, int keepY) {
        for (int x = 10; x <= 14; ++x)
            for (int y = 5; y <= 7; ++y)
                if (x != keepX || y != keepY) at(x, y).objects.emplace_back();
    }
};

TEST_F(PickRandomCell, ConditionsDecideWhichCellsQualify) {
    struct Case {
        const char* name;
        int terrain;  // the one cell (12, 6) gets this, the rest walls
        int conditions;
        bool ok;
    };
    const Case cases[] = {
        {"floor, objects", kFloor, kOnGround | kNoObject, true},
        {"ice is ground", kIce, kOnGround, true},
        {"corridor is ground", kCorridor, kOnGround, true},
        {"open air is ground", kOpenAir, kOnGround, true},
        {"cloud is ground", kCloudyAir, kOnGround, true},
        {"pool is not ground", kPool, kOnGround, false},
        {"throne is not ground", kThrone, kOnGround, false},
        {"ice walkable", 9, 0, true},
        {"pool is water", 11, kInWater | kNoMonster, true},
        {"moat is water", kMoat, kInWater, true},
        {"lava is water", kLava, kInWater, true},
        {"floor is not water", kFloor, kInWater, false},
        {"fountain is a feature", kFountain, kNotFeature, false},
        {"fountain walkable", kFountain, 0, true},
        {"lava not walkable", 13, 0, false},
        {"drawbridge not walkable", kDrawbridgeKind, 0, false},
    };
    for (const Case& c : cases) {
        fillPart(kHorizontalWall);
        sc.level.setTerrain(12, 6, c.terrain);
        int x = -1, y = -1;
        EXPECT_EQ(pickRandomCell(sc.s, x, y, c.conditions), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(x, 12) << c.name;
            EXPECT_EQ(y, 6) << c.name;
        }
    }
}

TEST_F(PickRandomCell, OccupiedCellsAreSkippedByTheirBits) {
    at(12, 6).monster.emplace();
    at(13, 6).trap.emplace();
    fillPart(kHorizontalWall);
    sc.level.setTerrain(12, 6, kFloor);
    sc.level.setTerrain(13, 6, kFloor);
    int x = 0, y = 0;
    ASSERT_TRUE(pickRandomCell(sc.s, x, y, kNoMonster));
    EXPECT_EQ(x, 13);
    ASSERT_TRUE(pickRandomCell(sc.s, x, y, kNoTrap));
    EXPECT_EQ(x, 12);
    EXPECT_FALSE(pickRandomCell(sc.s, x, y, kNoTrap | kNoMonster));
}

TEST_F(PickRandomCell, NeverReturnsACellHoldingAnObject) {
    putObjectEverywhereBut(14, 7);
    for (int i = 0; i < 50; ++i) {
        int x = 0, y = 0;
        ASSERT_TRUE(pickRandomCell(sc.s, x, y, kOnGround | kNoObject));
        EXPECT_EQ(x, 14);
        EXPECT_EQ(y, 7);
    }
    at(14, 7).objects.emplace_back();
    int x = 0, y = 0;
    EXPECT_FALSE(pickRandomCell(sc.s, x, y, kOnGround | kNoObject));
}

TEST_F(PickRandomCell, AnEmptyPartFailsWithoutDrawing) {
    const MapPart empty[] = {
        {.x1 = 41, .y1 = 3, .x2 = 40, .y2 = 2},              // ENDMAP right after MAP
        {},                                                  // NOMAP
        {.width = 3, .x1 = 10, .y1 = 5, .x2 = 12, .y2 = 4},  // no rows
    };
    for (const MapPart& part : empty) {
        sc.level.mapParts[0] = part;
        Random before = sc.random;
        int x = 0, y = 0;
        EXPECT_FALSE(pickRandomCell(sc.s, x, y, 0));
        EXPECT_EQ(sc.random.nextRandom32(), before.nextRandom32());
    }
}

}  // namespace
}  // namespace mapedit::reader_test
