#pragma once

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "model/level.h"
#include "model/terrain.h"
#include "writer/writer.h"

namespace mapedit::test {

constexpr PartAlignment kTopLeft{HorizontalAlignment::Left, VerticalAlignment::Top};
constexpr PartAlignment kCentered{HorizontalAlignment::Center, VerticalAlignment::Center};

// Adds a map part with the given placed rectangle, and its outline area as
// the reader makes it.
inline int addPart(Level& level, PartAlignment alignment, int x1, int y1, int width, int height) {
    const int index = level.settings.partCount++;
    MapPart& p = level.mapParts[static_cast<std::size_t>(index)];
    p = MapPart{alignment, width, height, x1, y1, x1 + width - 1, y1 + height - 1};
    AreaRecord* outline = level.newArea(p.x1, p.y1, p.x2, p.y2);
    outline->kind = kMapPartArea;
    outline->color = 9;
    outline->param = index;
    return index;
}

inline AreaRecord& addArea(Level& level, int kind, int x1, int y1, int x2, int y2, int param = 0) {
    AreaRecord* area = level.newArea(x1, y1, x2, y2);
    area->kind = kind;
    area->param = param;
    return *area;
}

// Lays map rows in from (x1, y1), one terrain per map character.
inline void paintRows(Level& level, int x1, int y1, std::initializer_list<std::string_view> rows) {
    int y = y1;
    for (std::string_view row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            level.setTerrain(x1 + static_cast<int>(i), y,
                             kindOfSymbol(static_cast<unsigned char>(row[i])));
        }
        ++y;
    }
}

inline MonsterSpec& putMonster(Level& level, int x, int y, int symbol) {
    auto& slot = level.cell(x, y).monster;
    slot.emplace();
    slot->symbol = symbol;
    slot->chance = 100;
    return *slot;
}

inline ObjectSpec& putObject(Level& level, int x, int y, int symbol) {
    auto& list = level.cell(x, y).objects;
    ObjectSpec& object = list.emplace_back();
    object.symbol = symbol;
    object.chance = 100;
    return object;
}

inline TrapSpec& putTrap(Level& level, int x, int y, int trapType) {
    auto& slot = level.cell(x, y).trap;
    slot.emplace();
    slot->trapType = trapType;
    slot->chance = 100;
    return *slot;
}

inline std::string written(const Level& level, Variant variant = Variant::Vanilla) {
    Result<WrittenLevel> out = writeLevel(level, variant);
    if (!out) return "refused: " + out.error();
    return std::move(out->text);
}

inline std::string golden(std::string_view name) {
    std::ifstream in(std::string(MAPEDIT_TEST_DATA) + "/writer/" + std::string(name),
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace mapedit::test
