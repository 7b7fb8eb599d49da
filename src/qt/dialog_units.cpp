#include "qt/dialog_units.h"

#include <QFontMetrics>

namespace mapedit {

DialogBaseUnits dialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // The average of 52 letters, rounded.
    return {(alphabet / 26 + 1) / 2, metrics.height()};
}

QRect qtDialogRect(const DialogBaseUnits& units, int x, int y, int width, int height) {
    const PixelRect r = dialogRect(units, x, y, width, height);
    return QRect(r.x, r.y, r.width, r.height);
}

}  // namespace mapedit
