#pragma once

// The byte classes of a level description, shared by the reader and by the
// splitting of a file into levels, so that both see the same statements.

namespace mapedit::text_chars {

// Blanks between the words of a statement.
constexpr bool isBlank(unsigned char c) {
    return c == ' ' || c == '\t';
}

// Statement keywords are capitals and underscores.
constexpr bool isKeywordChar(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || c == '_';
}

// The text ends at a NUL or a Ctrl-Z, whatever follows.
constexpr bool isEndMark(unsigned char c) {
    return c == 0 || c == 26;
}

}  // namespace mapedit::text_chars
