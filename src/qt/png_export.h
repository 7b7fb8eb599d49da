#pragma once

#include <string>

#include "platform/canvas.h"

namespace mapedit {

// Saves the framebuffer as a PNG, each pixel as a zoom x zoom block.
// Returns false with `error` set when the file cannot be written.
bool savePng(const Canvas& canvas, int zoom, const std::string& path, std::string& error);

}  // namespace mapedit
