#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/variant.h"

namespace mapedit {

// What the command line asks of the desktop program.
struct StartOptions {
    std::string file;
    int zoom = 0;  // 0: the screen's device pixel ratio, rounded
    std::uint32_t seed = 0;
    Variant variant = Variant::Vanilla;
    std::string grabPath;        // save a screen grab of the client area and quit
    std::string screenshotPath;  // save a picture of the whole window and quit
    bool reportStartup = false;  // print the time to the first painted frame and quit
};

// The start-up options of the command line. Answers help (on standard
// output) and usage errors (on standard error) itself and returns nothing,
// with the exit status in `exitCode`.
std::optional<StartOptions> parseStartArguments(int argc, char** argv, int& exitCode);

}  // namespace mapedit
