#include "model/names.h"

namespace mapedit {

const std::array<const char*, 8> monsterAlignmentNames = {
    "Default", "Lawful", "Neutral", "Chaotic", "Moloch", "Shuffle[0]", "Shuffle[1]", "Shuffle[2]"};

const std::array<const char*, 4> appearKindNames = {"None", "m_feature", "m_object", "m_monster"};

const std::array<const char*, 5> bucNames = {"default", "blessed", "uncursed", "cursed", "random"};

const std::array<MaterialChoice, 6> materialChoices = {{{"default", 0},
                                                        {"liquid", 1},
                                                        {"silver", 14},
                                                        {"copper", 13},
                                                        {"mineral", 21},
                                                        {"glass", 19}}};

const std::array<const char*, 10> altarAlignmentNames = {
    "(random)",  "lawful",       "neutral",    "chaotic",    "noalign",
    "coaligned", "noncoaligned", "Shuffle[0]", "Shuffle[1]", "Shuffle[2]"};

const std::array<const char*, 13> initMapTerrainNames = {
    "stone", "h-wall", "v-wall",   "floor", "ice", "moat",     "pool",
    "lava",  "tree",   "open air", "cloud", "bog", "dead tree"};

}  // namespace mapedit
