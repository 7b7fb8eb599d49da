// An object: its class, name, position, container flag, curse state,
// enchantment, material, probability and the names it may carry.
#include <array>
#include <string_view>

#include "dialogs/class_picker.h"
#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/property_dialogs.h"
#include "model/ascii_case.h"
#include "model/catalogue.h"
#include "model/names.h"
#include "resources/dialog_ids/object.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace ids = control::object;

constexpr std::array<int, 4> kPositions = {ids::kHere, ids::kRandomPlace, ids::kShufflePlace,
                                           ids::kContained};

constexpr std::string_view kObjectSymbols = ")[=\"(%!?+/*`0_";
constexpr ClassPicker kClasses = {
    .fixedRadio = ids::kFixedClass,
    .randomRadio = ids::kRandomClass,
    .shuffleRadio = ids::kShuffleClass,
    .symbolList = ids::kSymbolList,
    .nameList = ids::kNameList,
    .symbols = kObjectSymbols,
    .symbolRows = 14,
    .fallbackSymbol = ')',
    .fallbackName = "dagger",
};
constexpr int kCurseRows = 5;
constexpr int kMaterialRows = 6;

class ObjectDialog final : public DialogProcedure {
  public:
    ObjectDialog(ObjectSpec& object, Variant variant)
        : DialogProcedure(dialog::kObject), o_(object), variant_(variant) {}

    void initialise(DialogControls& c) override {
        openClassPicker(c, kClasses, o_.symbol, o_.name, variant_);
        checkChoice(c, kPositions, o_.placement);
        c.setChecked(ids::kContainer, o_.isContainer != 0);
        fillList(c, ids::kCurseList, bucNames, kCurseRows, o_.buc);
        openMaterials(c);
        showChance(c, ids::kChance, o_.chance);
        c.setText(ids::kSpe, decimalText(o_.spe));
        c.setText(ids::kObjectName, o_.optionalName.view());
        c.setText(ids::kMonsterType, o_.monsterName.view());
        c.centerOnScreen();
    }

    // Unlike the monster's, "(random)" leaves the class radios alone.
    void controlChanged(DialogControls& c, int id) override {
        if (id == ids::kSymbolList) {
            refillNames(c, kClasses, variant_);
        } else if (id == ids::kRandomClass || id == ids::kShuffleClass) {
            c.select(ids::kNameList, 0);
        } else if (id == ids::kNameList && c.selection(ids::kNameList) > 0) {
            c.setChecked(ids::kFixedClass, true);
        }
    }

    void accept(const DialogControls& c) override {
        acceptClassPicker(c, kClasses, o_.symbol, o_.name);
        o_.placement = checkedIndex(c, kPositions, 0);
        o_.isContainer = c.isChecked(ids::kContainer) ? 1 : 0;
        o_.buc = c.selection(ids::kCurseList);
        o_.chance = decimalValue(c.text(ids::kChance));
        o_.spe = decimalValue(c.text(ids::kSpe));
        o_.optionalName.assign(quotableText(c.text(ids::kObjectName)));
        o_.monsterName.assign(quotableText(c.text(ids::kMonsterType)));
        o_.material = materialNamed(selectedText(c, ids::kMaterialList));
        o_.color = catalogueColor(variant_, o_.name.view(), 0);
    }

  private:
    // Only the Tavrel variant knows materials; elsewhere the record loses
    // its material at once.
    void openMaterials(DialogControls& c) {
        std::array<const char*, materialChoices.size()> names{};
        int selected = -1;
        for (std::size_t i = 0; i < names.size(); ++i) {
            names[i] = materialChoices[i].name;
            if (selected < 0 && materialChoices[i].material == o_.material) {
                selected = static_cast<int>(i);
            }
        }
        if (variant_ != Variant::Tavrel) {
            o_.material = 0;
            selected = 0;
            c.setEnabled(ids::kMaterialList, false);
        }
        fillList(c, ids::kMaterialList, names, kMaterialRows, selected < 0 ? 0 : selected);
    }

    static int materialNamed(std::string_view name) {
        for (const MaterialChoice& m : materialChoices) {
            if (equalsIgnoringAsciiCase(m.name, name)) return m.material;
        }
        return 0;
    }

    ObjectSpec& o_;
    Variant variant_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(ObjectSpec& object, Variant variant) {
    return std::make_unique<ObjectDialog>(object, variant);
}

}  // namespace mapedit
