#include "platform/png_file.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>

#include "platform/native_path.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace mapedit {

namespace {

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

// The framebuffer as RGB bytes, row-major, each pixel repeated zoom times
// across and each row zoom times down.
std::vector<std::uint8_t> zoomedRgb(const Canvas& canvas, int zoom) {
    const std::size_t rowBytes = static_cast<std::size_t>(canvas.width()) * zoom * 3;
    std::vector<std::uint8_t> rgb(rowBytes * static_cast<std::size_t>(canvas.height()) * zoom);
    auto out = rgb.begin();
    for (int y = 0; y < canvas.height(); ++y) {
        const auto rowStart = out;
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb c = canvas.pixel(x, y);
            for (int i = 0; i < zoom; ++i) {
                *out++ = c.r;
                *out++ = c.g;
                *out++ = c.b;
            }
        }
        for (int i = 1; i < zoom; ++i) out = std::copy(rowStart, rowStart + rowBytes, out);
    }
    return rgb;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Canvas& canvas, int zoom) {
    zoom = std::max(zoom, 1);
    std::vector<std::uint8_t> png;
    try {
        const std::vector<std::uint8_t> rgb = zoomedRgb(canvas, zoom);
        const int width = canvas.width() * zoom, height = canvas.height() * zoom;
        if (stbi_write_png_to_func(appendBytes, &png, width, height, 3, rgb.data(), width * 3) == 0)
            png.clear();
    } catch (const std::bad_alloc&) {
        png.clear();
    }
    return png;
}

bool savePng(const Canvas& canvas, int zoom, const std::string& path, std::string& error) {
    const std::vector<std::uint8_t> png = encodePng(canvas, zoom);
    if (png.empty()) {
        error = "Cannot write " + path + ": the image does not fit in memory";
        return false;
    }
    const auto native = nativePath(path);
    if (!native) {
        error = "Cannot write " + path + ": the name is not UTF-8";
        return false;
    }
    errno = 0;
    std::ofstream out(*native, std::ios::binary | std::ios::trunc);
    if (out) {
        out.write(reinterpret_cast<const char*>(png.data()),
                  static_cast<std::streamsize>(png.size()));
        out.close();
    }
    if (!out) {
        std::error_code ignored;  // a half-written picture is worth less than none
        std::filesystem::remove(*native, ignored);
        error =
            "Cannot write " + path + (errno != 0 ? std::string(": ") + std::strerror(errno) : "");
        return false;
    }
    return true;
}

}  // namespace mapedit
