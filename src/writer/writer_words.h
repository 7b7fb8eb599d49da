#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace mapedit::writer {

// The words the writer puts into statements, indexed by the model's values.
inline constexpr std::array<std::string_view, 10> kAlignmentWords = {
    "random",    "law",          "neutral",  "chaos",    "noalign",
    "coaligned", "noncoaligned", "align[0]", "align[1]", "align[2]"};
inline constexpr std::array<std::string_view, 4> kDirectionWords = {"north", "east", "south",
                                                                    "west"};
// Monster appearance kinds, with the blanks the statement needs around them.
inline constexpr std::array<std::string_view, 4> kAppearanceWords = {" ", " m_feature ",
                                                                     " m_object ", " m_monster "};
inline constexpr std::array<std::string_view, 5> kBucWords = {"random", "blessed", "uncursed",
                                                              "cursed", "random"};
inline constexpr std::array<std::string_view, 5> kDoorStateWords = {"open", "closed", "locked",
                                                                    "nodoor", "broken"};
inline constexpr std::array<std::string_view, 3> kAltarTypeWords = {"altar", "shrine", "sanctum"};
inline constexpr std::array<std::string_view, 5> kHorizontalWords = {"left", "half-left", "center",
                                                                     "half-right", "right"};
inline constexpr std::array<std::string_view, 3> kVerticalWords = {"top", "center", "bottom"};

// The word at index, or `otherwise` when the index is outside the table.
template <std::size_t N>
constexpr std::string_view wordAt(const std::array<std::string_view, N>& table, long index,
                                  std::string_view otherwise) {
    if (index < 0 || index >= static_cast<long>(N)) return otherwise;
    return table[static_cast<std::size_t>(index)];
}

// The same for the model's name tables (arrays of C strings).
template <std::size_t N>
constexpr std::string_view wordAt(const std::array<const char*, N>& table, long index,
                                  std::string_view otherwise) {
    if (index < 0 || index >= static_cast<long>(N)) return otherwise;
    return table[static_cast<std::size_t>(index)];
}

// Three-way values: 1, -1 and anything else.
constexpr std::string_view booleanWord(int v) {
    return v == 1 ? "true" : v == -1 ? "random" : "false";
}
constexpr std::string_view lightingWord(int v) {
    return v == 1 ? "lit" : v == -1 ? "random" : "unlit";
}

}  // namespace mapedit::writer
