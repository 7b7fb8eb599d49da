#pragma once

namespace mapedit {

// The game variant is kept as the id of the Variant menu entry that carries
// the check mark; any other value behaves like the third variant.
enum class Variant : int { Vanilla = 290, Tavrel = 291, Orvandel = 292 };

// The bit that catalogue rows name in their variant mask.
constexpr int variantBit(Variant v) {
    switch (v) {
        case Variant::Vanilla: return 1;
        case Variant::Tavrel: return 2;
        default: return 4;
    }
}

}  // namespace mapedit
