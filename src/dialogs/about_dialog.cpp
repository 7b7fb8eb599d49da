// The program's name and version.
#include "dialogs/dialog_procedure.h"
#include "dialogs/property_dialogs.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

class AboutDialog final : public DialogProcedure {
  public:
    AboutDialog() : DialogProcedure(dialog::kAbout) {}
    void initialise(DialogControls& c) override { c.centerOnScreen(); }
    void accept(const DialogControls&) override {}
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(AboutBox, Variant) {
    return std::make_unique<AboutDialog>();
}

}  // namespace mapedit
