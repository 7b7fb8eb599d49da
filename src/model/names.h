#pragma once

#include <array>

namespace mapedit {

// Lists shown by the dialogs. The words of the level format are in
// model/format_words.h.
extern const std::array<const char*, 8> monsterAlignmentNames;
extern const std::array<const char*, 4> appearKindNames;
extern const std::array<const char*, 5> bucNames;
struct MaterialChoice {
    const char* name;
    int material;
};
extern const std::array<MaterialChoice, 6> materialChoices;
extern const std::array<const char*, 10> altarAlignmentNames;
extern const std::array<const char*, 13> initMapTerrainNames;

}  // namespace mapedit
