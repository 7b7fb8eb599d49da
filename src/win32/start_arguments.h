#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/variant.h"

namespace mapedit {

// What the command line asks of the Windows editor.
struct StartOptions {
    std::string file;  // UTF-8
    int zoom = 0;      // 0: the monitor's own, as large as fits
    std::uint32_t seed = 0;
    Variant variant = Variant::Vanilla;
    std::string grabPath;        // save a picture of the map area once shown, and quit
    std::string screenshotPath;  // save a picture of the whole window once shown, and quit
};

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
