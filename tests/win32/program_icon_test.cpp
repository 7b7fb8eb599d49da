// mapedit.exe carries the program icon, drawn from its pixel art, for
// Explorer and the task bar.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "resources/pixel_art.h"
#include "win32/bitmap_format.h"
#include "win32/wide_text.h"

namespace mapedit {
namespace {

// The icon's colour pixels at `size`, as 0xAARRGGBB, top row first.
std::vector<std::uint32_t> iconPixels(HICON icon, int size) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    BITMAPINFO format = topDownBitmap32(size, size);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size));
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(size), pixels.data(), &format,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

TEST(WindowsProgramIcon, IsThePixelArtAtEverySize) {
    HMODULE editor = LoadLibraryExW(wideFromUtf8(MAPEDIT_WINDOWS_EDITOR).c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(editor, nullptr) << MAPEDIT_WINDOWS_EDITOR;
    const PixelArt& art = programIcon();
    for (const int scale : {1, 2, 3}) {
        const int size = art.width * scale;
        auto icon =
            static_cast<HICON>(LoadImageW(editor, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        const std::vector<std::uint32_t> pixels = iconPixels(icon, size);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
        int differing = 0;
        for (int y = 0; y < size; ++y) {
            const auto& row = art.rows[static_cast<std::size_t>(y / scale)];
            for (int x = 0; x < size; ++x) {
                const auto column = static_cast<std::size_t>(x / scale);
                const std::uint32_t want = artColour(column < row.size() ? row[column] : '.');
                const std::uint32_t got = pixels[static_cast<std::size_t>(y * size + x)];
                // Transparent pixels have no colour to compare.
                const bool same = (want >> 24) == 0 ? (got >> 24) == 0 : got == want;
                differing += same ? 0 : 1;
            }
        }
        EXPECT_EQ(differing, 0) << "at " << size << " pixels";
        DestroyIcon(icon);
    }
    FreeLibrary(editor);
}

}  // namespace
}  // namespace mapedit
