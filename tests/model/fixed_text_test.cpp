#include "model/fixed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace mapedit {
namespace {

TEST(FixedText, KeepsAtMostItsCapacityAndClearsTheRest) {
    FixedText<9> name;
    name.assign("castle_of_doom");
    EXPECT_EQ(name.view(), "castle_o");
    name.assign("ab");
    EXPECT_EQ(name.view(), "ab");
    EXPECT_EQ(name.bytes[3], 0);
    // A default view has no pointer at all; the sanitizer run watches memcpy.
    name.assign(std::string_view());
    EXPECT_TRUE(name.empty());
}

}  // namespace
}  // namespace mapedit
