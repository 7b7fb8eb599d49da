// Mazewalk and drawbridge markers: their direction, and whether a bridge is closed.
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
class MazewalkDialog final : public DialogProcedure {
  public:
    explicit MazewalkDialog(std::uint8_t& overlay)
        : DialogProcedure(dialog::kMazewalk), overlay_(overlay) {}

    void initialise(DialogControls& c) override {
        checkOneOf(c, kWalkDirections, markerDirection(overlay_));
        c.centerOnScreen();
    }

    // Without a radio checked the marker stays as it was.
    void accept(const DialogControls& c) override {
        overlay_ = mazewalkOverlay(checkedIndex(c, kWalkDirections, markerSetting(overlay_)));
    }

  private:
    std::uint8_t& overlay_;
};

class DrawbridgeDialog final : public DialogProcedure {
  public:
    explicit DrawbridgeDialog(std::uint8_t& overlay)
        : DialogProcedure(dialog::kDrawbridge), overlay_(overlay) {}

    void initialise(DialogControls& c) override {
        checkOneOf(c, kBridgeDirections, markerDirection(overlay_));
        c.setChecked(bridge::kOpen, !isDrawbridgeClosed(overlay_));
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override {
        overlay_ =
            drawbridgeOverlay(checkedIndex(c, kBridgeDirections, 0), !c.isChecked(bridge::kOpen));
    }

  private:
    std::uint8_t& overlay_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(MazewalkMarker marker, Variant) {
    return std::make_unique<MazewalkDialog>(marker.overlay);
}

std::unique_ptr<PropertyDialog> makePropertyDialog(DrawbridgeMarker marker, Variant) {
    return std::make_unique<DrawbridgeDialog>(marker.overlay);
}

}  // namespace mapedit
