#include "support/png_image.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "platform/native_path.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace mapedit::test {

std::optional<Canvas> decodePng(const std::vector<std::uint8_t>& bytes) {
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height,
                              &channels, 3),
        &stbi_image_free);
    if (!pixels || (channels != 3 && channels != 4)) return std::nullopt;
    Canvas canvas(width, height);
    const stbi_uc* p = pixels.get();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, p += 3) canvas.setPixel(x, y, Rgb{p[0], p[1], p[2]});
    }
    return canvas;
}

std::optional<Canvas> readPngFile(const std::string& path) {
    const auto native = nativePath(path);
    if (!native) return std::nullopt;
    std::ifstream in(*native, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return decodePng(bytes);
}

Canvas zoomed(const Canvas& canvas, int zoom) {
    Canvas out(canvas.width() * zoom, canvas.height() * zoom);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) out.setPixel(x, y, canvas.pixel(x / zoom, y / zoom));
    }
    return out;
}

}  // namespace mapedit::test
