// mapedit-cli: the editor's engine without a window.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"

int main(int argc, char** argv) {
    using namespace mapedit::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "mapedit-cli: %s\n\n%s", error.c_str(), usageText());
        return 2;
    }
    switch (options->command) {
        case Command::Check:
            return runCheck(*options, stdout, stderr);
        case Command::Rewrite:
            return runRewrite(*options, stdout, stderr);
        case Command::Render:
            return runRender(*options, stderr);
        case Command::Help:
            break;
    }
    std::fputs(usageText(), stdout);
    return 0;
}
