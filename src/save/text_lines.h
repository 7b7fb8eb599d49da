#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mapedit {

// The lines of a text, each with its line end (CR LF, CR or LF).
std::vector<std::string_view> linesOf(std::string_view text);

// The line end the text's first line has: CR LF, CR or LF; LF for a text
// of one line.
std::string_view lineEndingOf(std::string_view text);

// The line end the text ends with; empty when it ends without one.
std::string_view lineEndingAtEnd(std::string_view text);

// The comment closing the last line of a statement, with the blanks before
// it; empty when it has none. A '#' inside quotes is text, not a comment.
std::string_view trailingComment(std::string_view statement);

// Appends the writer's text with each of its line feeds turned into `ending`.
void appendWithEndings(std::string& out, std::string_view text, std::string_view ending);

// Ends the line `out` stops in, if it stops inside one.
void endLine(std::string& out, std::string_view ending);

// Appends a map block whose rows changed: the designer's rows where the
// writer's old and new row agree, the new row (with the old row's line
// end) where they differ. False, and nothing appended, when the three do
// not have the same number of lines, as after a change of size.
bool appendChangedRows(std::string& out, std::string_view source, std::string_view was,
                       std::string_view now);

}  // namespace mapedit
