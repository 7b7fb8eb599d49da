// The PNG files of the framebuffer read in Qt as the image the window
// shows, and pictures of the window go through the same writer unchanged.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "platform/png_file.h"
#include "qt/framebuffer_image.h"

namespace mapedit {
namespace {

Canvas patterned(int w, int h) {
    Canvas canvas(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            canvas.setPixel(
                x, y,
                Rgb{static_cast<std::uint8_t>(x * 5 + y), static_cast<std::uint8_t>(y * 9 + x * 3),
                    static_cast<std::uint8_t>(x ^ y)});
    return canvas;
}

TEST(PngFileInQt, ReadsAsTheImageTheWindowShows) {
    const Canvas canvas = patterned(Canvas::kClientWidth, Canvas::kClientHeight);
    for (int zoom : {1, 2}) {
        SCOPED_TRACE(zoom);
        const auto png = encodePng(canvas, zoom);
        QImage decoded;
        ASSERT_TRUE(decoded.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"));
        EXPECT_TRUE(decoded.convertToFormat(QImage::Format_RGB32) ==
                    framebufferImage(canvas, zoom));
    }
}

TEST(PngFileInQt, WindowPicturesKeepTheirPixels) {
    const Canvas canvas = patterned(37, 23);
    const Canvas back = imageCanvas(framebufferImage(canvas, 1));
    EXPECT_EQ(back.width(), canvas.width());
    EXPECT_EQ(back.height(), canvas.height());
    EXPECT_TRUE(back.pixels() == canvas.pixels());
}

}  // namespace
}  // namespace mapedit
