#include "model/names.h"

namespace mapedit {

const std::array<const char*, 23> trapNames = {
    "random",         "arrow",     "dart",         "falling rock", "board",          "bear",
    "land mine",      "rolling boulder", "sleep gas", "rust",      "fire",           "pit",
    "spiked pit",     "hole",      "trap door",    "teleport",     "level teleport", "magic portal",
    "web",            "statue",    "magic",        "anti magic",   "polymorph"};

const std::array<const char*, 21> roomTypes = {
    "ordinary",    "throne",    "swamp",      "vault",       "beehive",     "morgue",
    "barracks",    "zoo",       "delphi",     "temple",      "shop",        "armor shop",
    "scroll shop", "potion shop", "weapon shop", "food shop", "ring shop",   "wand shop",
    "tool shop",   "book shop", "candle shop"};

const std::array<const char*, 22> materialNames = {
    "mat_normal", "mat_liquid", "mat_wax",      "mat_veggy",   "mat_flesh",   "mat_paper",
    "mat_cloth",  "mat_leather", "mat_wood",    "mat_bone",    "mat_dragon_hide", "mat_iron",
    "mat_metal",  "mat_copper", "mat_silver",   "mat_gold",    "mat_platinum", "mat_mithril",
    "mat_plastic", "mat_glass", "mat_gemstone", "mat_mineral"};

const std::array<const char*, 8> monsterAlignmentNames = {
    "Default", "Lawful", "Neutral", "Chaotic", "Moloch", "Shuffle[0]", "Shuffle[1]", "Shuffle[2]"};

const std::array<const char*, 4> appearKindNames = {"None", "m_feature", "m_object", "m_monster"};

const std::array<const char*, 5> bucNames = {"default", "blessed", "uncursed", "cursed", "random"};

const std::array<MaterialChoice, 6> materialChoices = {{
    {"default", 0}, {"liquid", 1}, {"silver", 14}, {"copper", 13}, {"mineral", 21}, {"glass", 19}}};

const std::array<const char*, 10> altarAlignmentNames = {
    "(random)", "lawful", "neutral", "chaotic", "noalign",
    "coaligned", "noncoaligned", "Shuffle[0]", "Shuffle[1]", "Shuffle[2]"};

const std::array<const char*, 3> altarTypeNames = {"altar", "shrine", "sanctum"};

const std::array<const char*, 13> initMapTerrainNames = {
    "stone", "h-wall", "v-wall", "floor", "ice", "moat", "pool",
    "lava",  "tree",   "open air", "cloud", "bog", "dead tree"};

}  // namespace mapedit
