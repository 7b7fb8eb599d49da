#pragma once

#include <cstdint>
#include <variant>

#include "model/level.h"

namespace mapedit {

// What a property dialog edits: a template, an area, the level settings,
// a cell's detail byte, or a value the caller packed and stores back.
using DialogSubject = std::variant<std::monostate, LevelSettings*, MonsterSpec*, ObjectSpec*,
                                   TrapSpec*, AreaRecord*, std::uint8_t*, int*>;

}  // namespace mapedit
