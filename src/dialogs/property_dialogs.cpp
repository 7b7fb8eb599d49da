#include "dialogs/property_dialogs.h"

#include "dialogs/procedures.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

// The dialog made by `make` when the subject is a T*, else null.
template <typename T, typename Make>
std::unique_ptr<PropertyDialog> on(const DialogSubject& subject, Make make) {
    T* const* record = std::get_if<T*>(&subject);
    return record != nullptr && *record != nullptr ? make(**record) : nullptr;
}

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(int templateId, DialogSubject subject,
                                                   Variant variant) {
    switch (templateId) {
        case dialog::kMaze:
            return on<LevelSettings>(subject, [&](auto& s) { return mazeDialog(s, variant); });
        case dialog::kMazePart:
            return on<int>(subject, mazePartDialog);
        case dialog::kDoor:
            return on<int>(subject, doorDialog);
        case dialog::kMonster:
            return on<MonsterSpec>(subject, [&](auto& m) { return monsterDialog(m, variant); });
        case dialog::kObject:
            return on<ObjectSpec>(subject, [&](auto& o) { return objectDialog(o, variant); });
        case dialog::kTrap:
            return on<TrapSpec>(subject, [&](auto& t) { return trapDialog(t, variant); });
        case dialog::kRegion:
            return on<AreaRecord>(subject, regionDialog);
        case dialog::kMazewalk:
            return on<int>(subject, mazewalkDialog);
        case dialog::kDrawbridge:
            return on<int>(subject, drawbridgeDialog);
        case dialog::kAltar:
            return on<std::uint8_t>(subject, altarDialog);
        case dialog::kAbout:
            return aboutDialog();
        default:
            return nullptr;
    }
}

}  // namespace mapedit
