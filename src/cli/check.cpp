#include "app/file_io.h"
#include "cli/commands.h"
#include "cli/seed.h"
#include "model/terrain.h"
#include "reader/reader.h"

namespace mapedit::cli {

int runCheck(const Options& o, std::FILE* out, std::FILE* err) {
    Random random(seedOf(o));
    int status = 0;
    for (const std::string& path : o.files) {
        std::string error;
        const auto text = readWholeFile(path, error);
        if (!text) {
            std::fprintf(err, "mapedit-cli: %s\n", error.c_str());
            status = 1;
            continue;
        }
        Level level;
        level.clearLevel(kStone);
        const ReadResult result = readLevel(*text, level, random, o.variant);
        if (!result.ok) {
            std::fprintf(out, "%s: %s\n", path.c_str(), result.message.c_str());
            status = 1;
        }
    }
    return status;
}

}  // namespace mapedit::cli
