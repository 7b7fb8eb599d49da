#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace mapedit::cli {

// Parses the arguments after the program name and runs the subcommand they
// choose. Returns the exit status: 0 success, 1 a file failed, 2 a usage
// error (reported on `err` with the usage text).
int runCommandLine(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

// The usage text, listing every subcommand.
std::string usageText();

}  // namespace mapedit::cli
