#pragma once

#include "writer/write_context.h"

namespace mapedit::writer {

// The MONSTER, OBJECT or CONTAINER, and TRAP line of one record on the
// cell (x, y), relative to the part being written.
void writeMonster(WriteContext& ctx, int x, int y, const MonsterSpec& m);
void writeObject(WriteContext& ctx, int x, int y, const ObjectSpec& o);
void writeTrap(WriteContext& ctx, int x, int y, const TrapSpec& t);

}  // namespace mapedit::writer
