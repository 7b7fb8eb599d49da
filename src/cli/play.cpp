// mapedit-cli play: an edit script run on the headless editor.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "cli/play.h"
#include "cli/script_player.h"

namespace mapedit::cli {

namespace {

bool writeLines(std::FILE* to, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (std::fprintf(to, "%s\n", line.c_str()) < 0) return false;
    }
    return std::fflush(to) == 0;
}

}  // namespace

int runPlay(const PlayRequest& request, std::FILE* out, std::FILE* err) {
    std::ifstream in(request.script, std::ios::binary);
    if (!in) {
        std::fprintf(err, "mapedit-cli: cannot read %s\n", request.script.c_str());
        return 1;
    }
    std::FILE* log = out;
    std::FILE* opened = nullptr;
    if (!request.logPath.empty()) {
        opened = std::fopen(request.logPath.c_str(), "wb");
        if (opened == nullptr) {
            std::fprintf(err, "mapedit-cli: cannot write %s\n", request.logPath.c_str());
            return 1;
        }
        log = opened;
    }
    ScriptPlayer player(request.seed, request.variant);
    int status = 0;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const ParsedLine parsed = parseScriptLine(line);
        std::string error = parsed.error;
        bool ok = error.empty();
        for (const Step& step : parsed.steps) {
            if (!ok) break;
            ok = player.run(step, error);
        }
        if (!writeLines(log, player.takeLog())) {
            std::fprintf(err, "mapedit-cli: cannot write the log\n");
            status = 1;
            break;
        }
        if (!ok) {
            std::fprintf(err, "%s:%d: %s\n", request.script.c_str(), number, error.c_str());
            status = 2;
            break;
        }
        if (player.windowClosed()) break;
    }
    if (opened != nullptr && std::fclose(opened) != 0 && status == 0) {
        std::fprintf(err, "mapedit-cli: cannot write %s\n", request.logPath.c_str());
        status = 1;
    }
    return status;
}

int runPlayCommand(const Options& o, std::FILE* out, std::FILE* err) {
    PlayRequest request;
    request.script = o.files[0];
    request.logPath = o.output;
    request.seed = o.seed.value_or(1);
    request.variant = o.variant;
    return runPlay(request, out, err);
}

}  // namespace mapedit::cli
