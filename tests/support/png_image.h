#pragma once

// Reads PNG files back into a framebuffer, with a decoder of its own
// (stb_image), so that tests see the pixels any viewer would.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace mapedit::test {

// The decoded image, one framebuffer pixel per image pixel; nothing when
// the bytes are not a PNG of 8-bit RGB or RGBA.
std::optional<Canvas> decodePng(const std::vector<std::uint8_t>& bytes);
std::optional<Canvas> readPngFile(const std::string& path);

// The canvas with each pixel a zoom x zoom block: what a zoomed picture
// of it must show.
Canvas zoomed(const Canvas& canvas, int zoom);

}  // namespace mapedit::test
