#include "win32/dialog_template_builder.h"

#include <windows.h>

#include "win32/wide_text.h"

namespace mapedit {

namespace {

// Appends the parts of a template: words, double words and strings, with
// the padding that puts each item on a double-word boundary.
class TemplateWriter {
  public:
    void word(std::uint32_t value) { words_.push_back(static_cast<std::uint16_t>(value)); }
    void dword(std::uint32_t value) {
        word(value & 0xFFFF);
        word(value >> 16);
    }
    void rect(const DialogRect& r) {
        for (const int v : {r.x, r.y, r.width, r.height}) word(static_cast<std::uint16_t>(v));
    }
    void text(const std::wstring& s) {
        for (const wchar_t c : s) word(static_cast<std::uint16_t>(c));
        word(0);
    }
    // The vector's storage starts on a double-word boundary.
    void alignToDword() {
        if (words_.size() % 2 != 0) word(0);
    }
    std::vector<std::uint16_t> take() { return std::move(words_); }

  private:
    std::vector<std::uint16_t> words_;
};

void writeItem(TemplateWriter& out, const DialogItem& item) {
    out.alignToDword();
    out.dword(0);  // help id
    out.dword(0);  // extended style
    out.dword(item.style | WS_CHILD | WS_VISIBLE);
    out.rect(item.rect);
    out.dword(static_cast<std::uint32_t>(item.id));
    out.word(0xFFFF);  // the class as an atom
    out.word(static_cast<std::uint16_t>(item.windowClass));
    out.text(item.text);
    out.word(0);  // no creation data
}

std::uint32_t kindStyle(const ControlTemplate& c, bool firstOfRadioGroup) {
    switch (c.kind) {
        case ControlKind::Label:
            // One line, shown as written: '&' marks no mnemonic.
            return SS_LEFTNOWORDWRAP | SS_NOPREFIX;
        case ControlKind::GroupBox:
            return BS_GROUPBOX;
        case ControlKind::Icon:
            return SS_ICON | SS_REALSIZEIMAGE;
        case ControlKind::Edit:
            return WS_BORDER | WS_TABSTOP | ES_LEFT | (c.has(kAutoHScroll) ? ES_AUTOHSCROLL : 0);
        case ControlKind::Radio:
            // Tab reaches a radio group once; the arrows move within it.
            return BS_AUTORADIOBUTTON | (firstOfRadioGroup ? WS_TABSTOP : 0);
        case ControlKind::CheckBox:
            return BS_AUTOCHECKBOX | WS_TABSTOP;
        case ControlKind::DropDown:
            return CBS_DROPDOWNLIST | WS_TABSTOP | (c.has(kVScroll) ? WS_VSCROLL : 0);
        case ControlKind::Button:
            break;
    }
    return (c.has(kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
}

ControlClass classOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Icon:
            return ControlClass::Static;
        case ControlKind::Edit:
            return ControlClass::Edit;
        case ControlKind::DropDown:
            return ControlClass::ComboBox;
        default:
            return ControlClass::Button;
    }
}

}  // namespace

DialogItem dialogItem(const ControlTemplate& c, bool firstOfRadioGroup) {
    DialogItem item;
    item.id = c.id;
    item.windowClass = classOf(c.kind);
    item.style = kindStyle(c, firstOfRadioGroup);
    if (c.has(kGroupStart)) item.style |= WS_GROUP;
    if (c.has(kDisabled)) item.style |= WS_DISABLED;
    item.rect = c.rect;
    // An icon's text names its image, which the host draws itself.
    if (c.kind != ControlKind::Icon) item.text = wideFromBytes(c.text);
    return item;
}

std::vector<DialogItem> dialogItems(const DialogTemplate& t) {
    std::vector<DialogItem> items;
    bool inRadioGroup = false;  // a radio group runs to the next group start
    for (const ControlTemplate& c : t.controls) {
        if (c.has(kGroupStart)) inRadioGroup = false;
        const bool first = c.kind == ControlKind::Radio && !inRadioGroup;
        if (c.kind == ControlKind::Radio) inRadioGroup = true;
        items.push_back(dialogItem(c, first));
    }
    return items;
}

std::uint32_t dialogStyle() {
    return DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
}

std::vector<std::uint16_t> dialogTemplateWords(const DialogFrame& frame,
                                               std::span<const DialogItem> items) {
    TemplateWriter out;
    out.word(1);       // version
    out.word(0xFFFF);  // extended template
    out.dword(0);      // help id
    out.dword(0);      // extended style
    out.dword(dialogStyle());
    out.word(static_cast<std::uint32_t>(items.size()));
    out.rect({0, 0, frame.width, frame.height});
    out.word(0);  // no menu
    out.word(0);  // the dialog class
    out.text(frame.caption);
    out.word(static_cast<std::uint32_t>(frame.fontPoints));
    out.word(FW_NORMAL);
    out.word(DEFAULT_CHARSET << 8);  // not italic; the charset
    out.text(L"MS Shell Dlg");
    for (const DialogItem& item : items) writeItem(out, item);
    return out.take();
}

std::vector<std::uint16_t> dialogTemplateWords(const DialogTemplate& t, int fontPoints) {
    const DialogFrame frame{wideFromBytes(t.caption), t.width, t.height, fontPoints};
    return dialogTemplateWords(frame, dialogItems(t));
}

}  // namespace mapedit
