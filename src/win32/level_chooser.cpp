#include "win32/level_chooser.h"

#include <algorithm>

#include "win32/dialog_font.h"
#include "win32/dialog_layout.h"
#include "win32/dialog_template_builder.h"
#include "win32/level_chooser_layout.h"
#include "win32/level_list.h"
#include "win32/template_dialog.h"
#include "win32/wide_text.h"
#include "win32/window_centre.h"

namespace mapedit {

namespace {

// The size of the property dialogs' font.
constexpr int kFontPoints = 9;

std::vector<std::uint16_t> chooserTemplate(HWND owner, const LevelChoiceRequest& request,
                                           int zoom) {
    const int dpi = static_cast<int>(owner != nullptr ? GetDpiForWindow(owner) : GetDpiForSystem());
    // Sizes and places come from the texts once the font exists.
    const DialogFrame frame{wideFromBytes(request.title), 200, 100,
                            dialogFontPoints(kFontPoints, zoom, dpi)};
    constexpr std::uint32_t kListStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED |
                                         LBS_HASSTRINGS | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
    const DialogItem items[] = {
        {LevelChooserSession::kQuestion,
         ControlClass::Static,
         SS_LEFTNOWORDWRAP | SS_NOPREFIX,
         {},
         wideFromBytes(levelQuestion(request))},
        {LevelChooserSession::kList, ControlClass::ListBox, kListStyle, {}, L""},
        {IDOK, ControlClass::Button, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {}, L"OK"},
        {IDCANCEL, ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, {}, L"Cancel"},
    };
    return dialogTemplateWords(frame, items);
}

void place(HWND window, int id, const PixelRect& r) {
    SetWindowPos(GetDlgItem(window, id), nullptr, r.x, r.y, r.width, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring listText(HWND list, int index) {
    const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

LevelChooserSession::LevelChooserSession(HWND owner, const LevelChoiceRequest& request, int zoom)
    : owner_(owner), request_(request), words_(chooserTemplate(owner, request, zoom)) {}

std::optional<int> LevelChooserSession::runModal() {
    runTemplateDialog(words_, owner_, &procedure, this);
    return chosen_;
}

HWND LevelChooserSession::openModeless() {
    return openTemplateDialog(words_, owner_, &procedure, this);
}

INT_PTR CALLBACK LevelChooserSession::procedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<LevelChooserSession*>(lParam)->initialise(window);
        SetFocus(GetDlgItem(window, kList));
        return FALSE;  // the focus is set
    }
    auto* session = reinterpret_cast<LevelChooserSession*>(GetWindowLongPtrW(window, DWLP_USER));
    if (session == nullptr) return FALSE;
    if (message == WM_DRAWITEM && wParam == kList) {
        return session->drawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    }
    if (message != WM_COMMAND) return FALSE;
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDOK && code == BN_CLICKED) session->end(window, true);
    if (id == IDCANCEL && code == BN_CLICKED) session->end(window, false);
    if (id == kList && code == LBN_SELCHANGE) session->selectionChanged(window);
    if (id == kList && code == LBN_DBLCLK && session->selected_ >= 0) session->end(window, true);
    return TRUE;
}

void LevelChooserSession::initialise(HWND window) {
    const HWND list = GetDlgItem(window, kList);
    fillList(list);
    LevelChooserSizes sizes{};
    {
        const TextMeasure measure(window);
        sizes.units = measure.baseUnits();
        sizes.questionWidth = measure.width(wideFromBytes(levelQuestion(request_)));
        for (int i = 0; i < static_cast<int>(request_.levels.size()); ++i) {
            sizes.widestEntry = std::max(sizes.widestEntry, measure.width(listText(list, i)));
        }
        sizes.rowHeight = measure.height() + 2;
        const ControlTemplate cancel{IDCANCEL, ControlKind::Button, "Cancel", {}, 0};
        sizes.buttonTextWidth = widthForText(measure, cancel);
    }
    sizes.entries = static_cast<int>(request_.levels.size());
    sizes.scrollBarWidth = GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list, LB_SETITEMHEIGHT, 0, sizes.rowHeight);
    const LevelChooserLayout layout = levelChooserLayout(sizes);
    place(window, kQuestion, layout.question);
    place(window, kList, layout.list);
    place(window, IDOK, layout.ok);
    place(window, IDCANCEL, layout.cancel);
    RECT frame{0, 0, layout.width, layout.height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, static_cast<int>(frame.right - frame.left),
                 static_cast<int>(frame.bottom - frame.top),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    centreOverOwner(window);
    selected_ = firstEditableLevel(request_.levels);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected_), 0);
    EnableWindow(GetDlgItem(window, IDOK), selected_ >= 0 ? TRUE : FALSE);
}

void LevelChooserSession::fillList(HWND list) {
    for (std::size_t i = 0; i < request_.levels.size(); ++i) {
        const std::wstring entry =
            wideFromBytes(levelListEntry(request_.levels[i], static_cast<int>(i)));
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

void LevelChooserSession::selectionChanged(HWND window) {
    const HWND list = GetDlgItem(window, kList);
    const int wanted = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
    const bool clicked = GetKeyState(VK_LBUTTON) < 0;
    const int settled = settledLevel(request_.levels, selected_, wanted, clicked);
    if (settled != wanted) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(settled), 0);
    selected_ = settled;
    EnableWindow(GetDlgItem(window, IDOK), selected_ >= 0 ? TRUE : FALSE);
}

void LevelChooserSession::end(HWND window, bool ok) {
    ended_ = true;
    const bool editable = selected_ >= 0 && selected_ < static_cast<int>(request_.levels.size()) &&
                          request_.levels[static_cast<std::size_t>(selected_)].editable;
    chosen_ = ok && editable ? std::optional<int>(selected_) : std::nullopt;
    EndDialog(window, ok ? IDOK : IDCANCEL);
}

// Levels that cannot be edited are drawn grey, as disabled entries are.
bool LevelChooserSession::drawEntry(const DRAWITEMSTRUCT& item) const {
    const int index = static_cast<int>(item.itemID);
    if (index < 0 || index >= static_cast<int>(request_.levels.size())) return true;
    const bool editable = request_.levels[static_cast<std::size_t>(index)].editable;
    const bool selected = (item.itemState & ODS_SELECTED) != 0 && editable;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(item.hDC, TRANSPARENT);
    const int ink = !editable ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
    SetTextColor(item.hDC, GetSysColor(ink));
    RECT text = item.rcItem;
    text.left += 2;
    const std::wstring entry = listText(item.hwndItem, index);
    DrawTextW(item.hDC, entry.c_str(), static_cast<int>(entry.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
    return true;
}

std::optional<int> chooseLevel(HWND owner, const LevelChoiceRequest& request, int zoom) {
    LevelChooserSession session(owner, request, zoom);
    return session.runModal();
}

}  // namespace mapedit
