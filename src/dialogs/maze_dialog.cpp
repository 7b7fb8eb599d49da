// The level's name, background and flags.
#include <array>
#include <string_view>

#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/property_dialogs.h"
#include "model/names.h"
#include "resources/dialog_ids/maze.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace ids = control::maze;

constexpr std::array<int, 3> kFillModes = {ids::kRandomMaze, ids::kFilling, ids::kInitMap};

// The map character each terrain choice stores; the last two exist only
// in the Tavrel variant.
constexpr std::string_view kTerrainSymbols = " -|.I}PLTACMt";
constexpr int kCommonTerrains = 11;
constexpr int kTerrainRows = 6;

struct FlagBox {
    int id;
    bool second;  // a bit of levelFlags2
    std::uint8_t bit;
};
constexpr std::array<FlagBox, 10> kFlagBoxes = {{
    {ids::kNoTeleport, false, kNoTeleport},
    {ids::kHardFloor, false, kHardFloor},
    {ids::kShortSighted, true, kShortSighted},
    {ids::kNoMMap, false, kNoMMap},
    {ids::kArboreal, false, kArboreal},
    {ids::kNoMonGen, true, kNoMonGen},
    {ids::kSmoothed, false, kSmoothed},
    {ids::kJoined, false, kJoined},
    {ids::kLit, false, kLit},
    {ids::kWalled, false, kWalled},
}};
// What OK rewrites of levelFlags2; its other bits are not the dialog's.
constexpr std::uint8_t kDialogBits2 = kShortSighted | kNoMonGen;

class MazeDialog final : public DialogProcedure {
  public:
    MazeDialog(LevelSettings& settings, Variant variant)
        : DialogProcedure(dialog::kMaze), s_(settings), variant_(variant) {}

    void initialise(DialogControls& c) override {
        for (const FlagBox& f : kFlagBoxes) c.setChecked(f.id, (flags(f) & f.bit) != 0);
        if (variant_ != Variant::Tavrel) c.setEnabled(ids::kNoMonGen, false);
        checkOneOf(c, kFillModes, s_.fillMode);
        c.setText(ids::kName, s_.mazeName.view());
        fillTerrains(c, ids::kFillingList, static_cast<std::uint8_t>(s_.filling));
        fillTerrains(c, ids::kInsideList, s_.initForeground);
        fillTerrains(c, ids::kOutsideList, s_.initBackground);
        c.centerOnScreen();
    }

    void accept(const DialogControls& c) override {
        s_.fillMode = checkedIndex(c, kFillModes, s_.fillMode);
        s_.mazeName.assign(quotableText(c.text(ids::kName)));
        s_.filling = static_cast<std::int8_t>(terrainSymbol(c, ids::kFillingList));
        s_.initForeground = terrainSymbol(c, ids::kInsideList);
        s_.initBackground = terrainSymbol(c, ids::kOutsideList);
        const bool wasLit = (s_.levelFlags & kLit) != 0;
        s_.levelFlags = 0;
        s_.levelFlags2 &= static_cast<std::uint8_t>(~kDialogBits2);
        for (const FlagBox& f : kFlagBoxes) {
            if (c.isChecked(f.id)) flags(f) |= f.bit;
        }
        // Random lighting shows as lit; choosing either for certain ends it.
        if (((s_.levelFlags & kLit) != 0) != wasLit) {
            s_.levelFlags2 &= static_cast<std::uint8_t>(~kRandomLighting);
        }
    }

  private:
    std::uint8_t& flags(const FlagBox& f) { return f.second ? s_.levelFlags2 : s_.levelFlags; }

    int terrainCount() const {
        return variant_ == Variant::Tavrel ? static_cast<int>(kTerrainSymbols.size())
                                           : kCommonTerrains;
    }

    // A setting that no choice stores shows as the first, stone.
    void fillTerrains(DialogControls& c, int id, std::uint8_t symbol) const {
        const auto offered = kTerrainSymbols.substr(0, static_cast<std::size_t>(terrainCount()));
        const auto at = offered.find(static_cast<char>(symbol));
        const int selected = at == std::string_view::npos ? 0 : static_cast<int>(at);
        fillList(c, id, std::span(initMapTerrainNames).first(offered.size()), kTerrainRows,
                 selected);
    }

    static std::uint8_t terrainSymbol(const DialogControls& c, int id) {
        const int at = c.selection(id);
        const bool inList = at >= 0 && at < static_cast<int>(kTerrainSymbols.size());
        return static_cast<std::uint8_t>(
            kTerrainSymbols[inList ? static_cast<std::size_t>(at) : 0]);
    }

    LevelSettings& s_;
    Variant variant_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(LevelSettings& settings, Variant variant) {
    return std::make_unique<MazeDialog>(settings, variant);
}

}  // namespace mapedit
