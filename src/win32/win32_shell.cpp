#include "win32/win32_shell.h"

#include "win32/dialog_host.h"
#include "win32/file_dialogs.h"
#include "win32/level_chooser.h"
#include "win32/tool_bar.h"
#include "win32/wide_text.h"

namespace mapedit {

void Win32Shell::invalidate() {
    invalid_ = true;
    if (windows_.client != nullptr) InvalidateRect(windows_.client, nullptr, FALSE);
}

bool Win32Shell::takeInvalidation() {
    const bool was = invalid_;
    invalid_ = false;
    return was;
}

void Win32Shell::setTitle(const std::string& title) {
    title_ = title;
    SetWindowTextW(windows_.frame, wideFromBytes(title).c_str());
}

namespace {

MessageAnswer messageBox(HWND owner, const std::string& text, const std::string& caption,
                         UINT style) {
    switch (
        MessageBoxW(owner, wideFromBytes(text).c_str(), wideFromBytes(caption).c_str(), style)) {
        case IDOK:
            return MessageAnswer::Ok;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

}  // namespace

void Win32Shell::showMessage(const std::string& text, const std::string& caption,
                             MessageKind kind) {
    messageBox(windows_.frame, text, caption,
               MB_OK | (kind == MessageKind::Error ? MB_ICONERROR : MB_ICONINFORMATION));
}

// A message that asks is a question, whatever it is about.
MessageAnswer Win32Shell::askMessage(const std::string& text, const std::string& caption,
                                     MessageButtons buttons) {
    const UINT style = buttons == MessageButtons::Ok ? MB_OK | MB_ICONINFORMATION
                                                     : MB_YESNOCANCEL | MB_ICONQUESTION;
    return messageBox(windows_.frame, text, caption, style);
}

std::optional<std::string> Win32Shell::askOpenPath(const FileDialogRequest& request) {
    const std::optional<ChosenFile> chosen = askOpenFile(windows_.frame, request);
    if (!chosen) return std::nullopt;
    return chosen->path;
}

std::optional<ChosenFile> Win32Shell::askSavePath(const FileDialogRequest& request) {
    return askSaveFile(windows_.frame, request);
}

std::optional<int> Win32Shell::askLevel(const LevelChoiceRequest& request) {
    return chooseLevel(windows_.frame, request, windows_.zoom);
}

DialogResult Win32Shell::runDialog(PropertyDialog& dialog) {
    return runPropertyDialog(windows_.frame, dialog, windows_.zoom);
}

void Win32Shell::setMenuCheck(int id, bool checked) {
    CheckMenuItem(windows_.menu, static_cast<UINT>(id),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Shell::setMenuRadio(int firstId, int lastId, int checkedId) {
    for (int id = firstId; id <= lastId; ++id) setMenuCheck(id, id == checkedId);
}

void Win32Shell::setMenuEnabled(int id, bool enabled) {
    EnableMenuItem(windows_.menu, static_cast<UINT>(id),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Win32Shell::isMenuEnabled(int id) const {
    const UINT state = GetMenuState(windows_.menu, static_cast<UINT>(id), MF_BYCOMMAND);
    return state == static_cast<UINT>(-1) || (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

// The shortcut after the tab stays.
void Win32Shell::setMenuText(int id, const std::string& text) {
    wchar_t old[256] = {};
    if (GetMenuStringW(windows_.menu, static_cast<UINT>(id), old, 256, MF_BYCOMMAND) == 0) return;
    const std::wstring oldText = old;
    const auto tab = oldText.find(L'\t');
    std::wstring newText = wideFromBytes(text);
    if (tab != std::wstring::npos) newText += oldText.substr(tab);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = newText.data();
    SetMenuItemInfoW(windows_.menu, static_cast<UINT>(id), FALSE, &item);
    DrawMenuBar(windows_.frame);
}

void Win32Shell::checkToolButton(int id) {
    checkToolBarButton(windows_.toolBar, id);
}

// The editor has asked about unsaved changes already; the close that
// follows does not ask again.
void Win32Shell::closeWindow() {
    closingForEditor_ = true;
    PostMessageW(windows_.frame, WM_CLOSE, 0, 0);
}

std::string markedTitle(const std::string& title, bool modified) {
    if (!modified) return title;
    const auto last = title.rfind(" - ");
    if (last == std::string::npos) return title + "*";
    return title.substr(0, last) + "*" + title.substr(last);
}

}  // namespace mapedit
