#pragma once

#include <array>
#include <string_view>

namespace mapedit {

// Trap names accepted by TRAP, indexed by TrapSpec::trapType.
extern const std::array<const char*, 23> trapNames;
// Room types accepted by REGION, indexed by the kind of a room area.
extern const std::array<const char*, 21> roomTypes;
// Material names, indexed by ObjectSpec::material.
extern const std::array<const char*, 22> materialNames;

// Lists shown by the dialogs.
extern const std::array<const char*, 8> monsterAlignmentNames;
extern const std::array<const char*, 4> appearKindNames;
extern const std::array<const char*, 5> bucNames;
struct MaterialChoice {
    const char* name;
    int material;
};
extern const std::array<MaterialChoice, 6> materialChoices;
extern const std::array<const char*, 10> altarAlignmentNames;
extern const std::array<const char*, 3> altarTypeNames;
extern const std::array<const char*, 13> initMapTerrainNames;

// Index of text in table, or -1.
template <std::size_t N>
int indexOfName(const std::array<const char*, N>& table, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (text == table[i]) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace mapedit
