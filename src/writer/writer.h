#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/level.h"
#include "model/result.h"
#include "model/variant.h"
#include "writer/byte_sink.h"

namespace mapedit {

// Errors of a write that stopped.
inline constexpr std::string_view kNoGeometryReason = "No Geometry in map";
inline constexpr std::string_view kWriteFailedReason = "Write error";

// What a write left out or placed otherwise, one line for each statement
// for the user; the rest is written all the same.
struct WriteReport {
    // Statements left out because they stand above or left of every map
    // part, where no part's coordinates reach.
    std::vector<std::string> unplaced;
    // Objects marked contained that no container comes before on their
    // cell: written at the cell instead of going into another cell's
    // container or nowhere.
    std::vector<std::string> uncontained;
};

// A level written into a string, with the report of the write.
struct WrittenLevel : WriteReport {
    std::string text;
};

// Writes the level as a level description into the sink, in one pass.
// A level without map parts is refused before a single byte goes out
// (kNoGeometryReason). When the sink fails, writing stops and the error is
// kWriteFailedReason.
//
// The level is only read: the writer takes its areas largest first from a
// list of its own. The editor, which keeps its areas smallest first, sorts
// them again after a save (Level::sortAreasAscending).
Result<WriteReport> writeLevel(const Level& level, Variant variant, ByteSink& sink);

// The same into a string.
Result<WrittenLevel> writeLevel(const Level& level, Variant variant);

}  // namespace mapedit
