// Saving must not change what a level means to the game. Every level file
// the project holds is read, written and read back, once by the reader and
// the writer alone and once through Open and Save in the editor; what the
// game is sensitive to (test::gameMeaning) must come back alike. Both reads
// start the generator alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "platform/headless_shell.h"
#include "reader/level_file.h"
#include "reader/reader.h"
#include "support/game_meaning.h"
#include "support/level_files.h"
#include "support/run_program.h"
#include "writer/writer.h"

namespace mapedit {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kSeed = 1187;

// Levels whose meaning Save changes knowingly, and why. Each must still
// differ: once one keeps its meaning, it leaves the table.
struct KnownChange {
    const char* file;
    const char* why;
};
constexpr KnownChange kKnownChanges[] = {
    {"random_placements_of_two_parts_on_one_cell.txt",
     "a second MAP for one part: only the last map is kept, and the random records placed on "
     "the first are saved at their cells so that the file opens"},
    {"random_record_pinned_in_a_later_part.txt",
     "the same, and a MAP without rows, whose statements go with another part"},
};

bool changesKnowingly(const fs::path& path) {
    return std::ranges::any_of(kKnownChanges,
                               [&path](const KnownChange& k) { return path.filename() == k.file; });
}

using test::everyLevelFile;
using test::variantOfFile;

// The facts of a text as the game would meet it; none when it does not
// read or has no map part to write.
std::optional<std::vector<std::string>> meaningOf(std::string_view text, Variant variant) {
    Random random(kSeed);
    const auto read = readLevel(text, random, variant);
    if (!read || read->level.settings.partCount == 0) return std::nullopt;
    return test::gameMeaning(read->level);
}

// What Save wrote, and the statements it named as not saved: a loss the
// designer is told of.
struct Saved {
    std::string text;
    std::vector<std::string> notSaved;
};

// Nothing written when the writer refused the level.
Saved savedBy(Result<WrittenLevel> written) {
    if (!written) return {};
    return {std::move(written->text), std::move(written->unplaced)};
}

Saved plainRewrite(std::string_view text, Variant variant) {
    Random random(kSeed);
    const auto read = readLevel(text, random, variant);
    return savedBy(writeLevel(readSoFar(read).level, variant));
}

Saved openAndSave(const std::string& file, int index, const fs::path& path, Variant variant) {
    HeadlessShell shell;
    Editor editor(shell, kSeed, variant);
    if (!editor.openText(file, path.string(), index)) return {};
    return savedBy(writeLevel(editor.level(), variant));
}

// Checks one way of saving: what it wrote must mean what the level meant.
// False when Save named statements it could not save, which is no check.
bool expectSameMeaning(const std::vector<std::string>& before, const Saved& saved, Variant variant,
                       bool knownChange, const char* how) {
    SCOPED_TRACE(how);
    if (!saved.notSaved.empty()) return false;
    const auto after = meaningOf(saved.text, variant);
    EXPECT_TRUE(after.has_value()) << "the saved text does not read back:\n" << saved.text;
    if (!after) return true;
    const std::string diff = test::meaningDiff(before, *after);
    if (knownChange) {
        EXPECT_FALSE(diff.empty()) << "keeps its meaning now: take it out of kKnownChanges";
    } else {
        EXPECT_TRUE(diff.empty()) << diff << "saved:\n" << saved.text;
    }
    return true;
}

TEST(GameMeaning, SavingKeepsWhatEveryLevelMeansToTheGame) {
    int compared = 0;
    int skipped = 0;
    for (const fs::path& path : everyLevelFile()) {
        const Variant variant = variantOfFile(path);
        const std::string text = test::slurp(path);
        const LevelFile file(text);
        const int count = static_cast<int>(std::max<std::size_t>(file.levels().size(), 1));
        for (int index = 0; index < count; ++index) {
            SCOPED_TRACE(path.string() + " level " + std::to_string(index + 1));
            const auto before = meaningOf(file.levelText(index), variant);
            if (!before) {
                ++skipped;
                continue;
            }
            const bool known = changesKnowingly(path);
            const bool plain =
                expectSameMeaning(*before, plainRewrite(file.levelText(index), variant), variant,
                                  known, "read and written");
            const bool edited = expectSameMeaning(*before, openAndSave(text, index, path, variant),
                                                  variant, known, "opened and saved");
            compared += plain && edited ? 1 : 0;
        }
    }
    EXPECT_GE(compared, 50);
    EXPECT_LE(skipped, compared / 4) << "levels that do not read or have no map part";
}

}  // namespace
}  // namespace mapedit
