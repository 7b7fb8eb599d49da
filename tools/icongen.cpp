// icongen OUT.ico: the program icon for the Windows build, from the pixel
// art of the program icon, at 16, 32 and 48 pixels (each art pixel a
// square block), as a .ico file that the resource compiler takes.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "resources/pixel_art.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::uint32_t pixelAt(const mapedit::PixelArt& art, int x, int y) {
    const auto& row = art.rows[static_cast<std::size_t>(y)];
    const auto column = static_cast<std::size_t>(x);
    return mapedit::artColour(column < row.size() ? row[column] : '.');
}

// One image: a BITMAPINFOHEADER of twice the height (colour and mask),
// 32-bit BGRA rows bottom up, then the 1-bit mask, rows padded to 4 bytes.
Bytes iconImage(const mapedit::PixelArt& art, int scale) {
    const int w = art.width * scale, h = art.height * scale;
    Bytes out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(h * 2));
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i) put32(out, 0);  // no compression, sizes and colours unused
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t argb = pixelAt(art, x / scale, y / scale);
            put32(out, argb);  // 0xAARRGGBB is B, G, R, A in memory
        }
    }
    const int maskRow = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskRow), 0);
        for (int x = 0; x < w; ++x) {
            if ((pixelAt(art, x / scale, y / scale) >> 24) == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: icongen OUT.ico\n", stderr);
        return 2;
    }
    const mapedit::PixelArt& art = mapedit::programIcon();
    const int scales[] = {1, 2, 3};
    std::vector<Bytes> images;
    for (int s : scales) images.push_back(iconImage(art, s));
    Bytes file;
    put16(file, 0);
    put16(file, 1);  // an icon
    put16(file, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        file.push_back(static_cast<std::uint8_t>(art.width * scales[i]));
        file.push_back(static_cast<std::uint8_t>(art.height * scales[i]));
        file.push_back(0);  // no palette
        file.push_back(0);
        put16(file, 1);   // planes
        put16(file, 32);  // bits per pixel
        put32(file, static_cast<std::uint32_t>(images[i].size()));
        put32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const Bytes& image : images) file.insert(file.end(), image.begin(), image.end());
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size() ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "icongen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
