// MAZE, FLAGS, INIT_MAP and MESSAGE: the level-wide settings.

#include <cstdint>

#include "model/format_words.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

constexpr const char* kFillingMissing = "Filling type missing";
constexpr const char* kInvalidFlag = "Invalid flag";
constexpr const char* kInvalidBarrier = "Invalid barrier terrain";
constexpr const char* kMissingSmoothed = "missing smoothed value";
constexpr const char* kMissingJoined = "Missing joined value";
constexpr const char* kMissingLighting = "Missing lighting value";
constexpr const char* kMissingWalled = "Missing walled value";

bool setFlag(LevelSettings& settings, const std::string& word) {
    for (const words::FlagWord& f : words::kFlags) {
        if (word == f.word) {
            (f.second ? settings.levelFlags2 : settings.levelFlags) |= f.bit;
            return true;
        }
    }
    return false;
}

// A comma and a boolean, with `message` in force for a missing comma.
bool readBooleanArgument(ReaderState& s, const char* message, int& out) {
    s.message = message;
    return expect(s, ',') && readBoolean(s, out);
}

}  // namespace

bool readMazeStatement(ReaderState& s) {
    LevelSettings& settings = s.level.settings;
    s.message = msg::kMissingColon;
    if (!expect(s, ':')) return false;
    std::string name;
    if (!readString(s, name, static_cast<int>(LevelName::capacity()) + 1)) return false;
    settings.mazeName.assign(name);
    s.message = kFillingMissing;
    int filling = 0;
    if (!expect(s, ',') || !readSymbol(s, filling, nullptr)) return false;
    settings.filling = static_cast<std::int8_t>(filling);
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;
    settings.fillMode = settings.filling >= 0 ? kPlainFill : kMazeFill;
    return true;
}

bool readFlagsStatement(ReaderState& s) {
    s.message = msg::kMissingColon;
    if (!expect(s, ':')) return false;
    s.message = kInvalidFlag;
    for (;;) {
        std::string word;
        if (!readWord(s, word, 16) || !setFlag(s.level.settings, word)) return false;
        skipBlanks(s);
        if (peekChar(s) != ',') break;
        takeComma(s);
    }
    s.message = msg::kTooManyArguments;
    return atLineEnd(s);
}

bool readInitMapStatement(ReaderState& s) {
    s.message = msg::kMissingColon;
    if (!expect(s, ':')) return false;
    int walkable = 0;
    if (!readSymbol(s, walkable, nullptr) || walkable < 0) return false;
    s.message = kInvalidBarrier;
    int barrier = 0;
    if (!expect(s, ',') || !readSymbol(s, barrier, nullptr) || barrier < 0) return false;
    int smoothed = 0;
    int joined = 0;
    int lighting = 0;
    int walled = 0;
    if (!readBooleanArgument(s, kMissingSmoothed, smoothed)) return false;
    if (!readBooleanArgument(s, kMissingJoined, joined)) return false;
    s.message = kMissingLighting;
    if (!expect(s, ',') || !readLighting(s, lighting)) return false;
    if (!readBooleanArgument(s, kMissingWalled, walled)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    LevelSettings& settings = s.level.settings;
    settings.fillMode = kCaveFill;
    settings.initForeground = static_cast<std::uint8_t>(walkable);
    settings.initBackground = static_cast<std::uint8_t>(barrier);
    // Random lighting keeps the lit bit, as lit does (its lowest bit is set).
    const int bits = (smoothed ? kSmoothed : 0) | (joined ? kJoined : 0) |
                     ((lighting & 1) ? kLit : 0) | (walled ? kWalled : 0);
    constexpr int kInitBits = kSmoothed | kJoined | kLit | kWalled;
    settings.levelFlags = static_cast<std::uint8_t>((settings.levelFlags & ~kInitBits) | bits);
    // The game draws random lighting anew each time: it must be written so.
    settings.levelFlags2 = static_cast<std::uint8_t>((settings.levelFlags2 & ~kRandomLighting) |
                                                     (lighting == -1 ? kRandomLighting : 0));
    return true;
}

bool readMessageStatement(ReaderState& s) {
    s.message = msg::kMissingColon;
    if (!expect(s, ':')) return false;
    s.message = msg::kSyntaxError;
    std::string text;
    if (!readString(s, text, static_cast<int>(MessageText::capacity()) + 1)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;
    s.level.messages.emplace_back().assign(text);
    return true;
}

}  // namespace mapedit
