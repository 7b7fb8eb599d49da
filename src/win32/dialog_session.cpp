#include "win32/dialog_session.h"

#include "win32/dialog_font.h"
#include "win32/dialog_layout.h"
#include "win32/dialog_template_builder.h"
#include "win32/pixel_art_bitmap.h"
#include "win32/template_dialog.h"

namespace mapedit {

namespace {

int dpiOf(HWND owner) {
    return static_cast<int>(owner != nullptr ? GetDpiForWindow(owner) : GetDpiForSystem());
}

PropertyDialogSession* sessionOf(HWND window) {
    return reinterpret_cast<PropertyDialogSession*>(GetWindowLongPtrW(window, DWLP_USER));
}

const ControlTemplate* controlWithId(const DialogTemplate& t, int id) {
    for (const ControlTemplate& c : t.controls) {
        if (c.id == id && id != kNoControlId) return &c;
    }
    return nullptr;
}

}  // namespace

PropertyDialogSession::PropertyDialogSession(HWND owner, PropertyDialog& dialog, int zoom)
    : owner_(owner),
      dialog_(dialog),
      fontPoints_(dialogFontPoints(dialog.dialogTemplate().fontSize, zoom, dpiOf(owner))),
      words_(dialogTemplateWords(dialog.dialogTemplate(), fontPoints_)) {}

DialogResult PropertyDialogSession::runModal() {
    const auto answer = runTemplateDialog(words_, owner_, &procedure, this);
    return answer == IDOK ? DialogResult::Ok : DialogResult::Cancel;
}

HWND PropertyDialogSession::openModeless() {
    return openTemplateDialog(words_, owner_, &procedure, this);
}

INT_PTR CALLBACK PropertyDialogSession::procedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<PropertyDialogSession*>(lParam)->initialise(window);
        return TRUE;  // the first control that takes Tab gets the focus
    }
    PropertyDialogSession* session = sessionOf(window);
    if (session == nullptr || message != WM_COMMAND) return FALSE;
    session->command(window, LOWORD(wParam), HIWORD(wParam));
    return TRUE;
}

void PropertyDialogSession::initialise(HWND window) {
    const DialogTemplate& t = dialog_.dialogTemplate();
    controls_.emplace(window, t.controls);
    layOutDialog(window, t, *controls_);
    showIcons();
    dialog_.initialise(*controls_);
}

void PropertyDialogSession::showIcons() {
    const std::span<const ControlTemplate> controls = dialog_.dialogTemplate().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind != ControlKind::Icon) continue;
        if (!icon_) icon_.reset(programIconHandle(2));
        SendMessageW(controls_->window(i), STM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(icon_.get()));
    }
}

// What the user did with a control: OK and Cancel end the dialog, other
// buttons, radios, boxes and drop-downs reach the procedure.
void PropertyDialogSession::command(HWND window, int id, int code) {
    if (id == IDOK && code == BN_CLICKED) {
        dialog_.accept(*controls_);
        end(window, DialogResult::Ok);
        return;
    }
    if (id == IDCANCEL && code == BN_CLICKED) {
        end(window, DialogResult::Cancel);
        return;
    }
    const ControlTemplate* c = controlWithId(dialog_.dialogTemplate(), id);
    if (c == nullptr) return;
    switch (c->kind) {
        case ControlKind::Radio:
            // A radio that takes the focus unchecked tells of a click the
            // user did not make.
            if (code == BN_CLICKED && controls_->isChecked(id))
                dialog_.controlChanged(*controls_, id);
            break;
        case ControlKind::CheckBox:
        case ControlKind::Button:
            if (code == BN_CLICKED) dialog_.controlChanged(*controls_, id);
            break;
        case ControlKind::DropDown:
            if (code == CBN_SELCHANGE) dialog_.controlChanged(*controls_, id);
            break;
        default:
            break;
    }
}

void PropertyDialogSession::end(HWND window, DialogResult result) {
    result_ = result;
    EndDialog(window, result == DialogResult::Ok ? IDOK : IDCANCEL);
}

}  // namespace mapedit
