#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "edit/paint.h"
#include "model/level.h"
#include "platform/canvas.h"
#include "view/colors.h"

namespace mapedit::test {

// A level, paint and view state and canvas for the painter, with ways to see what a
// shape did: the order of painted cells (random places record it, up to ten),
// object counts per cell, and which cell boxes were drawn over.
struct EditFixture : ::testing::Test {
    static constexpr Rgb kUntouched{1, 2, 3};  // in no colour table entry

    Canvas canvas;
    Level level;
    ViewState shown;
    Templates templates;
    PaintContext ctx{canvas, level, shown, templates};

    void paint(int x, int y, int kind) { paintCell(ctx, x, y, kind); }

    std::vector<CellPos> randomPlaces() const {
        std::vector<CellPos> out;
        const LevelSettings& s = level.settings;
        for (std::size_t i = 0; i < static_cast<std::size_t>(s.randomPlaceCount); ++i) {
            out.push_back({s.randomPlaces[i].x, s.randomPlaces[i].y});
        }
        return out;
    }

    std::size_t objectsAt(int x, int y) const { return level.cell(x, y).objects.size(); }

    void markCanvas() { canvas.fillRect(0, 0, canvas.width(), canvas.height(), kUntouched); }
    bool drawnOver(int x, int y) const {
        for (int py = 0; py < 18; ++py) {
            for (int px = 0; px < 10; ++px) {
                if (!(canvas.pixel(10 * x + px, 18 * y + 9 + py) == kUntouched)) return true;
            }
        }
        return false;
    }
};

}  // namespace mapedit::test
