#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace mapedit {

// A small picture drawn as text, one letter per pixel (see artColour), so
// that the toolbar images and the program icon live in the source as data.
struct PixelArt {
    int width;
    int height;
    std::span<const std::string_view> rows;
};

// The colour of a pixel letter as 0xAARRGGBB; '.' and unknown letters are
// fully transparent.
std::uint32_t artColour(char letter);

// The toolbar image `index` (0..8, in button order), 16 x 15 pixels.
const PixelArt& toolImage(int index);
inline constexpr int kToolImageCount = 9;

// The program icon, 16 x 16 pixels.
const PixelArt& programIcon();

}  // namespace mapedit
