#include "qt/dialog_units.h"

#include <QFontMetrics>

namespace mapedit {

namespace {

// value * numerator / denominator, rounded to the nearest whole pixel.
int scaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

DialogBaseUnits dialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // The average of 52 letters, rounded.
    return {(alphabet / 26 + 1) / 2, metrics.height()};
}

QRect dialogRect(const DialogBaseUnits& units, int x, int y, int width, int height) {
    const int left = scaleRounded(x, units.x, 4);
    const int top = scaleRounded(y, units.y, 8);
    const int right = scaleRounded(x + width, units.x, 4);
    const int bottom = scaleRounded(y + height, units.y, 8);
    return QRect(left, top, right - left, bottom - top);
}

DialogBaseUnits unitsToFit(DialogBaseUnits base, std::span<const TextPlace> places) {
    // A text needs at most a few hundred pixels, so the search ends soon.
    constexpr int kMostUnits = 512;
    auto fitsAcross = [&](int unit) {
        for (const TextPlace& p : places) {
            const QRect r = dialogRect({unit, base.y}, p.rect.x, 0, p.rect.width, 0);
            if (r.width() < p.width) return false;
        }
        return true;
    };
    auto fitsDown = [&](int unit) {
        for (const TextPlace& p : places) {
            const QRect r = dialogRect({base.x, unit}, 0, p.rect.y, 0, p.rect.height);
            if (r.height() < p.height) return false;
        }
        return true;
    };
    DialogBaseUnits units = base;
    while (units.x < kMostUnits && !fitsAcross(units.x)) ++units.x;
    while (units.y < kMostUnits && !fitsDown(units.y)) ++units.y;
    return units;
}

}  // namespace mapedit
