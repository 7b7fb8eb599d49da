#include "win32/menu_bar.h"

#include "win32/wide_text.h"

namespace mapedit {

namespace {

// The text an entry shows: its own text, then a tab and its shortcut.
std::wstring menuEntryText(const MenuEntry& entry) {
    std::wstring text = wideFromBytes(entry.text);
    if (!entry.shortcut.empty()) text += L'\t' + wideFromBytes(entry.shortcut);
    return text;
}

void appendItem(HMENU menu, const MenuEntry& entry, MenuBar& bar);

HMENU buildPopup(const MenuEntry& popup, MenuBar& bar) {
    HMENU menu = CreatePopupMenu();
    bar.popups[menu] = &popup;
    for (const MenuEntry& e : popup.entries) appendItem(menu, e, bar);
    return menu;
}

void appendItem(HMENU menu, const MenuEntry& entry, MenuBar& bar) {
    std::wstring text = menuEntryText(entry);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE;
    switch (entry.kind) {
        case MenuEntryKind::Separator:
            item.fType = MFT_SEPARATOR;
            break;
        case MenuEntryKind::Popup:
            item.fMask |= MIIM_SUBMENU | MIIM_STRING;
            item.hSubMenu = buildPopup(entry, bar);
            item.dwTypeData = text.data();
            break;
        case MenuEntryKind::Command:
            item.fMask |= MIIM_ID | MIIM_STRING;
            item.wID = static_cast<UINT>(entry.id);
            item.dwTypeData = text.data();
            if (entry.mark == MenuMark::Radio) item.fType |= MFT_RADIOCHECK;
            break;
    }
    if (entry.rightJustified) item.fType |= MFT_RIGHTJUSTIFY;
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

}  // namespace

MenuBar buildMenuBar() {
    MenuBar bar;
    bar.bar = CreateMenu();
    for (const MenuEntry& e : mainMenu()) appendItem(bar.bar, e, bar);
    return bar;
}

}  // namespace mapedit
