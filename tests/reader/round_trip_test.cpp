// Every level file the project ships goes read -> write -> read -> write and
// must come out the same the second time: the reader accepts what the writer
// writes, and nothing the writer writes is lost or changed on the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "level_files.h"
#include "model/terrain.h"
#include "reader/level_file.h"
#include "reader/reader.h"
#include "writer/writer.h"

namespace mapedit {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> levelFiles() {
    std::vector<fs::path> files;
    for (const char* root : {MAPEDIT_TEST_DATA, MAPEDIT_SOURCE_DIR "/samples"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.is_regular_file() && entry.path().extension() == ".des") {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string writeOrFail(const Level& level, Variant variant) {
    Result<WrittenLevel> out = writeLevel(level, variant);
    EXPECT_TRUE(out) << out.error();
    return out ? std::move(out->text) : std::string();
}

// Each maze of a file of several levels makes the trip on its own.
TEST(RoundTrip, EveryShippedLevelFileReadsBackToTheSameText) {
    const auto files = levelFiles();
    ASSERT_GE(files.size(), 5u);
    for (const fs::path& file : files) {
        const Variant variant = test::variantOfFile(file);
        const LevelFile levels(test::slurp(file));
        bool allRead = true;
        for (std::size_t i = 0; i < std::max<std::size_t>(levels.levels().size(), 1); ++i) {
            const int index = static_cast<int>(i);
            if (!levels.isSingleLevel() && levels.levels()[i].style != LevelStyle::Maze) continue;
            SCOPED_TRACE(file.string() + " level " + std::to_string(index + 1));
            Random random(2024);
            const auto read =
                readLevel(levels.levelText(index), random, variant, levels.levelFirstLine(index));
            allRead = allRead && read.has_value();
            if (!read) {
                EXPECT_TRUE(test::expectedToFail(file)) << read.error().message;
                continue;
            }
            if (read->level.settings.partCount == 0) continue;  // NOMAP only: nothing to write
            const std::string first = writeOrFail(read->level, variant);
            Level again;
            const Status reread = test::readFresh(again, first, variant, 2024);
            ASSERT_TRUE(reread) << reread.error() << "\n" << first;
            EXPECT_EQ(writeOrFail(again, variant), first);
        }
        EXPECT_EQ(allRead, !test::expectedToFail(file)) << file.string();
    }
}

}  // namespace
}  // namespace mapedit
