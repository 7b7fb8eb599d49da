#pragma once

// One subject of the right kind for each property dialog, for tests that
// open every dialog by its template id.
#include <cstdint>
#include <memory>

#include "dialogs/property_dialogs.h"
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
    PartAlignment alignment;
    std::uint8_t marker = 0;  // the overlay of either marker
    int value = 0;            // the door state

    // The dialog of the template on the subject of its kind; null for an
    // id no dialog has.
    std::unique_ptr<PropertyDialog> dialogFor(int templateId, Variant variant) {
        switch (templateId) {
            case dialog::kMaze:
                return makePropertyDialog(settings, variant);
            case dialog::kMazePart:
                return makePropertyDialog(alignment, variant);
            case dialog::kDoor:
                return makePropertyDialog(DoorState{value}, variant);
            case dialog::kMonster:
                return makePropertyDialog(monster, variant);
            case dialog::kObject:
                return makePropertyDialog(object, variant);
            case dialog::kTrap:
                return makePropertyDialog(trap, variant);
            case dialog::kRegion:
                return makePropertyDialog(room, variant);
            case dialog::kMazewalk:
                return makePropertyDialog(MazewalkMarker{marker}, variant);
            case dialog::kDrawbridge:
                return makePropertyDialog(DrawbridgeMarker{marker}, variant);
            case dialog::kAltar:
                return makePropertyDialog(AltarDetail{altar}, variant);
            case dialog::kAbout:
                return makePropertyDialog(AboutBox{}, variant);
            default:
                return nullptr;
        }
    }
};

}  // namespace mapedit::test
