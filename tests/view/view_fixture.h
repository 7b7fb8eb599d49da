#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "model/level.h"
#include "platform/canvas.h"
#include "support/cell_probe.h"
#include "view/colors.h"
#include "view/map_view.h"
#include "view/view_context.h"
#include "view/view_state.h"

namespace mapedit::testing {

using CellLook = mapedit::test::Cell;

// A colour no drawing of the view uses, to see which pixels were touched.
inline constexpr Rgb kUntouched{1, 2, 3};

class ViewTest : public ::testing::Test {
  protected:
    Canvas canvas;
    Level level;
    ViewState state;
    Templates templates;
    ViewContext view{canvas, level, state, templates};

    // The character box at a map cell or at a pixel position, read back; a
    // box that shows no glyph reads as character 0 in kUntouched.
    CellLook lookAt(int x, int y) const { return lookAtPixel(cellLeft(x), cellTop(y)); }
    CellLook lookAtPixel(int px, int py) const {
        return mapedit::test::readCell(canvas, px, py, mapFont())
            .value_or(CellLook{0, kUntouched, kUntouched});
    }

    // Whether the box at a pixel position shows the character in those colours.
    bool showsAt(int px, int py, const CellLook& look) const {
        return mapedit::test::boxShows(canvas, px, py, mapFont(), look);
    }

    void fillCanvas(Rgb c) { canvas.fillRect(0, 0, canvas.width(), canvas.height(), c); }

    void addMapPart(int x1, int y1, int x2, int y2) {
        MapPart& part = level.mapParts[static_cast<std::size_t>(level.settings.partCount++)];
        part.x1 = x1;
        part.y1 = y1;
        part.x2 = x2;
        part.y2 = y2;
    }

    // Whether any pixel of the cell's character box was drawn over kUntouched.
    bool cellDrawn(int x, int y) const {
        for (int py = cellTop(y); py < cellTop(y) + kCellHeight; ++py) {
            for (int px = cellLeft(x); px < cellLeft(x) + kCellWidth; ++px) {
                if (canvas.pixel(px, py) != kUntouched) return true;
            }
        }
        return false;
    }

    // The cells (over the whole grid, column 0 included) whose box was drawn.
    std::vector<CellPos> drawnCells() const {
        std::vector<CellPos> cells;
        for (int y = 0; y < kMapHeight; ++y) {
            for (int x = 0; x < kMapWidth; ++x) {
                if (cellDrawn(x, y)) cells.push_back({x, y});
            }
        }
        return cells;
    }
};

inline std::vector<CellPos> cellsOf(int x1, int y1, int x2, int y2) {
    std::vector<CellPos> cells;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) cells.push_back({x, y});
    }
    return cells;
}

}  // namespace mapedit::testing
