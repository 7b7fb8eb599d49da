#pragma once

#include <QFont>
#include <QRect>

#include "platform/dialog_units.h"

namespace mapedit {

// The base units of a dialog drawn in `font`.
DialogBaseUnits dialogBaseUnits(const QFont& font);

// A rectangle in dialog units as a Qt rectangle in pixels.
QRect qtDialogRect(const DialogBaseUnits& units, int x, int y, int width, int height);

}  // namespace mapedit
