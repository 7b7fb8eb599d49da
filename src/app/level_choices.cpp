#include "app/level_choices.h"

namespace mapedit {

std::vector<LevelChoice> levelChoices(const LevelFile& file) {
    std::vector<LevelChoice> choices;
    for (const LevelSpan& span : file.levels()) {
        choices.push_back({span.name, span.style == LevelStyle::Maze});
    }
    return choices;
}

std::string fileAndLevelName(const std::string& fileName, const LevelFile& file, int level) {
    if (file.isSingleLevel()) return fileName;
    const auto index = static_cast<std::size_t>(level);
    return fileName + " (" + levelLabel(file.levels()[index], level) + ")";
}

}  // namespace mapedit
