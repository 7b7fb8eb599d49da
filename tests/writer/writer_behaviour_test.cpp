#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <ostream>
#include <sstream>
#include <vector>

#include "golden_levels.h"
#include "level_builder.h"

namespace mapedit::test {
namespace {

// The lines before the first GEOMETRY.
std::string headerOf(const std::string& text) {
    return text.substr(0, text.find("\nGEOMETRY: "));
}

struct HeaderCase {
    const char* name;
    std::function<void(LevelSettings&)> set;
    const char* header;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << c.name;
}

class HeaderForms : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderForms, AreWrittenBeforeTheFirstPart) {
    Level level;
    level.settings.mazeName.assign("a");
    GetParam().set(level.settings);
    addPart(level, kTopLeft, 3, 3, 5, 3);
    EXPECT_EQ(headerOf(written(level)), GetParam().header);
}

INSTANTIATE_TEST_SUITE_P(
    Writer, HeaderForms,
    ::testing::Values(HeaderCase{"EmptyNameIsTheBareWord", [](auto& s) { s.mazeName.clear(); },
                                 "MAZE: random, random\n"},
                      HeaderCase{"PlainFilling",
                                 [](auto& s) {
                                     s.fillMode = kPlainFill;
                                     s.filling = 'T';
                                 },
                                 "MAZE: \"a\", 'T'\n"},
                      HeaderCase{"BlankFilling",
                                 [](auto& s) {
                                     s.fillMode = kPlainFill;
                                     s.filling = ' ';
                                 },
                                 "MAZE: \"a\", ' '\n"},
                      HeaderCase{"SomeFlagsInTheirOrder",
                                 [](auto& s) {
                                     s.levelFlags = kArboreal | kHardFloor | kSmoothed | kLit;
                                     s.levelFlags2 = kShortSighted | kWallify;
                                 },
                                 "MAZE: \"a\", random\nFLAGS: hardfloor, arboreal, shortsighted\n"},
                      HeaderCase{"OneFlag", [](auto& s) { s.levelFlags2 = kNoMonGen; },
                                 "MAZE: \"a\", random\nFLAGS: nomongen\n"},
                      HeaderCase{"WallifyAndGeneratedAreNotFlags",
                                 [](auto& s) { s.levelFlags2 = kWallify | kBackgroundGenerated; },
                                 "MAZE: \"a\", random\n"},
                      HeaderCase{"CaveWithOtherBooleans",
                                 [](auto& s) {
                                     s.fillMode = kCaveFill;
                                     s.filling = 'L';
                                     s.initForeground = '.';
                                     s.initBackground = ' ';
                                     s.levelFlags = kJoined | kWalled | kNoTeleport;
                                 },
                                 "MAZE: \"a\", 'L'\nFLAGS: noteleport\n"
                                 "INIT_MAP: '.', ' ', false, true, unlit, true\n"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(WriterGeometry, WritesEveryAlignmentWord) {
    const std::pair<int, const char*> horizontal[] = {{0, "left"},   {1, "half-left"},
                                                      {2, "center"}, {3, "half-right"},
                                                      {4, "right"},  {7, "right"}};
    const std::pair<int, const char*> vertical[] = {
        {0, "top"}, {1, "center"}, {2, "bottom"}, {5, "bottom"}};
    for (auto [h, hWord] : horizontal) {
        for (auto [v, vWord] : vertical) {
            Level level;
            addPart(level, {static_cast<HorizontalAlignment>(h), static_cast<VerticalAlignment>(v)},
                    3, 3, 1, 1);
            const std::string expected =
                std::string("\nGEOMETRY: ") + hWord + ", " + vWord + "\nMAP\n";
            EXPECT_NE(written(level).find(expected), std::string::npos) << h << " " << v;
        }
    }
}

TEST(WriterGeometry, PartsWithoutRowsReadBackAsTheyWere) {
    Level level;
    level.settings.mazeName.assign("n");
    addPart(level, kCentered, 0, 0, 1, 1);
    level.mapParts[0] = MapPart{kCentered, 0, 0, 0, 0, 0, 0};  // GEOMETRY then NOMAP
    EXPECT_EQ(written(level), "MAZE: \"n\", random\n\nGEOMETRY: center, center\nNOMAP\n\n");

    Level empty;
    empty.settings.mazeName.assign("e");
    addPart(empty, kTopLeft, 3, 3, 0, 0);  // MAP directly followed by ENDMAP
    EXPECT_EQ(written(empty), "MAZE: \"e\", random\n\nGEOMETRY: left, top\nMAP\nENDMAP\n\n");
}

// Counts the calls and fails from call number `failAt` on (0: never).
class ScriptedSink : public ByteSink {
  public:
    explicit ScriptedSink(int failAt) : failAt_(failAt) {}
    bool write(std::string_view bytes) override {
        ++calls;
        if (failAt_ != 0 && calls >= failAt_) return false;
        text.append(bytes);
        return true;
    }
    int calls = 0;
    std::string text;

  private:
    int failAt_;
};

TEST(WriterFailures, LevelWithoutMapPartsIsRefusedBeforeWriting) {
    Level level;
    level.settings.mazeName.assign("x");
    putMonster(level, 5, 5, 'a');
    ScriptedSink sink(0);
    const Result<WriteReport> report = writeLevel(level, Variant::Vanilla, sink);
    EXPECT_FALSE(report);
    EXPECT_EQ(report.error_or(""), "No Geometry in map");
    EXPECT_EQ(sink.calls, 0);

    // No text at all, not even an empty one.
    const Result<WrittenLevel> out = writeLevel(level, Variant::Vanilla);
    EXPECT_FALSE(out);
    EXPECT_EQ(out.error_or(""), "No Geometry in map");
}

TEST(WriterFailures, FailingSinkIsReportedAndStopsTheWrite) {
    Level level;
    buildTwoParts(level);
    ScriptedSink all(0);
    ASSERT_TRUE(writeLevel(level, Variant::Vanilla, all));
    for (int failAt : {1, 3, all.calls}) {
        ScriptedSink sink(failAt);
        const Result<WriteReport> report = writeLevel(level, Variant::Vanilla, sink);
        EXPECT_FALSE(report) << failAt;
        EXPECT_EQ(report.error_or(""), "Write error");
        EXPECT_EQ(sink.calls, failAt) << "nothing is written after a failure";
    }
    // The failed writes left no marks behind.
    EXPECT_EQ(written(level), golden("two_parts.des"));
}

TEST(WriterFailures, FileSinkReportsAStreamThatCannotBeWritten) {
    std::FILE* readOnly = std::fopen(MAPEDIT_TEST_DATA "/writer/minimal.des", "rb");
    ASSERT_NE(readOnly, nullptr);
    Level level;
    buildMinimal(level);
    FileSink sink(readOnly);
    EXPECT_FALSE(writeLevel(level, Variant::Vanilla, sink));
    std::fclose(readOnly);
}

TEST(WriterSinks, FileAndStreamSinksReceiveTheSameText) {
    Level level;
    buildPlacements(level);
    const std::string expected = written(level);

    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    FileSink fileSink(file);
    ASSERT_TRUE(writeLevel(level, Variant::Vanilla, fileSink));
    std::rewind(file);
    std::string fromFile;
    for (int c; (c = std::fgetc(file)) != EOF;) fromFile.push_back(static_cast<char>(c));
    std::fclose(file);
    EXPECT_EQ(fromFile, expected);

    std::ostringstream stream(std::ios::binary);
    StreamSink streamSink(stream);
    ASSERT_TRUE(writeLevel(level, Variant::Vanilla, streamSink));
    EXPECT_EQ(stream.str(), expected);
}

// The level is only read: parts, part count and the area list, order
// included, are as before, and writing again gives the same text.
TEST(WriterModel, IsUnchanged) {
    Level level;
    buildTwoParts(level);
    const auto partsBefore = level.mapParts;
    std::vector<std::pair<const AreaRecord*, int>> areasBefore;
    for (const auto& a : level.areas()) areasBefore.emplace_back(a.get(), a->kind);
    // Neither largest nor smallest first, so that any sort would show.
    ASSERT_FALSE(std::is_sorted(areasBefore.begin(), areasBefore.end(),
                                [](auto a, auto b) { return a.first->size() < b.first->size(); }));
    ASSERT_FALSE(std::is_sorted(areasBefore.begin(), areasBefore.end(),
                                [](auto a, auto b) { return a.first->size() > b.first->size(); }));

    const std::string first = written(level);
    for (std::size_t i = 0; i < partsBefore.size(); ++i) {
        const MapPart &a = partsBefore[i], &b = level.mapParts[i];
        EXPECT_TRUE(a.alignment == b.alignment && a.width == b.width && a.height == b.height &&
                    a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2)
            << "part " << i;
    }
    EXPECT_EQ(level.settings.partCount, 3);
    std::vector<std::pair<const AreaRecord*, int>> areasAfter;
    for (const auto& a : level.areas()) areasAfter.emplace_back(a.get(), a->kind);
    EXPECT_EQ(areasAfter, areasBefore);
    EXPECT_EQ(written(level), first);
}

struct ObjectCase {
    const char* caseName;
    Variant variant;
    int material;
    const char* name;
    const char* line;
};

void PrintTo(const ObjectCase& c, std::ostream* os) {
    *os << c.caseName;
}

class ObjectMaterial : public ::testing::TestWithParam<ObjectCase> {};

TEST_P(ObjectMaterial, IsAPrefixOutsideTavrelAndAFieldInside) {
    const ObjectCase& c = GetParam();
    Level level;
    addPart(level, kTopLeft, 3, 3, 2, 1);
    ObjectSpec& o = putObject(level, 3, 3, ')');
    o.name.assign(c.name);
    o.material = c.material;
    EXPECT_NE(written(level, c.variant).find(c.line), std::string::npos)
        << written(level, c.variant);
}

INSTANTIATE_TEST_SUITE_P(
    Writer, ObjectMaterial,
    ::testing::Values(ObjectCase{"SilverDagger", Variant::Orvandel, 14, "dagger",
                                 "\nOBJECT: ')',\"silver dagger\",(00,00)\n"},
                      ObjectCase{"BronzePlateMail", Variant::Orvandel, 13, "plate mail",
                                 "\nOBJECT: ')',\"bronze plate mail\",(00,00)\n"},
                      ObjectCase{"CopperDaggerHasNoPrefix", Variant::Vanilla, 13, "dagger",
                                 "\nOBJECT: ')',\"dagger\",(00,00)\n"},
                      ObjectCase{"GlassSaberHasNoPrefix", Variant::Vanilla, 19, "saber",
                                 "\nOBJECT: ')',\"saber\",(00,00)\n"},
                      ObjectCase{"TavrelSilverSaber", Variant::Tavrel, 14, "saber",
                                 "\nOBJECT: ')',\"saber\",(00,00),random,0,mat_silver\n"},
                      ObjectCase{"TavrelLiquidPotion", Variant::Tavrel, 1, "potion",
                                 "\nOBJECT: ')',\"potion\",(00,00),random,0,mat_liquid\n"}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.caseName); });

TEST(WriterObjects, LongestLineIsWrittenWhole) {
    Level level;
    addPart(level, kTopLeft, 3, 3, 2, 1);
    const std::string a(63, 'a'), b(63, 'b'), c(63, 'c');
    ObjectSpec& o = putObject(level, 4, 3, ')');
    o.isContainer = 1;
    o.chance = 42;
    o.name.assign(a);
    o.monsterName.assign(b);
    o.optionalName.assign(c);
    o.spe = -1;
    const std::string line =
        "\nCONTAINER[42%]: ')',\"" + a + "\",(01,00),\"" + b + "\",random,\"" + c + "\"\n";
    EXPECT_NE(written(level).find(line), std::string::npos) << written(level);
}

}  // namespace
}  // namespace mapedit::test
