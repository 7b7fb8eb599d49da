// mapedit-cli render: the painted client area as a PNG, zoomed.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "cli_run.h"
#include "platform/canvas.h"
#include "support/cell_probe.h"
#include "support/png_image.h"

namespace mapedit {
namespace {

namespace fs = std::filesystem;

int runCli(const std::string& args) {
    return test::runCli(args).status;
}

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        out_ =
            fs::temp_directory_path() /
            ("mapedit-render-" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".png");
    }
    void TearDown() override { fs::remove(out_); }
    fs::path out_;
    const std::string good_ = std::string(MAPEDIT_TEST_DATA) + "/cli/good.des";
};

TEST_F(RenderTest, ImageIsTheClientAreaTimesTheZoom) {
    std::optional<Canvas> unzoomed;
    for (int zoom : {1, 3}) {
        SCOPED_TRACE(zoom);
        ASSERT_EQ(runCli("render --seed 1 --zoom " + std::to_string(zoom) + " " + good_ + " -o " +
                         out_.string()),
                  0);
        const auto image = test::readPngFile(out_.string());
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->width(), 810 * zoom);
        EXPECT_EQ(image->height(), 450 * zoom);
        // Every framebuffer pixel is a whole zoom x zoom block.
        if (!unzoomed) unzoomed = image;
        EXPECT_TRUE(image->pixels() == test::zoomed(*unzoomed, zoom).pixels());
    }
}

TEST_F(RenderTest, CellsReadBackWithTheirColours) {
    ASSERT_EQ(runCli("render --seed 1 --zoom 2 " + good_ + " -o " + out_.string()), 0);
    const auto image = test::readPngFile(out_.string());
    ASSERT_TRUE(image.has_value());
    // One pixel of each 2 x 2 block is enough: the test above holds them whole.
    Canvas canvas(image->width() / 2, image->height() / 2);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) canvas.setPixel(x, y, image->pixel(x * 2, y * 2));
    // The map part sits at (3, 3); its middle cell holds a giant ant, drawn
    // in the ant's catalogue colour (index 3) on black.
    const auto ant = test::readMapCell(canvas, 4, 4, Rgb{0, 0, 0});
    ASSERT_TRUE(ant.has_value());
    EXPECT_EQ(ant->ch, 'a');
    EXPECT_EQ(ant->fg, (Rgb{128, 96, 0}));
    EXPECT_EQ(ant->bg, (Rgb{0, 0, 0}));
    // The frame of the map area in light grey at x = 9.
    EXPECT_EQ(canvas.pixel(9, 100), (Rgb{192, 192, 192}));
}

TEST_F(RenderTest, UnreadableLevelFailsWithoutAnImage) {
    EXPECT_EQ(runCli("render /nonexistent/level.des -o " + out_.string()), 1);
    EXPECT_FALSE(fs::exists(out_));
}

}  // namespace
}  // namespace mapedit
