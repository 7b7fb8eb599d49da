// A monster: its class, name, position, attitude, sleep, alignment or
// appearance, given name and probability.
#include <array>
#include <string_view>

#include "dialogs/class_picker.h"
#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/name_list.h"
#include "dialogs/property_dialogs.h"
#include "model/catalogue.h"
#include "model/names.h"
#include "resources/dialog_ids/monster.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

namespace ids = control::monster;

constexpr std::array<int, 3> kPositions = {ids::kHere, ids::kRandomPlace, ids::kShufflePlace};
constexpr std::array<int, 3> kAttitudes = {ids::kDefaultAttitude, ids::kHostile, ids::kPeaceful};
constexpr std::array<int, 3> kSleeps = {ids::kDefaultSleep, ids::kAsleep, ids::kAwake};

constexpr std::string_view kMonsterSymbols =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHJKLMNOPQRSTUVWXYZ@&;: '";
constexpr ClassPicker kClasses = {
    .fixedRadio = ids::kFixedClass,
    .randomRadio = ids::kRandomClass,
    .shuffleRadio = ids::kShuffleClass,
    .symbolList = ids::kSymbolList,
    .nameList = ids::kNameList,
    .symbols = kMonsterSymbols,
    .symbolRows = 13,
    .fallbackSymbol = 'a',
    .fallbackName = "giant ant",
};
constexpr int kShortListRows = 4;

class MonsterDialog final : public DialogProcedure {
  public:
    MonsterDialog(MonsterSpec& monster, Variant variant)
        : DialogProcedure(dialog::kMonster), m_(monster), variant_(variant) {}

    void initialise(DialogControls& c) override {
        openClassPicker(c, kClasses, m_.symbol, m_.name, variant_);
        checkChoice(c, kPositions, m_.placement);
        checkChoice(c, kAttitudes, m_.attitude);
        checkChoice(c, kSleeps, m_.sleep);
        fillList(c, ids::kAlignmentList, monsterAlignmentNames, kShortListRows, m_.alignment);
        fillList(c, ids::kAppearanceList, appearKindNames, kShortListRows, m_.appearKind);
        c.setChecked(m_.appearKind != 0 ? ids::kAppearance : ids::kNameOrAlignment, true);
        showChance(c, ids::kChance, m_.chance);
        c.setText(ids::kGivenName, m_.appearName.view());
        c.centerOnScreen();
    }

    // At most one of alignment and appearance is set through the controls.
    void controlChanged(DialogControls& c, int id) override {
        if (id == ids::kSymbolList) {
            refillNames(c, kClasses, variant_);
        } else if (id == ids::kRandomClass || id == ids::kShuffleClass) {
            c.select(ids::kNameList, 0);
        } else if (id == ids::kNameList) {
            c.setChecked(ids::kFixedClass, true);
        } else if (id == ids::kAlignmentList) {
            if (c.selection(ids::kAlignmentList) > 0) {
                c.setChecked(ids::kNameOrAlignment, true);
                c.select(ids::kAppearanceList, 0);
            }
        } else if (id == ids::kNameOrAlignment) {
            c.select(ids::kAppearanceList, 0);
        } else if (id == ids::kAppearance) {
            c.select(ids::kAppearanceList, 1);
            c.select(ids::kAlignmentList, 0);
        } else if (id == ids::kAppearanceList) {
            const bool appears = c.selection(ids::kAppearanceList) > 0;
            c.setChecked(appears ? ids::kAppearance : ids::kNameOrAlignment, true);
            if (appears) c.select(ids::kAlignmentList, 0);
        }
    }

    void accept(const DialogControls& c) override {
        acceptClassPicker(c, kClasses, m_.symbol, m_.name);
        m_.attitude = checkedIndex(c, kAttitudes, 0);
        m_.sleep = checkedIndex(c, kSleeps, 0);
        m_.placement = checkedIndex(c, kPositions, 0);
        m_.alignment = c.selection(ids::kAlignmentList);
        m_.appearKind = c.selection(ids::kAppearanceList);
        m_.chance = decimalValue(c.text(ids::kChance));
        m_.appearName.assign(quotableText(c.text(ids::kGivenName)));
        m_.color = catalogueColor(variant_, m_.name.view(), 0);
    }

  private:
    MonsterSpec& m_;
    Variant variant_;
};

}  // namespace

std::unique_ptr<PropertyDialog> makePropertyDialog(MonsterSpec& monster, Variant variant) {
    return std::make_unique<MonsterDialog>(monster, variant);
}

}  // namespace mapedit
