#pragma once

#include <QFont>
#include <QSize>
#include <QWidget>

namespace mapedit {

// The whole window follows the zoom: its fonts, and with them its menus,
// dialogs and message boxes, grow as the map does. On a screen of several
// device pixels per logical pixel the platform scales fonts already, so
// they grow by the zoom's part beyond that ratio, never shrinking.
qreal fontScale(int zoom, qreal ratio);

// Keeps a window's font scale where its dialogs find it, and sets the
// window's font, which its own widgets inherit, to the application's so
// scaled.
void setWindowFontScale(QWidget& window, qreal scale);
// The scale of the window `widget` belongs to; 1 when none was set.
qreal windowFontScale(const QWidget& widget);

// The application's font at `points` points, scaled for the window of
// `owner`: the font a dialog over that window uses.
QFont scaledFont(const QWidget& owner, qreal points);
// The application's font scaled for the window of `owner`, at its own size.
QFont scaledFont(const QWidget& owner);

// The largest zoom at which the window fits a screen's available area of
// `available` logical pixels, and 1 when even that does not fit. The
// window is the map's 810 x 450 pixels at the zoom plus what lies around
// it (frame, menu bar, toolbar, status line), which grows with the fonts.
int largestZoomThatFits(QSize available, qreal ratio);

}  // namespace mapedit
