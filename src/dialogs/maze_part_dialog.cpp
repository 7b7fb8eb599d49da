// A map part's alignments.
#include <array>

#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/property_dialogs.h"
#include "resources/dialog_ids/maze_part.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace ids = control::maze_part;

// By the alignment each stands for.
constexpr std::array<int, 5> kHorizontal = {ids::kLeft, ids::kHalfLeft, ids::kHorizontalCenter,
                                            ids::kHalfRight, ids::kRight};
constexpr std::array<int, 3> kVertical = {ids::kTop, ids::kVerticalCenter, ids::kBottom};

class MazePartDialog final : public DialogProcedure {
  public:
    explicit MazePartDialog(PartAlignment& alignment)
        : DialogProcedure(dialog::kMazePart), alignment_(alignment) {}

    void initialise(DialogControls& c) override {
        checkOneOf(c, kHorizontal, static_cast<int>(alignment_.horizontal));
        checkOneOf(c, kVertical, static_cast<int>(alignment_.vertical));
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override {
        alignment_.horizontal = static_cast<HorizontalAlignment>(checkedIndex(c, kHorizontal, 0));
        alignment_.vertical = static_cast<VerticalAlignment>(checkedIndex(c, kVertical, 0));
    }

  private:
    PartAlignment& alignment_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(PartAlignment& alignment, Variant) {
    return std::make_unique<MazePartDialog>(alignment);
}

}  // namespace mapedit
