// An object: its class, name, position, container flag, curse state,
// enchantment, material, probability and the names it may carry.
#include <array>
#include <string_view>

#include "dialogs/class_picker.h"
#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/procedures.h"
#include "model/ascii_case.h"
#include "model/catalogue.h"
#include "model/names.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

constexpr int kFixedClass = 1063;
constexpr int kRandomClass = 1065;
constexpr int kShuffleClass = 1066;
constexpr int kSymbolList = 1064;
constexpr int kNameList = 1068;
constexpr int kContainer = 1078;
constexpr std::array<int, 4> kPositions = {1071, 1072, 1073, 1074};  // here .. contained
constexpr int kCurseList = 1061;
constexpr int kSpe = 1048;
constexpr int kMaterialList = 1062;
constexpr int kChance = 1076;
constexpr int kObjectName = 1049;
constexpr int kMonsterType = 1075;

constexpr std::string_view kObjectSymbols = ")[=\"(%!?+/*`0_";
constexpr ClassPicker kClasses = {kFixedClass, kRandomClass, kShuffleClass,
                                  kSymbolList, kNameList,    kObjectSymbols,
                                  14,          ')',          "dagger"};
constexpr int kCurseRows = 5;
constexpr int kMaterialRows = 6;

class ObjectDialog final : public DialogProcedure {
  public:
    ObjectDialog(ObjectSpec& object, Variant variant)
        : DialogProcedure(dialog::kObject), o_(object), variant_(variant) {}

    void initialise(DialogControls& c) override {
        openClassPicker(c, kClasses, o_.symbol, o_.name, variant_);
        checkChoice(c, kPositions, o_.placement);
        c.setChecked(kContainer, o_.isContainer != 0);
        fillList(c, kCurseList, bucNames, kCurseRows, o_.buc);
        openMaterials(c);
        showChance(c, kChance, o_.chance);
        c.setText(kSpe, decimalText(o_.spe));
        c.setText(kObjectName, o_.optionalName.view());
        c.setText(kMonsterType, o_.monsterName.view());
        c.centerOnScreen();
    }

    // Unlike the monster's, "(random)" leaves the class radios alone.
    void controlChanged(DialogControls& c, int id) override {
        if (id == kSymbolList) {
            refillNames(c, kClasses, variant_);
        } else if (id == kRandomClass || id == kShuffleClass) {
            c.select(kNameList, 0);
        } else if (id == kNameList && c.selection(kNameList) > 0) {
            c.setChecked(kFixedClass, true);
        }
    }

    void accept(const DialogControls& c) override {
        acceptClassPicker(c, kClasses, o_.symbol, o_.name);
        o_.placement = checkedIndex(c, kPositions, 0);
        o_.isContainer = c.isChecked(kContainer) ? 1 : 0;
        o_.buc = c.selection(kCurseList);
        o_.chance = decimalValue(c.text(kChance));
        o_.spe = decimalValue(c.text(kSpe));
        o_.optionalName.assign(quotableText(c.text(kObjectName)));
        o_.monsterName.assign(quotableText(c.text(kMonsterType)));
        o_.material = materialNamed(selectedText(c, kMaterialList));
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
            c.setEnabled(kMaterialList, false);
        }
        fillList(c, kMaterialList, names, kMaterialRows, selected < 0 ? 0 : selected);
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

std::unique_ptr<PropertyDialog> objectDialog(ObjectSpec& object, Variant variant) {
    return std::make_unique<ObjectDialog>(object, variant);
}

}  // namespace mapedit
