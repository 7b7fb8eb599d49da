#pragma once

namespace mapedit {

// The whole window follows the zoom, its dialogs included: their font
// grows by the zoom's part beyond the scale the owner's DPI gives already,
// never shrinking. At 96 DPI zoom 2 doubles the template's points; at 192
// DPI zoom 2 keeps them, as Windows has doubled the pixels.
int dialogFontPoints(int templatePoints, int zoom, int dpi);

}  // namespace mapedit
