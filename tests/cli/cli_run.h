#pragma once

// Runs the real mapedit-cli.
#include <string>

#include "support/run_program.h"

namespace mapedit::test {

using CliRun = ProgramRun;

// Standard error is discarded unless `withStderr`, which merges it into out.
inline CliRun runCli(const std::string& args, bool withStderr = false) {
    return runShell(std::string(MAPEDIT_CLI) + " " + args +
                    (withStderr ? " 2>&1" : " 2>/dev/null"));
}

// Standard output and standard error apart.
inline CliRun runCliApart(const std::string& args) {
    return runProgram(MAPEDIT_CLI, args);
}

}  // namespace mapedit::test
