// The select tool: picks up an item and drops it on another cell, moves an
// area or resizes it by a handle, clears the selection with a click, and
// opens the property dialog of what a double click hits.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

#include "app/tool.h"
#include "app/tools.h"
#include "edit/area_commands.h"
#include "edit/random_places.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "view/cell_look.h"
#include "view/map_view.h"
#include "view/overlays.h"

namespace mapedit {

namespace {

// Items the select tool carries that are not records: a feature (stair,
// altar, fountain ...) with its detail, a marker, a random place.
struct FeatureItem {
    int kind;
    std::uint8_t detail;
};
struct DrawbridgeItem {
    std::uint8_t overlay;
};
struct MazewalkItem {
    std::uint8_t overlay;
};
struct RandomPlaceItem {
    int index;
};
// In the order of their gesture codes from kFirstItemGesture.
using HeldItem = std::variant<MonsterSpec, ObjectSpec, TrapSpec, FeatureItem, DrawbridgeItem,
                              MazewalkItem, RandomPlaceItem>;

// The names of the steps that put each kind of item down elsewhere.
constexpr std::string_view kMoveNames[] = {"Move monster",     "Move object",     "Move trap",
                                           "Move feature",     "Move drawbridge", "Move mazewalk",
                                           "Move random place"};

// An item taken off a cell, owned by the drag until it is put down.
struct ItemDrag {
    HeldItem item;
    CellPos origin;  // where it came from
    CellPos cell;    // where it is drawn
    std::uint8_t glyph;
    int color;
    bool savedShowRegions;
};

// The parts of an area a press may grab: its eight handles and its body,
// numbered as the handles lie, row by row.
enum class Handle : int {
    TopLeft = 1,
    Top,
    TopRight,
    Left,
    Body,
    Right,
    BottomLeft,
    Bottom,
    BottomRight,
};

struct AreaDrag {
    Handle handle;
    CellPos offset;  // moves: the grabbed cell from the area's top-left corner
    CellPos cell;    // the last cell handled
};

// A corner follows the pointer while it does not pass the opposite side.
void resizeArea(AreaRecord& a, Handle handle, CellPos c) {
    const int column = (static_cast<int>(handle) - 1) % 3;
    const int row = (static_cast<int>(handle) - 1) / 3;
    if (column == 0 && c.x <= a.x2) a.x1 = c.x;
    if (column == 2 && c.x >= a.x1) a.x2 = c.x;
    if (row == 0 && c.y <= a.y2) a.y1 = c.y;
    if (row == 2 && c.y >= a.y1) a.y2 = c.y;
}

// The area moves with the pointer, pushed back inside columns 1..79 and
// rows 0..20 with its size kept; it stays put when even that cannot fit.
void moveArea(AreaRecord& a, CellPos offset, CellPos c) {
    int nx1 = c.x - offset.x, nx2 = a.x2 + c.x - a.x1 - offset.x;
    int ny1 = c.y - offset.y, ny2 = a.y2 + c.y - a.y1 - offset.y;
    if (nx1 < 1) {
        nx2 = nx2 - nx1 + 1;
        nx1 = 1;
    }
    if (ny1 < 0) {
        ny2 = ny2 - ny1;
        ny1 = 0;
    }
    if (nx2 >= kMapWidth - 1) {
        nx1 -= nx2 - (kMapWidth - 1);
        nx2 = kMapWidth - 1;
    }
    if (ny2 >= kMapHeight - 1) {
        ny1 -= ny2 - (kMapHeight - 1);
        ny2 = kMapHeight - 1;
    }
    if (isEditableCell(nx1, ny1) && isEditableCell(nx2, ny2)) {
        a.x1 = nx1;
        a.y1 = ny1;
        a.x2 = nx2;
        a.y2 = ny2;
    }
}

// The handle of the selected area under the pixel, if any.
std::optional<Handle> handleAt(const AreaRecord& area, int px, int py) {
    const HandleCentres h = handleCentres(area);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (row == 1 && column == 1) continue;
            const int hx = h.xs[static_cast<std::size_t>(column)];
            const int hy = h.ys[static_cast<std::size_t>(row)];
            if (hx - 3 <= px && px <= hx + 4 && hy - 3 <= py && py <= hy + 4) {
                return static_cast<Handle>(column + 3 * row + 1);
            }
        }
    }
    return std::nullopt;
}

