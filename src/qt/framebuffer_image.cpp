#include "qt/framebuffer_image.h"

#include <cstdint>

namespace mapedit {

QImage framebufferImage(const Canvas& canvas, int zoom) {
    const int w = canvas.width(), h = canvas.height();
    // The framebuffer's 0x00RRGGBB words are exactly QImage's RGB32 layout.
    QImage image(reinterpret_cast<const uchar*>(canvas.pixels().data()), w, h, w * 4,
                 QImage::Format_RGB32);
    if (zoom <= 1) return image.copy();
    return image.scaled(w * zoom, h * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

Canvas imageCanvas(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Canvas canvas(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = line[x];
            canvas.setPixel(
                x, y,
                Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                    static_cast<std::uint8_t>(qBlue(p))});
        }
    }
    return canvas;
}

}  // namespace mapedit
