#pragma once

// A property dialog opened modeless over an owner, its procedure's calls
// recorded, for tests that work its controls as the user would.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "support/dialog_subjects.h"
#include "test_windows.h"
#include "win32/dialog_session.h"
#include "win32/wide_text.h"

namespace mapedit::test {

// Passes everything to the dialog, noting the controls the user changed.
class RecordingDialog : public PropertyDialog {
  public:
    explicit RecordingDialog(PropertyDialog& inner) : inner_(inner) {}
    const DialogTemplate& dialogTemplate() const override { return inner_.dialogTemplate(); }
    void initialise(DialogControls& controls) override { inner_.initialise(controls); }
    void controlChanged(DialogControls& controls, int id) override {
        changed.push_back(id);
        inner_.controlChanged(controls, id);
    }
    void accept(const DialogControls& controls) override { inner_.accept(controls); }

    std::vector<int> changed;

  private:
    PropertyDialog& inner_;
};

struct OpenDialog {
    OpenDialog(HWND owner, int templateId, int zoom)
        : dialog(subjects.dialogFor(templateId, Variant::Vanilla)),
          recorder(*dialog),
          session(owner, recorder, zoom),
          window(session.openModeless()) {}

    const DialogTemplate& look() const { return dialog->dialogTemplate(); }
    Win32DialogControls& controls() { return *session.controls(); }
    HWND control(std::size_t index) { return controls().window(index); }

    // The user clicks a button, radio or box.
    void click(std::size_t index) { SendMessageW(control(index), BM_CLICK, 0, 0); }
    // The user chooses an entry of a drop-down.
    void choose(std::size_t index, int entry) {
        const HWND list = control(index);
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        SendMessageW(window.get(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    void press(int buttonId) {
        SendMessageW(window.get(), WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window.get(), buttonId)));
    }

    // The states of the radios, boxes, edits and drop-downs in the words of
    // HeadlessDialog::stateLines.
    std::vector<std::string> stateLines() {
        std::vector<std::string> lines;
        DialogControls& c = controls();
        for (std::size_t i = 0; i < look().controls.size(); ++i) {
            const ControlTemplate& t = look().controls[i];
            const char* onOff = c.isChecked(t.id) ? "on" : "off";
            std::string line;
            switch (t.kind) {
                case ControlKind::Radio:
                    line = fmt::format("  {} radio {}", t.id, onOff);
                    break;
                case ControlKind::CheckBox:
                    line = fmt::format("  {} check {}", t.id, onOff);
                    break;
                case ControlKind::Edit:
                    line = fmt::format("  {} edit \"{}\"", t.id, c.text(t.id));
                    break;
                case ControlKind::DropDown:
                    line = fmt::format("  {} list {} \"{}\" of {}", t.id, c.selection(t.id),
                                       c.entryText(t.id, c.selection(t.id)), c.entryCount(t.id));
                    break;
                default:
                    continue;
            }
            if (!IsWindowEnabled(control(i))) line += " disabled";
            lines.push_back(std::move(line));
        }
        return lines;
    }

    DialogSubjects subjects;
    std::unique_ptr<PropertyDialog> dialog;
    RecordingDialog recorder;
    PropertyDialogSession session;
    WindowGuard window;
};

}  // namespace mapedit::test
