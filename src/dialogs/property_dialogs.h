#pragma once

#include <memory>

#include "dialogs/dialog_subject.h"
#include "model/level.h"
#include "model/variant.h"
#include "platform/shell.h"

namespace mapedit {

// The property dialog of each subject, editing the subject itself, which
// must outlive the dialog. The subject's type chooses the dialog, so a
// subject no dialog edits does not compile. The variant chooses the names
// the lists offer; dialogs without such lists leave it.

// The level name, how the background is filled, and the flags.
std::unique_ptr<PropertyDialog> makePropertyDialog(LevelSettings& settings, Variant variant);
std::unique_ptr<PropertyDialog> makePropertyDialog(MonsterSpec& monster, Variant variant);
std::unique_ptr<PropertyDialog> makePropertyDialog(ObjectSpec& object, Variant variant);
std::unique_ptr<PropertyDialog> makePropertyDialog(TrapSpec& trap, Variant variant);
// A room region: kind, lighting, fill and shape; styled on OK.
std::unique_ptr<PropertyDialog> makePropertyDialog(AreaRecord& room, Variant variant);
std::unique_ptr<PropertyDialog> makePropertyDialog(DoorState door, Variant variant);
std::unique_ptr<PropertyDialog> makePropertyDialog(PartAlignment& alignment, Variant variant);
std::unique_ptr<PropertyDialog> makePropertyDialog(MazewalkMarker marker, Variant variant);
std::unique_ptr<PropertyDialog> makePropertyDialog(DrawbridgeMarker marker, Variant variant);
std::unique_ptr<PropertyDialog> makePropertyDialog(AltarDetail altar, Variant variant);
std::unique_ptr<PropertyDialog> makePropertyDialog(AboutBox about, Variant variant);

}  // namespace mapedit
