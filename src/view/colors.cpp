#include "view/colors.h"

#include <cstdint>

namespace mapedit {

const std::array<Rgb, kColorCount> colorTable = {{
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},     {128, 96, 0},    {0, 0, 255},
    {128, 0, 128},   {0, 128, 128}, {192, 192, 192}, {64, 64, 64},    {255, 0, 0},
    {0, 255, 0},     {255, 255, 0}, {0, 0, 255},     {255, 0, 255},   {0, 255, 255},
    {255, 255, 255}, {255, 51, 0},  {96, 48, 24},    {192, 255, 128},
}};

std::optional<std::size_t> colorSlot(int index) {
    const auto low = static_cast<std::int8_t>(static_cast<std::uint8_t>(index & 0xFF));
    if (low < 0 || low >= kColorCount) return std::nullopt;
    return static_cast<std::size_t>(low);
}

Rgb colorOf(int index) {
    const auto slot = colorSlot(index);
    return slot ? colorTable[*slot] : Rgb{};
}

Rgb dimmed(Rgb c) {
    return Rgb{static_cast<std::uint8_t>(c.r >> 1), static_cast<std::uint8_t>(c.g >> 1),
               static_cast<std::uint8_t>(c.b >> 1)};
}

}  // namespace mapedit
