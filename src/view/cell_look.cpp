#include "view/cell_look.h"

#include <array>
#include <optional>

#include "model/grid.h"
#include "model/terrain.h"

namespace mapedit {

namespace {

constexpr std::uint8_t kRandomMonsterGlyph = 0x9C;
constexpr std::uint8_t kRandomObjectGlyph = 0xA8;
constexpr std::uint8_t kUnknownMarkerGlyph = '?';
constexpr int kUnknownMarkerColor = 9;
constexpr int kTrapTypeWeb = 18;

// Object colour by material index; 0 (none) keeps the object's own colour.
constexpr std::array<int, 22> kMaterialColors = {
    0, 14, 15, 3, 3,  15, 3, 3,  3,  15, 3,  // none .. dragon hide
    6, 6,  11, 7, 11, 7,  6, 15, 15, 13, 7,  // iron .. mineral
};

constexpr std::array<std::uint8_t, 4> kDrawbridgeGlyphs = {0x1F, 0x11, 0x1E, 0x10};
constexpr std::array<std::uint8_t, 4> kMazewalkGlyphs = {0x18, 0x1A, 0x19, 0x1B};

std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// A class symbol -10 - n names entry n of a random list; other negative
// values (and entries past the list) show as the plain random glyph.
std::optional<std::uint8_t> listEntrySymbol(const std::array<std::int8_t, kMaxListEntries>& list,
                                            int symbol) {
    const int n = -10 - symbol;
    if (n < 0 || n >= kMaxListEntries) return std::nullopt;
    return static_cast<std::uint8_t>(list[static_cast<std::size_t>(n)]);
}

Appearance placementLook(int symbol, int color, std::uint8_t randomGlyph,
                         const std::array<std::int8_t, kMaxListEntries>& list) {
    if (symbol >= 0) return {lowByte(symbol), color};
    if (symbol == kRandomSymbol) return {randomGlyph, kDefaultColor};
    return {listEntrySymbol(list, symbol).value_or(randomGlyph), kDefaultColor};
}

Appearance objectLook(const ObjectSpec& object, const LevelSettings& settings) {
    int color = object.color;
    if (object.material > 0 && object.material < static_cast<int>(kMaterialColors.size())) {
        color = kMaterialColors[static_cast<std::size_t>(object.material)];
    }
    return placementLook(object.symbol, color, kRandomObjectGlyph, settings.randomObjects);
}

}  // namespace

Appearance markerAppearance(std::uint8_t overlay) {
    const auto direction = static_cast<std::size_t>(markerDirection(overlay));
    switch (markerType(overlay)) {
        case MarkerType::Drawbridge:
            return {kDrawbridgeGlyphs[direction], terrainKinds[kDrawbridgeKind].color};
        case MarkerType::Mazewalk:
            return {kMazewalkGlyphs[direction], terrainKinds[kMazewalkKind].color};
        default:
            return {kUnknownMarkerGlyph, kUnknownMarkerColor};
    }
}

Appearance cellAppearance(const Level& level, const ViewState& shown, int x, int y) {
    if (!isEditableCell(x, y)) return {terrainKinds[kStone].glyph, terrainKinds[kStone].color};
    const MapCell& cell = level.cell(x, y);
    const LevelSettings& settings = level.settings;
    if (shown.showMonsters && cell.monster) {
        const MonsterSpec& m = *cell.monster;
        return placementLook(m.symbol, m.color, kRandomMonsterGlyph, settings.randomMonsters);
    }
    if (cell.overlay != 0) return markerAppearance(cell.overlay);
    if (shown.showObjects && !cell.objects.empty()) {
        return objectLook(cell.objects.front(), settings);
    }
    if (cell.trap) {
        const std::uint8_t ch = cell.trap->trapType == kTrapTypeWeb ? '"' : '^';
        return {ch, cell.trap->color};
    }
    return {cell.glyph, terrainKind(cell.terrain).color};
}

}  // namespace mapedit
