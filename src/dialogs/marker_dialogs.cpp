// Mazewalk and drawbridge markers: the low four bits of the overlay.
#include <array>

#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/property_dialogs.h"
#include "resources/dialog_ids/drawbridge.h"
#include "resources/dialog_ids/mazewalk.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace walk = control::mazewalk;
namespace bridge = control::drawbridge;

// North, east, south, west: the radio of each stored direction.
constexpr std::array<int, 4> kWalkDirections = {walk::kNorth, walk::kEast, walk::kSouth,
                                                walk::kWest};
// The bridge's radios say where it opens towards, the side opposite the
// direction stored.
constexpr std::array<int, 4> kBridgeDirections = {bridge::kSouth, bridge::kWest, bridge::kNorth,
                                                  bridge::kEast};
constexpr int kClosedBit = 4;

class MazewalkDialog final : public DialogProcedure {
  public:
    explicit MazewalkDialog(int& marker) : DialogProcedure(dialog::kMazewalk), marker_(marker) {}

    void initialise(DialogControls& c) override {
        checkOneOf(c, kWalkDirections, marker_ & 3);
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override {
        marker_ = checkedIndex(c, kWalkDirections, marker_);
    }

  private:
    int& marker_;
};

class DrawbridgeDialog final : public DialogProcedure {
  public:
    explicit DrawbridgeDialog(int& marker)
        : DialogProcedure(dialog::kDrawbridge), marker_(marker) {}

    void initialise(DialogControls& c) override {
        checkOneOf(c, kBridgeDirections, marker_ & 3);
        c.setChecked(bridge::kOpen, (marker_ & kClosedBit) == 0);
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override {
        const int direction = checkedIndex(c, kBridgeDirections, 0);
        marker_ = c.isChecked(bridge::kOpen) ? direction : direction + kClosedBit;
    }

  private:
    int& marker_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(MazewalkMarker marker, Variant) {
    return std::make_unique<MazewalkDialog>(marker.marker);
}

std::unique_ptr<PropertyDialog> makePropertyDialog(DrawbridgeMarker marker, Variant) {
    return std::make_unique<DrawbridgeDialog>(marker.marker);
}

}  // namespace mapedit
