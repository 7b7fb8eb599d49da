#pragma once

#include <cstdint>

namespace mapedit {

// The subjects of the property dialogs that are plain numbers, each of its
// own type, so that the subject says which dialog it opens: a door's state
// cannot open the alignment dialog. Each refers to the caller's number,
// which the dialog changes on OK and which must outlive it.

// A door state 0..5: open, closed, locked, nodoor, broken, random.
struct DoorState {
    int& state;
};
// A marker's overlay byte, which only the dialog of its type opens on.
struct MazewalkMarker {
    std::uint8_t& overlay;
};
struct DrawbridgeMarker {
    std::uint8_t& overlay;
};
// An altar's detail byte: type in the high four bits, alignment in the low.
struct AltarDetail {
    std::uint8_t& detail;
};
// The About box edits nothing.
struct AboutBox {};

}  // namespace mapedit
