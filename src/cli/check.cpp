#include "cli/commands.h"
#include "cli/common.h"
#include "reader/reader.h"

namespace mapedit::cli {

namespace {

// Reads each level of the file; true when all that can be edited read.
// A file of several levels names the level in its reports.
bool checkFile(const std::string& path, const LevelFile& file, Random& random, Variant variant,
               std::FILE* out, std::FILE* err) {
    const bool single = file.isSingleLevel();
    const int count = single ? 1 : static_cast<int>(file.levels().size());
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        const std::string name =
            single ? path : path + ":" + levelLabel(file.levels()[static_cast<std::size_t>(i)], i);
        if (!single && file.levels()[static_cast<std::size_t>(i)].style != LevelStyle::Maze) {
            std::fprintf(err, "%s: skipped: rooms and corridors cannot be edited\n", name.c_str());
            continue;
        }
        const auto read = readLevel(file.levelText(i), random, variant, file.levelFirstLine(i));
        if (!read) std::fprintf(out, "%s: %s\n", name.c_str(), read.error().message.c_str());
        ok = ok && read.has_value();
    }
    return ok;
}

}  // namespace

int runCheck(const Options& o, std::FILE* out, std::FILE* err) {
    Random random(seedOf(o));
    int status = 0;
    for (const std::string& path : o.files) {
        auto text = loadOrReport(path, err);
        if (!text || !checkFile(path, LevelFile(std::move(*text)), random, o.variant, out, err)) {
            status = 1;
        }
    }
    return status;
}

}  // namespace mapedit::cli
