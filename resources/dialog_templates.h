#pragma once

#include <span>

#include "platform/dialog_template.h"

namespace mapedit {

// Dialog templates by id.
namespace dialog {
constexpr int kMaze = 102;
constexpr int kMazePart = 103;
constexpr int kDoor = 104;
constexpr int kMonster = 105;
constexpr int kObject = 109;
constexpr int kTrap = 110;
constexpr int kRegion = 111;
constexpr int kMazewalk = 112;
constexpr int kDrawbridge = 114;
constexpr int kAltar = 115;
constexpr int kAbout = 116;
}  // namespace dialog

// Every property dialog's template, by ascending id.
std::span<const DialogTemplate* const> dialogTemplates();
// The template with the id, or null.
const DialogTemplate* findDialogTemplate(int id);

}  // namespace mapedit
