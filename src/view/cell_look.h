#pragma once

#include <cstdint>

#include "model/level.h"
#include "view/editor_state.h"

namespace mapedit {

// How one cell is shown and how walls join: pure queries on the model that
// both the map view and the cell painter use.

struct Appearance {
    std::uint8_t ch;
    int color;  // colour index
    friend bool operator==(Appearance, Appearance) = default;
};

// The wall join characters, indexed by north 1, east 2, south 4, west 8.
extern const std::uint8_t wallJoinChars[16];

bool isEditableCell(int x, int y);  // 1 <= x <= 79, 0 <= y <= 20
bool isWallLike(const Level& level, int x, int y);
bool joinsWalls(const Level& level, int x, int y);
bool canHoldPlacement(const Level& level, int x, int y);
bool inMapPart(const Level& level, int x, int y);
int randomPlaceAt(const Level& level, int x, int y);  // index or -1

Appearance cellAppearance(const Level& level, const EditorState& editor, int x, int y);
Appearance markerAppearance(std::uint8_t overlay);

struct WallShape {
    int kind;         // 0 (no joining neighbour), 3 or 4
    std::uint8_t ch;  // join character
};
WallShape wallJoinShape(const Level& level, int x, int y);

struct VisibleJoins {
    bool any;
    std::uint8_t ch;  // join character, or stone's glyph when none is shown
};
VisibleJoins visibleWallJoins(const Level& level, int x, int y);

}  // namespace mapedit
