#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/level_choice.h"

namespace mapedit {
namespace {

TEST(LevelChoice, AnAnswerNamesALevelByPositionOrName) {
    const std::vector<LevelChoice> levels = {
        {"minefill", true}, {"oracle", false}, {"twin", true}, {"twin", true}, {"", true}};
    struct Case {
        const char* answer;
        std::optional<int> index;
        std::string error;
    };
    const Case cases[] = {
        {"1", 0, ""},
        {"5", 4, ""},
        {"minefill", 0, ""},
        {"0", std::nullopt, "no level 0: the file holds 5"},
        {"6", std::nullopt, "no level 6: the file holds 5"},
        {"-1", std::nullopt, "no level -1: the file holds 5"},
        {"2", std::nullopt,
         "level 2 \"oracle\" is built of rooms and corridors, which cannot be edited"},
        {"oracle", std::nullopt,
         "level 2 \"oracle\" is built of rooms and corridors, which cannot be edited"},
        {"twin", std::nullopt, "more than one level is named \"twin\"; give its number"},
        {"4", 3, ""},
        {"Minefill", std::nullopt, "no level is named \"Minefill\""},
        {"1x", std::nullopt, "no level is named \"1x\""},
        {"", std::nullopt, "no level is named \"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        const LevelPick pick = pickLevel(levels, c.answer);
        EXPECT_EQ(pick.index, c.index);
        EXPECT_EQ(pick.error, c.error);
    }
}

TEST(LevelChoice, TheListSaysWhichLevelsCannotBeEdited) {
    EXPECT_EQ(levelListEntry({"minefill", true}, 0), "1 \"minefill\"");
    EXPECT_EQ(levelListEntry({"oracle", false}, 11),
              "12 \"oracle\" (rooms and corridors: cannot be edited)");
}

TEST(LevelChoice, QuestionSaysHowManyLevelsAndWhetherAnyCanBeEdited) {
    const LevelChoice maze{"tower", true}, rooms{"oracle", false};
    struct Case {
        std::vector<LevelChoice> levels;
        const char* question;
    };
    const Case cases[] = {
        {{maze, rooms, maze}, "f.des holds several levels. Which one do you want to edit?"},
        {{rooms}, "f.des holds one level, of rooms and corridors, which cannot be edited."},
        {{rooms, rooms}, "f.des holds several levels, none of which can be edited."},
        {{maze}, "f.des holds one level. Do you want to edit it?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(levelQuestion({"Open Level", "f.des", c.levels}), c.question);
    }
}

}  // namespace
}  // namespace mapedit
