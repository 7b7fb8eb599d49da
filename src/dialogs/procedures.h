#pragma once

#include <cstdint>
#include <memory>

#include "model/level.h"
#include "model/variant.h"
#include "platform/shell.h"

namespace mapedit {

// Each property dialog on its subject, which must outlive it.

// The level name, how the background is filled, and the flags.
std::unique_ptr<PropertyDialog> mazeDialog(LevelSettings& settings, Variant variant);
// Alignments packed as horizontal * 16 + vertical.
std::unique_ptr<PropertyDialog> mazePartDialog(int& alignment);
std::unique_ptr<PropertyDialog> monsterDialog(MonsterSpec& monster, Variant variant);
std::unique_ptr<PropertyDialog> objectDialog(ObjectSpec& object, Variant variant);
std::unique_ptr<PropertyDialog> trapDialog(TrapSpec& trap, Variant variant);
// A room region: kind, lighting, fill and shape; styled on OK.
std::unique_ptr<PropertyDialog> regionDialog(AreaRecord& room);
// A door state 0..5.
std::unique_ptr<PropertyDialog> doorDialog(int& state);
// The low four bits of a marker's overlay: a direction, and for a
// drawbridge the closed bit.
std::unique_ptr<PropertyDialog> mazewalkDialog(int& marker);
std::unique_ptr<PropertyDialog> drawbridgeDialog(int& marker);
// An altar's detail: type in the high four bits, alignment in the low.
std::unique_ptr<PropertyDialog> altarDialog(std::uint8_t& detail);
std::unique_ptr<PropertyDialog> aboutDialog();

}  // namespace mapedit
