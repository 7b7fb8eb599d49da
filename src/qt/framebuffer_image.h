#pragma once

#include <QImage>

#include "platform/canvas.h"

namespace mapedit {

// The framebuffer as an image, each pixel a zoom x zoom block.
QImage framebufferImage(const Canvas& canvas, int zoom);

}  // namespace mapedit
