// The framebuffer's PNG files decode, with another decoder, to exactly the
// framebuffer's pixels at every zoom.
#include "platform/png_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/png_image.h"

namespace mapedit {
namespace {

namespace fs = std::filesystem;

// Every channel varies on its own, so swapped or shifted channels, rows or
// columns show.
Canvas patterned(int w, int h) {
    Canvas canvas(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            canvas.setPixel(
                x, y,
                Rgb{static_cast<std::uint8_t>(x * 7 + y), static_cast<std::uint8_t>(y * 3 + x * 11),
                    static_cast<std::uint8_t>(x ^ (y * 5))});
    return canvas;
}

// The first pixel where the two differ, or "" when they are the same.
std::string firstDifference(const Canvas& got, const Canvas& want) {
    if (got.width() != want.width() || got.height() != want.height())
        return "size " + std::to_string(got.width()) + "x" + std::to_string(got.height()) +
               ", want " + std::to_string(want.width()) + "x" + std::to_string(want.height());
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

TEST(PngFile, DecodesToTheFramebufferZoomed) {
    const struct {
        int w, h;
    } sizes[] = {{1, 1}, {3, 2}, {Canvas::kClientWidth, Canvas::kClientHeight}};
    for (const auto& size : sizes) {
        const Canvas canvas = patterned(size.w, size.h);
        for (int zoom : {1, 2, 3}) {
            SCOPED_TRACE(std::to_string(size.w) + "x" + std::to_string(size.h) + " zoom " +
                         std::to_string(zoom));
            const auto png = encodePng(canvas, zoom);
            ASSERT_GE(png.size(), 8u);
            EXPECT_EQ(std::string(png.begin(), png.begin() + 8), "\x89PNG\r\n\x1a\n");
            const auto decoded = test::decodePng(png);
            ASSERT_TRUE(decoded.has_value());
            EXPECT_EQ(firstDifference(*decoded, test::zoomed(canvas, zoom)), "");
        }
    }
}

class PngFileSave : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("mapedit-png-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    // A path below the folder, as the program holds it: UTF-8 bytes.
    std::string at(const std::string& name) const {
        const auto folder = dir_.u8string();
        return std::string(folder.begin(), folder.end()) + "/" + name;
    }
    fs::path dir_;
};

TEST_F(PngFileSave, WritesTheFileUnderItsUtf8Name) {
    const Canvas canvas = patterned(40, 30);
    for (const std::string name : {"plain.png", "H\xc3\xb6hle \xd0\xb6.png"}) {
        SCOPED_TRACE(name);
        std::string error;
        ASSERT_TRUE(savePng(canvas, 2, at(name), error)) << error;
        const auto decoded = test::readPngFile(at(name));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(firstDifference(*decoded, test::zoomed(canvas, 2)), "");
    }
}

TEST_F(PngFileSave, UnwritablePathFailsNamingItAndLeavesNothing) {
    const std::string path = at("missing/out.png");
    std::string error;
    EXPECT_FALSE(savePng(patterned(4, 4), 1, path, error));
    EXPECT_EQ(error.rfind("Cannot write " + path, 0), 0u) << error;
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

}  // namespace
}  // namespace mapedit
