#pragma once

// The words of the level description format. The reader and the writer
// both take their words from here, so that what one writes the other reads.
// Lists are indexed by the value the model keeps; an empty entry is a value
// that has no word of its own.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/level.h"

namespace mapedit::words {

// DOOR, by the door state a doorway keeps in MapCell::detail.
inline constexpr std::array<std::string_view, 6> kDoorStates = {"open",   "closed", "locked",
                                                                "nodoor", "broken", "random"};

// OBJECT, by ObjectSpec::buc. 0 is "not given": no word reads as it, and
// where a tail must carry a curse state the writer gives it as
// kCurseStateNotGiven, which reads back as random (4).
inline constexpr std::array<std::string_view, 5> kCurseStates = {"", "blessed", "uncursed",
                                                                 "cursed", "random"};
inline constexpr std::string_view kCurseStateNotGiven = "random";

// ALTAR, by the alignment an altar keeps in the low four bits of its
// detail. The last three are read as kShuffledAlignment followed by [n].
inline constexpr std::array<std::string_view, 10> kAlignments = {
    "random",    "law",          "neutral",  "chaos",    "noalign",
    "coaligned", "noncoaligned", "align[0]", "align[1]", "align[2]"};
inline constexpr std::string_view kShuffledAlignment = "align";
inline constexpr int kFirstShuffledAlignment = 7;

// A monster has no coaligned or noncoaligned: MonsterSpec::alignment keeps
// align[0..2] as 5..7, two below the altar's values.
constexpr int alignmentOfMonster(int monsterAlignment) {
    return monsterAlignment < 5 ? monsterAlignment : monsterAlignment + 2;
}
constexpr int monsterAlignmentOf(int alignment) {
    return alignment < kFirstShuffledAlignment ? alignment : alignment - 2;
}

// ALTAR, by the type an altar keeps in the high four bits of its detail.
inline constexpr std::array<std::string_view, 3> kAltarTypes = {"altar", "shrine", "sanctum"};

// DRAWBRIDGE and MAZEWALK, by the direction in the marker's low bits.
inline constexpr std::array<std::string_view, 4> kDirections = {"north", "east", "south", "west"};
// DRAWBRIDGE: open 0, closed 1.
inline constexpr std::array<std::string_view, 2> kBridgeStates = {"open", "closed"};

// STAIR, LADDER and TELEPORT_REGION: up 0, down 1.
inline constexpr std::array<std::string_view, 2> kUpDown = {"up", "down"};

// false 0, true 1.
inline constexpr std::array<std::string_view, 2> kBooleans = {"false", "true"};

// A word and the value it stands for, for lists whose values are no indexes.
struct WordValue {
    std::string_view word;
    int value;
};
// REGION and INIT_MAP.
inline constexpr std::array<WordValue, 3> kLighting = {{{"unlit", 0}, {"lit", 1}, {"random", -1}}};

// REGION, by AreaRecord::filled (0: not given).
inline constexpr std::array<std::string_view, 3> kFillStates = {"", "unfilled", "filled"};

// REGION, by the kind of a room area.
inline constexpr std::array<std::string_view, 21> kRoomTypes = {
    "ordinary",    "throne",      "swamp",       "vault",     "beehive",   "morgue",
    "barracks",    "zoo",         "delphi",      "temple",    "shop",      "armor shop",
    "scroll shop", "potion shop", "weapon shop", "food shop", "ring shop", "wand shop",
    "tool shop",   "book shop",   "candle shop"};
static_assert(kRoomTypes.size() == kRoomKindCount);

// TRAP, by TrapSpec::trapType.
inline constexpr std::array<std::string_view, 23> kTrapNames = {
    "random",         "arrow",        "dart",      "falling rock",
    "board",          "bear",         "land mine", "rolling boulder",
    "sleep gas",      "rust",         "fire",      "pit",
    "spiked pit",     "hole",         "trap door", "teleport",
    "level teleport", "magic portal", "web",       "statue",
    "magic",          "anti magic",   "polymorph"};

// OBJECT (Tavrel), by ObjectSpec::material. A description may name only
// the materials of kNamedMaterials.
inline constexpr std::array<std::string_view, 22> kMaterials = {
    "mat_normal",  "mat_liquid",  "mat_wax",      "mat_veggy",  "mat_flesh",       "mat_paper",
    "mat_cloth",   "mat_leather", "mat_wood",     "mat_bone",   "mat_dragon_hide", "mat_iron",
    "mat_metal",   "mat_copper",  "mat_silver",   "mat_gold",   "mat_platinum",    "mat_mithril",
    "mat_plastic", "mat_glass",   "mat_gemstone", "mat_mineral"};
inline constexpr std::array<int, 6> kNamedMaterials = {0, 1, 13, 14, 19, 21};
constexpr bool isNamedMaterial(int material) {
    for (int named : kNamedMaterials) {
        if (named == material) return true;
    }
    return false;
}

// ENGRAVING, by Engraving::type.
inline constexpr std::array<std::string_view, 4> kEngraveTypes = {"dust", "engrave", "burn",
                                                                  "mark"};

// GEOMETRY, by the two halves of a PartAlignment.
inline constexpr std::array<std::string_view, 5> kHorizontalPlacements = {
    "left", "half-left", "center", "half-right", "right"};
inline constexpr std::array<std::string_view, 3> kVerticalPlacements = {"top", "center", "bottom"};

// MONSTER options, by MonsterSpec::attitude, MonsterSpec::sleep and
// MonsterSpec::appearKind.
inline constexpr std::array<std::string_view, 3> kAttitudes = {"", "hostile", "peaceful"};
inline constexpr std::array<std::string_view, 3> kSleepStates = {"", "asleep", "awake"};
inline constexpr std::array<std::string_view, 4> kAppearances = {"", "m_feature", "m_object",
                                                                 "m_monster"};

// FLAGS, in the order they are written.
struct FlagWord {
    std::string_view word;
    bool second;  // a bit of levelFlags2 rather than levelFlags
    std::uint8_t bit;
};
inline constexpr std::array<FlagWord, 6> kFlags = {{
    {"noteleport", false, kNoTeleport},
    {"hardfloor", false, kHardFloor},
    {"nommap", false, kNoMMap},
    {"arboreal", false, kArboreal},
    {"shortsighted", true, kShortSighted},
    {"nomongen", true, kNoMonGen},
}};

// The index of the word in the list, or -1 (also for an empty word, which
// names no value).
constexpr int indexOfWord(std::span<const std::string_view> list, std::string_view word) {
    if (word.empty()) return -1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == word) return static_cast<int>(i);
    }
    return -1;
}

// The word at the index, or `otherwise` when the index is outside the list.
constexpr std::string_view wordAt(std::span<const std::string_view> list, long index,
                                  std::string_view otherwise) {
    if (index < 0 || index >= static_cast<long>(list.size())) return otherwise;
    return list[static_cast<std::size_t>(index)];
}

// The entry of the word, or null.
constexpr const WordValue* findWord(std::span<const WordValue> list, std::string_view word) {
    for (const WordValue& w : list) {
        if (w.word == word) return &w;
    }
    return nullptr;
}

// The word of the value, or `otherwise`.
constexpr std::string_view wordOf(std::span<const WordValue> list, int value,
                                  std::string_view otherwise) {
    for (const WordValue& w : list) {
        if (w.value == value) return w.word;
    }
    return otherwise;
}

}  // namespace mapedit::words
