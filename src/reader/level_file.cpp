#include "reader/level_file.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "model/level.h"
#include "reader/text_chars.h"

namespace mapedit {

namespace {

// One line of the text: its bytes without the line end, and where the next
// line starts. CR LF, a lone CR and a lone LF each end a line, as they do
// for the reader, so that line numbers agree with its reports.
struct TextLine {
    std::string_view bytes;
    std::size_t next = 0;
};

TextLine lineAt(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    std::size_t next = end;
    if (next < text.size() && text[next++] == '\r' && next < text.size() && text[next] == '\n')
        ++next;
    return {text.substr(at, end - at), next};
}

// The first byte from `at` on that is no blank; the size when there is none.
std::size_t pastBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && text_chars::isBlank(line[at])) ++at;
    return at;
}

// The keyword a statement line starts with; empty for blank and comment
// lines and for lines that do not start with one.
std::string_view keywordOf(std::string_view line, std::size_t& after) {
    const std::size_t start = pastBlanks(line, 0);
    std::size_t i = start;
    while (i < line.size() && text_chars::isKeywordChar(line[i])) ++i;
    after = i;
    return line.substr(start, i - start);
}

bool isBlankLine(std::string_view line) {
    return pastBlanks(line, 0) == line.size();
}

bool isCommentOrBlank(std::string_view line) {
    const std::size_t first = pastBlanks(line, 0);
    return first == line.size() || line[first] == '#';
}

// The quoted name after `KEYWORD:`; empty when there is none.
std::string quotedName(std::string_view rest) {
    std::size_t i = pastBlanks(rest, 0);
    if (i == rest.size() || rest[i] != ':') return {};
    i = pastBlanks(rest, i + 1);
    if (i == rest.size() || rest[i] != '"') return {};
    const auto close = rest.find('"', i + 1);
    if (close == std::string_view::npos) return {};
    return std::string(rest.substr(i + 1, close - i - 1));
}

std::optional<LevelStyle> styleOf(std::string_view keyword) {
    if (keyword == "MAZE") return LevelStyle::Maze;
    if (keyword == "LEVEL") return LevelStyle::RoomsAndCorridors;
    return std::nullopt;
}

// Walks the statements of the text up to its end mark. A level starts at
// the first comment after the previous level's last statement, or at its
// own MAZE or LEVEL line when there is none; the blank lines after a
// level's statements stay with it, as Save writes them. Map rows are not
// statements: a row may well start with capitals. They run from the line
// after MAP to a line starting with 'E' (ENDMAP), or give up after as many
// lines as the reader reads.
std::vector<LevelSpan> splitLevels(std::string_view text) {
    std::vector<LevelSpan> levels;
    std::size_t commentStart = std::string_view::npos;  // first comment since the last statement
    int commentLine = 0;
    int mapRowsLeft = 0;
    int number = 1;
    for (std::size_t at = 0; at < text.size(); ++number) {
        const std::size_t lineStart = at;
        const TextLine line = lineAt(text, at);
        at = line.next;
        if (mapRowsLeft > 0) {
            mapRowsLeft = (!line.bytes.empty() && line.bytes[0] == 'E') ? 0 : mapRowsLeft - 1;
        } else if (isCommentOrBlank(line.bytes)) {
            if (commentStart == std::string_view::npos && !isBlankLine(line.bytes)) {
                commentStart = lineStart;
                commentLine = number;
            }
            continue;
        } else {
            std::size_t after = 0;
            const std::string_view keyword = keywordOf(line.bytes, after);
            if (keyword == "MAP") mapRowsLeft = kMapHeight + 1;
            if (const auto style = styleOf(keyword)) {
                LevelSpan span;
                span.style = *style;
                span.name = quotedName(line.bytes.substr(after));
                const bool introduced = commentStart != std::string_view::npos;
                span.begin = levels.empty() ? 0 : introduced ? commentStart : lineStart;
                span.firstLine = levels.empty() ? 1 : introduced ? commentLine : number;
                span.statementLine = number;
                if (!levels.empty()) levels.back().end = span.begin;
                levels.push_back(std::move(span));
            }
        }
        commentStart = std::string_view::npos;
    }
    if (!levels.empty()) levels.back().end = text.size();
    return levels;
}

// The text the reader sees: up to the first NUL or Ctrl-Z.
std::string_view readableText(std::string_view text) {
    const auto mark =
        std::find_if(text.begin(), text.end(), [](char c) { return text_chars::isEndMark(c); });
    return text.substr(0, static_cast<std::size_t>(mark - text.begin()));
}

int countLines(std::string_view text) {
    int lines = 0;
    for (std::size_t at = 0; at < text.size(); ++lines) at = lineAt(text, at).next;
    return lines;
}

}  // namespace

LevelFile::LevelFile(std::string text) : text_(std::move(text)) {
    levels_ = splitLevels(readableText(text_));
}

bool LevelFile::isSingleLevel() const {
    return levels_.empty() || (levels_.size() == 1 && levels_[0].style == LevelStyle::Maze);
}

std::string_view LevelFile::levelText(int index) const {
    if (isSingleLevel()) return text_;
    const LevelSpan& span = levels_.at(static_cast<std::size_t>(index));
    return std::string_view(text_).substr(span.begin, span.end - span.begin);
}

int LevelFile::levelFirstLine(int index) const {
    return isSingleLevel() ? 1 : levels_.at(static_cast<std::size_t>(index)).firstLine;
}

std::string LevelFile::withLevel(int index, std::string_view written) const {
    if (isSingleLevel()) return std::string(written);
    const LevelSpan& span = levels_.at(static_cast<std::size_t>(index));
    std::string whole = text_.substr(0, span.begin);
    whole += written;
    whole.append(text_, span.end);
    return whole;
}

void LevelFile::replaceLevel(int index, std::string_view written) {
    if (isSingleLevel()) {
        *this = LevelFile(std::string(written));
        return;
    }
    const auto i = static_cast<std::size_t>(index);
    LevelSpan& span = levels_.at(i);
    const std::string_view old = levelText(index);
    const auto byteShift = static_cast<std::ptrdiff_t>(written.size() - old.size());
    const int lineShift = countLines(written) - countLines(old);
    text_ = withLevel(index, written);
    span.end = span.begin + written.size();
    // The level may have been renamed; what it is is read back from what was written.
    const std::vector<LevelSpan> rewritten = splitLevels(readableText(written));
    if (!rewritten.empty()) {
        span.style = rewritten.front().style;
        span.name = rewritten.front().name;
        span.statementLine = span.firstLine + rewritten.front().statementLine - 1;
    }
    for (std::size_t k = i + 1; k < levels_.size(); ++k) {
        levels_[k].begin =
            static_cast<std::size_t>(static_cast<std::ptrdiff_t>(levels_[k].begin) + byteShift);
        levels_[k].end =
            static_cast<std::size_t>(static_cast<std::ptrdiff_t>(levels_[k].end) + byteShift);
        levels_[k].firstLine += lineShift;
        levels_[k].statementLine += lineShift;
    }
}

std::string levelLabel(const LevelSpan& span, int index) {
    return span.name.empty() ? std::to_string(index + 1) : span.name;
}

}  // namespace mapedit
