#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader_fixture.h"

namespace mapedit::reader_test {
namespace {

std::string joinLines(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

struct ReportCase {
    const char* name;
    std::string text;
    std::string report;  // empty: the read succeeds
};

TEST(ReaderDriver, PhasesAndReportFormats) {
    const std::string geometry = "GEOMETRY: left, top\n";
    const std::string object = "OBJECT: '!', \"x\", (1,1)\n";
    const ReportCase cases[] = {
        {"empty file", "", "Broken map"},
        {"comments and blank lines", "# a\n\n   # b\n\t\n", "Broken map"},
        {"header only", kMazeLine + "FLAGS: noteleport\n", "Broken map"},
        {"geometry without a map", kMazeLine + geometry, "Broken map"},
        {"first statement not MAZE", "# x\n\nGEOMETRY: center, center\n",
         "3: Command before 'MAZE'"},
        {"lines without a keyword are skipped", "maze: no\n1 2\n'x'\n" + kCloset, ""},
        {"placement in the header", kMazeLine + object, "Command 'OBJECT' is not allowed here"},
        {"unknown keyword in the header", kMazeLine + "FOO: 1\n",
         "Command 'FOO' is not allowed here"},
        {"map without geometry", kMazeLine + "MAP\n", "Command 'MAP' is not allowed here"},
        {"sink in the header", kMazeLine + "SINK: (1,1)\n", "Command 'SINK' is not allowed here"},
        {"placement instead of a map", kMazeLine + geometry + object, "3: No MAP description???"},
        {"geometry instead of a map", kMazeLine + geometry + geometry, "3: No MAP description???"},
        {"capitalised word after a map", kCloset + "Maze\n", "8: Illegal command 'M'"},
        {"lower-case word after a map", kCloset + "maze\n", ""},
        {"indented unknown keyword", kCloset + "  \tFOO\n", "8: Illegal command 'FOO'"},
        {"second MAZE", kCloset + kMazeLine, "8: Only single maze is supported"},
        {"failing statement", "MAZE \"x\", ' '\n", "1: Missing ':'"},
        {"failure after comments", kCloset + "\n# c\nREGION (1,1,1,1), lit, \"ordinary\"\n",
         "10: Missing ':'"},
        {"text left after a statement", kCloset + "WALLIFY MAP\n", "8: Syntax error"},
        {"end right after ENDMAP", kMazeLine + geometry + "MAP\n---\nENDMAP", ""},
        {"NOMAP", kMazeLine + geometry + "NOMAP\n", ""},
        {"header statements before and after the map",
         kMazeLine +
             "FLAGS: noteleport\nMESSAGE: \"hi\"\nINIT_MAP: '.', ' ', true, true, lit, "
             "false\n" +
             kClosetPart + "FLAGS: hardfloor\nINIT_MAP: '.', 'T', false, false, unlit, true\n" +
             "MESSAGE: \"bye\"\nWALLIFY\n",
         ""},
        {"Ctrl-Z ends the text", kCloset + "\x1a" + "GARBAGE\n", ""},
        {"NUL ends the text", kCloset + std::string(1, '\0') + "GARBAGE\n", ""},
        {"Ctrl-Z before the map", kMazeLine + "\x1a" + geometry + "NOMAP\n", "Broken map"},
        {"long keyword is cut", kCloset + std::string(40, 'A') + "\n",
         "8: Illegal command '" + std::string(31, 'A') + "'"},
        {"sink after the map", kCloset + "SINK: (1,1)\n", ""},
    };
    for (const ReportCase& c : cases) {
        Level level;
        const Status r = readFresh(level, c.text);
        EXPECT_EQ(r.has_value(), c.report.empty()) << c.name;
        EXPECT_EQ(r.error_or(""), c.report) << c.name;
        EXPECT_LE(r.error_or("").size(), 79u) << c.name;
    }
}

TEST(ReaderDriver, EveryLineEndStyleCountsLines) {
    const std::string maze = "MAZE: \"t\", ' '";
    const std::pair<std::string, const char*> cases[] = {
        {maze + "\r\n# note\r\n\r\nFLAGS: bogus", "4: Invalid flag"},
        {maze + "\r# note\r\rFLAGS: bogus", "4: Invalid flag"},
        {maze + "\n# note\n\nFLAGS: bogus", "4: Invalid flag"},
        {maze + "\n\rFLAGS: bogus", "3: Invalid flag"},      // LF CR is two line ends
        {maze + "\n\r\n\rFLAGS: bogus", "4: Invalid flag"},  // LF, CR LF, CR
    };
    for (const auto& [text, report] : cases) {
        Level level;
        EXPECT_EQ(readFresh(level, text).error_or(""), report);
    }
}

TEST(ReaderDriver, MapsReadWithEveryLineEndStyle) {
    const std::vector<std::string> lines = {
        "MAZE: \"t\", ' '", "GEOMETRY: left, top", "MAP", "-.-", "ENDMAP", "WALLIFY"};
    for (const char* end : {"\r\n", "\r", "\n"}) {
        Level level;
        ASSERT_TRUE(readFresh(level, joinLines(lines, end)));
        EXPECT_EQ(level.mapParts[0].width, 3);
        EXPECT_EQ(level.cell(kClosetX + 1, kClosetY).terrain, kFloor);
        EXPECT_TRUE(level.settings.levelFlags2 & kWallify);
    }
}

TEST(ReaderDriver, BackgroundIsGeneratedOnceBeforeTheFirstMap) {
    // A tree filling; the first part is still floor after the second map,
    // so the background was not laid again over it.
    const std::string text =
        "MAZE: \"t\", 'T'\n"
        "GEOMETRY: left, top\nMAP\n...\nENDMAP\n"
        "GEOMETRY: right, bottom\nMAP\n...\nENDMAP\n";
    Level level;
    ASSERT_TRUE(readFresh(level, text));
    EXPECT_TRUE(level.settings.levelFlags2 & kBackgroundGenerated);
    EXPECT_EQ(level.cell(3, 3).terrain, kFloor);
    EXPECT_EQ(level.cell(75, 19).terrain, kFloor);  // right, bottom: (74, 18) made odd
    EXPECT_EQ(level.cell(1, 1).terrain, 14);        // tree
    EXPECT_EQ(level.cell(40, 10).terrain, 14);
    EXPECT_EQ(level.cell(0, 10).terrain, kStone);  // column 0 is never background
}

TEST(ReaderDriver, LaterInitMapChangesSettingsButNotTheBackground) {
    Level level;
    ASSERT_TRUE(readFresh(level, kCloset + "INIT_MAP: '.', 'T', true, true, lit, true\n"));
    EXPECT_EQ(level.settings.fillMode, kCaveFill);
    EXPECT_EQ(level.cell(40, 10).terrain, kStone);
}

TEST(ReaderDriver, SecondMapWithoutGeometryReadsIntoTheSamePart) {
    Level level;
    ASSERT_TRUE(readFresh(level, kCloset + "MAP\n.....\nENDMAP\n"));
    EXPECT_EQ(level.settings.partCount, 1);
    EXPECT_EQ(level.mapParts[0].width, 5);
    EXPECT_EQ(level.mapParts[0].height, 1);
    int outlines = 0;
    for (const auto& area : level.areas()) {
        if (area->kind == kMapPartArea) {
            ++outlines;
            EXPECT_EQ(area->param, 0);
        }
    }
    EXPECT_EQ(outlines, 2);
}

TEST(ReaderDriver, TenMapPartsAtMostAndNothingWrittenPastThem) {
    std::string text = kMazeLine;
    for (int i = 0; i < 10; ++i) text += "GEOMETRY: left, top\nNOMAP\n";
    Level level;
    ASSERT_TRUE(readFresh(level, text));
    EXPECT_EQ(level.settings.partCount, 10);

    text += "GEOMETRY: right, top\nNOMAP\n";
    const Status r = readFresh(level, text);
    EXPECT_EQ(r.error_or(""), "22: Too many map parts");
    EXPECT_EQ(level.settings.partCount, 10);
    EXPECT_EQ(level.mapParts[9].alignment.horizontal, HorizontalAlignment::Left);
}

TEST(ReaderDriver, ReadStartsFromAFreshStoneLevel) {
    Random random(kFixedSeed);
    const std::string text =
        "MAZE: random, 'T'\nGEOMETRY: left, top\nNOMAP\n"
        "RANDOM_MONSTERS: 'a'\n";
    const auto read = readLevel(text, random, Variant::Vanilla);
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(&readSoFar(read), &*read);
    EXPECT_EQ(read->currentPart, 0);
    const Level& level = read->level;
    EXPECT_EQ(level.settings.partCount, 1);
    EXPECT_EQ(level.settings.randomMonsterCount, 1);
    EXPECT_TRUE(level.settings.mazeName.empty());
    EXPECT_TRUE(level.areas().empty());
    EXPECT_EQ(level.cell(40, 10).terrain, 14);     // the background was laid
    EXPECT_EQ(level.cell(0, 10).terrain, kStone);  // and left column 0 as it started
    // NOMAP leaves the extent as set up.
    EXPECT_EQ(level.settings.extent.x1, 80);
    EXPECT_EQ(level.settings.extent.y1, 21);
    EXPECT_EQ(level.settings.extent.x2, 0);
    EXPECT_EQ(level.settings.extent.y2, 0);
}

TEST(ReaderDriver, AFailedReadGivesBackWhatItReadBeforeTheError) {
    Random random(kFixedSeed);
    const auto read =
        readLevel(kCloset + "FLAGS: hardfloor\nFOUNTAIN: (1,1)\nBOGUS\n", random, Variant::Vanilla);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().message, "10: Illegal command 'BOGUS'");
    const LevelRead& partial = read.error().partial;
    EXPECT_EQ(&readSoFar(read), &partial);
    EXPECT_EQ(partial.currentPart, 0);
    EXPECT_EQ(partial.level.settings.partCount, 1);
    EXPECT_EQ(partial.level.settings.levelFlags, kHardFloor);
    EXPECT_EQ(partial.level.cell(kClosetX + 1, kClosetY + 1).terrain, kFountain);
}

}  // namespace
}  // namespace mapedit::reader_test
