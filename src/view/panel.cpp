#include "view/panel.h"

#include <fmt/format.h>

#include <string>
#include <string_view>

#include "model/terrain.h"
#include "view/colors.h"
#include "view/map_view.h"
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
    return kCellWidth * (kind + 9);
}
int placementEntryX(int kind) {
    return kCellWidth * (kind - 12);
}
// The kinds whose entries would hold the pixel column; the inverses of the
// two above.
int terrainEntryAt(int px) {
    return px / kCellWidth - 9;
}
int placementEntryAt(int px) {
    return px / kCellWidth + 12;
}

// Kinds only one variant knows are blank, and cannot be picked, elsewhere.
bool isHiddenEntry(const TerrainKind& kind, const ViewState& shown) {
    return (kind.flags & kVariantOnly) != 0 && shown.variant != Variant::Tavrel;
}

bool isInRow(int py, int rowY) {
    return py >= rowY && py < rowY + kCellHeight;
}

void drawEntry(ViewContext& v, int kind, int px, int py, std::uint8_t ch, int color) {
    const int bg = kind == v.state.currentKind ? kCurrentBackground : 0;
    drawMapChar(v.canvas, px, py, ch, colorOf(color), colorOf(bg));
}

void drawTerrainRow(ViewContext& v) {
    for (int k = kFirstTerrainEntry; k <= kLastTerrainEntry; ++k) {
        const TerrainKind& kind = terrainKinds[static_cast<std::size_t>(k)];
        const bool hidden = isHiddenEntry(kind, v.state);
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

int paletteKindAt(const ViewState& shown, int px, int py) {
    if (isInRow(py, kTerrainRowY)) {
        const int k = terrainEntryAt(px);
        if (k < kFirstTerrainEntry || k > kLastTerrainEntry) return 0;
        return isHiddenEntry(terrainKind(k), shown) ? 0 : k;
    }
    if (isInRow(py, kPlacementRowY)) {
        const int k = placementEntryAt(px);
        return k >= kMonsterKind && k <= kLastFeatureEntry ? k : 0;
    }
    return 0;
}

}  // namespace mapedit
