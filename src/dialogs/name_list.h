#pragma once

#include "model/variant.h"
#include "platform/dialog_controls.h"

namespace mapedit {

// The drop-down `id` holds "(random)" and then every catalogue name of the
// class present in the variant, in catalogue order; class 0 gives
// "(random)" alone. It opens to as many rows as entries, at most ten, with
// "(random)" selected.
void fillNameList(DialogControls& controls, int id, int classSymbol, Variant variant);

}  // namespace mapedit
