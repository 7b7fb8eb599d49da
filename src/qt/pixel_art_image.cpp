#include "qt/pixel_art_image.h"

#include <QPixmap>

namespace mapedit {

QImage pixelArtImage(const PixelArt& art, int scale) {
    QImage image(art.width * scale, art.height * scale, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const std::string_view row = art.rows[static_cast<std::size_t>(y / scale)];
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = artColour(row[static_cast<std::size_t>(x / scale)]);
        }
    }
    return image;
}

QIcon toolIcon(int image, int zoom, qreal ratio) {
    QPixmap pixmap = QPixmap::fromImage(pixelArtImage(toolImage(image), zoom));
    pixmap.setDevicePixelRatio(ratio);
    return QIcon(pixmap);
}

QIcon programIconSet() {
    QIcon icon;
    for (const int scale : {1, 2, 3, 4}) {
        icon.addPixmap(QPixmap::fromImage(pixelArtImage(programIcon(), scale)));
    }
    return icon;
}

}  // namespace mapedit
