#include <gtest/gtest.h>

#include <ostream>

#include "golden_levels.h"
#include "level_builder.h"

namespace mapedit::test {
namespace {

struct GoldenCase {
    const char* file;
    void (*build)(Level&);
    Variant variant;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.file;
}

class WrittenLevelMatchesGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(WrittenLevelMatchesGolden, ByteForByte) {
    const GoldenCase& c = GetParam();
    Level level;
    c.build(level);
    const std::string expected = golden(c.file);
    ASSERT_FALSE(expected.empty()) << "missing golden file " << c.file;
    EXPECT_EQ(written(level, c.variant), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Writer, WrittenLevelMatchesGolden,
    ::testing::Values(GoldenCase{"minimal.des", buildMinimal, Variant::Vanilla},
                      GoldenCase{"two_parts.des", buildTwoParts, Variant::Vanilla},
                      GoldenCase{"areas.des", buildAreas, Variant::Vanilla},
                      GoldenCase{"features.des", buildFeatures, Variant::Vanilla},
                      GoldenCase{"placements.des", buildPlacements, Variant::Vanilla},
                      GoldenCase{"tavrel.des", buildTavrel, Variant::Tavrel}),
    [](const auto& paramInfo) {
        std::string name = paramInfo.param.file;
        return name.substr(0, name.find('.'));
    });

}  // namespace
}  // namespace mapedit::test
