// A door's state.
#include <array>

#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/property_dialogs.h"
#include "resources/dialog_ids/door.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace ids = control::door;

// By the state each stores.
constexpr std::array<int, 6> kStates = {ids::kOpen,   ids::kClosed, ids::kLocked,
                                        ids::kNoDoor, ids::kBroken, ids::kRandom};

class DoorDialog final : public DialogProcedure {
  public:
    explicit DoorDialog(int& state) : DialogProcedure(dialog::kDoor), state_(state) {}

    // A state outside the list checks no radio, and OK then keeps it.
    void initialise(DialogControls& c) override {
        checkOneOf(c, kStates, state_);
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override { state_ = checkedIndex(c, kStates, state_); }

  private:
    int& state_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(DoorState door, Variant) {
    return std::make_unique<DoorDialog>(door.state);
}

}  // namespace mapedit
