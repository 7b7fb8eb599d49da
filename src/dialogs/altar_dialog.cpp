// An altar's alignment and type, changed in the cell's detail itself.
#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/property_dialogs.h"
#include "model/format_words.h"
#include "model/names.h"
#include "resources/dialog_ids/altar.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace ids = control::altar;

class AltarDialog final : public DialogProcedure {
  public:
    explicit AltarDialog(std::uint8_t& detail) : DialogProcedure(dialog::kAltar), detail_(detail) {}

    void initialise(DialogControls& c) override {
        fillList(c, ids::kAlignmentList, altarAlignmentNames, 10, detail_ & 0x0F);
        fillList(c, ids::kTypeList, words::kAltarTypes, 3, detail_ >> 4);
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override {
        detail_ = static_cast<std::uint8_t>(c.selection(ids::kTypeList) * 16 +
                                            c.selection(ids::kAlignmentList));
    }

  private:
    std::uint8_t& detail_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(AltarDetail altar, Variant) {
    return std::make_unique<AltarDialog>(altar.detail);
}

}  // namespace mapedit
