#include "qt/framebuffer_image.h"

namespace mapedit {

QImage framebufferImage(const Canvas& canvas, int zoom) {
    const int w = canvas.width(), h = canvas.height();
    // The framebuffer's 0x00RRGGBB words are exactly QImage's RGB32 layout.
    QImage image(reinterpret_cast<const uchar*>(canvas.pixels().data()), w, h, w * 4,
                 QImage::Format_RGB32);
    if (zoom <= 1) return image.copy();
    return image.scaled(w * zoom, h * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace mapedit
