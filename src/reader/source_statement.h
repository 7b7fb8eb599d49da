#pragma once

#include <cstddef>
#include <string>

namespace mapedit {

// Where one statement of a level's text lies. Save keeps a statement's own
// bytes while what it says is unchanged, so the designer's spacing,
// spelling and comments survive.
struct SourceStatement {
    std::string keyword;
    // 0 for the statements before the first map part, else the map part
    // (in reading order, from 1) the statement belongs to.
    int part = 0;
    std::size_t begin = 0;  // where the comment and blank lines before it start
    std::size_t line = 0;   // the start of its first line
    std::size_t end = 0;    // past the line end of its last line, or the text's end

    bool operator==(const SourceStatement&) const = default;
};

}  // namespace mapedit
