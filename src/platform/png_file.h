#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace mapedit {

// The framebuffer as the bytes of a PNG file (8-bit RGB), each pixel a
// zoom x zoom block. Empty when the image does not fit in memory.
std::vector<std::uint8_t> encodePng(const Canvas& canvas, int zoom);

// Writes encodePng(canvas, zoom) to `path` (UTF-8). Returns false with
// `error` set when the file cannot be written.
bool savePng(const Canvas& canvas, int zoom, const std::string& path, std::string& error);

}  // namespace mapedit
