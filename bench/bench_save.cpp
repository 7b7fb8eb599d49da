// Save of the largest level after one edit, as the editor does it: the
// writer's layout of the edited level, the designer's text patched to
// match, and the patched text read back to check it means the same.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "generate/random.h"
#include "model/level.h"
#include "reader/reader.h"
#include "save/level_text.h"
#include "save/text_patch.h"
#include "writer/writer.h"

namespace mapedit {
namespace {

std::string slurp(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The large level as opened, with its text kept, and the writer's layout
// of it once its first monster has moved one cell to the right.
struct Edited {
    KeptText kept;
    Level level;
    std::string fixedAfter;
};

std::optional<Edited> openAndMoveAMonster() {
    const std::string text = slurp(MAPEDIT_TEST_DATA "/levels/large.des");
    Random random(1);
    auto read = readLevel(text, random, Variant::Vanilla);
    if (!read) return std::nullopt;
    Result<WrittenLevel> before = writeLevel(read->level, Variant::Vanilla);
    if (!before) return std::nullopt;
    Edited e{
        {text, std::move(read->statements), std::move(before->text)}, std::move(read->level), {}};
    for (int y = 0; y < kMapHeight; ++y) {
        for (int x = 1; x + 1 < kMapWidth; ++x) {
            MapCell& cell = e.level.cell(x, y);
            MapCell& right = e.level.cell(x + 1, y);
            if (!cell.monster || right.monster) continue;
            right.monster = cell.monster;
            cell.monster.reset();
            Result<WrittenLevel> after = writeLevel(e.level, Variant::Vanilla);
            if (!after) return std::nullopt;
            e.fixedAfter = std::move(after->text);
            return e;
        }
    }
    return std::nullopt;
}

// The whole of Save but the file: write, patch, read back and compare.
void BM_PatchedSaveOfLargeLevel(benchmark::State& state) {
    const std::optional<Edited> e = openAndMoveAMonster();
    if (!e) {
        state.SkipWithError("tests/data/levels/large.des is missing or has no monster to move");
        return;
    }
    for (auto _ : state) {
        Result<WrittenLevel> fixed = writeLevel(e->level, Variant::Vanilla);
        SavedText saved = keepDesignersText(e->kept, std::move(fixed->text), Variant::Vanilla);
        if (saved.form != SaveForm::Patched) {
            state.SkipWithError("the edit was not patched into the text");
            return;
        }
        benchmark::DoNotOptimize(saved.text.data());
    }
}
BENCHMARK(BM_PatchedSaveOfLargeLevel)->Unit(benchmark::kMicrosecond);

// The patch alone: splitting the two layouts, matching and splicing.
void BM_PatchTextOfLargeLevel(benchmark::State& state) {
    const std::optional<Edited> e = openAndMoveAMonster();
    if (!e) {
        state.SkipWithError("tests/data/levels/large.des is missing or has no monster to move");
        return;
    }
    for (auto _ : state) {
        TextPatch patch = patchText(e->kept, e->fixedAfter);
        benchmark::DoNotOptimize(patch.text.data());
    }
}
BENCHMARK(BM_PatchTextOfLargeLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mapedit