// Takes the topmost item off the cell; nothing when the cell holds none.
std::optional<HeldItem> takeItem(Level& level, const ViewState& shown, CellPos c) {
    MapCell& cell = level.cell(c.x, c.y);
    if (shown.showMonsters && cell.monster) {
        HeldItem item = *cell.monster;
        cell.monster.reset();
        return item;
    }
    if (cell.overlay != 0) {
        const std::uint8_t overlay = cell.overlay;
        cell.overlay = 0;
        if (markerType(overlay) == MarkerType::Drawbridge) return DrawbridgeItem{overlay};
        return MazewalkItem{overlay};
    }
    if (shown.showObjects && !cell.objects.empty()) {
        HeldItem item = cell.objects.front();
        cell.objects.erase(cell.objects.begin());
        return item;
    }
    if (cell.trap) {
        HeldItem item = *cell.trap;
        cell.trap.reset();
        return item;
    }
    if (const int place = randomPlaceAt(level, c.x, c.y); place >= 0) {
        moveRandomPlace(level.settings, place, 0, 0);  // no cell matches (0, 0)
        return RandomPlaceItem{place};
    }
    if (isFeatureKind(cell.terrain)) {
        const FeatureItem feature{cell.terrain, cell.detail};
        level.setTerrain(c.x, c.y, kFloor);
        cell.detail = 0;
        return feature;
    }
    return std::nullopt;
}

// Whether the cell already holds what the item would take the place of.
bool refusesItem(const Level& level, const HeldItem& item, CellPos at) {
    const MapCell& cell = level.cell(at.x, at.y);
    if (std::holds_alternative<MonsterSpec>(item)) return cell.monster.has_value();
    if (std::holds_alternative<TrapSpec>(item)) return cell.trap.has_value();
    if (std::holds_alternative<FeatureItem>(item)) return cell.terrain != kFloor || cell.trap;
    if (std::holds_alternative<RandomPlaceItem>(item)) {
        return randomPlaceAt(level, at.x, at.y) >= 0;
    }
    return false;  // objects pile up; a marker replaces the one there
}

// Puts the item on the cell as it is.
void putItem(Level& level, const HeldItem& item, CellPos at) {
    MapCell& cell = level.cell(at.x, at.y);
    struct Put {
        Level& level;
        MapCell& cell;
        CellPos at;
        void operator()(const MonsterSpec& m) { cell.monster = m; }
        void operator()(const ObjectSpec& o) { cell.objects.insert(cell.objects.begin(), o); }
        void operator()(const TrapSpec& t) { cell.trap = t; }
        void operator()(const FeatureItem& f) {
            level.setTerrain(at.x, at.y, f.kind);
            cell.detail = f.detail;
        }
        void operator()(const DrawbridgeItem& d) { cell.overlay = d.overlay; }
        void operator()(const MazewalkItem& m) { cell.overlay = m.overlay; }
        void operator()(const RandomPlaceItem& p) {
            moveRandomPlace(level.settings, p.index, at.x, at.y);
        }
    };
    std::visit(Put{level, cell, at}, item);
}

class SelectTool final : public EditTool {
  public:
    // A handle of the selected area, while areas are shown.
    bool pressOnPixel(ToolContext& ctx, int px, int py, CellPos cell) override {
        if (!ctx.state.showRegions || ctx.state.selectedArea == nullptr) return false;
        const std::optional<Handle> handle = handleAt(*ctx.state.selectedArea, px, py);
        if (!handle) return false;
        grab(ctx, *handle, cell, CellPos{});
        return true;
    }

    void press(ToolContext& ctx, CellPos cell) override {
        if (pickUp(ctx, cell)) return;
        const int terrain = ctx.level().cell(cell.x, cell.y).terrain;
        if (terrain == kDoorway || terrain == kSecretDoor) return;
        if (!ctx.state.showRegions) return;
        // A press on an area's body grabs the smallest area there for moving.
        AreaRecord* area = ctx.level().areaAt(cell.x, cell.y);
        if (area == nullptr) return;
        ctx.state.selectArea(area);
        grab(ctx, Handle::Body, cell, CellPos{cell.x - area->x1, cell.y - area->y1});
    }

    void drag(ToolContext& ctx, CellPos cell) override {
        if (auto* a = std::get_if<AreaDrag>(&drag_)) {
            if (cell != a->cell) dragArea(ctx, *a, cell);
        } else if (auto* i = std::get_if<ItemDrag>(&drag_)) {
            if (cell != i->cell) dragItem(ctx, *i, cell);
        }
    }

    void release(ToolContext& ctx, CellPos) override {
        if (auto* i = std::get_if<ItemDrag>(&drag_)) {
            dropItem(ctx, std::move(*i));
        } else if (auto* a = std::get_if<AreaDrag>(&drag_)) {
            dropArea(ctx, *a);
        } else {
            clearSelection(ctx);
        }
    }

