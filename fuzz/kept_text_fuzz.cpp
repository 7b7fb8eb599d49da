// Save of an edited level keeps the designer's text: for arbitrary bytes
// that read as a level, a few edits drawn from the input (moves and
// deletions of monsters, objects and traps, painted cells, changed flags,
// an area made smaller), then what Save writes must read as the same level
// as the writer's own layout of the edited level (or be the text as it was,
// when the edits do not show in that layout), and saving it again with no
// edit must give the same bytes. Crashes, sanitizer reports and aborts
// are bugs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "model/grid.h"
#include "model/terrain.h"
#include "reader/reader.h"
#include "save/level_text.h"
#include "writer/writer.h"

namespace {

using namespace mapedit;

constexpr Variant kVariant = Variant::Vanilla;

// The writer's layout of the level a text reads as; empty when it does not
// read or cannot be written.
std::string meaningOf(std::string_view text) {
    Random random(1);
    auto read = readLevel(text, random, kVariant);
    if (!read) return {};
    Result<WrittenLevel> written = writeLevel(read->level, kVariant);
    return written ? std::move(written->text) : std::string();
}

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s\n--- text\n%.*s\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

struct Spot {
    int x, y;
};

Spot anyCell(std::mt19937& rng) {
    return {std::uniform_int_distribution<int>(1, kMapWidth - 1)(rng),
            std::uniform_int_distribution<int>(0, kMapHeight - 1)(rng)};
}

void edit(Level& level, std::mt19937& rng) {
    const Spot from = anyCell(rng);
    const Spot to = anyCell(rng);
    MapCell& a = level.cell(from.x, from.y);
    MapCell& b = level.cell(to.x, to.y);
    switch (std::uniform_int_distribution<int>(0, 5)(rng)) {
        case 0:
            if (a.monster && !b.monster) std::swap(a.monster, b.monster);
            break;
        case 1:
            if (!a.objects.empty()) {
                b.objects.insert(b.objects.begin(), a.objects.front());
                a.objects.erase(a.objects.begin());
            }
            break;
        case 2:
            a.trap.reset();
            a.monster.reset();
            break;
        case 3: {
            constexpr int kKinds[] = {kFloor, kHorizontalWall, kVerticalWall, kPool, kCorridor};
            level.setTerrain(from.x, from.y, kKinds[std::uniform_int_distribution<int>(0, 4)(rng)]);
            break;
        }
        case 4:
            level.settings.levelFlags ^= 1;
            break;
        default:
            for (auto& area : level.areas()) {
                if (area->kind != kMapPartArea && area->x2 > area->x1) {
                    --area->x2;
                    break;
                }
            }
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Random random(12345);
    auto read = readLevel(text, random, kVariant);
    if (!read) return 0;
    Result<WrittenLevel> before = writeLevel(read->level, kVariant);
    if (!before) return 0;
    const KeptText kept{text, std::move(read->statements), std::move(before->text)};
    Level& level = read->level;
    std::mt19937 rng(static_cast<std::uint32_t>(std::hash<std::string>{}(text)));
    for (int n = std::uniform_int_distribution<int>(1, 4)(rng); n > 0; --n) edit(level, rng);
    Result<WrittenLevel> after = writeLevel(level, kVariant);
    if (!after) return 0;
    const SavedText saved = keepDesignersText(kept, after->text, kVariant);
    // An edit the writer's layout does not show leaves the designer's text
    // as it was: what it means is what the designer wrote, random
    // placements included, which the writer's layout may pin elsewhere.
    if (saved.form == SaveForm::Unchanged) {
        if (saved.text != text) fail("an unchanged level changed its text", saved.text);
    } else if (meaningOf(saved.text) != meaningOf(after->text)) {
        fail("the saved text means another level", saved.text);
    }
    const SavedText again = keepDesignersText(saved.kept, after->text, kVariant);
    if (again.text != saved.text) fail("saving again without an edit changed the text", saved.text);
    return 0;
}
