// Inputs kept in tests/data/fuzz because the reader fuzzer found them hard on
// the reader or the writer. Each must read without crashing; files named
// bad_* must be refused. A level that reads must survive the writer: what is
// written reads back, and so does what is written from that. The files are
// not *.des: they need not come back as the same text, as shipped levels
// must (a byte that is no map symbol returns as stone, and areas of equal
// size trade places at every trip).
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

std::vector<fs::path> keptInputs() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(MAPEDIT_TEST_DATA "/fuzz")) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(FuzzRegression, EveryKeptInputReadsSafelyAndSurvivesTheWriter) {
    const auto files = keptInputs();
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const Variant variant = test::variantOfFile(file);
        Level level;
        const ReadResult read = test::readFresh(level, test::slurp(file), variant, 99);
        if (test::expectedToFail(file)) {
            EXPECT_FALSE(read.ok);
            EXPECT_FALSE(read.message.empty());
            continue;
        }
        ASSERT_TRUE(read.ok) << read.message;
        if (level.settings.partCount == 0) continue;  // nothing the writer would write
        for (int trip = 1; trip <= 2; ++trip) {
            std::string text, reason;
            ASSERT_TRUE(writeLevel(level, variant, text, &reason)) << reason;
            const ReadResult back = test::readFresh(level, text, variant, 99);
            ASSERT_TRUE(back.ok) << "trip " << trip << ": " << back.message << "\n" << text;
        }
    }
}

}  // namespace
}  // namespace mapedit
