#include "app/file_io.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "reader/reader.h"
#include "writer/writer.h"

namespace mapedit::cli {

int runRewrite(const Options& o, std::FILE* out, std::FILE* err) {
    const std::string& path = o.files[0];
    const auto text = loadOrReport(path, err);
    if (!text) return 1;
    Random random(seedOf(o));
    const LevelRead read = readLevel(*text, random, o.variant);
    if (!read.report.ok) {
        std::fprintf(err, "%s: %s\n", path.c_str(), read.report.message.c_str());
        return 1;
    }
    std::string written, reason;
    if (!writeLevel(read.level, o.variant, written, &reason)) {
        std::fprintf(err, "%s: %s\n", path.c_str(), reason.c_str());
        return 1;
    }
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
