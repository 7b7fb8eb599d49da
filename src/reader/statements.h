#pragma once

#include "model/grid.h"
#include "reader/scanner.h"

namespace mapedit {

// Each statement reads its own arguments from the cursor, just after its
// keyword, and returns success or failure with the message set.
using Statement = bool (*)(ReaderState&);

// Placements.
bool readObjectStatement(ReaderState& s);
bool readContainerStatement(ReaderState& s);
bool readMonsterStatement(ReaderState& s);
bool readTrapStatement(ReaderState& s);

// Level settings, maps and areas.
bool readMazeStatement(ReaderState& s);
bool readFlagsStatement(ReaderState& s);
bool readInitMapStatement(ReaderState& s);
bool readMessageStatement(ReaderState& s);
bool readGeometryStatement(ReaderState& s);
bool readMapStatement(ReaderState& s);
// The rest of a NOMAP line: nothing may follow the keyword.
bool readNomapStatement(ReaderState& s);
// NOMAP opening the current map part: on a cave level the part is the
// whole level, elsewhere it has neither size nor place.
bool readNomapPart(ReaderState& s, MapForm form);
bool readWallifyStatement(ReaderState& s);
bool readRandomPlacesStatement(ReaderState& s);
bool readRandomObjectsStatement(ReaderState& s);
bool readRandomMonstersStatement(ReaderState& s);
bool readRegionStatement(ReaderState& s);
bool readNonDiggableStatement(ReaderState& s);
bool readNonPasswallStatement(ReaderState& s);
bool readTeleportRegionStatement(ReaderState& s);
bool readBranchStatement(ReaderState& s);
bool readPortalStatement(ReaderState& s);

// An area read from the current statement, in the current part; the caller
// styles it.
AreaRecord* addReadArea(ReaderState& s, const CellRect& r, bool levelForm, int kind, int param);

// Features.
bool readDoorStatement(ReaderState& s);
bool readStairStatement(ReaderState& s);
bool readLadderStatement(ReaderState& s);
bool readAltarStatement(ReaderState& s);
bool readFountainStatement(ReaderState& s);
bool readSinkStatement(ReaderState& s);
bool readDrawbridgeStatement(ReaderState& s);
bool readMazewalkStatement(ReaderState& s);
bool readEngravingStatement(ReaderState& s);

}  // namespace mapedit
