#include "win32/dialog_layout.h"

#include "win32/wide_text.h"
#include "win32/window_centre.h"

namespace mapedit {

TextMeasure::TextMeasure(HWND dialog) : dialog_(dialog), dc_(GetDC(dialog)) {
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    previous_ = SelectObject(dc_, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    GetTextMetricsW(dc_, &metrics_);
}

TextMeasure::~TextMeasure() {
    SelectObject(dc_, previous_);
    ReleaseDC(dialog_, dc_);
}

int TextMeasure::width(const std::wstring& text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
}

DialogBaseUnits TextMeasure::baseUnits() const {
    const int alphabet = width(L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(alphabet / 26 + 1) / 2, height()};
}

int widthForText(const TextMeasure& measure, const ControlTemplate& control) {
    const std::wstring text = wideFromBytes(control.text);
    if (text.empty()) return 0;
    const int average = measure.averageWidth();
    switch (control.kind) {
        case ControlKind::Label:
            return measure.width(text);
        case ControlKind::GroupBox:
            return measure.width(text) + 2 * average;
        case ControlKind::Radio:
        case ControlKind::CheckBox:
            // The box, the gap Windows leaves after it, and the focus frame.
            return GetSystemMetrics(SM_CXMENUCHECK) + average / 2 + 2 + measure.width(text);
        case ControlKind::Button:
            return measure.width(text) + 2 * (average + 2 * GetSystemMetrics(SM_CXEDGE));
        default:
            return 0;
    }
}

std::vector<TextPlace> textPlaces(const TextMeasure& measure, const DialogTemplate& t) {
    std::vector<TextPlace> places;
    // The caption shares the title bar with the close box and the margins.
    const int titleButtons = 3 * GetSystemMetrics(SM_CXSIZE);
    places.push_back(
        {{0, 0, t.width, t.height}, measure.width(wideFromBytes(t.caption)) + titleButtons, 0});
    for (const ControlTemplate& c : t.controls) {
        const bool oneLine = c.kind == ControlKind::Label || c.kind == ControlKind::Radio ||
                             c.kind == ControlKind::CheckBox;
        places.push_back({c.rect, widthForText(measure, c), oneLine ? measure.height() : 0});
    }
    return places;
}

namespace {

void sizeClientArea(HWND window, int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, static_cast<int>(frame.right - frame.left),
                 static_cast<int>(frame.bottom - frame.top),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

DialogBaseUnits layOutDialog(HWND dialog, const DialogTemplate& t,
                             const Win32DialogControls& controls) {
    DialogBaseUnits units{};
    {
        const TextMeasure measure(dialog);
        units = unitsToFit(measure.baseUnits(), textPlaces(measure, t));
    }
    for (std::size_t i = 0; i < controls.size() && i < t.controls.size(); ++i) {
        const PixelRect r = dialogRect(units, t.controls[i].rect);
        SetWindowPos(controls.window(i), nullptr, r.x, r.y, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const PixelRect client = dialogRect(units, 0, 0, t.width, t.height);
    sizeClientArea(dialog, client.width, client.height);
    centreOverOwner(dialog);
    return units;
}

}  // namespace mapedit
