#include "model/area_style.h"

#include <array>

namespace mapedit {

namespace {

struct RoomStyle {
    int color;
    const char* label;
};

// Room kinds 1..20.
constexpr std::array<RoomStyle, 20> kRoomStyles = {{
    {2, "THRONE"}, {2, "SWAMP"},  {2, "VAULT"},  {2, "BEEHIVE"}, {2, "MORGUE"},
    {2, "BARRACKS"}, {2, "ZOO"},  {4, "DELPHI"}, {15, "TEMPLE"}, {6, "GENERAL"},
    {6, "ARMOR"},  {6, "SCROLL"}, {6, "POTION"}, {6, "WEAPON"},  {6, "FOOD"},
    {6, "RING"},   {6, "WAND"},   {6, "TOOL"},   {6, "BOOK"},    {6, "CANDLE"},
}};

const char* directionLabel(int param, const char* up, const char* down, const char* both) {
    if (param == 0) return up;
    if (param == 1) return down;
    return both;
}

}  // namespace

void styleArea(AreaRecord& area) {
    area.label.clear();
    const int kind = area.kind;
    if (kind == 0) {
        area.color = area.param == 1 ? 11 : area.param == 0 ? 8 : 3;
    } else if (kind >= 1 && kind <= 20) {
        area.color = kRoomStyles[static_cast<std::size_t>(kind - 1)].color;
        area.label.assign(kRoomStyles[static_cast<std::size_t>(kind - 1)].label);
    } else if (kind == kNonDiggableArea) {
        area.color = 3;
    } else if (kind == kNonPasswallArea) {
        area.color = 5;
    } else if (kind == kPortalArea || kind == kPortalExclusion) {
        area.color = 13;
        area.label.assign("PORTAL");
    } else if (kind == kBranchArea || kind == kBranchExclusion) {
        area.color = 13;
        area.label.assign("BRANCH");
    } else if (kind == kTeleportArea) {
        area.color = 10;
        area.label.assign(directionLabel(area.param, "\x18\x18", "\x19\x19", "\x12"));
    } else if (kind == kTeleportExclusion) {
        area.color = 10;
    } else if (kind == kStairArea) {
        area.color = 14;
        area.label.assign(directionLabel(area.param, "<", ">", "<>"));
    } else if (kind == kStairExclusion) {
        area.color = 14;
    }
}

}  // namespace mapedit
