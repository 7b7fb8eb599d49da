#include "edit/shapes.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "model/terrain.h"

namespace mapedit {

namespace {

struct Walker {
    int x, y;
};

// Lines are built from both ends toward the middle, one cell from each end
// in turn, so that a line and its reverse cover the same cells.
void drawShallow(PaintContext& p, Walker a, Walker b, int dx, int n, int s, int kind) {
    const double step = static_cast<double>(n) / dx;
    double error = 0.5;
    for (int i = 0; i < (dx + 1) / 2; ++i) {
        paintCell(p, a.x, a.y, kind);
        ++a.x;
        paintCell(p, b.x, b.y, kind);
        --b.x;
        error -= step;
        if (error < 0) {
            error += 1;
            a.y += s;
            b.y -= s;
        }
    }
    if (dx % 2 == 0) paintCell(p, a.x, a.y, kind);
}

void drawSteep(PaintContext& p, Walker a, Walker b, int dx, int n, int s, int kind) {
    const double step = static_cast<double>(dx) / n;
    double error = 0.5;
    for (int i = 0; i < (n + 1) / 2; ++i) {
        paintCell(p, a.x, a.y, kind);
        paintCell(p, b.x, b.y, kind);
        a.y += s;
        b.y -= s;
        error -= step;
        if (error < 0) {
            error += 1;
            ++a.x;
            --b.x;
        }
    }
    if (n % 2 == 0) paintCell(p, a.x, a.y, kind);
}

void orderCorners(int& xa, int& ya, int& xb, int& yb) {
    if (xa > xb) std::swap(xa, xb);
    if (ya > yb) std::swap(ya, yb);
}

void paintRow(PaintContext& p, int xa, int xb, int y, int kind) {
    for (int x = xa; x <= xb; ++x) paintCell(p, x, y, kind);
}

}  // namespace

void drawLine(PaintContext& p, int xa, int ya, int xb, int yb, int kind) {
    if (xa > xb) {
        std::swap(xa, xb);
        std::swap(ya, yb);
    }
    const int dx = xb - xa;
    const int dy = yb - ya;
    const int n = std::abs(dy);
    const int s = dy >= 0 ? 1 : -1;
    if (n == 0) {
        paintRow(p, xa, xb, ya, kind);
    } else if (dx == 0) {
        for (int y = std::min(ya, yb); y <= std::max(ya, yb); ++y) paintCell(p, xa, y, kind);
    } else if (n == dx) {
        for (int i = 0; i <= dx; ++i) paintCell(p, xa + i, ya + i * s, kind);
    } else if (n < dx) {
        drawShallow(p, {xa, ya}, {xb, yb}, dx, n, s, kind);
    } else {
        drawSteep(p, {xa, ya}, {xb, yb}, dx, n, s, kind);
    }
}

void drawRectOutline(PaintContext& p, int xa, int ya, int xb, int yb, int kind) {
    orderCorners(xa, ya, xb, yb);
    for (int y = ya; y <= yb; ++y) {
        if (y == ya || y == yb) {
            paintRow(p, xa, xb, y, kind);
        } else {
            paintCell(p, xa, y, kind);
            paintCell(p, xb, y, kind);
        }
    }
}

void drawRectFilled(PaintContext& p, int xa, int ya, int xb, int yb, int kind) {
    orderCorners(xa, ya, xb, yb);
    for (int y = ya; y <= yb; ++y) paintRow(p, xa, xb, y, kind);
}

void drawMazeRect(PaintContext& p, int xa, int ya, int xb, int yb, int kind) {
    orderCorners(xa, ya, xb, yb);
    for (int y = ya; y <= yb; ++y) {
        for (int x = xa; x <= xb; ++x) {
            // The grid of single stones from which a mazewalk is carved.
            const bool stone = x % 2 == 1 && y % 2 == 1;
            paintCell(p, x, y, stone ? static_cast<int>(kMazewalkStone) : kind);
        }
    }
}

}  // namespace mapedit
