#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/dialog_controls.h"

namespace mapedit {

// The radio of a value 0..size-1 of the record; any other value shows as
// the first.
int choiceOf(int value, std::span<const int> ids);
// Checks ids[index]; an index outside the span checks nothing.
void checkOneOf(DialogControls& controls, std::span<const int> ids, int index);
// The index of the checked id (the last one when several are), or
// `otherwise` when none is.
int checkedIndex(const DialogControls& controls, std::span<const int> ids, int otherwise);

// Empties the list, adds the names, opens it to `rows` rows and selects
// `selected` (none when outside the list).
void fillList(DialogControls& controls, int id, std::span<const char* const> names, int rows,
              int selected);
void fillList(DialogControls& controls, int id, std::span<const std::string_view> names, int rows,
              int selected);
// The first entry equal to the text when letter case is ignored, or -1.
int findExactEntry(const DialogControls& controls, int id, std::string_view text);
// The selected entry's text, "" when none is selected.
std::string selectedText(const DialogControls& controls, int id);

// A number box: leading blanks, an optional sign and digits, read from at
// most the first 255 characters; no digits give 0, and a value beyond an
// int saturates at its end.
int decimalValue(std::string_view text);
// A number box's content.
std::string decimalText(int value);
// The text of a box as a level description can quote it: double quotes
// and control characters (a line end would split the statement) dropped.
std::string quotableText(std::string_view text);

}  // namespace mapedit
