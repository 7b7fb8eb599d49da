#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/editor.h"

namespace mapedit::cli {

// The log lines of the script's looking verbs; they change nothing.
std::string pixelLine(const Canvas& canvas, int x, int y);
std::string cellLine(const Level& level, int x, int y);
std::string stateLine(const Editor& editor);
void appendAreaLines(const Level& level, std::vector<std::string>& log);
void appendPartLines(const Editor& editor, std::vector<std::string>& log);
std::string templateLine(const Templates& templates, std::string_view which);
// The lines Save would change in the level's text as last read or saved.
void appendSaveChanges(const Editor& editor, std::vector<std::string>& log);

}  // namespace mapedit::cli
