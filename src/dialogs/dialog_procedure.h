#pragma once

#include "platform/shell.h"

namespace mapedit {

// A dialog procedure on the template of its id. Dialogs without reactions
// keep the empty one.
class DialogProcedure : public PropertyDialog {
  public:
    // The id must be one of resources/dialog_templates.h.
    explicit DialogProcedure(int templateId);
    const DialogTemplate& dialogTemplate() const override { return template_; }
    void controlChanged(DialogControls&, int) override {}

  private:
    const DialogTemplate& template_;
};

}  // namespace mapedit
