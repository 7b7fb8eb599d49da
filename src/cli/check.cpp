#include "cli/commands.h"
#include "cli/common.h"
#include "reader/reader.h"

namespace mapedit::cli {

int runCheck(const Options& o, std::FILE* out, std::FILE* err) {
    Random random(seedOf(o));
    int status = 0;
    for (const std::string& path : o.files) {
        const auto text = loadOrReport(path, err);
        if (!text) {
            status = 1;
            continue;
        }
        const ReadResult result = readLevel(*text, random, o.variant).report;
        if (!result.ok) {
            std::fprintf(out, "%s: %s\n", path.c_str(), result.message.c_str());
            status = 1;
        }
    }
    return status;
}

}  // namespace mapedit::cli
