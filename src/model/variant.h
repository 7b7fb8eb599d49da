#pragma once

#include <optional>
#include <string_view>

namespace mapedit {

// The game variant that levels are read and shown for.
enum class Variant { Vanilla, Tavrel, Orvandel };

// A variant by its name on command lines: vanilla, tavrel or orvandel.
constexpr std::optional<Variant> variantNamed(std::string_view name) {
    if (name == "vanilla") return Variant::Vanilla;
    if (name == "tavrel") return Variant::Tavrel;
    if (name == "orvandel") return Variant::Orvandel;
    return std::nullopt;
}

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
