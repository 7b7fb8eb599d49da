#pragma once

#include <optional>
#include <string>

#include "app/start_options.h"

namespace mapedit {

// The start-up options of the command line. Answers help (on standard
// output) and usage errors (on standard error) itself and returns nothing,
// with the exit status in `exitCode`.
std::optional<StartOptions> parseStartArguments(int argc, char** argv, int& exitCode);

}  // namespace mapedit
