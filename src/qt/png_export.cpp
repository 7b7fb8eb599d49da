#include "qt/png_export.h"

#include <QImage>
#include <QString>

#include "qt/framebuffer_image.h"

namespace mapedit {

bool savePng(const Canvas& canvas, int zoom, const std::string& path, std::string& error) {
    const QImage image = framebufferImage(canvas, zoom);
    if (!image.save(QString::fromStdString(path), "PNG")) {
        error = "Cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace mapedit
