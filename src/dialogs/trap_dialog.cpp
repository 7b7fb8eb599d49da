// A trap: its type, position and probability.
#include <array>

#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/name_list.h"
#include "dialogs/property_dialogs.h"
#include "model/catalogue.h"
#include "resources/dialog_ids/trap.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace ids = control::trap;

constexpr std::array<int, 3> kPositions = {ids::kHere, ids::kRandomPlace, ids::kShufflePlace};
constexpr int kTrapClass = '^';

class TrapDialog final : public DialogProcedure {
  public:
    TrapDialog(TrapSpec& trap, Variant variant)
        : DialogProcedure(dialog::kTrap), t_(trap), variant_(variant) {}

    // The catalogue lists the traps in the order of their types, after
    // "(random)", so an entry's index is its type.
    void initialise(DialogControls& c) override {
        fillNameList(c, ids::kTypeList, kTrapClass, variant_);
        c.select(ids::kTypeList, t_.trapType);
        checkChoice(c, kPositions, t_.placement);
        showChance(c, ids::kChance, t_.chance);
        c.centerOnScreen();
    }

    // "(random)" keeps the name of the type chosen before; the colour goes
    // back to the default.
    void accept(const DialogControls& c) override {
        const int type = c.selection(ids::kTypeList);
        if (type > 0) t_.trapName.assign(c.entryText(ids::kTypeList, type));
        t_.trapType = type;
        t_.placement = checkedIndex(c, kPositions, 0);
        t_.chance = decimalValue(c.text(ids::kChance));
        t_.color =
            type != 0 ? catalogueColor(variant_, t_.trapName.view(), kTrapClass) : kDefaultColor;
    }

  private:
    TrapSpec& t_;
    Variant variant_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(TrapSpec& trap, Variant variant) {
    return std::make_unique<TrapDialog>(trap, variant);
}

}  // namespace mapedit
