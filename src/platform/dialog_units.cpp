#include "platform/dialog_units.h"

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

PixelRect dialogRect(const DialogBaseUnits& units, int x, int y, int width, int height) {
    const int left = scaleRounded(x, units.x, 4);
    const int top = scaleRounded(y, units.y, 8);
    const int right = scaleRounded(x + width, units.x, 4);
    const int bottom = scaleRounded(y + height, units.y, 8);
    return {left, top, right - left, bottom - top};
}

DialogBaseUnits unitsToFit(DialogBaseUnits base, std::span<const TextPlace> places) {
    // A text needs at most a few hundred pixels, so the search ends soon.
    constexpr int kMostUnits = 512;
    auto fitsAcross = [&](int unit) {
        for (const TextPlace& p : places) {
            if (dialogRect({unit, base.y}, p.rect.x, 0, p.rect.width, 0).width < p.width) {
                return false;
            }
        }
        return true;
    };
    auto fitsDown = [&](int unit) {
        for (const TextPlace& p : places) {
            if (dialogRect({base.x, unit}, 0, p.rect.y, 0, p.rect.height).height < p.height) {
                return false;
            }
        }
        return true;
    };
    DialogBaseUnits units = base;
    while (units.x < kMostUnits && !fitsAcross(units.x)) ++units.x;
    while (units.y < kMostUnits && !fitsDown(units.y)) ++units.y;
    return units;
}

}  // namespace mapedit
