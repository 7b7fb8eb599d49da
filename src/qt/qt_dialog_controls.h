#pragma once

#include <QDialog>
#include <QWidget>
#include <map>

#include "platform/dialog_controls.h"

namespace mapedit {

// The controls of a dialog built from its template, as its procedure sees
// them. Changes made here are the program's: they send no signals, so no
// reaction runs for them.
class QtDialogControls : public DialogControls {
  public:
    explicit QtDialogControls(QDialog& box) : box_(box) {}

    void add(int id, QWidget* control) { controls_[id] = control; }

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
    QWidget* control(int id) const;
    template <typename W>
    W* find(int id) const;

    QDialog& box_;
    std::map<int, QWidget*> controls_;
};

}  // namespace mapedit
