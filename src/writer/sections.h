#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "writer/write_context.h"

namespace mapedit::writer {

// The statements of a level description in the order they are written. The
// functions answering bool tell whether they wrote anything, since a blank
// line follows some groups only when they did.

// MAZE, FLAGS, INIT_MAP, then every MESSAGE.
void writeHeader(WriteContext& ctx);
// GEOMETRY and the MAP rows of the part being written, or NOMAP; then
// WALLIFY when it was applied to the part.
void writeMapText(WriteContext& ctx);
// RANDOM_MONSTERS, RANDOM_OBJECTS, RANDOM_PLACES with the part they belong to.
bool writeLists(WriteContext& ctx);

// DRAWBRIDGE and MAZEWALK markers.
void writeMarkers(WriteContext& ctx);
// TELEPORT_REGION, STAIR, BRANCH and PORTAL areas read into the part, in
// reading order, each with its own exclusion.
bool writeKeptLevelRegions(WriteContext& ctx);
// TELEPORT_REGION or the region form of STAIR made in the editor.
bool writeDirectedRegions(WriteContext& ctx, int areaKind, int exclusionKind);
// One BRANCH or PORTAL made in the editor.
void writeBranchOrPortal(WriteContext& ctx, int areaKind, int exclusionKind);
// STAIR and LADDER cells.
bool writeStairs(WriteContext& ctx);
// NON_PASSWALL or NON_DIGGABLE.
void writeWallAreas(WriteContext& ctx, int areaKind);
// REGION: those read into the part in reading order, then the others by
// room type.
bool writeRooms(WriteContext& ctx);
// A REGION, NON_DIGGABLE or NON_PASSWALL area that no part wrote: no part's
// corner reaches it, and these take no level coordinates.
bool isUnwrittenPlainRegion(const AreaEntry& e);

// FOUNTAIN and SINK.
bool writeFountainsAndSinks(WriteContext& ctx);
bool writeAltars(WriteContext& ctx);
bool writeDoors(WriteContext& ctx);

bool writeMonsters(WriteContext& ctx);
bool writeObjects(WriteContext& ctx);
bool writeTraps(WriteContext& ctx);
bool writeEngravings(WriteContext& ctx);

// Pins the random records that their part would have no room for when
// read back (WriteContext::pin); run once the parts are ordered.
void pinRandomWithoutRoom(WriteContext& ctx);

// One line for each statement no part can reach, after the parts are written.
std::vector<std::string> unreachableStatements(const WriteContext& ctx);

}  // namespace mapedit::writer
