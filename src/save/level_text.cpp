#include "save/level_text.h"

#include <cstdint>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

#include "generate/random.h"
#include "reader/reader.h"
#include "writer/writer.h"

namespace mapedit {

namespace {

// The seed both texts are read with, so that their random placements are
// drawn alike.
constexpr std::uint32_t kCompareSeed = 1;

struct Reading {
    std::string fixed;  // the writer's text of the level read
    std::vector<SourceStatement> statements;
    std::vector<std::string> unplaced, uncontained;
};

// What the writer makes of the level a text reads as; nothing when the
// text does not read.
std::optional<Reading> readBack(std::string_view text, Variant variant) {
    Random random(kCompareSeed);
    auto read = readLevel(text, random, variant);
    if (!read) return std::nullopt;
    Result<WrittenLevel> written = writeLevel(read->level, variant);
    if (!written) return std::nullopt;
    return Reading{std::move(written->text), std::move(read->statements),
                   std::move(written->unplaced), std::move(written->uncontained)};
}

SaveForm formOf(PatchReach reach) {
    switch (reach) {
        case PatchReach::Statements:
            return SaveForm::Patched;
        case PatchReach::Parts:
            return SaveForm::PartsRewritten;
        case PatchReach::Whole:
            break;
    }
    return SaveForm::Rewritten;
}

}  // namespace

SavedText keepDesignersText(const KeptText& kept, std::string fixedAfter, Variant variant) {
    TextPatch patch = patchText(kept, fixedAfter);
    if (patch.text == kept.text) {
        return SavedText{std::move(patch.text),
                         SaveForm::Unchanged,
                         KeptText{kept.text, kept.statements, std::move(fixedAfter)},
                         {},
                         {}};
    }
    const std::optional<Reading> wanted = readBack(fixedAfter, variant);
    if (!wanted) return fixedText(std::move(fixedAfter), variant, leadingComments(kept));
    // Narrower patches first: the statements, the changed parts, the whole.
    const std::vector<int> changed = patch.changedParts;
    std::vector<int> all(static_cast<std::size_t>(patch.partCount));
    std::iota(all.begin(), all.end(), 0);
    const std::vector<int>* const attempts[] = {&changed, &all, &all};
    for (const std::vector<int>* rewritten : attempts) {
        std::optional<Reading> got = readBack(patch.text, variant);
        if (got && got->fixed == wanted->fixed) {
            const SaveForm form = formOf(patch.reach);
            return SavedText{
                patch.text, form,
                KeptText{std::move(patch.text), std::move(got->statements), std::move(fixedAfter)},
                std::move(got->unplaced), std::move(got->uncontained)};
        }
        if (rewritten == &all && patch.reach == PatchReach::Whole) break;
        patch = patchText(kept, fixedAfter, *rewritten);
    }
    return fixedText(std::move(fixedAfter), variant, leadingComments(kept));
}

SavedText fixedText(std::string fixedAfter, Variant variant, std::string_view header) {
    std::string text = std::string(header) + fixedAfter;
    Random random(kCompareSeed);
    auto read = readLevel(text, random, variant);
    SavedText saved{text, SaveForm::Fixed, {}, {}, {}};
    saved.kept =
        KeptText{std::move(text), std::move(readSoFar(read).statements), std::move(fixedAfter)};
    return saved;
}

std::string_view leadingComments(const KeptText& kept) {
    const std::size_t end = kept.statements.empty() ? 0 : kept.statements.front().line;
    return std::string_view(kept.text).substr(0, end);
}

}  // namespace mapedit
