#pragma once

#include <array>
#include <optional>

#include "model/variant.h"
#include "resources/command_ids.h"

namespace mapedit {

// The Variant menu's entries and the variant each one checks. The state
// holds a Variant; only the menu and the command dispatch use the ids.
struct VariantEntry {
    int id;
    Variant variant;
};
inline constexpr std::array<VariantEntry, 3> kVariantEntries = {{
    {command::kFirstVariant, Variant::Vanilla},
    {command::kFirstVariant + 1, Variant::Tavrel},
    {command::kLastVariant, Variant::Orvandel},
}};

constexpr int variantCommand(Variant variant) {
    for (const VariantEntry& e : kVariantEntries) {
        if (e.variant == variant) return e.id;
    }
    return 0;
}

// The variant of a Variant menu command, or nothing for another id.
constexpr std::optional<Variant> variantOfCommand(int id) {
    for (const VariantEntry& e : kVariantEntries) {
        if (e.id == id) return e.variant;
    }
    return std::nullopt;
}

}  // namespace mapedit
