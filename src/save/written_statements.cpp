#include "save/written_statements.h"

#include <cstddef>
#include <string>

namespace mapedit {

namespace {

// The line starting at `at`, with its line feed.
std::size_t lineEnd(std::string_view text, std::size_t at) {
    const std::size_t feed = text.find('\n', at);
    return feed == std::string_view::npos ? text.size() : feed + 1;
}

std::string_view keywordOf(std::string_view line) {
    std::size_t n = 0;
    while (n < line.size() && ((line[n] >= 'A' && line[n] <= 'Z') || line[n] == '_')) ++n;
    return line.substr(0, n);
}

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

std::vector<SourceStatement> writtenStatements(std::string_view text) {
    std::vector<SourceStatement> statements;
    int part = 0;
    std::size_t begin = 0, at = 0;
    while (at < text.size()) {
        std::size_t end = lineEnd(text, at);
        const std::string_view line = text.substr(at, end - at);
        if (isBlankLine(line)) {
            at = end;
            continue;
        }
        const std::string_view keyword = keywordOf(line);
        const bool opened = !statements.empty() && statements.back().keyword == "GEOMETRY";
        if (keyword == "GEOMETRY" || (keyword == "NOMAP" && !opened)) ++part;
        if (keyword == "MAP") {
            while (end < text.size() && keywordOf(text.substr(end)) != "ENDMAP") {
                end = lineEnd(text, end);
            }
            end = lineEnd(text, end);
        }
        statements.push_back(SourceStatement{std::string(keyword), part, begin, at, end});
        begin = at = end;
    }
    return statements;
}

}  // namespace mapedit
