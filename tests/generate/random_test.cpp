#include "generate/random.h"

#include <gtest/gtest.h>

namespace mapedit {
namespace {

TEST(RandomTest, SeededSequenceMatchesTheReferenceGenerator) {
    Random random(5489);
    std::uint32_t r = 0;
    for (int i = 0; i < 10000; ++i) r = random.nextRandom32();
    EXPECT_EQ(r, 4123659995u);
}

TEST(RandomTest, ReseedingRestartsTheSequence) {
    Random random(42);
    const std::uint32_t first = random.nextRandom32();
    random.nextRandom32();
    random.seedRandom(42);
    EXPECT_EQ(random.nextRandom32(), first);
}

TEST(RandomTest, RangeOfOneAlwaysGivesItsOnlyValue) {
    Random random(5489);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(random.randomBelow(1), 0);
        ASSERT_EQ(random.randomOneTo(1), 1);
    }
}

TEST(RandomTest, RandomBelowScalesTheDrawWithoutOverflow) {
    Random scaled(5489);
    Random raw(5489);
    int top = 0;
    for (int i = 0; i < 100000; ++i) {
        const int v = scaled.randomBelow(77);
        const std::uint32_t r = raw.nextRandom32();
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 77);
        ASSERT_EQ(v == 76, r >= 4239188500u) << r;
        top += v == 76;
    }
    EXPECT_GT(top, 0);  // the top value was actually reached
}

TEST(RandomTest, RandomOneToStaysInItsRangeAndReachesBothEnds) {
    Random random(7);
    bool sawOne = false, sawSix = false;
    for (int i = 0; i < 1000; ++i) {
        const int v = random.randomOneTo(6);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 6);
        sawOne |= v == 1;
        sawSix |= v == 6;
    }
    EXPECT_TRUE(sawOne && sawSix);
}

}  // namespace
}  // namespace mapedit
