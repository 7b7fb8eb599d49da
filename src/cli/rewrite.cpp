#include <optional>
#include <string>
#include <utility>

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
// left it. Nothing when it did not read or write, after saying why.
std::optional<std::string> writeRead(const Options& o, const std::string& path,
                                     const LevelFile& file, int index, std::FILE* err) {
    Result<WrittenLevel> saved;
    if (o.plain) {
        Random random(seedOf(o));
        const auto read =
            readLevel(file.levelText(index), random, o.variant, file.levelFirstLine(index));
        if (!read) {
            std::fprintf(err, "%s: %s\n", path.c_str(), read.error().message.c_str());
            return std::nullopt;
        }
        saved = writeLevel(read->level, o.variant);
    } else {
        HeadlessShell shell;
        Editor editor(shell, seedOf(o), o.variant);
        if (!editor.openText(file.text(), path, index)) {
            std::fprintf(err, "%s: %s\n", path.c_str(), shell.messages.back().text.c_str());
            return std::nullopt;
        }
        Result<LevelSave> save =
            editor.levelSave(o.fixedLayout ? SaveLayout::Fixed : SaveLayout::KeepText);
        if (save) {
            saved = WrittenLevel{std::move(*save), std::move(save->saved.text)};
        } else {
            saved = Failure{std::move(save).error()};
        }
    }
    if (!saved) {
        std::fprintf(err, "%s: %s\n", path.c_str(), saved.error().c_str());
        return std::nullopt;
    }
    // Written all the same, as Save does; the lines say what is missing.
    for (const std::string& line : saved->unplaced) {
        std::fprintf(err, "%s: not saved: %s\n", path.c_str(), line.c_str());
    }
    for (const std::string& line : saved->uncontained) {
        std::fprintf(err, "%s: saved at its cell, contained in no container: %s\n", path.c_str(),
                     line.c_str());
    }
    return file.withLevel(index, saved->text);
}

}  // namespace

int runRewrite(const Options& o, std::FILE* out, std::FILE* err) {
    int status = 0;
    const auto chosen = loadChosenLevel(o, err, status);
    if (!chosen) return status;
    const std::optional<std::string> written =
        writeRead(o, o.files[0], chosen->file, chosen->index, err);
    if (!written) return 1;
    if (o.output.empty()) {
        if (std::fwrite(written->data(), 1, written->size(), out) != written->size() ||
            std::fflush(out) != 0) {
            std::fprintf(err, "mapedit-cli: cannot write to standard output\n");
            return 1;
        }
        return 0;
    }
    const Status stored = writeFileAtomically(o.output, *written);
    if (!stored) {
        std::fprintf(err, "mapedit-cli: %s\n", stored.error().c_str());
        return 1;
    }
    return 0;
}

}  // namespace mapedit::cli
