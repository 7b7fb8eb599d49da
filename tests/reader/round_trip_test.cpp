// Every level file the project ships goes read -> write -> read -> write and
// must come out the same the second time: the reader accepts what the writer
// writes, and nothing the writer writes is lost or changed on the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "level_files.h"
#include "model/terrain.h"
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
    std::string out, reason;
    EXPECT_TRUE(writeLevel(level, variant, out, &reason)) << reason;
    return out;
}

TEST(RoundTrip, EveryShippedLevelFileReadsBackToTheSameText) {
    const auto files = levelFiles();
    ASSERT_GE(files.size(), 5u);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const Variant variant = test::variantOfFile(file);
        Level level;
        const ReadResult read = test::readFresh(level, test::slurp(file), variant, 2024);
        if (test::expectedToFail(file)) {
            EXPECT_FALSE(read.ok);
            continue;
        }
        ASSERT_TRUE(read.ok) << read.message;
        if (level.settings.partCount == 0) continue;  // NOMAP only: nothing to write
        const std::string first = writeOrFail(level, variant);
        Level again;
        const ReadResult reread = test::readFresh(again, first, variant, 2024);
        ASSERT_TRUE(reread.ok) << reread.message << "\n" << first;
        EXPECT_EQ(writeOrFail(again, variant), first);
    }
}

}  // namespace
}  // namespace mapedit
