#include "win32/win32_dialog_controls.h"

#include "win32/wide_text.h"
#include "win32/window_centre.h"

namespace mapedit {

Win32DialogControls::Win32DialogControls(HWND dialog, std::span<const ControlTemplate> controls)
    : dialog_(dialog), controls_(controls) {
    // The dialog manager creates the controls in template order, each below
    // the last, so the children in z-order are the template's controls.
    for (HWND w = GetWindow(dialog, GW_CHILD); w != nullptr && windows_.size() < controls.size();
         w = GetWindow(w, GW_HWNDNEXT)) {
        windows_.push_back(w);
    }
    windows_.resize(controls.size(), nullptr);
}

int Win32DialogControls::indexOf(int id) const {
    if (id == kNoControlId) return -1;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

HWND Win32DialogControls::find(int id) const {
    const int at = indexOf(id);
    return at < 0 ? nullptr : windows_[static_cast<std::size_t>(at)];
}

HWND Win32DialogControls::find(int id, ControlKind kind) const {
    return find(id, kind, kind);
}

HWND Win32DialogControls::find(int id, ControlKind kind, ControlKind other) const {
    const int at = indexOf(id);
    if (at < 0) return nullptr;
    const ControlKind k = controls_[static_cast<std::size_t>(at)].kind;
    return k == kind || k == other ? windows_[static_cast<std::size_t>(at)] : nullptr;
}

// A radio group runs from a control that starts one to the next that does.
void Win32DialogControls::uncheckGroupOf(std::size_t index) {
    std::size_t first = index;
    while (first > 0 && !controls_[first].has(kGroupStart)) --first;
    std::size_t end = index + 1;
    while (end < controls_.size() && !controls_[end].has(kGroupStart)) ++end;
    for (std::size_t i = first; i < end; ++i) {
        if (i != index && controls_[i].kind == ControlKind::Radio) {
            SendMessageW(windows_[i], BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

void Win32DialogControls::setChecked(int id, bool checked) {
    const HWND w = find(id, ControlKind::Radio, ControlKind::CheckBox);
    if (w == nullptr) return;
    SendMessageW(w, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    const auto at = static_cast<std::size_t>(indexOf(id));
    if (checked && controls_[at].kind == ControlKind::Radio) uncheckGroupOf(at);
}

bool Win32DialogControls::isChecked(int id) const {
    const HWND w = find(id, ControlKind::Radio, ControlKind::CheckBox);
    return w != nullptr && SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32DialogControls::setText(int id, std::string_view text) {
    if (const HWND w = find(id, ControlKind::Edit)) SetWindowTextW(w, wideFromBytes(text).c_str());
}

std::string Win32DialogControls::text(int id) const {
    const HWND w = find(id, ControlKind::Edit);
    if (w == nullptr) return {};
    std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
    wide.resize(
        static_cast<std::size_t>(GetWindowTextW(w, wide.data(), static_cast<int>(wide.size()))));
    return bytesFromWide(wide);
}

void Win32DialogControls::clearList(int id) {
    if (const HWND w = find(id, ControlKind::DropDown)) SendMessageW(w, CB_RESETCONTENT, 0, 0);
}

void Win32DialogControls::addEntry(int id, std::string_view text) {
    if (const HWND w = find(id, ControlKind::DropDown)) {
        const std::wstring wide = wideFromBytes(text);
        SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
}

int Win32DialogControls::entryCount(int id) const {
    const HWND w = find(id, ControlKind::DropDown);
    return w != nullptr ? static_cast<int>(SendMessageW(w, CB_GETCOUNT, 0, 0)) : 0;
}

std::string Win32DialogControls::entryText(int id, int index) const {
    const HWND w = find(id, ControlKind::DropDown);
    if (w == nullptr || index < 0 || index >= entryCount(id)) return {};
    const auto length = SendMessageW(w, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(w, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(static_cast<std::size_t>(length));
    return bytesFromWide(wide);
}

void Win32DialogControls::select(int id, int index) {
    if (const HWND w = find(id, ControlKind::DropDown)) {
        const bool inList = index >= 0 && index < entryCount(id);
        SendMessageW(w, CB_SETCURSEL, static_cast<WPARAM>(inList ? index : -1), 0);
    }
}

int Win32DialogControls::selection(int id) const {
    const HWND w = find(id, ControlKind::DropDown);
    return w != nullptr ? static_cast<int>(SendMessageW(w, CB_GETCURSEL, 0, 0)) : -1;
}

// The height a drop-down is given covers its opened list, whose rows then
// fill it; common controls 6 count the rows themselves.
void Win32DialogControls::setDropDownRows(int id, int rows) {
    const HWND w = find(id, ControlKind::DropDown);
    if (w == nullptr) return;
    rows = rows > 0 ? rows : 1;
    constexpr UINT kSetMinVisible = 0x1701;  // CB_SETMINVISIBLE
    SendMessageW(w, kSetMinVisible, static_cast<WPARAM>(rows), 0);
    RECT closed{};
    GetWindowRect(w, &closed);
    const auto row = SendMessageW(w, CB_GETITEMHEIGHT, 0, 0);
    const int listBorders = 2 * GetSystemMetrics(SM_CYBORDER);
    const int height =
        static_cast<int>(closed.bottom - closed.top) + rows * static_cast<int>(row) + listBorders;
    SetWindowPos(w, nullptr, 0, 0, static_cast<int>(closed.right - closed.left), height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32DialogControls::setEnabled(int id, bool enabled) {
    if (const HWND w = find(id)) EnableWindow(w, enabled ? TRUE : FALSE);
}

void Win32DialogControls::centerOnScreen() {
    centreOverOwner(dialog_);
}

}  // namespace mapedit
