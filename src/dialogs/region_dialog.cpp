// A room region: its type, lighting, fill and shape.
#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/property_dialogs.h"
#include "model/area_style.h"
#include "model/format_words.h"
#include "resources/dialog_ids/region.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace ids = control::region;

constexpr int kTypeRows = 8;

class RegionDialog final : public DialogProcedure {
  public:
    explicit RegionDialog(AreaRecord& room) : DialogProcedure(dialog::kRegion), room_(room) {}

    void initialise(DialogControls& c) override {
        fillList(c, ids::kTypeList, words::kRoomTypes, kTypeRows, room_.kind);
        c.setChecked(room_.param == -1  ? ids::kRandomLight
                     : room_.param != 0 ? ids::kLit
                                        : ids::kUnlit,
                     true);
        c.setChecked(room_.filled == 1   ? ids::kUnfilled
                     : room_.filled == 2 ? ids::kFilled
                                         : ids::kDefaultFill,
                     true);
        c.setChecked(ids::kIrregular, room_.irregular != 0);
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override {
        room_.kind = c.selection(ids::kTypeList);
        room_.param = c.isChecked(ids::kUnlit) ? 0 : c.isChecked(ids::kRandomLight) ? -1 : 1;
        room_.filled = c.isChecked(ids::kUnfilled) ? 1 : c.isChecked(ids::kFilled) ? 2 : 0;
        room_.irregular = c.isChecked(ids::kIrregular) ? 1 : 0;
        styleArea(room_);
    }

  private:
    AreaRecord& room_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(AreaRecord& room, Variant) {
    return std::make_unique<RegionDialog>(room);
}

}  // namespace mapedit
