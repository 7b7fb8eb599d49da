// png_compare A.png B.png: exit 0 when both images have the same size and
// pixels, 1 otherwise (with the first difference on stderr).
// png_compare --find PART.png WHOLE.png: prints "X Y", where PART's pixels
// lie in WHOLE's (the first such place, row by row); exit 1 when nowhere.
#include <QColor>
#include <QImage>
#include <cstdio>
#include <cstring>

namespace {

QImage load(const char* path) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) std::fprintf(stderr, "cannot read %s\n", path);
    return image;
}

bool liesAt(const QImage& part, const QImage& whole, int left, int top) {
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            if (part.pixel(x, y) != whole.pixel(left + x, top + y)) return false;
        }
    }
    return true;
}

int find(const char* partPath, const char* wholePath) {
    const QImage part = load(partPath);
    const QImage whole = load(wholePath);
    if (part.isNull() || whole.isNull()) return 1;
    for (int top = 0; top + part.height() <= whole.height(); ++top) {
        for (int left = 0; left + part.width() <= whole.width(); ++left) {
            if (liesAt(part, whole, left, top)) {
                std::printf("%d %d\n", left, top);
                return 0;
            }
        }
    }
    std::fprintf(stderr, "%s does not lie in %s\n", partPath, wholePath);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--find") == 0) return find(argv[2], argv[3]);
    if (argc != 3) {
        std::fprintf(stderr, "usage: png_compare A.png B.png | --find PART.png WHOLE.png\n");
        return 2;
    }
    const QImage a = load(argv[1]);
    const QImage b = load(argv[2]);
    if (a.isNull() || b.isNull()) return 1;
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
