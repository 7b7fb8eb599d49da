#pragma once

#include <string>
#include <string_view>

namespace mapedit {

// The controls of an open dialog, as its procedure sees them. Controls are
// addressed by id; a call for an id the dialog lacks does nothing. Changes
// made here are the program's, not the user's: they trigger no reaction.
class DialogControls {
  public:
    virtual ~DialogControls() = default;

    // Radios and check boxes. Checking a radio unchecks the other radios
    // of its group.
    virtual void setChecked(int id, bool checked) = 0;
    virtual bool isChecked(int id) const = 0;

    // Edit boxes.
    virtual void setText(int id, std::string_view text) = 0;
    virtual std::string text(int id) const = 0;

    // Drop-down lists. Entries keep the order they were added in; -1 is
    // "no entry selected", and selecting an index outside the list selects
    // none.
    virtual void clearList(int id) = 0;
    virtual void addEntry(int id, std::string_view text) = 0;
    virtual int entryCount(int id) const = 0;
    virtual std::string entryText(int id, int index) const = 0;  // "" outside the list
    virtual void select(int id, int index) = 0;
    virtual int selection(int id) const = 0;
    // The opened list shows this many rows.
    virtual void setDropDownRows(int id, int rows) = 0;

    virtual void setEnabled(int id, bool enabled) = 0;

    // Moves the dialog to the middle of the screen, keeping its size.
    virtual void centerOnScreen() = 0;
};

}  // namespace mapedit
