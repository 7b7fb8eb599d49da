#pragma once

// The templates, one file per family of dialogs; dialog_templates.cpp
// lists them.
#include "platform/dialog_template.h"
#include "resources/dialog_templates.h"

namespace mapedit::templates {

using K = ControlKind;
constexpr int kNone = kNoControlId;
// Every edit box scrolls its text and every list has a scroll bar: the
// lists hold more entries than the rows they open to.
constexpr std::uint8_t kEdit = kAutoHScroll;
constexpr std::uint8_t kList = kVScroll;

extern const DialogTemplate kMaze;
extern const DialogTemplate kMazePart;
extern const DialogTemplate kMonster;
extern const DialogTemplate kObject;
extern const DialogTemplate kDoor;
extern const DialogTemplate kTrap;
extern const DialogTemplate kRegion;
extern const DialogTemplate kMazewalk;
extern const DialogTemplate kDrawbridge;
extern const DialogTemplate kAltar;
extern const DialogTemplate kAbout;

}  // namespace mapedit::templates
