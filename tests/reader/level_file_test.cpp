// Splitting a level file into its levels, and putting an edited level back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/level_file.h"
#include "reader/reader.h"

namespace mapedit {
namespace {

struct Expected {
    LevelStyle style;
    std::string name;
    std::string text;  // the level's span
    int firstLine;
    int statementLine;
};

struct SplitCase {
    const char* what;
    std::string file;
    bool single;
    std::vector<Expected> levels;
};

constexpr LevelStyle kMaze = LevelStyle::Maze;
constexpr LevelStyle kRooms = LevelStyle::RoomsAndCorridors;

TEST(LevelFile, SplitsAtMazeAndLevelStatements) {
    const std::string map = "MAP\nLEVEL: \"row\"\nMAZE\nENDMAP\n";
    const SplitCase cases[] = {
        {"no level statement", "# nothing\nFLAGS: x\n", true, {}},
        {"one maze",
         "# a\nMAZE: \"a\", ' '\nX\n",
         true,
         {{kMaze, "a", "# a\nMAZE: \"a\", ' '\nX\n", 1, 2}}},
        {"one room level is not a single maze",
         "LEVEL: \"r\"\n",
         false,
         {{kRooms, "r", "LEVEL: \"r\"\n", 1, 1}}},
        {"comments between levels go with the next, and what follows them",
         "# head\nMAZE: \"a\"\nX\n\n# b's\n\nMAZE: \"b\"\nY\n# tail\n",
         false,
         {{kMaze, "a", "# head\nMAZE: \"a\"\nX\n\n", 1, 2},
          {kMaze, "b", "# b's\n\nMAZE: \"b\"\nY\n# tail\n", 5, 7}}},
        {"blank lines after a level stay with it",
         "MAZE: \"a\"\n\n \nMAZE: \"b\"\n",
         false,
         {{kMaze, "a", "MAZE: \"a\"\n\n \n", 1, 1}, {kMaze, "b", "MAZE: \"b\"\n", 4, 4}}},
        {"CR LF and lone CR line ends count as the reader counts them",
         "MAZE: \"a\"\r\nX\r\rLEVEL: \"b\"\r\n",
         false,
         {{kMaze, "a", "MAZE: \"a\"\r\nX\r\r", 1, 1}, {kRooms, "b", "LEVEL: \"b\"\r\n", 4, 4}}},
        {"map rows are not statements",
         "MAZE: \"a\"\n" + map + "MAZE: \"b\"\n",
         false,
         {{kMaze, "a", "MAZE: \"a\"\n" + map, 1, 1}, {kMaze, "b", "MAZE: \"b\"\n", 6, 6}}},
        {"only whole keywords, after blanks",
         "MAZE: \"a\"\nMAZEWALK: (1,1), east\nLEVELS\n  \tMAZE:\"b\"\n",
         false,
         {{kMaze, "a", "MAZE: \"a\"\nMAZEWALK: (1,1), east\nLEVELS\n", 1, 1},
          {kMaze, "b", "  \tMAZE:\"b\"\n", 4, 4}}},
        {"a name that is not quoted is none",
         "MAZE: a\nMAZE \"b\"\nMAZE: \"c\n",
         false,
         {{kMaze, "", "MAZE: a\n", 1, 1},
          {kMaze, "", "MAZE \"b\"\n", 2, 2},
          {kMaze, "", "MAZE: \"c\n", 3, 3}}},
        {"the text ends at Ctrl-Z",
         "MAZE: \"a\"\nMAZE: \"b\"\n\x1aMAZE: \"c\"\n",
         false,
         {{kMaze, "a", "MAZE: \"a\"\n", 1, 1}, {kMaze, "b", "MAZE: \"b\"\n", 2, 2}}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const LevelFile file(c.file);
        EXPECT_EQ(file.isSingleLevel(), c.single);
        ASSERT_EQ(file.levels().size(), c.levels.size());
        for (std::size_t i = 0; i < c.levels.size(); ++i) {
            const LevelSpan& span = file.levels()[i];
            const Expected& want = c.levels[i];
            EXPECT_EQ(span.style, want.style) << i;
            EXPECT_EQ(span.name, want.name) << i;
            EXPECT_EQ(c.file.substr(span.begin, span.end - span.begin), want.text) << i;
            EXPECT_EQ(span.firstLine, want.firstLine) << i;
            EXPECT_EQ(span.statementLine, want.statementLine) << i;
        }
    }
}

TEST(LevelFile, ASingleLevelIsReadAndWrittenWhole) {
    const LevelFile file("# head\nMAZE: \"a\"\n\x1a tail");
    EXPECT_EQ(file.levelText(0), file.text());
    EXPECT_EQ(file.levelFirstLine(0), 1);
    EXPECT_EQ(file.withLevel(0, "new\n"), "new\n");
}

TEST(LevelFile, ReplacingALevelKeepsTheOthersAndMovesThem) {
    LevelFile file("MAZE: \"a\"\nA\n# b\nMAZE: \"b\"\nB\nMAZE: \"c\"\nC\n\x1a tail");
    // Written as Save writes: a blank line at the end.
    const std::string written = "MAZE: \"bb\"\n\nB1\nB2\n\n";
    const std::string expected =
        "MAZE: \"a\"\nA\nMAZE: \"bb\"\n\nB1\nB2\n\nMAZE: \"c\"\nC\n\x1a tail";
    EXPECT_EQ(file.withLevel(1, written), expected);
    file.replaceLevel(1, written);
    EXPECT_EQ(file.text(), expected);
    EXPECT_EQ(file.levelText(1), written);
    EXPECT_EQ(file.levels()[1].name, "bb");
    EXPECT_EQ(file.levelText(2), "MAZE: \"c\"\nC\n");
    EXPECT_EQ(file.levels()[2].firstLine, 8);
    EXPECT_EQ(file.levels()[2].statementLine, 8);
    // Saving the same text again changes nothing: the span is exactly what
    // was written, blank lines at its end included.
    const std::string before = file.text();
    file.replaceLevel(1, written);
    EXPECT_EQ(file.text(), before);
    // And the split of the file as saved agrees with the moved spans, so
    // that opening it again and saving keeps it as it is.
    const LevelFile again(file.text());
    ASSERT_EQ(again.levels().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(again.levels()[i].begin, file.levels()[i].begin) << i;
        EXPECT_EQ(again.levels()[i].end, file.levels()[i].end) << i;
        EXPECT_EQ(again.levels()[i].firstLine, file.levels()[i].firstLine) << i;
    }
}

TEST(LevelFile, ALevelWrittenAsAMazeIsOneAfterwards) {
    LevelFile file("# rooms\nLEVEL: \"r\"\n");
    ASSERT_FALSE(file.isSingleLevel());
    file.replaceLevel(0, "MAZE: \"m\"\n");
    EXPECT_TRUE(file.isSingleLevel());
    EXPECT_EQ(file.levels()[0].name, "m");
}

TEST(LevelFile, ALevelReadsWithTheLineNumbersOfTheWholeFile) {
    const std::string file =
        "MAZE: \"a\", ' '\n# one\n# two\nMAZE: \"b\", ' '\nGEOMETRY: up, left\n";
    const LevelFile levels(file);
    Random random(1);
    const auto read =
        readLevel(levels.levelText(1), random, Variant::Vanilla, levels.levelFirstLine(1));
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().message.substr(0, 2), "5:");
}

}  // namespace
}  // namespace mapedit
