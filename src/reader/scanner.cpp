#include "reader/scanner.h"

#include <span>

#include "model/ascii_case.h"
#include "model/format_words.h"
#include "reader/messages.h"
#include "reader/text_chars.h"

namespace mapedit {

namespace {

using text_chars::isBlank;
using text_chars::isKeywordChar;

// Digit strings saturate here so that a long number cannot overflow; such a
// coordinate is far off the grid and is rejected where it is used.
constexpr int kNumberLimit = 1'000'000'000;

// The part a statement refers to before any GEOMETRY: no offset, no cells.
const MapPart kNoPart{};

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool isWordChar(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || isDigit(c) || c == '_' || c == '-';
}

// Copies bytes of one class, at most size - 1 of them; false when none.
template <typename Pred>
bool copyRun(ReaderState& s, std::string& out, int size, Pred inClass) {
    skipBlanks(s);
    out.clear();
    while (static_cast<int>(out.size()) < size - 1 && !atLineEnd(s) && inClass(peekChar(s))) {
        out.push_back(static_cast<char>(advance(s)));
    }
    return !out.empty();
}

// A word of a list of word values, mapped to its value.
bool readWordValue(ReaderState& s, std::span<const words::WordValue> list, int size,
                   const char* message, int& out) {
    s.message = message;
    std::string word;
    if (!readWord(s, word, size)) return false;
    const words::WordValue* found = words::findWord(list, word);
    if (found == nullptr) return false;
    out = found->value;
    return true;
}

// Long argument lists are broken after a comma. Lines holding only blanks
// and comments are passed over; a line that starts with a keyword is a
// statement of its own, so the comma then ends the line as it always did.
void continueAfterComma(ReaderState& s) {
    skipBlanks(s);
    if (!atLineEnd(s) || atTextEnd(s)) return;
    const std::size_t cursor = s.cursor;
    const int line = s.line;
    do {
        nextLine(s);
        skipBlanks(s);
    } while (atLineEnd(s) && !atTextEnd(s));
    if (atTextEnd(s) || isKeywordChar(peekChar(s))) {
        s.cursor = cursor;
        s.line = line;
    }
}

}  // namespace

MapPart* ReaderState::openPart() const {
    if (currentPart < 0 || currentPart >= kMaxMapParts) return nullptr;
    return &level.mapParts[static_cast<std::size_t>(currentPart)];
}

const MapPart& ReaderState::part() const {
    const MapPart* open = openPart();
    return open != nullptr ? *open : kNoPart;
}

// --- Primitives -------------------------------------------------------------

unsigned char peekChar(const ReaderState& s) {
    if (s.cursor >= s.text.size()) return 0;
    return static_cast<unsigned char>(s.text[s.cursor]);
}

bool atTextEnd(const ReaderState& s) {
    return text_chars::isEndMark(peekChar(s));
}

bool atLineEnd(const ReaderState& s) {
    const unsigned char c = peekChar(s);
    return c == '\r' || c == '\n' || atTextEnd(s);
}

unsigned char advance(ReaderState& s) {
    if (atTextEnd(s)) return 0;
    return static_cast<unsigned char>(s.text[s.cursor++]);
}

void skipBlanks(ReaderState& s) {
    while (isBlank(peekChar(s))) ++s.cursor;
    if (peekChar(s) == '#') {
        while (!atLineEnd(s)) ++s.cursor;
    }
}

bool expect(ReaderState& s, char c) {
    skipBlanks(s);
    if (atTextEnd(s) || peekChar(s) != static_cast<unsigned char>(c)) return false;
    ++s.cursor;
    if (c == ',') continueAfterComma(s);
    return true;
}

void takeComma(ReaderState& s) {
    advance(s);
    continueAfterComma(s);
}

void nextLine(ReaderState& s) {
    while (!atLineEnd(s)) ++s.cursor;
    if (atTextEnd(s)) return;
    // CR LF, a lone CR and a lone LF each end one line.
    if (advance(s) == '\r' && peekChar(s) == '\n') ++s.cursor;
    ++s.line;
}

bool endOfStatement(ReaderState& s, const char* message) {
    skipBlanks(s);
    s.message = message;
    return atLineEnd(s);
}

// --- Lexical readers --------------------------------------------------------

bool readNumber(ReaderState& s, int& out) {
    skipBlanks(s);
    int sign = 1;
    if (peekChar(s) == '-') {
        sign = -1;
        ++s.cursor;
    } else if (peekChar(s) == '+') {
        ++s.cursor;
    }
    skipBlanks(s);
    if (!isDigit(peekChar(s))) return false;
    int value = 0;
    while (isDigit(peekChar(s))) {
        const int digit = advance(s) - '0';
        value = value > (kNumberLimit - digit) / 10 ? kNumberLimit : value * 10 + digit;
    }
    out = sign * value;
    return true;
}

bool readKeyword(ReaderState& s, std::string& out, int size) {
    return copyRun(s, out, size, isKeywordChar);
}

bool readWord(ReaderState& s, std::string& out, int size) {
    return copyRun(s, out, size, isWordChar);
}

bool readString(ReaderState& s, std::string& out, int size) {
    skipBlanks(s);
    s.message = msg::kMissingQuote;
    out.clear();
    if (peekChar(s) != '"') {
        s.message = msg::kSyntaxError;
        std::string word;
        return readWord(s, word, 16) && word == "random";
    }
    ++s.cursor;
    while (peekChar(s) != '"' && !atLineEnd(s) && static_cast<int>(out.size()) < size - 1) {
        out.push_back(static_cast<char>(advance(s)));
    }
    s.message = msg::kMissingQuote;
    return !out.empty() && expect(s, '"');
}

bool readListIndex(ReaderState& s, int& out) {
    skipBlanks(s);
    s.message = msg::kMissingOpenBrace;
    if (!expect(s, '[')) return false;
    skipBlanks(s);
    s.message = msg::kIllegalShuffleNumber;
    if (!isDigit(peekChar(s))) return false;
    out = advance(s) - '0';
    skipBlanks(s);
    s.message = msg::kMissingCloseBrace;
    return expect(s, ']');
}

bool readSymbol(ReaderState& s, int& out, const char* listWord) {
    s.message = msg::kIllegalSymbol;
    skipBlanks(s);
    if (peekChar(s) == '\'') {
        ++s.cursor;
        const unsigned char ch = advance(s);
        if (ch == 0 || advance(s) != '\'') return false;
        out = static_cast<signed char>(ch);
        return true;
    }
    std::string word;
    if (!readWord(s, word, 32)) return false;
    if (word == "random") {
        out = kRandomSymbol;
        return true;
    }
    if (listWord != nullptr && word == listWord) {
        int n = 0;
        if (!readListIndex(s, n)) return false;
        out = listSymbol(n);
        return true;
    }
    return false;
}

bool readChance(ReaderState& s, int& out) {
    skipBlanks(s);
    if (peekChar(s) == ':') {
        out = 100;
        return true;
    }
    s.message = msg::kMissingOpenBrace;
    int n = 0;
    if (!expect(s, '[') || !readNumber(s, n)) return false;
    skipBlanks(s);
    s.message = msg::kMissingPercent;
    if (!expect(s, '%')) return false;
    s.message = msg::kMissingCloseBrace;
    if (!expect(s, ']')) return false;
    if (n < 1 || n > 99) {
        s.message = msg::kInvalidChance;
        return false;
    }
    out = n;
    return true;
}

// --- Positions --------------------------------------------------------------

bool readCoord(ReaderState& s, int& x, int& y) {
    skipBlanks(s);
    s.message = msg::kInvalidLocation;
    if (!expect(s, '(') || !readNumber(s, x) || !expect(s, ',') || !readNumber(s, y) ||
        !expect(s, ')')) {
        return false;
    }
    x += s.part().x1;
    y += s.part().y1;
    return true;
}

bool readLocation(ReaderState& s, int& x, int& y) {
    skipBlanks(s);
    s.message = msg::kInvalidLocation;
    if (peekChar(s) == '(') return readCoord(s, x, y);
    std::string word;
    if (!readWord(s, word, 16)) return false;
    if (word == "random") {
        x = kLocationRandom;
        y = 0;
        return true;
    }
    if (word == "place") {
        x = kLocationPlace;
        return readListIndex(s, y);
    }
    if (word == "contained") {
        x = kLocationContained;
        y = 0;
        return true;
    }
    return false;
}

RegionResult readRegion(ReaderState& s, int& x1, int& y1, int& x2, int& y2) {
    skipBlanks(s);
    s.message = msg::kInvalidRegion;
    const bool absolute = peekChar(s) == 'l';
    s.regionInLevelForm = absolute;
    if (absolute) {
        std::string word;
        if (!readWord(s, word, 16) || word != "levregion") return RegionResult::Failed;
    }
    if (!expect(s, '(') || !readNumber(s, x1) || !expect(s, ',') || !readNumber(s, y1) ||
        !expect(s, ',') || !readNumber(s, x2) || !expect(s, ',') || !readNumber(s, y2) ||
        !expect(s, ')')) {
        return RegionResult::Failed;
    }
    const bool allZero = x1 == 0 && y1 == 0 && x2 == 0 && y2 == 0;
    if (!absolute) {
        x1 += s.part().x1;
        x2 += s.part().x1;
        y1 += s.part().y1;
        y2 += s.part().y1;
    }
    // An area off the grid could never be drawn or edited; refuse it here
    // rather than in every statement that reads one.
    if (!isOnGrid(x1, y1) || !isOnGrid(x2, y2)) return RegionResult::Failed;
    return allZero ? RegionResult::AllZeros : RegionResult::Read;
}

// --- Closed word sets -------------------------------------------------------

bool readListedWord(ReaderState& s, std::span<const std::string_view> list, int size,
                    const char* message, int& out) {
    s.message = message;
    std::string word;
    if (!readWord(s, word, size)) return false;
    const int index = words::indexOfWord(list, word);
    if (index < 0) return false;
    out = index;
    return true;
}

bool readBoolean(ReaderState& s, int& out) {
    return readListedWord(s, words::kBooleans, 8, msg::kInvalidBoolean, out);
}

bool readUpDown(ReaderState& s, int& out) {
    return readListedWord(s, words::kUpDown, 8, msg::kInvalidUpDown, out);
}

bool readLighting(ReaderState& s, int& out) {
    return readWordValue(s, words::kLighting, 8, msg::kInvalidLighting, out);
}

bool readDirection(ReaderState& s, int& out) {
    return readListedWord(s, words::kDirections, 8, msg::kInvalidDirection, out);
}

int alignmentOf(std::string_view word) {
    for (int i = 0; i < words::kFirstShuffledAlignment; ++i) {
        if (equalsIgnoringAsciiCase(word, words::kAlignments[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    if (equalsIgnoringAsciiCase(word, words::kShuffledAlignment)) {
        return words::kFirstShuffledAlignment;
    }
    return -1;
}

}  // namespace mapedit
