#include "cli/common.h"

#include <algorithm>
#include <utility>

#include "app/file_io.h"
#include "app/level_choices.h"

namespace mapedit::cli {

std::optional<std::string> loadOrReport(const std::string& path, std::FILE* err) {
    Result<std::string> text = readWholeFile(path);
    if (!text) {
        std::fprintf(err, "mapedit-cli: %s\n", text.error().c_str());
        return std::nullopt;
    }
    return std::move(*text);
}

namespace {

void listLevels(const std::vector<LevelChoice>& levels, std::FILE* err) {
    for (std::size_t i = 0; i < levels.size(); ++i) {
        std::fprintf(err, "  %s\n", levelListEntry(levels[i], static_cast<int>(i)).c_str());
    }
}

// The level of the file to work on, or nothing after saying why.
std::optional<int> chosenLevel(const Options& o, const std::string& path, const LevelFile& file,
                               std::FILE* err) {
    const std::vector<LevelChoice> levels = levelChoices(file);
    if (!o.level) {
        if (file.isSingleLevel()) return 0;
        const bool anyEditable = std::any_of(levels.begin(), levels.end(),
                                             [](const LevelChoice& l) { return l.editable; });
        if (anyEditable) {
            std::fprintf(err, "mapedit-cli: %s holds %zu levels; choose one with --level NAME|N:\n",
                         path.c_str(), levels.size());
        } else {
            std::fprintf(err, "mapedit-cli: %s holds no level that can be edited:\n", path.c_str());
        }
        listLevels(levels, err);
        return std::nullopt;
    }
    const LevelPick pick = pickLevel(levels, *o.level);
    if (!pick.index) {
        std::fprintf(err, "mapedit-cli: %s: %s\n", path.c_str(), pick.error.c_str());
        listLevels(levels, err);
    }
    return pick.index;
}

}  // namespace

std::optional<ChosenLevel> loadChosenLevel(const Options& o, std::FILE* err, int& status) {
    const std::string& path = o.files[0];
    auto text = loadOrReport(path, err);
    status = 1;
    if (!text) return std::nullopt;
    ChosenLevel chosen{LevelFile(std::move(*text)), 0};
    const std::optional<int> index = chosenLevel(o, path, chosen.file, err);
    status = kUsageStatus;
    if (!index) return std::nullopt;
    chosen.index = *index;
    return chosen;
}

}  // namespace mapedit::cli
