#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/variant.h"

namespace mapedit {

// What the command line asks of a desktop program, on either platform.
struct StartOptions {
    std::string file;
    int zoom = 0;  // 0: the screen's own, as large as fits
    std::uint32_t seed = 0;
    Variant variant = Variant::Vanilla;
    std::string grabPath;        // save a picture of the map area once shown, and quit
    std::string screenshotPath;  // save a picture of the whole window once shown, and quit
    bool reportStartup = false;  // print the time to the first painted frame and quit
};

// The option values as the command line spelt them; nothing where an
// option was not given.
struct StartValues {
    std::optional<std::string> zoom, seed, variant;
};

// Takes the spelt values into `options`; the usage error of the first that
// spells no valid value ("bad argument '--zoom'"), or nothing.
std::optional<std::string> takeStartValues(const StartValues& values, StartOptions& options);

}  // namespace mapedit