    // The release was lost: an item goes back where it came from; an area
    // keeps the rectangle it was dragged to.
    void abandon(ToolContext& ctx) override {
        const std::string_view name = stepName();
        if (auto* i = std::get_if<ItemDrag>(&drag_)) {
            putItem(ctx.level(), i->item, i->origin);
            ctx.state.showRegions = i->savedShowRegions;
        } else if (std::holds_alternative<AreaDrag>(drag_)) {
            ctx.state.areaDragActive = false;
            ctx.level().sortAreasAscending();
        }
        drag_ = std::monostate{};
        ViewContext v = ctx.view();
        redrawMapArea(v);
        ctx.commit(name);
    }

    void doubleClick(ToolContext& ctx, CellPos cell) override;

    int gesture() const override {
        if (const auto* i = std::get_if<ItemDrag>(&drag_)) {
            return kFirstItemGesture + static_cast<int>(i->item.index());
        }
        if (const auto* a = std::get_if<AreaDrag>(&drag_)) return static_cast<int>(a->handle);
        return kNoGesture;
    }

    std::string_view stepName() const override {
        if (const auto* i = std::get_if<ItemDrag>(&drag_)) return kMoveNames[i->item.index()];
        if (const auto* a = std::get_if<AreaDrag>(&drag_)) {
            return a->handle == Handle::Body ? "Move area" : "Resize area";
        }
        return "Select";
    }

  private:
    // The selected area stops being drawn as itself: its XOR outline
    // follows the drag until the release.
    void grab(ToolContext& ctx, Handle handle, CellPos cell, CellPos offset) {
        drag_ = AreaDrag{handle, offset, cell};
        ctx.state.areaDragActive = true;
        ViewContext v = ctx.view();
        redrawMapArea(v);
        xorOutline(v, *ctx.state.selectedArea);
    }

    // The item is drawn as the cell showed it, but for a random place,
    // which the cell shows as its terrain.
    bool pickUp(ToolContext& ctx, CellPos cell) {
        const Appearance look = cellAppearance(ctx.level(), ctx.state, cell.x, cell.y);
        std::optional<HeldItem> item = takeItem(ctx.level(), ctx.state, cell);
        if (!item) return false;
        ItemDrag held{std::move(*item), cell, cell, look.ch, look.color, ctx.state.showRegions};
        if (std::holds_alternative<RandomPlaceItem>(held.item)) {
            held.glyph = terrainKind(kRandomPlaceKind).glyph;
            held.color = terrainKind(kRandomPlaceKind).color;
        }
        ViewContext v = ctx.view();
        drawGlyph(v, cell.x, cell.y, held.glyph, held.color, 0);
        drag_ = std::move(held);
        return true;
    }

    void dragArea(ToolContext& ctx, AreaDrag& a, CellPos cell) {
        AreaRecord* area = ctx.state.selectedArea;
        if (area == nullptr) return;
        ViewContext v = ctx.view();
        xorOutline(v, *area);
        if (a.handle == Handle::Body) {
            moveArea(*area, a.offset, cell);
        } else {
            resizeArea(*area, a.handle, cell);
        }
        xorOutline(v, *area);
        a.cell = cell;
    }

    void dragItem(ToolContext& ctx, ItemDrag& i, CellPos cell) {
        // Mazewalk markers live on odd/odd cells only.
        if (std::holds_alternative<MazewalkItem>(i.item) && (cell.x % 2 == 0 || cell.y % 2 == 0)) {
            return;
        }
        ViewContext v = ctx.view();
        if (ctx.state.showRegions) {
            // Areas stay hidden while an item is dragged; the menu keeps its mark.
            ctx.state.showRegions = false;
            redrawMapArea(v);
        } else {
            redrawCell(v, i.cell.x, i.cell.y);
        }
        drawGlyph(v, cell.x, cell.y, i.glyph, i.color, 0);
        i.cell = cell;
    }

    // The item lands where the drag last drew it, or back where it came
    // from when that place is taken; that cell becomes the selected cell.
    void dropItem(ToolContext& ctx, ItemDrag i) {
        const std::string_view name = stepName();
        drag_ = std::monostate{};
        Level& level = ctx.level();
        const CellPos target = refusesItem(level, i.item, i.cell) ? i.origin : i.cell;
        putItem(level, i.item, target);
        if (const auto* f = std::get_if<FeatureItem>(&i.item)) {
            if (StairSpot* spot = stairSpotOf(level.settings, f->kind)) {
                spot->x = target.x;
                spot->y = target.y;
            }
        }
        ctx.state.showRegions = i.savedShowRegions;
        const bool hadArea = ctx.state.selectedArea != nullptr;
        ctx.state.selectCell(target.x, target.y);
        ctx.redrawPreviousSelection();
        ViewContext v = ctx.view();
        if (hadArea) {
            redrawMapArea(v);
        } else {
            redrawCell(v, target.x, target.y);
            if (target == i.origin) redrawCell(v, i.cell.x, i.cell.y);
            ctx.drawAreasIfShown();
        }
        ctx.commit(name);
    }

