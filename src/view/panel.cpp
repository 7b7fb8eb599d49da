#include "view/panel.h"

#include <fmt/format.h>

#include <string>
#include <string_view>

#include "model/terrain.h"
#include "view/colors.h"
#include "view/text_out.h"

namespace mapedit {

namespace {

constexpr int kPlacementRowY = 396;
constexpr int kTerrainRowY = 414;
constexpr int kNameRowY = 432;
constexpr int kNameX = 100;
constexpr int kNameWidth = 22;
constexpr int kReadoutWidth = 5;
constexpr int kCurrentBackground = 16;
constexpr int kPanelTextColor = 7;
constexpr int kFirstTerrainEntry = 1, kLastTerrainEntry = 21;
constexpr int kFirstFeatureEntry = 25, kLastFeatureEntry = 35;

int terrainEntryX(int kind) {
    return 10 * (kind + 9);
}
int placementEntryX(int kind) {
    return 10 * (kind - 12);
}

void drawEntry(ViewContext& v, int kind, int px, int py, std::uint8_t ch, int color) {
    const int bg = kind == v.state.currentKind ? kCurrentBackground : 0;
    drawMapChar(v.canvas, px, py, ch, colorOf(color), colorOf(bg));
}

void drawTerrainRow(ViewContext& v) {
    const bool tavrel = v.state.variant == Variant::Tavrel;
    for (int k = kFirstTerrainEntry; k <= kLastTerrainEntry; ++k) {
        const TerrainKind& kind = terrainKinds[static_cast<std::size_t>(k)];
        // Kinds only one variant knows stay blank (but selectable) elsewhere.
        const bool hidden = (kind.flags & kVariantOnly) != 0 && !tavrel;
        drawEntry(v, k, terrainEntryX(k), kTerrainRowY, hidden ? ' ' : kind.glyph, kind.color);
    }
}

void drawPlacementRow(ViewContext& v) {
    const Templates& t = v.templates;
    const auto low = [](int value) { return static_cast<std::uint8_t>(value & 0xFF); };
    drawEntry(v, kMonsterKind, placementEntryX(kMonsterKind), kPlacementRowY,
              low(t.monsterTemplate.symbol), t.monsterTemplate.color);
    drawEntry(v, kObjectKind, placementEntryX(kObjectKind), kPlacementRowY,
              low(t.objectTemplate.symbol), t.objectTemplate.color);
    drawEntry(v, kTrapKind, placementEntryX(kTrapKind), kPlacementRowY, '^', t.trapTemplate.color);
    for (int k = kFirstFeatureEntry; k <= kLastFeatureEntry; ++k) {
        const TerrainKind& kind = terrainKinds[static_cast<std::size_t>(k)];
        drawEntry(v, k, placementEntryX(k), kPlacementRowY, kind.glyph, kind.color);
    }
}

// Exactly `width` bytes, cut or padded with blanks, so a shorter text wipes
// a longer one drawn before it.
void drawPanelText(ViewContext& v, int px, int py, std::string text, int width) {
    text.resize(static_cast<std::size_t>(width), ' ');
    v.canvas.drawText(px, py, text, mapFont(), colorOf(kPanelTextColor), colorOf(0));
}

}  // namespace

void drawPalettePanel(ViewContext& v) {
    drawTerrainRow(v);
    drawPlacementRow(v);
    drawPanelText(v, kNameX, kNameRowY, terrainKind(v.state.currentKind).name, kNameWidth);
}

void drawCoordinates(ViewContext& v, int x, int y) {
    drawPanelText(v, 0, kTerrainRowY, fmt::format("X: {:2d}", x), kReadoutWidth);
    drawPanelText(v, 0, kNameRowY, fmt::format("Y: {:2d}", y), kReadoutWidth);
}

}  // namespace mapedit
