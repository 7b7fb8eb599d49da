// Save keeps the designer's text: each edit of a level changes only the
// lines that say what changed, every comment stays, and the patched text
// reads as the same level as the writer's own text of the edited level.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generate/random.h"
#include "model/terrain.h"
#include "reader/reader.h"
#include "save/level_text.h"
#include "save/line_diff.h"
#include "save/text_lines.h"
#include "save/text_patch.h"
#include "support/run_program.h"
#include "writer/writer.h"

namespace mapedit {
namespace {

std::string fixedOf(const Level& level) {
    Result<WrittenLevel> written = writeLevel(level, Variant::Vanilla);
    EXPECT_TRUE(written);
    return written ? written->text : std::string();
}

struct Opened {
    Level level;
    KeptText kept;
};

Opened open(const std::string& text) {
    Random random(3);
    auto read = readLevel(text, random, Variant::Vanilla);
    EXPECT_TRUE(read);
    LevelRead& got = readSoFar(read);
    Opened opened{std::move(got.level), {text, std::move(got.statements), {}}};
    opened.kept.fixedText = fixedOf(opened.level);
    return opened;
}

// The lines taken out and put in between two texts.
std::pair<int, int> changedLines(std::string_view before, std::string_view after) {
    const auto a = linesOf(before);
    const auto b = linesOf(after);
    int out = 0, in = 0;
    for (const DiffHunk& h : diffLines(a, b)) {
        if (h.same) continue;
        out += static_cast<int>(h.oldEnd - h.oldBegin);
        in += static_cast<int>(h.newEnd - h.newBegin);
    }
    return {out, in};
}

// The writer's text of the level a text reads as.
std::string meaningOf(std::string_view text) {
    Random random(1);
    const auto read = readLevel(text, random, Variant::Vanilla);
    EXPECT_TRUE(read) << text;
    return fixedOf(readSoFar(read).level);
}

MapCell& cellAt(Level& level, int x, int y) {
    const MapPart& part = level.usedParts()[0];
    return level.cell(part.x1 + x, part.y1 + y);
}

AreaRecord& areaOfKind(Level& level, int kind) {
    for (auto& area : level.areas()) {
        if (area->kind == kind) return *area;
    }
    ADD_FAILURE() << "no area of kind " << kind;
    return *level.areas().front();
}

struct Edit {
    const char* name;
    std::function<void(Level&)> change;
    int linesOut, linesIn;
};

const Edit kEdits[] = {
    {"nothing", [](Level&) {}, 0, 0},
    {"paint one cell",
     [](Level& l) {
         const MapPart& p = l.usedParts()[0];
         l.setTerrain(p.x1 + 13, p.y1 + 3, kPool);
     },
     1, 1},
    {"move a monster",
     [](Level& l) {
         MapCell& from = cellAt(l, 7, 3);
         cellAt(l, 12, 4).monster = from.monster;
         from.monster.reset();
     },
     1, 1},
    {"add a trap",
     [](Level& l) {
         TrapSpec trap = *cellAt(l, 12, 2).trap;
         trap.readPart = kNoReadPart;
         cellAt(l, 5, 1).trap = trap;
     },
     0, 1},
    {"delete a trap", [](Level& l) { cellAt(l, 12, 2).trap.reset(); }, 1, 0},
    {"resize an area", [](Level& l) { areaOfKind(l, 0).x2 -= 1; }, 1, 1},
    {"change a flag", [](Level& l) { l.settings.levelFlags = 0; }, 1, 0},
};

std::string withCrLf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

bool everyLineEndsInCrLf(std::string_view text) {
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') return false;
    }
    return true;
}

void expectOwnLinesOnly(const std::string& text, const Edit& edit) {
    Opened opened = open(text);
    edit.change(opened.level);
    const std::string after = fixedOf(opened.level);
    const TextPatch patch = patchText(opened.kept, after);
    EXPECT_EQ(patch.reach, PatchReach::Statements);
    EXPECT_EQ(changedLines(text, patch.text), std::make_pair(edit.linesOut, edit.linesIn))
        << patch.text;
    for (std::string_view line : linesOf(text)) {
        if (line.starts_with('#')) {
            EXPECT_NE(patch.text.find(line), std::string::npos) << line;
        }
    }
    EXPECT_EQ(meaningOf(patch.text), meaningOf(after)) << patch.text;
    EXPECT_EQ(everyLineEndsInCrLf(patch.text), everyLineEndsInCrLf(text)) << patch.text;
}

// With either line end: a file of CR LF lines gets CR LF lines.
TEST(TextPatch, AnEditChangesOnlyItsOwnLines) {
    const std::string text =
        test::slurp(std::filesystem::path(MAPEDIT_TEST_DATA) / "kept/ashes.des");
    for (const Edit& edit : kEdits) {
        SCOPED_TRACE(edit.name);
        expectOwnLinesOnly(text, edit);
        SCOPED_TRACE("CR LF");
        expectOwnLinesOnly(withCrLf(text), edit);
    }
}

// Map parts taken away, or made larger, on a level of two parts.
const Edit kPartEdits[] = {
    // The yard's part goes with its map and statements; its gold stays on
    // its cell, which the other part's coordinates still reach.
    {"delete the second part",
     [](Level& l) {
         for (auto& area : l.areas()) {
             if (area->kind == kMapPartArea && area->param == 1) {
                 l.removeArea(area.get());
                 return;
             }
         }
     },
     6, 1},
    {"widen the first part",
     [](Level& l) {
         MapPart& p = l.mapParts[0];
         p.width += 1;
         p.x2 += 1;
     },
     5, 5},
};

TEST(TextPatch, APartGoneTakesItsOwnLinesOnly) {
    const std::string text =
        test::slurp(std::filesystem::path(MAPEDIT_TEST_DATA) / "kept/crossing.des");
    for (const Edit& edit : kPartEdits) {
        SCOPED_TRACE(edit.name);
        expectOwnLinesOnly(text, edit);
    }
}

}  // namespace
}  // namespace mapedit
