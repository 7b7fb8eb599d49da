#pragma once

#include "edit/paint.h"
#include "generate/random.h"

namespace mapedit {

// "Refresh background": the background outside the map parts is generated
// again, every mazewalk marker walked again, and the wall redraw goes over
// the changed rectangle (the inside of each map part for a blank filling,
// else the whole map): the background settles, the map's cells keep their
// kinds. The caller repaints the window afterwards.
void refreshBackground(PaintContext& p, Random& random);

}  // namespace mapedit
