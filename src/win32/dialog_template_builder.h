#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/dialog_template.h"

namespace mapedit {

// The predefined window classes of dialog controls, as the atoms a dialog
// template names them by.
enum class ControlClass : std::uint16_t {
    Button = 0x0080,
    Edit = 0x0081,
    Static = 0x0082,
    ListBox = 0x0083,
    ComboBox = 0x0085,
};

// One control of an in-memory dialog template.
struct DialogItem {
    int id = kNoControlId;
    ControlClass windowClass = ControlClass::Static;
    std::uint32_t style = 0;  // WS_CHILD and WS_VISIBLE are added
    DialogRect rect;
    std::wstring text;
};

// The dialog itself: a modal frame with a caption, a close box and the
// dialog font at `fontPoints`.
struct DialogFrame {
    std::wstring caption;
    int width = 0, height = 0;  // dialog units
    int fontPoints = 9;
};

// The window style and class of a control of a template.
DialogItem dialogItem(const ControlTemplate& control, bool firstOfRadioGroup);
std::vector<DialogItem> dialogItems(const DialogTemplate& t);

// The style every dialog of the program has.
std::uint32_t dialogStyle();

// An extended dialog template (DLGTEMPLATEEX and its items) in memory, as
// DialogBoxIndirectParam and CreateDialogIndirectParam read it.
std::vector<std::uint16_t> dialogTemplateWords(const DialogFrame& frame,
                                               std::span<const DialogItem> items);
std::vector<std::uint16_t> dialogTemplateWords(const DialogTemplate& t, int fontPoints);

}  // namespace mapedit
