#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mapedit {

// How a level in a file is built: a fixed map the editor edits, or rooms
// joined by corridors, which it lists but cannot edit.
enum class LevelStyle { Maze, RoomsAndCorridors };

// One level of a level file: from the comments that introduce it (or its
// MAZE or LEVEL line) to where the next level starts, blank lines after its
// last statement included. The first level starts at the file's start; the
// last ends where the text ends.
struct LevelSpan {
    LevelStyle style = LevelStyle::Maze;
    std::string name;  // from its MAZE or LEVEL statement; empty when it has none
    std::size_t begin = 0, end = 0;
    int firstLine = 1;      // the file's line number at `begin`
    int statementLine = 1;  // the line of its MAZE or LEVEL statement

    bool operator==(const LevelSpan&) const = default;
};

// A level file split into its levels. A file holding one maze (or no
// level statement at all) is a single level: it is read and written whole.
// Bytes from a NUL or Ctrl-Z on end the text and stay as they are.
class LevelFile {
  public:
    LevelFile() = default;
    explicit LevelFile(std::string text);

    const std::string& text() const { return text_; }
    std::span<const LevelSpan> levels() const { return levels_; }
    bool isSingleLevel() const;
    // The text a level is read from; the whole text for a single level.
    std::string_view levelText(int index) const;
    int levelFirstLine(int index) const;
    // The whole file with the level's span replaced by `written`.
    std::string withLevel(int index, std::string_view written) const;
    // Makes that replacement the file's text; the level's span becomes
    // exactly `written`, the others move with it.
    void replaceLevel(int index, std::string_view written);

  private:
    std::string text_;
    std::vector<LevelSpan> levels_;
};

// "NAME" or, for a level without one, its position in the file from 1.
std::string levelLabel(const LevelSpan& span, int index);

}  // namespace mapedit
