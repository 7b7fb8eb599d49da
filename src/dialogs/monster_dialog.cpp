// A monster: its class, name, position, attitude, sleep, alignment or
// appearance, given name and probability.
#include <array>
#include <string_view>

#include "dialogs/class_picker.h"
#include "dialogs/control_values.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/name_list.h"
#include "dialogs/procedures.h"
#include "model/catalogue.h"
#include "model/names.h"
#include "resources/dialog_templates.h"

namespace mapedit {

namespace {

constexpr int kFixedClass = 1018;
constexpr int kRandomClass = 1019;
constexpr int kShuffleClass = 1020;
constexpr int kSymbolList = 1059;
constexpr int kNameList = 1058;
constexpr std::array<int, 3> kPositions = {1052, 1053, 1054};  // here, random, shuffle
constexpr std::array<int, 3> kAttitudes = {1039, 1040, 1041};  // default, hostile, peaceful
constexpr std::array<int, 3> kSleeps = {1044, 1045, 1048};     // default, asleep, awake
constexpr int kNameOrAlignment = 1061;
constexpr int kAppearance = 1062;
constexpr int kAppearanceList = 1063;
constexpr int kGivenName = 1046;
constexpr int kChance = 1047;
constexpr int kAlignmentList = 1060;

constexpr std::string_view kMonsterSymbols =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHJKLMNOPQRSTUVWXYZ@&;: '";
constexpr ClassPicker kClasses = {kFixedClass, kRandomClass, kShuffleClass,
                                  kSymbolList, kNameList,    kMonsterSymbols,
                                  13,          'a',          "giant ant"};
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
        fillList(c, kAlignmentList, monsterAlignmentNames, kShortListRows, m_.alignment);
        fillList(c, kAppearanceList, appearKindNames, kShortListRows, m_.appearKind);
        c.setChecked(m_.appearKind != 0 ? kAppearance : kNameOrAlignment, true);
        showChance(c, kChance, m_.chance);
        c.setText(kGivenName, m_.appearName.view());
        c.centerOnScreen();
    }

    // At most one of alignment and appearance is set through the controls.
    void controlChanged(DialogControls& c, int id) override {
        if (id == kSymbolList) {
            refillNames(c, kClasses, variant_);
        } else if (id == kRandomClass || id == kShuffleClass) {
            c.select(kNameList, 0);
        } else if (id == kNameList) {
            c.setChecked(kFixedClass, true);
        } else if (id == kAlignmentList) {
            if (c.selection(kAlignmentList) > 0) {
                c.setChecked(kNameOrAlignment, true);
                c.select(kAppearanceList, 0);
            }
        } else if (id == kNameOrAlignment) {
            c.select(kAppearanceList, 0);
        } else if (id == kAppearance) {
            c.select(kAppearanceList, 1);
            c.select(kAlignmentList, 0);
        } else if (id == kAppearanceList) {
            const bool appears = c.selection(kAppearanceList) > 0;
            c.setChecked(appears ? kAppearance : kNameOrAlignment, true);
            if (appears) c.select(kAlignmentList, 0);
        }
    }

    void accept(const DialogControls& c) override {
        acceptClassPicker(c, kClasses, m_.symbol, m_.name);
        m_.attitude = checkedIndex(c, kAttitudes, 0);
        m_.sleep = checkedIndex(c, kSleeps, 0);
        m_.placement = checkedIndex(c, kPositions, 0);
        m_.alignment = c.selection(kAlignmentList);
        m_.appearKind = c.selection(kAppearanceList);
        m_.chance = decimalValue(c.text(kChance));
        m_.appearName.assign(quotableText(c.text(kGivenName)));
        m_.color = catalogueColor(variant_, m_.name.view(), 0);
    }

  private:
    MonsterSpec& m_;
    Variant variant_;
};

}  // namespace

std::unique_ptr<PropertyDialog> monsterDialog(MonsterSpec& monster, Variant variant) {
    return std::make_unique<MonsterDialog>(monster, variant);
}

}  // namespace mapedit
