#pragma once

#include <cstdint>
#include <span>

namespace mapedit {

// Ids every dialog shares, and the id of controls nobody addresses
// (labels, group boxes, the icon).
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;
constexpr int kNoControlId = -1;

enum class ControlKind { Label, GroupBox, Icon, Edit, Radio, CheckBox, DropDown, Button };

// Style bits of a control.
enum ControlStyle : std::uint8_t {
    kGroupStart = 1,     // starts a group: a radio group runs to the next start
    kDisabled = 2,       // greyed when the dialog opens
    kDefaultButton = 4,  // Enter presses it
    kAutoHScroll = 8,    // an edit box whose text scrolls horizontally
    kVScroll = 16,       // a drop-down whose list has a vertical scroll bar
};

// x, y, width, height in dialog units. A drop-down's height includes its
// opened list.
struct DialogRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct ControlTemplate {
    int id = kNoControlId;
    ControlKind kind = ControlKind::Label;
    const char* text = "";  // for an icon, the name of the image it shows
    DialogRect rect;
    std::uint8_t style = 0;  // ControlStyle bits

    bool has(ControlStyle s) const { return (style & s) != 0; }
};

// A modal dialog as data: a host builds its window and controls from this,
// converting dialog units with the metrics of a font of `fontSize` points.
struct DialogTemplate {
    int id = 0;
    const char* caption = "";
    int width = 0, height = 0;  // dialog units
    int fontSize = 9;
    std::span<const ControlTemplate> controls;
};

}  // namespace mapedit
