#include "model/result.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace mapedit {
namespace {

// Values and failures come in without ceremony when they convert; a result
// never turns into a bool unasked.
static_assert(std::is_convertible_v<std::string, Result<std::string>>);
static_assert(std::is_convertible_v<const char*, Result<std::string>>);
static_assert(std::is_convertible_v<Failure<const char*>, Result<int>>);
static_assert(std::is_convertible_v<Failure<const char*>, Status>);
static_assert(!std::is_convertible_v<Failure<std::string_view>, Result<int>>);
static_assert(std::is_constructible_v<Result<int>, Failure<std::string_view>>);
static_assert(!std::is_convertible_v<Result<int>, bool>);
static_assert(!std::is_convertible_v<Status, bool>);

struct NoDefault {
    explicit NoDefault(int) {}
};
static_assert(!std::is_default_constructible_v<Result<NoDefault>>);
static_assert(!std::is_copy_constructible_v<Result<std::unique_ptr<int>>>);
static_assert(std::is_nothrow_move_constructible_v<Result<std::unique_ptr<int>>>);

TEST(Result, EveryAccessorAgreesOnTheSideItHolds) {
    struct Case {
        const char* name;
        Result<int> result;
        bool holds;
        int valueOr;
        std::string errorOr;
    };
    const Case cases[] = {
        {"value", 7, true, 7, "none"},
        // Neither a value that is false nor an empty error text changes sides.
        {"zero", 0, true, 0, "none"},
        {"default", Result<int>(), true, 0, "none"},
        {"failure", Failure{"broken"}, false, -1, "broken"},
        {"empty failure", Failure{""}, false, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result.has_value(), c.holds);
        EXPECT_EQ(static_cast<bool>(c.result), c.holds);
        EXPECT_EQ(c.result.value_or(-1), c.valueOr);
        EXPECT_EQ(c.result.error_or("none"), c.errorOr);
        if (c.holds) {
            EXPECT_EQ(c.result.value(), c.valueOr);
            EXPECT_EQ(*c.result, c.valueOr);
        } else {
            EXPECT_EQ(c.result.error(), c.errorOr);
            EXPECT_THROW((void)c.result.value(), BadResultAccess);
        }
    }
}

TEST(Result, AValueAndAnErrorOfTheSameTypeStayApart) {
    const Result<std::string> got = std::string("text");
    const Result<std::string> failed = Failure{std::string("text")};
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, "text");
    EXPECT_EQ(got.error_or("none"), "none");
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error(), "text");
    EXPECT_EQ(failed.value_or("none"), "none");
}

TEST(Result, ValueOfAFailureThrowsWithTheErrorText) {
    const Result<int> failed = Failure{"Cannot open x.des: No such file or directory"};
    try {
        (void)failed.value();
        ADD_FAILURE() << "no exception";
    } catch (const BadResultAccess& e) {
        EXPECT_STREQ(e.what(), "Cannot open x.des: No such file or directory");
    }
    struct Code {
        int number;
    };
    const Result<int, Code> coded = Failure{Code{3}};
    EXPECT_THROW((void)coded.value(), BadResultAccess);
}

TEST(Result, ReachesIntoTheValueAndTheError) {
    Result<std::string> got = std::string("ab");
    got->push_back('c');
    *got += "d";
    EXPECT_EQ(got->size(), 4u);
    EXPECT_EQ(got.value(), "abcd");

    Result<int> failed = Failure{"Cannot"};
    failed.error() += " write";
    EXPECT_EQ(failed.error(), "Cannot write");
}

TEST(Result, AssignmentSwitchesSides) {
    Result<std::string> r = std::string("first");
    r = Failure{"then broken"};
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), "then broken");
    r = std::string("mended");
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, "mended");
    const Result<std::string> copy = r;
    EXPECT_EQ(copy.value(), "mended");
}

TEST(Result, MoveOnlyValuesAndErrorsMoveOut) {
    Result<std::unique_ptr<int>> got = std::make_unique<int>(5);
    const std::unique_ptr<int> byValue = std::move(got).value();
    ASSERT_NE(byValue, nullptr);
    EXPECT_EQ(*byValue, 5);

    Result<std::unique_ptr<int>> again = std::make_unique<int>(6);
    const std::unique_ptr<int> byStar = *std::move(again);
    ASSERT_NE(byStar, nullptr);
    EXPECT_EQ(*byStar, 6);

    Result<int, std::unique_ptr<int>> failed = Failure{std::make_unique<int>(9)};
    const std::unique_ptr<int> why = std::move(failed).error();
    ASSERT_NE(why, nullptr);
    EXPECT_EQ(*why, 9);
}

TEST(Status, SucceedsUnlessItCarriesAnError) {
    const Status done;
    EXPECT_TRUE(done);
    EXPECT_NO_THROW(done.value());
    EXPECT_EQ(done.error_or("none"), "none");

    for (const char* why : {"Cannot write x.des: Is a directory", ""}) {
        SCOPED_TRACE(why);
        Status failed = Failure{why};
        EXPECT_FALSE(failed.has_value());
        EXPECT_FALSE(failed);
        EXPECT_EQ(failed.error(), why);
        EXPECT_EQ(failed.error_or("none"), why);
        EXPECT_THROW(failed.value(), BadResultAccess);
        failed = {};
        EXPECT_TRUE(failed);
    }
}

}  // namespace
}  // namespace mapedit
