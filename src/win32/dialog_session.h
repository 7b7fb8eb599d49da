#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "platform/shell.h"
#include "win32/win32_dialog_controls.h"

namespace mapedit {

// One showing of a property dialog: the template built in memory at the
// zoom's font size, and the dialog procedure that lays the controls out,
// runs the dialog's procedure on them and ends on OK or Cancel. Modal in
// the program; tests open it modeless and work its controls.
class PropertyDialogSession {
  public:
    PropertyDialogSession(HWND owner, PropertyDialog& dialog, int zoom);

    DialogResult runModal();
    // The dialog, hidden, or null when it cannot be created; the caller
    // destroys it.
    HWND openModeless();

    // How the dialog ended, once it has.
    std::optional<DialogResult> result() const { return result_; }
    // The controls, once the dialog exists.
    Win32DialogControls* controls() { return controls_ ? &*controls_ : nullptr; }
    int fontPoints() const { return fontPoints_; }

  private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void initialise(HWND window);
    void command(HWND window, int id, int code);
    void end(HWND window, DialogResult result);
    void showIcons();

    HWND owner_;
    PropertyDialog& dialog_;
    int fontPoints_;
    std::vector<std::uint16_t> words_;
    std::optional<Win32DialogControls> controls_;
    struct IconDeleter {
        void operator()(HICON icon) const { DestroyIcon(icon); }
    };
    std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter> icon_;
    std::optional<DialogResult> result_;
};

}  // namespace mapedit
