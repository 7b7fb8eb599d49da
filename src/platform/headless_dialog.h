#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.h"

namespace mapedit {

// A property dialog without a window: the controls of its template kept in
// memory, initialised by its procedure when it opens. The user's input
// goes through click, type and choose, which trigger the procedure's
// reactions as a real dialog would; ok and cancel end it.
class HeadlessDialog : public DialogControls {
  public:
    explicit HeadlessDialog(PropertyDialog& dialog);

    // The user's input. Each returns why it cannot be done (a control that
    // is missing, disabled or of another kind; a missing entry), or "".
    std::string click(int id);
    std::string type(int id, std::string_view text);
    std::string choose(int id, std::string_view entry);
    std::string choose(int id, int index);

    DialogResult ok();
    DialogResult cancel() { return DialogResult::Cancel; }

    // One line per radio, check box, edit box and drop-down, in template
    // order: `  ID radio on|off`, `  ID check on|off`, `  ID edit "TEXT"`,
    // `  ID list N "TEXT" of M`, each with ` disabled` when it is.
    std::vector<std::string> stateLines() const;

    bool centred() const { return centred_; }
    int dropDownRows(int id) const;
    // Calls the procedure made for ids its template lacks: each is a fault.
    const std::vector<std::string>& strayCalls() const { return strayCalls_; }

    // DialogControls.
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
    void centerOnScreen() override { centred_ = true; }

  private:
    struct Control {
        const ControlTemplate* look = nullptr;
        bool checked = false;
        bool enabled = true;
        std::string text;
        std::vector<std::string> entries;
        int selected = -1;
        int rows = 0;
    };

    // The control with the id; a miss is noted as a stray call.
    Control* find(int id, const char* call);
    const Control* find(int id, const char* call) const;
    std::string refusal(int id, std::initializer_list<ControlKind> kinds) const;
    void uncheckGroupOf(const Control& radio);

    PropertyDialog& dialog_;
    std::vector<Control> controls_;  // template order
    mutable std::vector<std::string> strayCalls_;
    bool centred_ = false;
};

}  // namespace mapedit
