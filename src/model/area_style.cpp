#include "model/area_style.h"

#include <array>
#include <string_view>

namespace mapedit {

namespace {

// The colour an area's creator set stays.
constexpr int kKeepColor = -1;

// Colour and label of an area kind, by the area's param: 0, 1 and any
// other value. For rooms the param is the lighting (unlit, lit, random),
// for teleport and stair regions the direction (up, down, both).
struct AreaStyle {
    std::array<int, 3> colors;
    std::array<std::string_view, 3> labels;
};

constexpr AreaStyle same(int color, std::string_view label = "") {
    return AreaStyle{{color, color, color}, {label, label, label}};
}

constexpr std::array<AreaStyle, kStairExclusion + 1> kAreaStyles = {{
    {{8, 11, 3}, {}},  // ordinary room
    same(2, "THRONE"),
    same(2, "SWAMP"),
    same(2, "VAULT"),
    same(2, "BEEHIVE"),
    same(2, "MORGUE"),
    same(2, "BARRACKS"),
    same(2, "ZOO"),
    same(4, "DELPHI"),
    same(15, "TEMPLE"),
    same(6, "GENERAL"),
    same(6, "ARMOR"),
    same(6, "SCROLL"),
    same(6, "POTION"),
    same(6, "WEAPON"),
    same(6, "FOOD"),
    same(6, "RING"),
    same(6, "WAND"),
    same(6, "TOOL"),
    same(6, "BOOK"),
    same(6, "CANDLE"),
    same(kKeepColor),  // 21, unused
    same(kKeepColor),  // kMapPartArea
    same(3),           // kNonDiggableArea
    same(5),           // kNonPasswallArea
    same(13, "PORTAL"),
    same(13, "PORTAL"),  // kPortalExclusion
    same(13, "BRANCH"),
    same(13, "BRANCH"),                                // kBranchExclusion
    {{10, 10, 10}, {"\x18\x18", "\x19\x19", "\x12"}},  // kTeleportArea
    same(10),                                          // kTeleportExclusion
    {{14, 14, 14}, {"<", ">", "<>"}},                  // kStairArea
    same(14),                                          // kStairExclusion
}};

std::size_t paramSlot(int param) {
    return param == 0 ? 0 : param == 1 ? 1 : 2;
}

}  // namespace

void styleArea(AreaRecord& area) {
    area.label.clear();
    if (area.kind < 0 || area.kind >= static_cast<int>(kAreaStyles.size())) return;
    const AreaStyle& style = kAreaStyles[static_cast<std::size_t>(area.kind)];
    const std::size_t slot = paramSlot(area.param);
    if (style.colors[slot] != kKeepColor) area.color = style.colors[slot];
    area.label.assign(style.labels[slot]);
}

}  // namespace mapedit
