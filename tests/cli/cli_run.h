#pragma once

// Runs the real mapedit-cli.
#include <string>

#include "support/run_program.h"

namespace mapedit::test {

using CliRun = ProgramRun;

// Standard error is discarded unless `withStderr`, which merges it into out.
inline CliRun runCli(const std::string& args, bool withStderr = false) {
    if (withStderr) return runShell(commandWord(MAPEDIT_CLI) + " " + args + " 2>&1");
    // Into a file of its own rather than the null device, which Wine's cmd
    // opens for one program at a time.
    CliRun r = runProgram(MAPEDIT_CLI, args);
    r.err.clear();
    return r;
}

// Standard output and standard error apart.
inline CliRun runCliApart(const std::string& args) {
    return runProgram(MAPEDIT_CLI, args);
}

}  // namespace mapedit::test
