#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "platform/level_choice.h"

namespace mapedit {

// The modal "which level" dialog over `parent`: the chosen level from 0,
// or nothing when cancelled.
std::optional<int> chooseLevel(QWidget& parent, const LevelChoiceRequest& request);

// What the dialog says above the list: how many levels the file holds and
// whether any can be chosen.
std::string levelQuestion(const LevelChoiceRequest& request);

}  // namespace mapedit
