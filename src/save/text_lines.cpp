#include "save/text_lines.h"

#include <cstddef>
#include <vector>

namespace mapedit {

namespace {

std::string_view withoutEnding(std::string_view line) {
    return line.substr(0, line.size() - lineEndingAtEnd(line).size());
}

}  // namespace

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            end = text.size();
        } else {
            end += text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
        }
        lines.push_back(text.substr(at, end - at));
        at = end;
    }
    return lines;
}

std::string_view lineEndingOf(std::string_view text) {
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos || text[at] == '\n') return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

std::string_view lineEndingAtEnd(std::string_view text) {
    if (text.ends_with("\r\n")) return "\r\n";
    if (text.ends_with('\n')) return "\n";
    if (text.ends_with('\r')) return "\r";
    return {};
}

std::string_view trailingComment(std::string_view statement) {
    const std::string_view body = withoutEnding(statement);
    const std::size_t lineStart = body.find_last_of("\r\n");
    const std::size_t from = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    bool quoted = false;
    for (std::size_t i = from; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '\'' && i + 2 < body.size() && body[i + 2] == '\'') {
            i += 2;  // a character in quotes, which may be '#'
        } else if (!quoted && c == '#') {
            std::size_t start = i;
            while (start > from && (body[start - 1] == ' ' || body[start - 1] == '\t')) --start;
            return body.substr(start);
        }
    }
    return {};
}

void appendWithEndings(std::string& out, std::string_view text, std::string_view ending) {
    std::size_t at = 0;
    for (std::size_t feed = text.find('\n'); feed != std::string_view::npos;
         feed = text.find('\n', at)) {
        out.append(text.substr(at, feed - at));
        out.append(ending);
        at = feed + 1;
    }
    out.append(text.substr(at));
}

void endLine(std::string& out, std::string_view ending) {
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out.append(ending);
}

bool appendChangedRows(std::string& out, std::string_view source, std::string_view was,
                       std::string_view now) {
    const std::vector<std::string_view> own = linesOf(source);
    const std::vector<std::string_view> old = linesOf(was);
    const std::vector<std::string_view> next = linesOf(now);
    if (own.size() != old.size() || old.size() != next.size() || own.size() < 2) return false;
    for (std::size_t r = 0; r < own.size(); ++r) {
        if (old[r] == next[r]) {
            out.append(own[r]);
        } else {
            out.append(withoutEnding(next[r]));
            out.append(lineEndingAtEnd(own[r]));
        }
    }
    return true;
}

}  // namespace mapedit
