// The statement loop: reads a level description line by line, keeps the
// order of its sections and reports the first error with its line number.

#include <fmt/core.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generate/background.h"
#include "model/terrain.h"
#include "reader/messages.h"
#include "reader/reader.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

constexpr const char* kNoMapDescription = "No MAP description???";
constexpr const char* kSingleMaze = "Only single maze is supported";
constexpr const char* kTooManyMapParts = "Too many map parts";

// Where the loop stands: before MAZE, in the header, expecting a map, after a map.
enum Phase : int { kBeforeMaze = 0, kHeader = 1, kExpectingMap = 2, kAfterMap = 3 };

struct StatementEntry {
    std::string_view keyword;
    Statement run;
};

// Matched exactly, first match wins.
constexpr std::array<StatementEntry, 29> kStatementTable = {{
    {"OBJECT", readObjectStatement},
    {"CONTAINER", readContainerStatement},
    {"MONSTER", readMonsterStatement},
    {"STAIR", readStairStatement},
    {"DOOR", readDoorStatement},
    {"TRAP", readTrapStatement},
    {"REGION", readRegionStatement},
    {"ALTAR", readAltarStatement},
    {"FOUNTAIN", readFountainStatement},
    {"DRAWBRIDGE", readDrawbridgeStatement},
    {"LADDER", readLadderStatement},
    {"TELEPORT_REGION", readTeleportRegionStatement},
    {"BRANCH", readBranchStatement},
    {"PORTAL", readPortalStatement},
    {"MAZEWALK", readMazewalkStatement},
    {"NON_DIGGABLE", readNonDiggableStatement},
    {"NON_PASSWALL", readNonPasswallStatement},
    {"FLAGS", readFlagsStatement},
    {"INIT_MAP", readInitMapStatement},
    {"MAZE", readMazeStatement},
    {"GEOMETRY", readGeometryStatement},
    {"MAP", readMapStatement},
    {"MESSAGE", readMessageStatement},
    {"ENGRAVING", readEngravingStatement},
    {"RANDOM_PLACES", readRandomPlacesStatement},
    {"RANDOM_OBJECTS", readRandomObjectsStatement},
    {"RANDOM_MONSTERS", readRandomMonstersStatement},
    {"WALLIFY", readWallifyStatement},
    // Written for kitchen sinks; read like FOUNTAIN.
    {"SINK", readSinkStatement},
}};

Statement findStatement(std::string_view keyword) {
    for (const StatementEntry& e : kStatementTable) {
        if (e.keyword == keyword) return e.run;
    }
    return nullptr;
}

// Reports are one line of at most 79 characters; a longer one is cut.
constexpr std::size_t kReportLimit = 79;

template <typename... Args>
std::string report(fmt::format_string<Args...> format, Args&&... args) {
    std::string text = fmt::format(format, std::forward<Args>(args)...);
    if (text.size() > kReportLimit) text.resize(kReportLimit);
    return text;
}

std::string statementReport(int line, const char* message) {
    return report("{}: {}", line, message != nullptr ? message : "");
}

std::string beforeMazeReport(int line) {
    return report("{}: Command before 'MAZE'", line);
}

std::string notAllowedReport(const std::string& keyword) {
    return report("Command '{}' is not allowed here", keyword);
}

std::string illegalCommandReport(int line, const std::string& keyword) {
    return report("{}: Illegal command '{}'", line, keyword);
}

// What became of one statement line.
enum class Outcome { kRead, kFailed, kReported };

Outcome ran(bool ok) {
    return ok ? Outcome::kRead : Outcome::kFailed;
}

// Takes the next of the ten map part slots.
bool nextMapPart(ReaderState& s) {
    LevelSettings& settings = s.level.settings;
    if (settings.partCount >= kMaxMapParts || s.currentPart + 1 >= kMaxMapParts) {
        s.message = kTooManyMapParts;
        return false;
    }
    ++s.currentPart;
    ++settings.partCount;
    return true;
}

// GEOMETRY opens the next map part.
Outcome openMapPart(ReaderState& s) {
    if (!nextMapPart(s)) return Outcome::kFailed;
    const bool ok = readGeometryStatement(s);
    s.phase = kExpectingMap;
    return ran(ok);
}

// The background is generated once per read, just before the first map.
void generateBackgroundOnce(ReaderState& s) {
    LevelSettings& settings = s.level.settings;
    if ((settings.levelFlags2 & kBackgroundGenerated) == 0) {
        applyBackground(s.level, s.random, false);
        settings.levelFlags2 |= kBackgroundGenerated;
    }
}

