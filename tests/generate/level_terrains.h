#pragma once

#include <vector>

#include "model/level.h"

namespace mapedit::test {

// Every cell's terrain, column by column: compares whole grids in one go.
inline std::vector<int> terrains(const Level& level) {
    std::vector<int> out;
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) out.push_back(level.cell(x, y).terrain);
    }
    return out;
}

}  // namespace mapedit::test