    void dropArea(ToolContext& ctx, const AreaDrag& a) {
        const std::string_view name = a.handle == Handle::Body ? "Move area" : "Resize area";
        ctx.state.areaDragActive = false;
        drag_ = std::monostate{};
        if (AreaRecord* area = ctx.state.selectedArea) {
            if (MapPart* part = partOfArea(ctx.level(), *area)) {
                ctx.snapMapPart(*area, *part, part->alignment);
            }
        }
        ctx.level().sortAreasAscending();
        ViewContext v = ctx.view();
        redrawMapArea(v);
        ctx.commit(name);
    }

    // The press picked up nothing: a click clears every selection.
    void clearSelection(ToolContext& ctx) {
        const bool hadArea = ctx.state.selectedArea != nullptr;
        ctx.state.selectArea(nullptr);
        ctx.state.selectCell(0, 0);
        ViewContext v = ctx.view();
        if (hadArea) {
            redrawMapArea(v);
        } else {
            ctx.redrawPreviousSelection();
        }
    }

    bool editPlacement(ToolContext& ctx, CellPos cell);
    void editArea(ToolContext& ctx, CellPos cell);

    std::variant<std::monostate, ItemDrag, AreaDrag> drag_;
};

void SelectTool::doubleClick(ToolContext& ctx, CellPos cell) {
    if (!isEditableCell(cell.x, cell.y)) return;
    if (editPlacement(ctx, cell)) return;
    MapCell& c = ctx.level().cell(cell.x, cell.y);
    if (c.terrain == kDoorway || c.terrain == kSecretDoor) {
        int state = c.detail;
        if (ctx.runDialog(DoorState{state}) && state != c.detail) {
            c.detail = static_cast<std::uint8_t>(state);
            // The map character alone no longer says the door: Save states it.
            c.readSymbol = 0;
        }
        ctx.commit("Door properties");
        return;
    }
    if (c.terrain == kAltar) {
        ctx.runDialog(AltarDetail{c.detail});
        ctx.commit("Altar properties");
        return;
    }
    if (ctx.state.showRegions && ctx.level().areaAt(cell.x, cell.y) != nullptr) {
        editArea(ctx, cell);
        return;
    }
    ctx.redrawPreviousSelection();
}

// Monster, marker, object or trap: the first the cell shows. The record is
// copied into its template, the dialog edits the template, and OK copies it
// back. The template keeps the copy either way: the item edited last is the
// brush.
bool SelectTool::editPlacement(ToolContext& ctx, CellPos at) {
    MapCell& cell = ctx.level().cell(at.x, at.y);
    const auto editThroughTemplate = [&ctx](auto& record, auto& brush) {
        brush = record;
        if (ctx.runDialog(brush)) record = brush;
    };
    std::string_view step;
    if (ctx.state.showMonsters && cell.monster) {
        editThroughTemplate(*cell.monster, ctx.templates.monsterTemplate);
        step = "Monster properties";
    } else if (cell.overlay != 0) {
        const bool bridge = markerType(cell.overlay) == MarkerType::Drawbridge;
        if (bridge) {
            ctx.runDialog(DrawbridgeMarker{cell.overlay});
        } else {
            ctx.runDialog(MazewalkMarker{cell.overlay});
        }
        step = bridge ? "Drawbridge properties" : "Mazewalk properties";
    } else if (ctx.state.showObjects && !cell.objects.empty()) {
        editThroughTemplate(cell.objects.front(), ctx.templates.objectTemplate);
        step = "Object properties";
    } else if (cell.trap) {
        editThroughTemplate(*cell.trap, ctx.templates.trapTemplate);
        step = "Trap properties";
    } else {
        return false;
    }
    ctx.shell.invalidate();
    ctx.commit(step);
    return true;
}

// A room region opens its dialog on the area itself; a map part's area the
// alignment dialog of its part, which then moves to its new place.
void SelectTool::editArea(ToolContext& ctx, CellPos cell) {
    AreaRecord* area = ctx.level().areaAt(cell.x, cell.y);
    if (isRoomKind(area->kind)) {
        ctx.runDialog(*area);
        ctx.shell.invalidate();
        ctx.commit("Region properties");
        return;
    }
    MapPart* part = partOfArea(ctx.level(), *area);
    if (part == nullptr) {
        ctx.redrawPreviousSelection();
        return;
    }
    PartAlignment alignment = part->alignment;
    if (ctx.runDialog(alignment)) {
        ctx.snapMapPart(*area, *part, alignment);
        ctx.level().sortAreasAscending();
    }
    ctx.shell.invalidate();
    ctx.commit("Map part alignment");
}

}  // namespace

std::unique_ptr<EditTool> makeSelectTool() {
    return std::make_unique<SelectTool>();
}

}  // namespace mapedit
