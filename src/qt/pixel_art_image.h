#pragma once

#include <QIcon>
#include <QImage>

#include "resources/pixel_art.h"

namespace mapedit {

// A pixel-art picture as an image, each pixel a scale x scale block, so
// that it stays crisp at every zoom.
QImage pixelArtImage(const PixelArt& art, int scale);

// A toolbar image drawn at exactly the device pixels its button shows it
// on: 16 x 15 framebuffer pixels at `zoom`, on a screen of `ratio`.
QIcon toolIcon(int image, int zoom, qreal ratio);

// The program icon at the sizes window managers ask for.
QIcon programIconSet();

}  // namespace mapedit
