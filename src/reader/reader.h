#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generate/random.h"
#include "model/level.h"
#include "model/result.h"
#include "model/variant.h"
#include "reader/source_statement.h"

namespace mapedit {

// A level as read.
struct LevelRead {
    Level level;
    int currentPart = -1;  // the map part the last statements placed into
    // The statements read, in reading order; what follows the last one
    // (comments, blank lines) is the text's tail.
    std::vector<SourceStatement> statements;
};

// Why a read stopped, with what was read before the error (the editor shows
// it).
struct ReadFailure {
    std::string message;  // the one-line report
    LevelRead partial;
};

// Reads a level description into a fresh level: stone everywhere, no
// placements, no areas, fresh settings. The text ends at a NUL byte, a
// Ctrl-Z byte or the end of the view, whichever comes first. `firstLine` is
// the line number of the text's first line, for a level cut out of a longer
// file.
Result<LevelRead, ReadFailure> readLevel(std::string_view text, Random& random, Variant variant,
                                         int firstLine = 1);

// What a read left: the whole level, or what came before the error.
inline LevelRead& readSoFar(Result<LevelRead, ReadFailure>& read) {
    return read ? *read : read.error().partial;
}
inline const LevelRead& readSoFar(const Result<LevelRead, ReadFailure>& read) {
    return read ? *read : read.error().partial;
}

}  // namespace mapedit
