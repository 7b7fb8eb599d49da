#pragma once

#include <string>
#include <vector>

#include "platform/level_choice.h"
#include "reader/level_file.h"

namespace mapedit {

// The levels of a file as the designer chooses among them: only mazes
// can be edited.
std::vector<LevelChoice> levelChoices(const LevelFile& file);

// The shown name of a file, and of the level being edited when the file
// holds several: "NAME (LEVEL)".
std::string fileAndLevelName(const std::string& fileName, const LevelFile& file, int level);

}  // namespace mapedit
