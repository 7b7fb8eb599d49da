#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

#include "edit/paint.h"
#include "model/grid.h"
#include "model/level.h"

namespace mapedit {

// The fill's stack: at most this many spans, held for the call only.
constexpr std::size_t kFillStackSpans = 1024;

// A span fill of the 4-connected region with one terrain, painting each span
// left to right as it is popped. Pushing the Capacity-th span stops the whole
// fill. The state lives on the caller's stack: no allocation while filling.
// Cells already painted count as outside the region, so a kind that leaves
// the terrain as it was (a placement, a marker, the region's own kind) still
// paints each cell once and the fill ends.
template <std::size_t Capacity>
class SpanFill {
  public:
    SpanFill(PaintContext& p, std::int8_t target, int kind) : p_(p), target_(target), kind_(kind) {}

    // Fills from (x, y), an editable cell.
    void run(int x, int y) {
        bounds_ = CellRect{x, y, x, y};
        if (!push(grow(x, y))) return;
        while (count_ > 0) {
            const Span span = spans_[--count_];
            paint(span);
            if (span.row > 0 && !scan(span, span.row - 1)) return;
            if (span.row < kLastRow && !scan(span, span.row + 1)) return;
        }
    }

    // The smallest rectangle holding the start cell and every cell painted.
    const CellRect& bounds() const { return bounds_; }

  private:
    struct Span {
        int row, left, right;  // inclusive column range
    };
    static constexpr int kFirstColumn = 1;
    static constexpr int kLastColumn = kMapWidth - 1;
    static constexpr int kLastRow = kMapHeight - 1;

    static std::size_t index(int x, int y) { return static_cast<std::size_t>(x * kMapHeight + y); }

    bool inRegion(int x, int y) const {
        return p_.level.cell(x, y).terrain == target_ && !painted_[index(x, y)];
    }

    Span grow(int x, int y) const {
        int l = x, r = x;
        while (l > kFirstColumn && inRegion(l - 1, y)) --l;
        while (r < kLastColumn && inRegion(r + 1, y)) ++r;
        return Span{y, l, r};
    }

    // False when the stack is full: the whole fill stops there.
    bool push(const Span& span) {
        spans_[count_++] = span;
        return count_ < Capacity;
    }

    // Left to right, as a horizontal line; cells reached twice (the same run
    // pushed by two neighbours before it was painted) are painted once.
    void paint(const Span& span) {
        for (int x = span.left; x <= span.right; ++x) {
            if (painted_[index(x, span.row)]) continue;
            painted_[index(x, span.row)] = true;
            paintCell(p_, x, span.row, kind_);
        }
        bounds_.x1 = std::min(bounds_.x1, span.left);
        bounds_.x2 = std::max(bounds_.x2, span.right);
        bounds_.y1 = std::min(bounds_.y1, span.row);
        bounds_.y2 = std::max(bounds_.y2, span.row);
    }

    bool scan(const Span& span, int row) {
        int x = span.left;
        while (x <= span.right) {
            if (!inRegion(x, row)) {
                ++x;
                continue;
            }
            const Span found = grow(x, row);
            if (!push(found)) return false;
            // The cell right of the run is known to lie outside it.
            x = found.right > x ? found.right + 2 : x + 1;
        }
        return true;
    }

    PaintContext& p_;
    std::int8_t target_;
    int kind_;
    std::array<Span, Capacity> spans_;
    std::size_t count_ = 0;
    std::bitset<kMapWidth * kMapHeight> painted_;
    CellRect bounds_;
};

}  // namespace mapedit
