#include "platform/level_choice.h"

#include <fmt/format.h>

#include "platform/whole_number.h"

namespace mapedit {

namespace {

constexpr const char* kNotEditable = "rooms and corridors: cannot be edited";

LevelPick editableAt(std::span<const LevelChoice> levels, int index) {
    const LevelChoice& level = levels[static_cast<std::size_t>(index)];
    if (!level.editable) {
        return {
            std::nullopt,
            fmt::format("level {} \"{}\" is built of rooms and corridors, which cannot be edited",
                        index + 1, level.name)};
    }
    return {index, {}};
}

}  // namespace

std::string levelQuestion(const LevelChoiceRequest& request) {
    const std::string& name = request.fileName;
    const bool one = request.levels.size() == 1;
    int editable = 0;
    for (const LevelChoice& level : request.levels) editable += level.editable ? 1 : 0;
    if (editable == 0) {
        return one ? name + " holds one level, of rooms and corridors, which cannot be edited."
                   : name + " holds several levels, none of which can be edited.";
    }
    if (one) return name + " holds one level. Do you want to edit it?";
    return name + " holds several levels. Which one do you want to edit?";
}

std::string levelListEntry(const LevelChoice& level, int index) {
    std::string entry = fmt::format("{} \"{}\"", index + 1, level.name);
    if (!level.editable) entry += fmt::format(" ({})", kNotEditable);
    return entry;
}

LevelPick pickLevel(std::span<const LevelChoice> levels, std::string_view answer) {
    const int count = static_cast<int>(levels.size());
    if (const auto position = wholeNumber<int>(answer)) {
        if (*position < 1 || *position > count) {
            return {std::nullopt, fmt::format("no level {}: the file holds {}", *position, count)};
        }
        return editableAt(levels, *position - 1);
    }
    // A level without a name is chosen by its position.
    std::optional<int> found;
    for (int i = 0; i < count && !answer.empty(); ++i) {
        if (levels[static_cast<std::size_t>(i)].name != answer) continue;
        if (found) {
            return {std::nullopt,
                    fmt::format("more than one level is named \"{}\"; give its number", answer)};
        }
        found = i;
    }
    if (!found) return {std::nullopt, fmt::format("no level is named \"{}\"", answer)};
    return editableAt(levels, *found);
}

}  // namespace mapedit
