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
        const Status read = test::readFresh(level, test::slurp(file), variant, 99);
        if (test::expectedToFail(file)) {
            EXPECT_FALSE(read);
            EXPECT_FALSE(read.error_or("").empty());
            continue;
        }
        ASSERT_TRUE(read) << read.error();
        if (level.settings.partCount == 0) continue;  // nothing the writer would write
        for (int trip = 1; trip <= 2; ++trip) {
            const Result<WrittenLevel> written = writeLevel(level, variant);
            ASSERT_TRUE(written) << written.error();
            const std::string& text = written->text;
            const Status back = test::readFresh(level, text, variant, 99);
            ASSERT_TRUE(back) << "trip " << trip << ": " << back.error() << "\n" << text;
        }
    }
}

}  // namespace
}  // namespace mapedit
