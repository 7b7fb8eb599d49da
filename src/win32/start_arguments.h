#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/start_options.h"

namespace mapedit {

// The options, or what to tell instead (the help, or a usage error with the
// usage) and the exit status to end with.
struct StartRequest {
    std::optional<StartOptions> options;
    std::string message;
    int exitCode = 0;
};

// Reads the arguments after the program's name, as UTF-8; `clockSeed` is
// the seed when none is given.
StartRequest parseStartArguments(const std::vector<std::string>& arguments,
                                 std::uint32_t clockSeed);

}  // namespace mapedit
