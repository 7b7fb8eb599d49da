// What the number and text boxes store.
#include "dialogs/control_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace mapedit {
namespace {

struct DecimalCase {
    const char* name;
    std::string text;
    int value;
};

class DecimalBox : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalBox, ReadsWhatTheUserTyped) {
    EXPECT_EQ(decimalValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalBox,
    ::testing::Values(DecimalCase{"Empty", "", 0}, DecimalCase{"Letters", "abc", 0},
                      DecimalCase{"BlankNumberLetter", " 75x", 75}, DecimalCase{"Minus", "-5", -5},
                      DecimalCase{"Plus", "+7", 7}, DecimalCase{"SignAlone", "-", 0},
                      DecimalCase{"SignThenBlank", "- 5", 0}, DecimalCase{"Tab", "\t12", 12},
                      DecimalCase{"Largest", "2147483647", INT_MAX},
                      DecimalCase{"PastLargest", "2147483648", INT_MAX},
                      DecimalCase{"Smallest", "-2147483648", INT_MIN},
                      DecimalCase{"PastSmallest", "-2147483649", INT_MIN},
                      DecimalCase{"ManyDigits", std::string(40, '9'), INT_MAX},
                      DecimalCase{"LeadingZeros", "000000000000000042", 42},
                      // Only the first 255 characters are read.
                      DecimalCase{"CutAt255", std::string(254, ' ') + "12", 1}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(QuotableText, DropsWhatWouldBreakAQuotedText) {
    EXPECT_EQ(quotableText("say \"hi\""), "say hi");
    EXPECT_EQ(quotableText("two\nlines\r"), "twolines");
    EXPECT_EQ(quotableText("tab\there\x7f"), "tabhere");
    EXPECT_EQ(quotableText(std::string("nul\0x", 5)), "nulx");
    // 8-bit text is kept as it is.
    EXPECT_EQ(quotableText("caf\xe9 \x80"), "caf\xe9 \x80");
}

}  // namespace
}  // namespace mapedit
