#pragma once

#include <string_view>
#include <vector>

#include "reader/source_statement.h"

namespace mapedit {

// The statements of a text the writer made, found the way the reader finds
// them in a designer's text: one per line, MAP through ENDMAP as one, and
// GEOMETRY (or a NOMAP that no GEOMETRY opened) starting the next map part.
// The writer's text has no comments and no continued lines, so lines are
// enough; a blank line is left out.
std::vector<SourceStatement> writtenStatements(std::string_view text);

// The bytes of a statement without the lines before it.
inline std::string_view statementText(std::string_view text, const SourceStatement& s) {
    return text.substr(s.line, s.end - s.line);
}

}  // namespace mapedit
