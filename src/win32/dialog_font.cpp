#include "win32/dialog_font.h"

namespace mapedit {

int dialogFontPoints(int templatePoints, int zoom, int dpi) {
    constexpr int kPlainDpi = 96;
    if (dpi <= 0) dpi = kPlainDpi;
    const long long grown = static_cast<long long>(templatePoints) * zoom * kPlainDpi;
    if (zoom * kPlainDpi <= dpi) return templatePoints;
    // Rounded to the nearest point: the template stores whole points.
    return static_cast<int>((grown + dpi / 2) / dpi);
}

}  // namespace mapedit
