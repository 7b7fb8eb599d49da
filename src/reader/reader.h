#pragma once

#include <string>
#include <string_view>

#include "generate/random.h"
#include "model/level.h"
#include "model/variant.h"

namespace mapedit {

struct ReadResult {
    bool ok = false;
    std::string message;  // the one-line report when !ok
};

// Reads a level description into `level`, which the caller has emptied
// (freeAreas, freePlacements, clearLevel with stone). The text ends at a NUL
// byte, a Ctrl-Z byte or the end of the view, whichever comes first. On
// failure the partly read level stays and the result carries the report.
ReadResult readLevel(std::string_view text, Level& level, Random& random, Variant variant);

}  // namespace mapedit
