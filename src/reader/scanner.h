#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "generate/random.h"
#include "model/level.h"
#include "model/variant.h"
#include "reader/map_text.h"

namespace mapedit {

// Location codes returned in x by readLocation (y holds the parameter).
constexpr int kLocationRandom = -1;
constexpr int kLocationPlace = -2;
constexpr int kLocationContained = -3;

// The state of one read: the text, where reading stands, the message in
// force, and the model being filled.
struct ReaderState {
    ReaderState(std::string_view source, Level& into, Random& generator, Variant gameVariant)
        : text(source), level(into), random(generator), variant(gameVariant) {}

    std::string_view text;
    std::size_t cursor = 0;
    int line = 1;
    const char* message = nullptr;
    std::string report;
    int currentPart = -1;
    int lastObjectX = 0, lastObjectY = 0;
    int phase = 0;
    MapText mapText;  // of the current map part; empty after NOMAP
    // The place of the statement being read among the statements read: the
    // order the writer keeps, and what ties an area to its exclusion.
    int statementOrder = 0;
    // Whether the region readRegion read last was given as levregion(...).
    bool regionInLevelForm = false;

    Level& level;
    Random& random;
    Variant variant;

    const MapPart& part() const;  // the map part at currentPart
    // The map part statements now fill; null before the first part and
    // once the parts run out.
    MapPart* openPart() const;
};

// Scanner primitives.
unsigned char peekChar(const ReaderState& s);
unsigned char advance(ReaderState& s);
bool atTextEnd(const ReaderState& s);
bool atLineEnd(const ReaderState& s);
void skipBlanks(ReaderState& s);
// A comma matched by expect continues the statement on the next line when
// it ends its line, unless that line starts with a keyword or the text ends
// first.
bool expect(ReaderState& s, char c);
void nextLine(ReaderState& s);
// Consumes the comma at the cursor, as expect(s, ',') would.
void takeComma(ReaderState& s);

// Argument readers; each returns success and writes its result through out.
// `size` is the buffer size of the format: at most size - 1 bytes are read.
bool readNumber(ReaderState& s, int& out);
bool readKeyword(ReaderState& s, std::string& out, int size);
bool readWord(ReaderState& s, std::string& out, int size);
bool readString(ReaderState& s, std::string& out, int size);
bool readSymbol(ReaderState& s, int& out, const char* listWord);
bool readListIndex(ReaderState& s, int& out);
bool readChance(ReaderState& s, int& out);
bool readCoord(ReaderState& s, int& x, int& y);
bool readLocation(ReaderState& s, int& x, int& y);
// What readRegion found.
enum class RegionResult : int {
    Failed = 0,
    Read = 1,
    AllZeros = 2,  // written as four zeros, which is "none" where an exclusion may stand
};
// A region with a corner off the grid (after the map-part offset) fails with
// "Invalid region".
RegionResult readRegion(ReaderState& s, int& x1, int& y1, int& x2, int& y2);
// A word of at most size - 1 bytes, read with `message` in force; out is
// its index in the list. False when the word is none of the list's.
bool readListedWord(ReaderState& s, std::span<const std::string_view> list, int size,
                    const char* message, int& out);
bool readBoolean(ReaderState& s, int& out);
bool readUpDown(ReaderState& s, int& out);
bool readLighting(ReaderState& s, int& out);
bool readDirection(ReaderState& s, int& out);
// The alignment value of a word of words::kAlignments, letter case ignored:
// random 0, law 1 .. noncoaligned 6, and align (which a [n] follows) 7.
// -1 for any other word.
int alignmentOf(std::string_view word);

// Skips blanks and fails with `message` unless the line ends here.
bool endOfStatement(ReaderState& s, const char* message);

}  // namespace mapedit
