// The `changes` look of edit scripts: the lines Save would change in the
// level's text as last read or saved, hunk by hunk.
#include <fmt/format.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/script_looks.h"
#include "save/line_diff.h"
#include "save/text_lines.h"

namespace mapedit::cli {

namespace {

// A line as the log shows it: without its line feed, a carriage return
// before it written out.
std::string shown(std::string_view line) {
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (!line.ends_with('\r')) return std::string(line);
    line.remove_suffix(1);
    return std::string(line) + "\\r";
}

}  // namespace

void appendSaveChanges(const Editor& editor, std::vector<std::string>& log) {
    const Document& document = editor.document();
    const Result<LevelSave> save = editor.levelSave();
    if (!save) {
        log.push_back("changes refused: " + save.error());
        return;
    }
    const std::vector<std::string_view> before =
        linesOf(document.levelFile().levelText(document.levelIndex()));
    const std::vector<std::string_view> after = linesOf(save->saved.text);
    const int firstLine = document.levelFile().levelFirstLine(document.levelIndex());
    log.push_back("--- changes");
    bool any = false;
    for (const DiffHunk& hunk : diffLines(before, after)) {
        if (hunk.same) continue;
        any = true;
        log.push_back(fmt::format("@@ line {}", firstLine + static_cast<int>(hunk.oldBegin)));
        for (std::size_t i = hunk.oldBegin; i < hunk.oldEnd; ++i)
            log.push_back("- " + shown(before[i]));
        for (std::size_t j = hunk.newBegin; j < hunk.newEnd; ++j)
            log.push_back("+ " + shown(after[j]));
    }
    if (!any) log.push_back("(none)");
    log.push_back("--- end");
}

}  // namespace mapedit::cli
