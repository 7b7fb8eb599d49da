// mapedit-cli play: an edit script run on the headless editor.
#include <cstdio>
#include <fstream>

#include "cli/commands.h"
#include "cli/script_player.h"
#include "platform/native_path.h"

namespace mapedit::cli {

namespace {

bool writeLines(std::FILE* to, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (std::fprintf(to, "%s\n", line.c_str()) < 0) return false;
    }
    return std::fflush(to) == 0;
}

// Runs the script line by line; the log goes out as it grows. Exit 0 when
// the script ran to its end, 1 when the log cannot be written, 2 at the
// first line that cannot be parsed or run (reported as SCRIPT:LINE: reason).
int playLines(std::istream& in, const std::string& script, ScriptPlayer& player, std::FILE* log,
              std::FILE* err) {
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
            return 1;
        }
        if (!ok) {
            std::fprintf(err, "%s:%d: %s\n", script.c_str(), number, error.c_str());
            return 2;
        }
        if (player.windowClosed()) break;
    }
    return 0;
}

}  // namespace

// The script is FILE; the log goes to -o or standard output. Without
// --seed the generator starts from 1, so that logs are reproducible.
int runPlayCommand(const Options& o, std::FILE* out, std::FILE* err) {
    const std::string& script = o.files[0];
    const auto scriptPath = nativePath(script);
    std::ifstream in;
    if (scriptPath) in.open(*scriptPath, std::ios::binary);
    if (!in.is_open()) {
        std::fprintf(err, "mapedit-cli: cannot read %s\n", script.c_str());
        return 1;
    }
    std::FILE* log = out;
    std::FILE* opened = nullptr;
    if (!o.output.empty()) {
        opened = openFile(o.output, "wb");
        if (opened == nullptr) {
            std::fprintf(err, "mapedit-cli: cannot write %s\n", o.output.c_str());
            return 1;
        }
        log = opened;
    }
    ScriptPlayer player(o.seed.value_or(1), o.variant);
    int status = playLines(in, script, player, log, err);
    if (opened != nullptr && std::fclose(opened) != 0 && status == 0) {
        std::fprintf(err, "mapedit-cli: cannot write %s\n", o.output.c_str());
        status = 1;
    }
    return status;
}

}  // namespace mapedit::cli
