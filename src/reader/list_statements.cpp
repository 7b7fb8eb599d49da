// RANDOM_PLACES, RANDOM_OBJECTS and RANDOM_MONSTERS: the level's three
// shuffle lists of at most ten entries each.

#include <cstdint>

#include "reader/cell_choice.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

// Reads entry `index` into the level; false with the message set.
using EntryReader = bool (*)(ReaderState& s, std::size_t index);

bool readListStatement(ReaderState& s, std::int32_t& count, const char* tooMany,
                       EntryReader readEntry) {
    s.message = msg::kMissingColon;
    if (!expect(s, ':')) return false;
    s.message = tooMany;
    if (count != 0) return false;
    int entries = 0;
    for (;;) {
        if (!readEntry(s, static_cast<std::size_t>(entries))) return false;
        ++entries;
        skipBlanks(s);
        if (peekChar(s) != ',') break;
        // A comma after the tenth entry announces one the list cannot hold.
        if (entries == kMaxListEntries) {
            count = entries;
            s.message = msg::kTooManyArguments;
            return false;
        }
        takeComma(s);
    }
    count = entries;
    return endOfStatement(s, msg::kTooManyArguments);
}

bool readPlaceEntry(ReaderState& s, std::size_t index) {
    int x = 0;
    int y = 0;
    // Stored as bytes, so only cells of the grid survive the trip intact.
    if (!readCoord(s, x, y) || !checkOnGrid(s, x, y)) return false;
    s.level.settings.randomPlaces[index] = {static_cast<std::int8_t>(x),
                                            static_cast<std::int8_t>(y)};
    return true;
}

bool readObjectEntry(ReaderState& s, std::size_t index) {
    int symbol = 0;
    if (!readSymbol(s, symbol, nullptr) || symbol == kRandomSymbol) return false;
    s.level.settings.randomObjects[index] = static_cast<std::int8_t>(symbol);
    return true;
}

bool readMonsterEntry(ReaderState& s, std::size_t index) {
    int symbol = 0;
    if (!readSymbol(s, symbol, nullptr) || symbol < 0) return false;
    s.level.settings.randomMonsters[index] = static_cast<std::int8_t>(symbol);
    return true;
}

}  // namespace

bool readRandomPlacesStatement(ReaderState& s) {
    s.level.settings.randomPlacesPart = s.currentPart;
    return readListStatement(s, s.level.settings.randomPlaceCount, "Too many RANDOM_PLACES",
                             readPlaceEntry);
}

bool readRandomObjectsStatement(ReaderState& s) {
    s.level.settings.randomObjectsPart = s.currentPart;
    return readListStatement(s, s.level.settings.randomObjectCount, "Too many RANDOM_OBJECTS",
                             readObjectEntry);
}

bool readRandomMonstersStatement(ReaderState& s) {
    s.level.settings.randomMonstersPart = s.currentPart;
    return readListStatement(s, s.level.settings.randomMonsterCount, "Too many RANDOM_MONSTERS",
                             readMonsterEntry);
}

}  // namespace mapedit
