#include "cli/script_looks.h"

#include <span>

#include <fmt/format.h>

#include "model/grid.h"
#include "resources/menu.h"
#include "resources/toolbar.h"
#include "resources/variant_menu.h"

namespace mapedit::cli {

namespace {

std::string symbolText(int symbol) {
    return std::to_string(symbol);
}

int areaIndex(const Level& level, const AreaRecord* area) {
    const auto& areas = level.areas();
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (areas[i].get() == area) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::string pixelLine(const Canvas& canvas, int x, int y) {
    if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height()) {
        return fmt::format("pixel {} {} outside the client area", x, y);
    }
    const Rgb c = canvas.pixel(x, y);
    return fmt::format("pixel {} {} #{:02X}{:02X}{:02X}", x, y, c.r, c.g, c.b);
}

std::string cellLine(const Level& level, int x, int y) {
    if (!isOnGrid(x, y)) return fmt::format("cell {} {} off the grid", x, y);
    const MapCell& c = level.cell(x, y);
    const int place = randomPlaceAt(level, x, y);
    return fmt::format(
        "cell {} {} terrain={} detail={} overlay={} glyph={} monster={} objects={} trap={} "
        "place={}",
        x, y, c.terrain, c.detail, c.overlay, c.glyph,
        c.monster ? symbolText(c.monster->symbol) : "none", c.objects.size(),
        c.trap ? std::to_string(c.trap->trapType) : "none",
        place >= 0 ? std::to_string(place) : "none");
}

std::string stateLine(const Editor& e) {
    const EditorState& s = e.state();
    const int area = s.selectedArea != nullptr ? areaIndex(e.level(), s.selectedArea) : -1;
    return fmt::format(
        "state tool={} kind={} regions={:d} monsters={:d} objects={:d} variant={} cell={},{} "
        "area={} drag={}",
        toolCommand(s.currentTool), s.currentKind, s.showRegions, s.showMonsters, s.showObjects,
        variantCommand(s.variant), s.selectedCell.x, s.selectedCell.y,
        area >= 0 ? std::to_string(area) : "none", e.gesture());
}

void appendAreaLines(const Level& level, std::vector<std::string>& log) {
    int i = 0;
    for (const auto& a : level.areas()) {
        log.push_back(
            fmt::format("area {} kind={} param={} rect={},{},{},{} color={} filled={} irregular={} "
                        "label=\"{}\"",
                        i++, a->kind, a->param, a->x1, a->y1, a->x2, a->y2, a->color, a->filled,
                        a->irregular, a->label.view()));
    }
}

void appendPartLines(const Editor& e, std::vector<std::string>& log) {
    const std::span<const MapPart> parts = e.level().usedParts();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const MapPart& p = parts[i];
        log.push_back(fmt::format("part {} halign={} valign={} size={},{} rect={},{},{},{}", i,
                                  static_cast<int>(p.alignment.horizontal),
                                  static_cast<int>(p.alignment.vertical), p.width, p.height, p.x1,
                                  p.y1, p.x2, p.y2));
    }
    log.push_back(fmt::format("current={}", e.state().currentPart));
}

std::string templateLine(const Templates& t, std::string_view which) {
    if (which == "monster") {
        const MonsterSpec& m = t.monsterTemplate;
        return fmt::format(
            "template monster symbol={} attitude={} sleep={} placement={} alignment={} "
            "appearKind={} chance={} color={} name=\"{}\" appearName=\"{}\"",
            m.symbol, m.attitude, m.sleep, m.placement, m.alignment, m.appearKind, m.chance,
            m.color, m.name.view(), m.appearName.view());
    }
    if (which == "object") {
        const ObjectSpec& o = t.objectTemplate;
        return fmt::format(
            "template object symbol={} spe={} buc={} placement={} material={} isContainer={} "
            "chance={} color={} name=\"{}\" monsterName=\"{}\" optionalName=\"{}\"",
            o.symbol, o.spe, o.buc, o.placement, o.material, o.isContainer, o.chance, o.color,
            o.name.view(), o.monsterName.view(), o.optionalName.view());
    }
    const TrapSpec& tr = t.trapTemplate;
    return fmt::format("template trap placement={} chance={} color={} trapType={} trapName=\"{}\"",
                       tr.placement, tr.chance, tr.color, tr.trapType, tr.trapName.view());
}

}  // namespace mapedit::cli
