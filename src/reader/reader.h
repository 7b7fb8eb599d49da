#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generate/random.h"
#include "model/level.h"
#include "model/variant.h"
#include "reader/source_statement.h"

namespace mapedit {

struct ReadResult {
    bool ok = false;
    std::string message;  // the one-line report when !ok
};

// A level as read, with the report of the read.
struct LevelRead {
    Level level;
    ReadResult report;
    int currentPart = -1;  // the map part the last statements placed into
    // The statements read, in reading order; what follows the last one
    // (comments, blank lines) is the text's tail.
    std::vector<SourceStatement> statements;
};

// Reads a level description into a fresh level: stone everywhere, no
// placements, no areas, fresh settings. The text ends at a NUL byte, a
// Ctrl-Z byte or the end of the view, whichever comes first. On failure the
// level holds what was read before the error (the editor shows it) and the
// report says why. `firstLine` is the line number of the text's first line,
// for a level cut out of a longer file.
LevelRead readLevel(std::string_view text, Random& random, Variant variant, int firstLine = 1);

}  // namespace mapedit
