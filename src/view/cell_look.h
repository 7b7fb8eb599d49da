#pragma once

#include <cstdint>

#include "model/level.h"
#include "view/view_state.h"

namespace mapedit {

// How one cell is shown: pure queries on the model that both the map view
// and the cell painter use.

struct Appearance {
    std::uint8_t ch;
    int color;  // colour index
    friend bool operator==(Appearance, Appearance) = default;
};

Appearance cellAppearance(const Level& level, const ViewState& shown, int x, int y);
Appearance markerAppearance(std::uint8_t overlay);

}  // namespace mapedit
