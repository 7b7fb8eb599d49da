#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "model/level.h"

namespace mapedit {
namespace {

int rowOf(const CatalogueEntry* entry) {
    return entry == nullptr ? -1 : static_cast<int>(entry - catalogue().data());
}

TEST(CatalogueTest, ClassIndexCoversEveryRowInOrder) {
    int next = 0;
    for (const ClassIndexRow& c : classIndex()) {
        SCOPED_TRACE(std::string(1, static_cast<char>(c.classSymbol)));
        EXPECT_EQ(c.firstRow, next);
        int count = 0;
        for (const CatalogueEntry& e : catalogue()) count += e.classSymbol == c.classSymbol;
        EXPECT_EQ(count, c.rowCount);
        next += c.rowCount;
    }
    EXPECT_EQ(next, static_cast<int>(catalogue().size()));
}

struct Search {
    Variant variant;
    const char* name;
    char startClass;  // 0: no class index row
    int row;          // -1: not found
    char foundClass;
    int color;
};

const char* variantName(Variant v) {
    switch (v) {
        case Variant::Vanilla:
            return "Vanilla";
        case Variant::Tavrel:
            return "Tavrel";
        default:
            return "Orvandel";
    }
}

// Variant, name and the code of the start class, e.g. Tavrel_robe_from_91.
std::string testName(const Search& s) {
    std::string name = std::string(variantName(s.variant)) + "_" + s.name;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name + "_from_" + std::to_string(static_cast<unsigned char>(s.startClass));
}

void PrintTo(const Search& s, std::ostream* os) {
    *os << testName(s);
}

class NameSearchTest : public testing::TestWithParam<Search> {};

TEST_P(NameSearchTest, FindsTheRowPresentInTheVariant) {
    const Search& s = GetParam();
    std::uint8_t cls = static_cast<std::uint8_t>(s.startClass);
    int color = -1;
    CatalogueCursor cursor;
    const CatalogueEntry* found = findFirstEntry(cursor, s.variant, {s.name, &cls, &color});
    EXPECT_EQ(rowOf(found), s.row);
    if (s.row < 0) {
        EXPECT_EQ(cls, static_cast<std::uint8_t>(s.startClass));
        EXPECT_EQ(color, -1);
        return;
    }
    EXPECT_EQ(cursor.row, s.row);
    EXPECT_EQ(cls, static_cast<std::uint8_t>(s.foundClass));
    EXPECT_EQ(color, s.color);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, NameSearchTest,
    testing::Values(
        // Variant rows: robe is Tavrel and Orvandel, silver arrow vanilla and Orvandel.
        Search{Variant::Vanilla, "robe", '[', -1, 0, 0},
        Search{Variant::Tavrel, "robe", '[', 512, '[', 4},
        Search{Variant::Orvandel, "robe", '[', 512, '[', 4},
        Search{Variant::Tavrel, "silver arrow", ')', -1, 0, 0},
        Search{Variant::Vanilla, "silver arrow", ')', 386, ')', 7},
        Search{Variant::Orvandel, "silver arrow", ')', 386, ')', 7},
        Search{Variant::Vanilla, "bullet", ')', -1, 0, 0},
        Search{Variant::Orvandel, "bullet", ')', -1, 0, 0},
        // The start class decides which of two equal names is found.
        Search{Variant::Vanilla, "arrow", '^', 833, '^', 6},
        Search{Variant::Vanilla, "arrow", ')', 385, ')', 6},
        Search{Variant::Vanilla, "ARROW", '^', 833, '^', 6},
        Search{Variant::Vanilla, "ARROW", ')', 385, ')', 6},
        Search{Variant::Vanilla, "aRrOw", ')', 385, ')', 6},
        Search{Variant::Vanilla, "werejackal", 'd', 15, 'd', 3},
        Search{Variant::Vanilla, "werejackal", '@', 268, '@', 1},
        // The walk goes on into later classes but never wraps.
        Search{Variant::Vanilla, "lock pick", 'a', 601, '(', 6},
        Search{Variant::Vanilla, "giant ant", 'b', -1, 0, 0},
        Search{Variant::Vanilla, "giant ant", '^', -1, 0, 0},
        // No index row for the class, or none given: from row 0.
        Search{Variant::Vanilla, "arrow", 0, 385, ')', 6},
        Search{Variant::Vanilla, "arrow", 'I', 385, ')', 6},
        Search{Variant::Vanilla, "giant ant", 'I', 0, 'a', 3},
        Search{Variant::Vanilla, "giant ant", 0, 0, 'a', 3},
        // Whole names only.
        Search{Variant::Vanilla, "arrow ", ')', -1, 0, 0},
        Search{Variant::Vanilla, "arro", ')', -1, 0, 0},
        Search{Variant::Vanilla, "xyzzy", 0, -1, 0, 0}),
    [](const testing::TestParamInfo<Search>& paramInfo) { return testName(paramInfo.param); });

TEST(CatalogueTest, NextEntryFindsTheNameAgainFurtherOn) {
    std::uint8_t cls = '(';
    CatalogueCursor cursor;
    const CatalogueQuery query{"lock pick", &cls, nullptr};
    EXPECT_EQ(rowOf(findFirstEntry(cursor, Variant::Vanilla, query)), 601);
    EXPECT_EQ(rowOf(findNextEntry(cursor, Variant::Vanilla, query)), 603);
    EXPECT_EQ(findNextEntry(cursor, Variant::Vanilla, query), nullptr);
    // Stepping on past the end keeps failing.
    EXPECT_EQ(findNextEntry(cursor, Variant::Vanilla, query), nullptr);
}

TEST(CatalogueTest, NameSearchWithoutClassPointerStartsAtRowZero) {
    CatalogueCursor cursor{700};
    int color = 0;
    EXPECT_EQ(rowOf(findFirstEntry(cursor, Variant::Vanilla, {"jackal", nullptr, &color})), 12);
    EXPECT_EQ(color, 3);
}

std::vector<std::string> listClass(Variant variant, char classSymbol) {
    std::vector<std::string> names;
    std::uint8_t cls = static_cast<std::uint8_t>(classSymbol);
    CatalogueCursor cursor;
    const CatalogueQuery query{"", &cls, nullptr};
    for (const CatalogueEntry* e = findFirstEntry(cursor, variant, query); e != nullptr;
         e = findNextEntry(cursor, variant, query)) {
        EXPECT_EQ(e->classSymbol, static_cast<std::uint8_t>(classSymbol));
        names.emplace_back(e->name);
    }
    return names;
}

TEST(CatalogueTest, ClassListingSkipsRowsOfOtherVariants) {
    const auto vanilla = listClass(Variant::Vanilla, 'D');
    const auto tavrel = listClass(Variant::Tavrel, 'D');
    const auto orvandel = listClass(Variant::Orvandel, 'D');
    EXPECT_EQ(vanilla.size(), 20u);
    EXPECT_EQ(tavrel.size(), 24u);
    EXPECT_EQ(orvandel.size(), 22u);
    ASSERT_GE(vanilla.size(), 9u);
    EXPECT_EQ(vanilla[7], "baby green dragon");
    EXPECT_EQ(vanilla[8], "baby yellow dragon");
    ASSERT_GE(orvandel.size(), 10u);
    EXPECT_EQ(orvandel[8], "baby deep dragon");
    EXPECT_EQ(orvandel[9], "baby yellow dragon");
    EXPECT_EQ(tavrel.back(), "Ixoth");

    // Armour: 94 rows, 10 Tavrel-only, 6 Tavrel-and-Orvandel, 2 vanilla-and-Orvandel.
    EXPECT_EQ(listClass(Variant::Vanilla, '[').size(), 94u - 10 - 6);
    EXPECT_EQ(listClass(Variant::Tavrel, '[').size(), 94u - 2);
    EXPECT_EQ(listClass(Variant::Orvandel, '[').size(), 94u - 10);
}

TEST(CatalogueTest, ClassListingOfSingleRowAndTrapClasses) {
    EXPECT_EQ(listClass(Variant::Vanilla, '_'), std::vector<std::string>{"iron chain"});
    const auto traps = listClass(Variant::Vanilla, '^');
    ASSERT_EQ(traps.size(), 22u);
    EXPECT_EQ(traps.front(), "arrow");
    EXPECT_EQ(traps.back(), "polymorph");
}

TEST(CatalogueTest, ListingWithoutClassFindsNothing) {
    EXPECT_TRUE(listClass(Variant::Vanilla, 0).empty());
    CatalogueCursor cursor;
    EXPECT_EQ(findFirstEntry(cursor, Variant::Vanilla, {"", nullptr, nullptr}), nullptr);
    // A class without index rows lists nothing either.
    EXPECT_TRUE(listClass(Variant::Vanilla, 'I').empty());
}

TEST(CatalogueTest, CatalogueColorFallsBackToTheDefault) {
    struct Case {
        Variant variant;
        const char* name;
        int classSymbol;
        int color;
    };
    const Case cases[] = {
        {Variant::Tavrel, "robe", '[', 4},
        {Variant::Vanilla, "robe", '[', 18},
        {Variant::Vanilla, "", '[', 18},
        {Variant::Vanilla, "nonesuch", 'a', 18},
        {Variant::Vanilla, "werewolf", 'd', 3},
        {Variant::Vanilla, "werewolf", '@', 9},
        {Variant::Vanilla, "werewolf", -1, 3},
        {Variant::Vanilla, "Medusa", listSymbol(2), 10},
        {Variant::Vanilla, "magic portal", '^', 13},
        {Variant::Vanilla, "SLEEP GAS", '^', 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(catalogueColor(c.variant, c.name, c.classSymbol), c.color) << c.name;
    }
}

}  // namespace
}  // namespace mapedit
