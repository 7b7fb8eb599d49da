#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_controls.h"
#include "platform/dialog_template.h"

namespace mapedit {

// The controls of a dialog built from its template, as its procedure sees
// them. Windows sends no notification for these calls (BM_SETCHECK,
// CB_SETCURSEL), so the program's changes trigger no reaction.
class Win32DialogControls : public DialogControls {
  public:
    // `dialog` holds one child window per control of `controls`, in order.
    Win32DialogControls(HWND dialog, std::span<const ControlTemplate> controls);

    // The window of the template's control `index`.
    HWND window(std::size_t index) const { return windows_[index]; }
    std::size_t size() const { return windows_.size(); }

    void setChecked(int id, bool checked) override;
    bool isChecked(int id) const override;
    void setText(int id, std::string_view text) override;
    std::string text(int id) const override;
    void clearList(int id) override;
    void addEntry(int id, std::string_view text) override;
    int entryCount(int id) const override;
    std::string entryText(int id, int index) const override;
    void select(int id, int index) override;
    int selection(int id) const override;
    void setDropDownRows(int id, int rows) override;
    void setEnabled(int id, bool enabled) override;
    void centerOnScreen() override;

  private:
    // The place in template order of the control with the id, or -1.
    int indexOf(int id) const;
    // The window of the control with the id, when it is of one of the
    // kinds; null otherwise.
    HWND find(int id, ControlKind kind) const;
    HWND find(int id, ControlKind kind, ControlKind other) const;
    HWND find(int id) const;
    void uncheckGroupOf(std::size_t index);

    HWND dialog_;
    std::span<const ControlTemplate> controls_;
    std::vector<HWND> windows_;  // template order
};

}  // namespace mapedit
