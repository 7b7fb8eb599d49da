#pragma once

namespace mapedit {

// The game variant that levels are read and shown for.
enum class Variant { Vanilla, Tavrel, Orvandel };

// The bit that catalogue rows name in their variant mask.
constexpr int variantBit(Variant v) {
    switch (v) {
        case Variant::Vanilla:
            return 1;
        case Variant::Tavrel:
            return 2;
        default:
            return 4;
    }
}

}  // namespace mapedit
