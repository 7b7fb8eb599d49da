#include "cli/commands.h"
#include "cli/common.h"
#include "reader/reader.h"

namespace mapedit::cli {

namespace {

// Reads each level of the file; true when all that can be edited read.
// A file of several levels names the level in its reports.
bool checkFile(const std::string& path, const LevelFile& file, Random& random, Variant variant,
               std::FILE* out, std::FILE* err) {
    if (file.isSingleLevel()) {
        const ReadResult result = readLevel(file.text(), random, variant).report;
        if (!result.ok) std::fprintf(out, "%s: %s\n", path.c_str(), result.message.c_str());
        return result.ok;
    }
    bool ok = true;
    const auto levels = file.levels();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const int index = static_cast<int>(i);
        const std::string label = levelLabel(levels[i], index);
        if (levels[i].style != LevelStyle::Maze) {
            std::fprintf(err, "%s:%s: skipped: rooms and corridors cannot be edited\n",
                         path.c_str(), label.c_str());
            continue;
        }
        const ReadResult result =
            readLevel(file.levelText(index), random, variant, file.levelFirstLine(index)).report;
        if (!result.ok) {
            std::fprintf(out, "%s:%s: %s\n", path.c_str(), label.c_str(), result.message.c_str());
            ok = false;
        }
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
