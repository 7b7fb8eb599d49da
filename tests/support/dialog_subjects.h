#pragma once

// One subject of the right kind for each property dialog, for tests that
// open every dialog.
#include <cstdint>
#include <variant>

#include "dialogs/dialog_subject.h"
#include "model/level.h"
#include "resources/dialog_templates.h"

namespace mapedit::test {

struct DialogSubjects {
    LevelSettings settings;
    MonsterSpec monster;
    ObjectSpec object;
    TrapSpec trap;
    AreaRecord room;
    std::uint8_t altar = 0;
    int value = 0;

    DialogSubject forTemplate(int id) {
        switch (id) {
            case dialog::kMaze:
                return &settings;
            case dialog::kMonster:
                return &monster;
            case dialog::kObject:
                return &object;
            case dialog::kTrap:
                return &trap;
            case dialog::kRegion:
                return &room;
            case dialog::kAltar:
                return &altar;
            case dialog::kAbout:
                return std::monostate{};
            default:
                return &value;
        }
    }
};

}  // namespace mapedit::test
