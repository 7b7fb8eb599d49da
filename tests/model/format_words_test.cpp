#include "model/format_words.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "model/ascii_case.h"
#include "model/names.h"

namespace mapedit {
namespace {

TEST(FormatWords, WordsAreFoundExactlyAndAnEmptyWordNamesNothing) {
    EXPECT_EQ(words::indexOfWord(words::kRoomTypes, "delphi"), 8);
    EXPECT_EQ(words::indexOfWord(words::kRoomTypes, "Delphi"), -1);
    EXPECT_EQ(words::indexOfWord(words::kRoomTypes, "delphi "), -1);
    EXPECT_EQ(words::indexOfWord(words::kCurseStates, "random"), 4);
    EXPECT_EQ(words::indexOfWord(words::kCurseStates, ""), -1);
    EXPECT_EQ(words::indexOfWord(words::kFillStates, ""), -1);

    ASSERT_NE(words::findWord(words::kLighting, "random"), nullptr);
    EXPECT_EQ(words::findWord(words::kLighting, "random")->value, -1);
    EXPECT_EQ(words::findWord(words::kLighting, "Lit"), nullptr);
}

// The room kinds are named by REGION's words; the kinds after them are not
// rooms, nor is any number outside the list.
TEST(FormatWords, RoomKindsAreTheRoomTypeWords) {
    const std::pair<AreaKind, std::string_view> rooms[] = {
        {kOrdinaryRoom, "ordinary"},
        {kThroneRoom, "throne"},
        {kSwamp, "swamp"},
        {kVault, "vault"},
        {kBeehive, "beehive"},
        {kMorgue, "morgue"},
        {kBarracks, "barracks"},
        {kZoo, "zoo"},
        {kDelphi, "delphi"},
        {kTemple, "temple"},
        {kShop, "shop"},
        {kArmorShop, "armor shop"},
        {kScrollShop, "scroll shop"},
        {kPotionShop, "potion shop"},
        {kWeaponShop, "weapon shop"},
        {kFoodShop, "food shop"},
        {kRingShop, "ring shop"},
        {kWandShop, "wand shop"},
        {kToolShop, "tool shop"},
        {kBookShop, "book shop"},
        {kCandleShop, "candle shop"},
    };
    ASSERT_EQ(std::size(rooms), words::kRoomTypes.size());
    for (const auto& [kind, word] : rooms) {
        EXPECT_EQ(words::indexOfWord(words::kRoomTypes, word), kind) << word;
        EXPECT_TRUE(isRoomKind(kind)) << word;
    }
    for (const int kind :
         {-1, kRoomKindCount, static_cast<int>(kMapPartArea), static_cast<int>(kNonDiggableArea),
          static_cast<int>(kPortalArea), static_cast<int>(kStairExclusion)}) {
        EXPECT_FALSE(isRoomKind(kind)) << kind;
    }
}

TEST(FormatWords, ValuesOutsideAListGetTheWordGivenForThem) {
    EXPECT_EQ(words::wordAt(words::kDoorStates, 5, "?"), "random");
    EXPECT_EQ(words::wordAt(words::kDoorStates, 6, "?"), "?");
    EXPECT_EQ(words::wordAt(words::kDoorStates, -1, "?"), "?");
    EXPECT_EQ(words::wordAt(words::kDoorStates, 0, "?"), "open");
    EXPECT_EQ(words::wordOf(words::kLighting, 1, "?"), "lit");
    EXPECT_EQ(words::wordOf(words::kLighting, 2, "?"), "?");
}

// A monster's align[0..2] are 5..7; the altar's words for them are 7..9.
TEST(FormatWords, MonsterAlignmentsSkipTheTwoAltarOnlyWords) {
    const char* expected[] = {"random",  "law",      "neutral",  "chaos",
                              "noalign", "align[0]", "align[1]", "align[2]"};
    for (int monster = 0; monster < 8; ++monster) {
        const int alignment = words::alignmentOfMonster(monster);
        EXPECT_EQ(words::wordAt(words::kAlignments, alignment, ""), expected[monster]) << monster;
        EXPECT_EQ(words::monsterAlignmentOf(alignment), monster);
    }
}

// The object dialog offers each material a description may name once,
// labelled by its word.
TEST(FormatWords, TheMaterialChoicesAreTheNamedMaterials) {
    std::set<int> offered;
    for (const MaterialChoice& m : materialChoices) {
        SCOPED_TRACE(m.name);
        EXPECT_TRUE(words::isNamedMaterial(m.material));
        EXPECT_TRUE(offered.insert(m.material).second);
        const std::string_view word = words::wordAt(words::kMaterials, m.material, "");
        EXPECT_EQ(word, m.material == 0 ? "mat_normal" : "mat_" + std::string(m.name));
    }
    EXPECT_EQ(offered.size(), words::kNamedMaterials.size());
}

TEST(AsciiCase, OnlyTheTwentySixLettersFoldTogether) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"arrow", "ARROW", true}, {"aRrOw", "ArRoW", true}, {"arrow", "arrows", false},
        {"", "", true},           {"[", "{", false},        // one bit apart, like a and A
        {"@", "`", false},        {"\xc9", "\xe9", false},  // bytes above ASCII compare exactly
        {"\xe9", "\xe9", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(equalsIgnoringAsciiCase(c.a, c.b), c.equal) << c.a << " " << c.b;
    }
}

}  // namespace
}  // namespace mapedit
