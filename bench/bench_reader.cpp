// Cost of opening the largest level of the corpus: a fresh stone level is
// read whole, cave background and placements included, as the Open command
// does.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "generate/random.h"
#include "model/level.h"
#include "model/variant.h"
#include "reader/level_file.h"
#include "reader/reader.h"

namespace mapedit {
namespace {

constexpr std::uint32_t kSeed = 20240607;

std::string slurp(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void BM_ReadLargeLevel(benchmark::State& state) {
    const std::string text = slurp(MAPEDIT_TEST_DATA "/levels/large.des");
    if (text.empty()) {
        state.SkipWithError("tests/data/levels/large.des is missing");
        return;
    }
    for (auto _ : state) {
        Random random(kSeed);  // the same draws every time
        const auto read = readLevel(text, random, Variant::Vanilla);
        if (!read) {
            state.SkipWithError(read.error().message.c_str());
            return;
        }
        benchmark::DoNotOptimize(read->level.settings.partCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadLargeLevel)->Unit(benchmark::kMicrosecond);

// Splitting a file of a dozen levels, as the game ships them, and putting
// one level back as Save does.
void BM_SplitAndReplaceLevel(benchmark::State& state) {
    const std::string level = slurp(MAPEDIT_TEST_DATA "/levels/large.des");
    if (level.empty()) {
        state.SkipWithError("tests/data/levels/large.des is missing");
        return;
    }
    std::string file;
    for (int i = 0; i < 12; ++i) file += "# level " + std::to_string(i + 1) + "\n" + level;
    for (auto _ : state) {
        LevelFile levels(file);
        levels.replaceLevel(6, level);
        benchmark::DoNotOptimize(levels.text().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_SplitAndReplaceLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mapedit
