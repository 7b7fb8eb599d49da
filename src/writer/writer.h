#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/level.h"
#include "model/variant.h"
#include "writer/byte_sink.h"

namespace mapedit {

// Reasons given when writeLevel answers false.
inline constexpr std::string_view kNoGeometryReason = "No Geometry in map";
inline constexpr std::string_view kWriteFailedReason = "Write error";

// Writes the level as a level description into the sink, in one pass.
// A level without map parts is refused before a single byte goes out. When
// the sink fails, writing stops and the result is false. `reason` (when
// given) receives the reason of a failure. `unplaced` (when given) receives
// one line for each statement left out because it stands above or left of
// every map part, where no part's coordinates reach; the rest is written
// all the same.
//
// The level is only read: the writer takes its areas largest first from a
// list of its own. The editor, which keeps its areas smallest first, sorts
// them again after a save (Level::sortAreasAscending).
// `uncontained` (when given) receives one line for each object marked
// contained that no container comes before on its cell: it is written at
// its cell instead of going into another cell's container or nowhere.
bool writeLevel(const Level& level, Variant variant, ByteSink& sink, std::string* reason = nullptr,
                std::vector<std::string>* unplaced = nullptr,
                std::vector<std::string>* uncontained = nullptr);

// The same into a string, which is replaced by the text (and left empty when
// the level is refused).
bool writeLevel(const Level& level, Variant variant, std::string& out,
                std::string* reason = nullptr, std::vector<std::string>* unplaced = nullptr,
                std::vector<std::string>* uncontained = nullptr);

}  // namespace mapedit
