// A room region: its type, lighting, fill and shape.
#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/procedures.h"
#include "model/area_style.h"
#include "model/format_words.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

constexpr int kTypeList = 1089;
constexpr int kTypeRows = 8;
constexpr int kLit = 1083, kUnlit = 1084, kRandomLight = 1085;
constexpr int kDefaultFill = 1086, kFilled = 1087, kUnfilled = 1090;
constexpr int kIrregular = 1088;

class RegionDialog final : public DialogProcedure {
  public:
    explicit RegionDialog(AreaRecord& room) : DialogProcedure(dialog::kRegion), room_(room) {}

    void initialise(DialogControls& c) override {
        fillList(c, kTypeList, words::kRoomTypes, kTypeRows, room_.kind);
        c.setChecked(room_.param == -1 ? kRandomLight : room_.param != 0 ? kLit : kUnlit, true);
        c.setChecked(room_.filled == 1   ? kUnfilled
                     : room_.filled == 2 ? kFilled
                                         : kDefaultFill,
                     true);
        c.setChecked(kIrregular, room_.irregular != 0);
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override {
        room_.kind = c.selection(kTypeList);
        room_.param = c.isChecked(kUnlit) ? 0 : c.isChecked(kRandomLight) ? -1 : 1;
        room_.filled = c.isChecked(kUnfilled) ? 1 : c.isChecked(kFilled) ? 2 : 0;
        room_.irregular = c.isChecked(kIrregular) ? 1 : 0;
        styleArea(room_);
    }

  private:
    AreaRecord& room_;
};

}  // namespace

std::unique_ptr<PropertyDialog> regionDialog(AreaRecord& room) {
    return std::make_unique<RegionDialog>(room);
}

}  // namespace mapedit
