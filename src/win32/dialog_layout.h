#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/dialog_units.h"
#include "win32/win32_dialog_controls.h"

namespace mapedit {

// Measures texts in the font of a dialog.
class TextMeasure {
  public:
    explicit TextMeasure(HWND dialog);
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    int width(const std::wstring& text) const;
    int height() const { return metrics_.tmHeight; }
    int averageWidth() const { return metrics_.tmAveCharWidth; }
    // The units of the font: the average of the 52 letters, and its height.
    DialogBaseUnits baseUnits() const;

  private:
    HWND dialog_;
    HDC dc_;
    HGDIOBJ previous_;
    TEXTMETRICW metrics_{};
};

// The pixels a control needs across to show its whole text: the text, and
// the indicator of a radio or check box, the margins of a button, the
// indent of a group box's title; 0 for controls without one.
int widthForText(const TextMeasure& measure, const ControlTemplate& control);

// What the dialog's texts need, the caption beside the title bar's
// buttons first, then the controls in template order.
std::vector<TextPlace> textPlaces(const TextMeasure& measure, const DialogTemplate& t);

// Grows the dialog's units until every text fits, then moves each control
// and sizes the dialog to them and centres it over its owner. A
// drop-down's template height covers its opened list; Windows keeps the
// closed part at the font's height.
DialogBaseUnits layOutDialog(HWND dialog, const DialogTemplate& t,
                             const Win32DialogControls& controls);

}  // namespace mapedit
