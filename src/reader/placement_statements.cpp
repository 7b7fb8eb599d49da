// MONSTER and TRAP: one record hung on a cell. A record placed at random
// gives way to a later statement that names its cell.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "model/catalogue.h"
#include "model/format_words.h"
#include "model/level.h"
#include "reader/cell_choice.h"
#include "reader/location_rules.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

constexpr const char* kInvalidMonsterOptions = "Invalid monster options";
constexpr const char* kCannotPlaceMonster = "Cannot place monster";
constexpr const char* kMonsterAlreadyPlaced = "Monster is already placed";
constexpr const char* kInvalidTrapName = "Invalid trap name";
constexpr const char* kLocationMissing = "Location missing";
constexpr const char* kCannotPlaceTrap = "Cannot place trap";
constexpr const char* kTrapAlreadyPlaced = "Trap is already placed";

constexpr int kTrapConditions = kOnGround | kNoTrap | kNotFeature;
constexpr int kTrapClass = '^';

// Sea monsters go into water, every other monster onto the ground.
int monsterConditions(int symbol) {
    return symbol == ';' ? (kInWater | kNoMonster) : (kOnGround | kNoMonster);
}

bool failWith(ReaderState& s, const char* message) {
    s.message = message;
    return false;
}

// Alignment option of a monster: law .. noalign, random, or align[n].
bool readMonsterAlignment(ReaderState& s, const std::string& word, MonsterSpec& monster) {
    const int alignment = alignmentOf(word);
    if (alignment >= 0 && alignment <= 4) {
        monster.alignment = alignment;
        return true;
    }
    // coaligned and noncoaligned are altar alignments; the monster field
    // uses their values for align[0] and align[1], so they cannot be kept.
    if (alignment != words::kFirstShuffledAlignment) return failWith(s, kInvalidMonsterOptions);
    int n = 0;
    if (!readListIndex(s, n)) return false;
    if (n < 0 || n > 2) return failWith(s, kInvalidMonsterOptions);
    monster.alignment = words::monsterAlignmentOf(words::kFirstShuffledAlignment + n);
    return true;
}

bool readAppearance(ReaderState& s, int kind, MonsterSpec& monster) {
    std::string name;
    if (!readString(s, name, 64)) return false;
    if (kind != 0) monster.appearKind = kind;
    monster.appearName.assign(name);
    return true;
}

// The option words of a monster and the field each list sets to the
// word's index. An appearance word is followed by the name it appears as.
struct MonsterOption {
    std::span<const std::string_view> words;
    std::int32_t MonsterSpec::*field;
};
constexpr std::array<MonsterOption, 3> kMonsterOptions = {{
    {words::kAttitudes, &MonsterSpec::attitude},
    {words::kSleepStates, &MonsterSpec::sleep},
    {words::kAppearances, &MonsterSpec::appearKind},
}};

bool readMonsterOption(ReaderState& s, MonsterSpec& monster) {
    skipBlanks(s);
    if (peekChar(s) == '"') return readAppearance(s, 0, monster);
    s.message = kInvalidMonsterOptions;
    std::string word;
    if (!readWord(s, word, 16)) return false;
    for (const MonsterOption& option : kMonsterOptions) {
        const int value = words::indexOfWord(option.words, word);
        if (value < 0) continue;
        if (option.field == &MonsterSpec::appearKind) return readAppearance(s, value, monster);
        monster.*option.field = value;
        return true;
    }
    return readMonsterAlignment(s, word, monster);
}

// A monster placed at random moves to another cell; any other stays and
// the new one is refused.
bool clearMonsterCell(ReaderState& s, MapCell& cell) {
    if (!cell.monster) return true;
    if (cell.monster->placement != kPlacedRandom) return failWith(s, kMonsterAlreadyPlaced);
    s.message = kCannotPlaceMonster;
    int x = 0, y = 0;
    if (!pickRandomCell(s, x, y, monsterConditions(cell.monster->symbol))) return false;
    if (!checkOnGrid(s, x, y)) return false;
    s.level.cell(x, y).monster = std::exchange(cell.monster, std::nullopt);
    return true;
}

bool clearTrapCell(ReaderState& s, MapCell& cell) {
    if (!cell.trap) return true;
    if (cell.trap->placement != kPlacedRandom) return failWith(s, kTrapAlreadyPlaced);
    s.message = kCannotPlaceTrap;
    int x = 0, y = 0;
    if (!pickRandomCell(s, x, y, kTrapConditions)) return false;
    if (!checkOnGrid(s, x, y)) return false;
    s.level.cell(x, y).trap = std::exchange(cell.trap, std::nullopt);
    return true;
}

// "random" and "rust" may stand bare; every other trap name is quoted.
bool readTrapName(ReaderState& s, std::string& name) {
    s.message = kInvalidTrapName;
    skipBlanks(s);
    if (peekChar(s) == 'r') return readWord(s, name, 16);
    return readString(s, name, 16);
}

}  // namespace

bool readMonsterStatement(ReaderState& s) {
    MonsterSpec monster;
    PlacementHead head;
    if (!readPlacementHead(s, "monster", head)) return false;
    monster.chance = head.chance;
    monster.symbol = head.symbol;
    monster.name.assign(head.name);
    const StatementLocation& where = head.where;

    skipBlanks(s);
    while (peekChar(s) == ',') {
        takeComma(s);
        if (!readMonsterOption(s, monster)) return false;
        skipBlanks(s);
    }
    if (!endOfStatement(s, msg::kSyntaxError)) return false;

    int x = 0, y = 0, placement = 0;
    const PlacementRule rule{monsterConditions(monster.symbol), kCannotPlaceMonster};
    if (!resolvePlacement(s, where, rule, x, y, placement)) return false;
    monster.placement = placement;
    noteReadPart(s, monster, where);

    MapCell& cell = s.level.cell(x, y);
    if (!clearMonsterCell(s, cell)) return false;
    monster.color =
        catalogueColor(s.variant, monster.name.view(), monster.symbol < 0 ? 0 : monster.symbol);
    cell.monster = monster;
    return true;
}

bool readTrapStatement(ReaderState& s) {
    TrapSpec trap;
    int chance = 0;
    if (!readChance(s, chance)) return false;
    trap.chance = chance;
    s.message = msg::kMissingColon;
    if (!expect(s, ':')) return false;

    std::string name;
    if (!readTrapName(s, name)) return false;
    const int type = words::indexOfWord(words::kTrapNames, name);
    if (type < 0) return failWith(s, kInvalidTrapName);
    trap.trapType = type;
    trap.trapName.assign(name);

    s.message = kLocationMissing;
    StatementLocation where;
    if (!expect(s, ',') || !readStatementLocation(s, where)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    int x = 0, y = 0, placement = 0;
    const PlacementRule rule{kTrapConditions, kCannotPlaceTrap};
    if (!resolvePlacement(s, where, rule, x, y, placement)) return false;
    trap.placement = placement;
    noteReadPart(s, trap, where);

    MapCell& cell = s.level.cell(x, y);
    if (!clearTrapCell(s, cell)) return false;
    trap.color = catalogueColor(s.variant, trap.trapName.view(), kTrapClass);
    cell.trap = trap;
    return true;
}

}  // namespace mapedit
