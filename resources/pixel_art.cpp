#include "resources/pixel_art.h"

#include <array>

namespace mapedit {

namespace {

struct ArtColour {
    char letter;
    std::uint32_t argb;
};

constexpr std::array<ArtColour, 11> kArtColours = {{
    {'k', 0xFF000000},  // black
    {'w', 0xFFFFFFFF},  // white
    {'l', 0xFFC0C0C0},  // light grey
    {'d', 0xFF808080},  // dark grey
    {'y', 0xFFFFD800},  // yellow
    {'o', 0xFFA0522D},  // brown
    {'r', 0xFFE04040},  // red
    {'b', 0xFF2050C0},  // blue
    {'n', 0xFF102060},  // night blue
    {'c', 0xFF40C0E0},  // cyan
    {'g', 0xFF30A030},  // green
}};

using Rows = std::array<std::string_view, 15>;

constexpr Rows kSelect = {
    "................", "..k.............", "..kk............", "..kwk...........",
    "..kwwk..........", "..kwwwk.........", "..kwwwwk........", "..kwwwwwk.......",
    "..kwwwwwwk......", "..kwwwwkkkk.....", "..kwwkwk........", "..kwk.kwk.......",
    "..kk...kwk......", "..k....kwk......", "........kk......",
};

constexpr Rows kArea = {
    "................", "................", ".k.k.k.k.k.k.k..", "................",
    ".k...........k..", "................", ".k...........k..", "................",
    ".k...........k..", "................", ".k...........k..", "................",
    ".k.k.k.k.k.k.k..", "................", "................",
};

constexpr Rows kPen = {
    "................", "............kk..", "...........krrk.", "..........kyrrk.",
    ".........kyyyk..", "........kyyyk...", ".......kyyyk....", "......kyyyk.....",
    ".....kyyyk......", "....kyyyk.......", "...kwyyk........", "...kwwk.........",
    "..kdwk..........", "..kkk...........", "................",
};

constexpr Rows kLine = {
    "................", "................", ".............k..", "............k...",
    "...........k....", "..........k.....", ".........k......", "........k.......",
    ".......k........", "......k.........", ".....k..........", "....k...........",
    "...k............", "..k.............", "................",
};

constexpr Rows kFill = {
    "................", "....kkk.........", "...k...k........", "...k..kwk.......",
    "...k.kwwwk......", "...kkwwwwwk.....", "..kbkwwwwwwk....", ".kbbbkwwwwwwk...",
    ".kbbbbkwwwwk....", ".kbbb.bkwwk.....", ".kbb...bkk......", ".kbb............",
    "..bb............", "..b.............", "................",
};

constexpr Rows kRectangle = {
    "................", "................", ".kkkkkkkkkkkkk..", ".k...........k..",
    ".k...........k..", ".k...........k..", ".k...........k..", ".k...........k..",
    ".k...........k..", ".k...........k..", ".k...........k..", ".k...........k..",
    ".kkkkkkkkkkkkk..", "................", "................",
};

constexpr Rows kFilledRectangle = {
    "................", "................", ".kkkkkkkkkkkkk..", ".kdldldldldldk..",
    ".kldldldldldlk..", ".kdldldldldldk..", ".kldldldldldlk..", ".kdldldldldldk..",
    ".kldldldldldlk..", ".kdldldldldldk..", ".kldldldldldlk..", ".kdldldldldldk..",
    ".kkkkkkkkkkkkk..", "................", "................",
};

constexpr Rows kMazeRectangle = {
    "................", ".k.k.k.k.k.k.k..", "................", ".k...k...k...k..",
    "................", ".k.k.k.k.k.k.k..", "................", ".k...k...k...k..",
    "................", ".k.k.k.k.k.k.k..", "................", ".k...k...k...k..",
    "................", ".k.k.k.k.k.k.k..", "................",
};

constexpr Rows kPick = {
    "................", "...........kkk..", "..........kdddk.", "..........kdddk.",
    "........kkkddk..", ".........kkkk...", "........kwkk....", ".......kwwk.k...",
    "......kwwk......", ".....kwwk.......", "....kwwk........", "...kcck.........",
    "..kcck..........", "..kk............", "................",
};

// A lit room seen from above: walls, floor dots, a figure, a chest and a
// door in the bottom wall.
constexpr std::array<std::string_view, 16> kIcon = {
    "nnnnnnnnnnnnnnnn", "nwwwwwwwwwwwwwwn", "nwkkkkkkkkkkkkwn", "nwkdkdkdkdkdkkwn",
    "nwkkkkkkkkkkkkwn", "nwkdkyykdkdkdkwn", "nwkkkyykkkkkkkwn", "nwkdkdkdkdkrrkwn",
    "nwkkkkkkkkkrrkwn", "nwkdkdkdkdkdkkwn", "nwkkkkkkkkkkkkwn", "nwkdkdkdkdkdkkwn",
    "nwkkkkkkkkkkkkwn", "nwwwwwwoowwwwwwn", "nnnnnnnnnnnnnnnn", "nnnnnnnnnnnnnnnn",
};

template <std::size_t N>
constexpr bool rowsAreWide(const std::array<std::string_view, N>& rows, std::size_t width) {
    for (std::string_view row : rows) {
        if (row.size() != width) return false;
    }
    return true;
}

constexpr std::array<const Rows*, kToolImageCount> kToolRows = {
    &kSelect,          &kArea,          &kPen,  &kLine, &kFill, &kRectangle,
    &kFilledRectangle, &kMazeRectangle, &kPick,
};

consteval bool everyToolImageIs16Wide() {
    for (const Rows* rows : kToolRows) {
        if (!rowsAreWide(*rows, 16)) return false;
    }
    return true;
}
static_assert(everyToolImageIs16Wide(), "a toolbar image row is not 16 pixels wide");
static_assert(rowsAreWide(kIcon, 16), "an icon row is not 16 pixels wide");

constexpr std::array<PixelArt, kToolImageCount> kToolImages = {{
    {16, 15, kSelect},
    {16, 15, kArea},
    {16, 15, kPen},
    {16, 15, kLine},
    {16, 15, kFill},
    {16, 15, kRectangle},
    {16, 15, kFilledRectangle},
    {16, 15, kMazeRectangle},
    {16, 15, kPick},
}};

constexpr PixelArt kProgramIcon = {16, 16, kIcon};

}  // namespace

std::uint32_t artColour(char letter) {
    for (const ArtColour& c : kArtColours) {
        if (c.letter == letter) return c.argb;
    }
    return 0;
}

const PixelArt& toolImage(int index) {
    return kToolImages.at(static_cast<std::size_t>(index));
}

const PixelArt& programIcon() {
    return kProgramIcon;
}

}  // namespace mapedit
