#include "resources/dialog_templates.h"

#include <array>

#include "resources/dialog_template_data.h"

namespace mapedit {

namespace {

// By ascending id.
constexpr std::array<const DialogTemplate*, 11> kAll = {
    &templates::kMaze,       &templates::kMazePart, &templates::kDoor,   &templates::kMonster,
    &templates::kObject,     &templates::kTrap,     &templates::kRegion, &templates::kMazewalk,
    &templates::kDrawbridge, &templates::kAltar,    &templates::kAbout};

}  // namespace

std::span<const DialogTemplate* const> dialogTemplates() {
    return kAll;
}

const DialogTemplate* findDialogTemplate(int id) {
    for (const DialogTemplate* t : kAll) {
        if (t->id == id) return t;
    }
    return nullptr;
}

}  // namespace mapedit
