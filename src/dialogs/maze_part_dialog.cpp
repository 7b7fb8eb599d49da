// A map part's alignments, packed as horizontal * 16 + vertical.
#include <array>

#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/property_dialogs.h"
#include "resources/dialog_ids/maze_part.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace ids = control::maze_part;

// By the alignment each stores.
constexpr std::array<int, 5> kHorizontal = {ids::kLeft, ids::kHalfLeft, ids::kHorizontalCenter,
                                            ids::kHalfRight, ids::kRight};
constexpr std::array<int, 3> kVertical = {ids::kTop, ids::kVerticalCenter, ids::kBottom};

class MazePartDialog final : public DialogProcedure {
  public:
    explicit MazePartDialog(int& alignment)
        : DialogProcedure(dialog::kMazePart), alignment_(alignment) {}

    void initialise(DialogControls& c) override {
        checkOneOf(c, kHorizontal, alignment_ / 16 % 16);
        checkOneOf(c, kVertical, alignment_ % 16);
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override {
        alignment_ = checkedIndex(c, kVertical, 0) + 16 * checkedIndex(c, kHorizontal, 0);
    }

  private:
    int& alignment_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(PartAlignment alignment, Variant) {
    return std::make_unique<MazePartDialog>(alignment.packed);
}

}  // namespace mapedit
