// mapedit-cli: the editor's engine without a window.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return mapedit::cli::runCommandLine(args, stdout, stderr);
}
