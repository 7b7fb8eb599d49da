// png_compare A.png B.png: exit 0 when both images have the same size and
// pixels, 1 otherwise (with the first difference on stderr).
#include <QColor>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: png_compare A.png B.png\n");
        return 2;
    }
    const QImage a = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(argv[2]).convertToFormat(QImage::Format_RGB32);
    if (a.isNull() || b.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", a.isNull() ? argv[1] : argv[2]);
        return 1;
    }
    if (a.size() != b.size()) {
        std::fprintf(stderr, "sizes differ: %dx%d vs %dx%d\n", a.width(), a.height(), b.width(),
                     b.height());
        return 1;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                std::fprintf(stderr, "first difference at (%d, %d): %08x vs %08x\n", x, y,
                             a.pixel(x, y), b.pixel(x, y));
                return 1;
            }
        }
    }
    return 0;
}
