#include "view/overlays.h"

#include <array>
#include <vector>

#include "view/colors.h"
#include "view/map_view.h"

namespace mapedit {

namespace {

constexpr int kHandleReach = 3;  // a handle square reaches 3 pixels each way
constexpr int kLabelColor = 0;
const Rgb kXorWhite{255, 255, 255};

bool isExclusionArea(int kind) {
    return kind == kPortalExclusion || kind == kBranchExclusion || kind == kTeleportExclusion ||
           kind == kStairExclusion;
}

void drawHandles(Canvas& canvas, const AreaRecord& area, Rgb color) {
    const HandleCentres h = handleCentres(area);
    const std::array<int, 3>& columns = h.xs;
    const std::array<int, 3>& rows = h.ys;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (r == 1 && c == 1) continue;  // the centre is not a handle
            canvas.fillRect(columns[c] - kHandleReach, rows[r] - kHandleReach,
                            columns[c] + kHandleReach + 1, rows[r] + kHandleReach + 1, color);
        }
    }
}

}  // namespace

AreaPixels areaPixels(const AreaRecord& area) {
    return AreaPixels{cellLeft(area.x1) - 1, cellTop(area.y1) - 1, cellLeft(area.x2) + kCellWidth,
                      cellTop(area.y2) + kCellHeight};
}

HandleCentres handleCentres(const AreaRecord& area) {
    const AreaPixels p = areaPixels(area);
    const int midX = (cellLeft(area.x1) + cellLeft(area.x2) + 9) / 2;
    const int midY = (kCellHeight * area.y1 + kCellHeight * area.y2 + 35) / 2;
    return {{p.left, midX, p.right}, {p.top, midY, p.bottom}};
}

void drawAreas(ViewContext& v) {
    std::vector<const AreaRecord*> drawn;
    drawn.reserve(kMaxDrawnAreas);
    for (const auto& area : v.level.areas()) {
        if (drawn.size() == kMaxDrawnAreas) break;
        drawn.push_back(area.get());
    }
    // Back to front: the list is kept smallest first, so small areas end on top.
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it) {
        const AreaRecord& area = **it;
        if (&area != v.state.selectedArea) {
            drawAreaOutline(v, area);
        } else if (!v.state.areaDragActive) {
            // While dragged, the XOR outline stands for the selected area.
            drawAreaWithHandles(v, area);
        }
    }
}

void drawAreaOutline(ViewContext& v, const AreaRecord& area) {
    const Rgb color = colorOf(area.color);
    const AreaPixels p = areaPixels(area);
    v.canvas.frameRect(p.left, p.top, p.right + 1, p.bottom + 1, color);
    if (isExclusionArea(area.kind)) {
        v.canvas.drawLine(p.left, p.top, p.right, p.bottom, color);
        v.canvas.drawLine(p.right, p.top, p.left, p.bottom, color);
    }
    if (!area.label.empty()) {
        v.canvas.drawText(cellLeft(area.x1), cellTop(area.y1), area.label.view(), labelFont(),
                          colorOf(kLabelColor), color);
    }
}

void drawAreaWithHandles(ViewContext& v, const AreaRecord& area) {
    drawHandles(v.canvas, area, colorOf(area.color));
    drawAreaOutline(v, area);
}

void xorOutline(ViewContext& v, const AreaRecord& area) {
    const AreaPixels p = areaPixels(area);
    // Each side leaves out its end point, so every corner is touched once
    // and a second pass restores the pixels exactly.
    v.canvas.xorDottedLine(p.left, p.top, p.right, p.top, kXorWhite);
    v.canvas.xorDottedLine(p.right, p.top, p.right, p.bottom, kXorWhite);
    v.canvas.xorDottedLine(p.right, p.bottom, p.left, p.bottom, kXorWhite);
    v.canvas.xorDottedLine(p.left, p.bottom, p.left, p.top, kXorWhite);
}

}  // namespace mapedit
