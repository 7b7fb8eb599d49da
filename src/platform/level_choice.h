#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mapedit {

// One level of a file as the designer chooses among them.
struct LevelChoice {
    std::string name;  // empty when the level has none
    bool editable = true;
};

// The question asked when a file holds several levels: which one to edit.
struct LevelChoiceRequest {
    std::string title;
    std::string fileName;
    std::vector<LevelChoice> levels;
};

// What the dialog says above the list: how many levels the file holds and
// whether any can be chosen.
std::string levelQuestion(const LevelChoiceRequest& request);

// How a level is listed: its position from 1 and its name, and why it
// cannot be chosen when it cannot.
std::string levelListEntry(const LevelChoice& level, int index);

// The level an answer names, by its position from 1 or by its name, or
// why it names none that can be edited.
struct LevelPick {
    std::optional<int> index;  // from 0
    std::string error;
};
LevelPick pickLevel(std::span<const LevelChoice> levels, std::string_view answer);

}  // namespace mapedit
