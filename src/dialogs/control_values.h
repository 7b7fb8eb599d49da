#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/dialog_controls.h"

namespace mapedit {

// Checks the radio of a value 0..size-1 of the record; any other value
// shows as the first.
void checkChoice(DialogControls& controls, std::span<const int> ids, int value);
// Checks ids[index]; an index outside the span checks nothing.
void checkOneOf(DialogControls& controls, std::span<const int> ids, int index);
// The index of the checked id (the last one when several are), or
// `otherwise` when none is.
int checkedIndex(const DialogControls& controls, std::span<const int> ids, int otherwise);

// Empties the list, adds the names (C strings or string views), opens it
// to `rows` rows and selects `selected` (none when outside the list).
template <typename Names>
void fillList(DialogControls& controls, int id, const Names& names, int rows, int selected) {
    controls.clearList(id);
    for (const auto& name : names) controls.addEntry(id, std::string_view(name));
    controls.setDropDownRows(id, rows);
    controls.select(id, selected);
}
// A chance box: a record without a chance shows, and from now on holds, 100.
void showChance(DialogControls& controls, int id, std::int32_t& chance);
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
