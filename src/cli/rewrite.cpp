#include <string>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "app/file_io.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "platform/headless_shell.h"
#include "reader/reader.h"
#include "writer/writer.h"

namespace mapedit::cli {

namespace {

// What Save writes: the whole file with the chosen level's text replaced
// by what Save writes right after Open (the file's own text, or the fixed
// layout of the level as the editor has it), or by the level as the reader
// left it. False when it did not read, after saying why.
bool writeRead(const Options& o, const std::string& path, const LevelFile& file, int index,
               std::string& written, std::FILE* err) {
    std::string reason, levelText;
    std::vector<std::string> unplaced, uncontained;
    bool wrote = false;
    if (o.plain) {
        Random random(seedOf(o));
        const LevelRead read =
            readLevel(file.levelText(index), random, o.variant, file.levelFirstLine(index));
        if (!read.report.ok) {
            std::fprintf(err, "%s: %s\n", path.c_str(), read.report.message.c_str());
            return false;
        }
        wrote = writeLevel(read.level, o.variant, levelText, &reason, &unplaced, &uncontained);
    } else {
        HeadlessShell shell;
        Editor editor(shell, seedOf(o), o.variant);
        if (!editor.openText(file.text(), path, index)) {
            std::fprintf(err, "%s: %s\n", path.c_str(), shell.messages.back().text.c_str());
            return false;
        }
        LevelSave save = editor.levelSave(o.fixedLayout ? SaveLayout::Fixed : SaveLayout::KeepText);
        wrote = save.ok;
        reason = std::move(save.reason);
        levelText = std::move(save.saved.text);
        unplaced = std::move(save.unplaced);
        uncontained = std::move(save.uncontained);
    }
    if (!wrote) std::fprintf(err, "%s: %s\n", path.c_str(), reason.c_str());
    // Written all the same, as Save does; the lines say what is missing.
    for (const std::string& line : unplaced) {
        std::fprintf(err, "%s: not saved: %s\n", path.c_str(), line.c_str());
    }
    for (const std::string& line : uncontained) {
        std::fprintf(err, "%s: saved at its cell, contained in no container: %s\n", path.c_str(),
                     line.c_str());
    }
    written = file.withLevel(index, levelText);
    return wrote;
}

}  // namespace

int runRewrite(const Options& o, std::FILE* out, std::FILE* err) {
    int status = 0;
    const auto chosen = loadChosenLevel(o, err, status);
    if (!chosen) return status;
    std::string written;
    if (!writeRead(o, o.files[0], chosen->file, chosen->index, written, err)) return 1;
    if (o.output.empty()) {
        if (std::fwrite(written.data(), 1, written.size(), out) != written.size() ||
            std::fflush(out) != 0) {
            std::fprintf(err, "mapedit-cli: cannot write to standard output\n");
            return 1;
        }
        return 0;
    }
    std::string error;
    if (!writeFileAtomically(o.output, written, error)) {
        std::fprintf(err, "mapedit-cli: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace mapedit::cli