Outcome readFirstMap(ReaderState& s) {
    generateBackgroundOnce(s);
    const bool ok = readMapStatement(s);
    s.phase = kAfterMap;
    return ran(ok);
}

Outcome readNomap(ReaderState& s, MapForm form) {
    generateBackgroundOnce(s);
    const bool ok = readNomapPart(s, form);
    s.phase = kAfterMap;
    return ran(ok);
}

// A cave level may leave out GEOMETRY: NOMAP alone opens its one part, and
// after a map it opens the next.
Outcome openWholeLevel(ReaderState& s) {
    if (!nextMapPart(s)) return Outcome::kFailed;
    return readNomap(s, kNoMapWithoutGeometry);
}

Outcome dispatch(ReaderState& s, const std::string& keyword) {
    switch (s.phase) {
        case kBeforeMaze:
            if (keyword == "MAZE") {
                s.phase = kHeader;
                return ran(readMazeStatement(s));
            }
            s.report = beforeMazeReport(s.line);
            return Outcome::kReported;
        case kHeader:
            if (keyword == "GEOMETRY") return openMapPart(s);
            if (keyword == "NOMAP" && s.level.settings.fillMode == kCaveFill) {
                return openWholeLevel(s);
            }
            if (keyword == "FLAGS" || keyword == "INIT_MAP" || keyword == "MESSAGE") {
                return ran(findStatement(keyword)(s));
            }
            s.report = notAllowedReport(keyword);
            return Outcome::kReported;
        case kExpectingMap:
            if (keyword == "MAP") return readFirstMap(s);
            if (keyword == "NOMAP") return readNomap(s, kNoMap);
            s.message = kNoMapDescription;
            return Outcome::kFailed;
        default:
            break;
    }
    if (keyword == "GEOMETRY") return openMapPart(s);
    // NOMAP after a map opens the next part, where the statements after it
    // belong.
    if (keyword == "NOMAP") return openWholeLevel(s);
    if (keyword == "MAZE") {
        s.message = kSingleMaze;
        return Outcome::kFailed;
    }
    const Statement statement = findStatement(keyword);
    if (statement == nullptr) {
        s.report = illegalCommandReport(s.line, keyword);
        return Outcome::kReported;
    }
    return ran(statement(s));
}

// The statement loop over the whole text. Each iteration starts at a line
// start; a statement read is noted with the lines before it.
Status readStatements(ReaderState& s, std::vector<SourceStatement>& statements) {
    s.phase = kBeforeMaze;
    std::size_t unitBegin = s.cursor;
    for (;;) {
        const std::size_t lineBegin = s.cursor;
        skipBlanks(s);
        s.message = msg::kBrokenMap;
        if (atTextEnd(s)) {
            if (s.phase == kAfterMap) return {};
            return Failure{msg::kBrokenMap};
        }
        if (atLineEnd(s)) {
            nextLine(s);
            continue;
        }
        std::string keyword;
        // Lines that do not start with a keyword are skipped silently.
        if (readKeyword(s, keyword, 32)) {
            ++s.statementOrder;
            switch (dispatch(s, keyword)) {
                case Outcome::kRead:
                    nextLine(s);
                    statements.push_back(SourceStatement{std::move(keyword), s.currentPart + 1,
                                                         unitBegin, lineBegin, s.cursor});
                    unitBegin = s.cursor;
                    continue;
                case Outcome::kFailed:
                    s.report = statementReport(s.line, s.message);
                    return Failure{s.report};
                case Outcome::kReported:
                    return Failure{s.report};
            }
        }
        nextLine(s);
    }
}

}  // namespace

Result<LevelRead, ReadFailure> readLevel(std::string_view text, Random& random, Variant variant,
                                         int firstLine) {
    LevelRead read{Level(kStone), -1, {}};
    // Nothing is placed yet: the extent starts inverted, so that the first
    // map part sets it.
    read.level.settings.extent = Extent{kMapWidth, kMapHeight, 0, 0};
    ReaderState s(text, read.level, random, variant);
    s.line = firstLine;
    // A statement takes a line of some thirty bytes or more.
    read.statements.reserve(text.size() / 32);
    Status status = readStatements(s, read.statements);
    read.currentPart = s.currentPart;
    if (!status) return Failure{ReadFailure{std::move(status).error(), std::move(read)}};
    return read;
}

}  // namespace mapedit
