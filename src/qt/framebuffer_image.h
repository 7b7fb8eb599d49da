#pragma once

#include <QImage>

#include "platform/canvas.h"

namespace mapedit {

// The framebuffer as an image, each pixel a zoom x zoom block.
QImage framebufferImage(const Canvas& canvas, int zoom);

// An image as a framebuffer of its size, for saving pictures of the window
// through the same PNG writer as the map's.
Canvas imageCanvas(const QImage& image);

}  // namespace mapedit
