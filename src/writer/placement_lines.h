#pragma once

#include "writer/write_context.h"

namespace mapedit::writer {

// The MONSTER, OBJECT or CONTAINER, and TRAP line of one record on the
// cell (x, y), relative to the part being written.
void writeMonster(WriteContext& ctx, int x, int y, const MonsterSpec& m);
// `first` tells an object that comes first on its cell: contained in
// nothing before it, it is written at its cell instead, and noted.
void writeObject(WriteContext& ctx, int x, int y, const ObjectSpec& o, bool first);
void writeTrap(WriteContext& ctx, int x, int y, const TrapSpec& t);

}  // namespace mapedit::writer
