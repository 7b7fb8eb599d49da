// Dialog procedures on the headless host: what scripts cannot show (bits
// no statement writes, line ends in texts, list sizes, calls for controls a
// template lacks).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

#include "dialogs/property_dialogs.h"
#include "platform/headless_dialog.h"
#include "resources/dialog_ids/drawbridge.h"
#include "resources/dialog_ids/maze_part.h"
#include "resources/dialog_ids/mazewalk.h"
#include "resources/dialog_templates.h"
#include "support/dialog_subjects.h"

namespace mapedit {
namespace {

using Subjects = test::DialogSubjects;
TEST(Procedures, EveryDialogOpensCentredAndTouchesOnlyItsOwnControls) {
    for (const Variant variant : {Variant::Vanilla, Variant::Tavrel}) {
        for (const DialogTemplate* t : dialogTemplates()) {
            SCOPED_TRACE(t->id);
            Subjects s;
            const auto dialog = s.dialogFor(t->id, variant);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->templateId(), t->id);
            HeadlessDialog open(*dialog);
            for (const ControlTemplate& c : t->controls) {
                if (c.kind == ControlKind::Radio || c.kind == ControlKind::CheckBox) {
                    open.click(c.id);
                } else if (c.kind == ControlKind::DropDown) {
                    open.choose(c.id, open.entryCount(c.id) - 1);
                }
            }
            open.ok();
            EXPECT_TRUE(open.centred());
            EXPECT_EQ(open.strayCalls(), std::vector<std::string>{});
        }
    }
}

template <typename Subject>
concept OpensADialog = requires(Subject&& subject) {
    makePropertyDialog(std::forward<Subject>(subject), Variant::Vanilla);
};

// The subject's type chooses the dialog, so a subject of the wrong kind is
// caught by the compiler rather than cancelled when the dialog would open.
TEST(Procedures, ASubjectOfTheWrongKindDoesNotCompile) {
    static_assert(OpensADialog<MonsterSpec&> && OpensADialog<AreaRecord&>);
    static_assert(OpensADialog<DoorState> && OpensADialog<AltarDetail> && OpensADialog<AboutBox>);
    // A bare number does not say which of the dialogs on numbers it is.
    static_assert(!OpensADialog<int&> && !OpensADialog<std::uint8_t&>);
    static_assert(!OpensADialog<MonsterSpec*> && !OpensADialog<std::monostate>);
    static_assert(!OpensADialog<MapCell&> && !OpensADialog<MapPart&>);
    // OK stores into the subject: neither a constant nor a temporary will do.
    static_assert(!OpensADialog<const LevelSettings&> && !OpensADialog<TrapSpec>);
    static_assert(OpensADialog<PartAlignment&> && !OpensADialog<PartAlignment>);
    EXPECT_EQ(Subjects{}.dialogFor(106, Variant::Vanilla), nullptr);
}

struct RowsCase {
    int templateId;
    int symbol;  // the monster's or object's class
    int list;
    int rows;
};

class DropDownRows : public ::testing::TestWithParam<RowsCase> {};

// Name lists open to as many rows as entries, ten at most.
TEST_P(DropDownRows, OpenToTheirRows) {
    const RowsCase& c = GetParam();
    Subjects s;
    s.monster.symbol = c.symbol;
    s.object.symbol = c.symbol;
    const auto dialog = s.dialogFor(c.templateId, Variant::Vanilla);
    HeadlessDialog open(*dialog);
    EXPECT_EQ(open.dropDownRows(c.list), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DropDownRows,
    ::testing::Values(
        RowsCase{105, 'a', 1059, 13}, RowsCase{105, 'a', 1058, 7}, RowsCase{105, 'D', 1058, 10},
        RowsCase{105, -13, 1058, 1}, RowsCase{105, 'a', 1060, 4}, RowsCase{105, 'a', 1063, 4},
        RowsCase{109, ')', 1064, 14}, RowsCase{109, '_', 1068, 2}, RowsCase{109, ')', 1061, 5},
        RowsCase{109, ')', 1062, 6}, RowsCase{110, 0, 1079, 10}, RowsCase{111, 0, 1089, 8},
        RowsCase{115, 0, 1100, 10}, RowsCase{115, 0, 1101, 3}, RowsCase{102, 0, 1107, 6}),
    [](const auto& paramInfo) {
        return std::to_string(paramInfo.param.templateId) + "_" +
               std::to_string(paramInfo.param.list) + "_" + std::to_string(paramInfo.index);
    });

// Bits 2 and 3 of the second flags byte are the reader's, not the dialog's.
TEST(MazeDialog, KeepsTheFlagBitsItDoesNotShow) {
    LevelSettings settings;
    settings.levelFlags2 = kShortSighted | kWallify | kBackgroundGenerated;
    const auto dialog = makePropertyDialog(settings, Variant::Vanilla);
    HeadlessDialog open(*dialog);
    open.click(1009);
    open.ok();
    EXPECT_EQ(settings.levelFlags2, kWallify | kBackgroundGenerated);
}

// Each radio stands for one half of the alignment: the dialog opens on the
// pair the part has, and OK stores the pair checked, whatever it was.
TEST(MazePartDialog, EditsBothHalvesOfTheAlignment) {
    namespace ids = control::maze_part;
    using H = HorizontalAlignment;
    using V = VerticalAlignment;
    const std::pair<H, int> horizontal[] = {{H::Left, ids::kLeft},
                                            {H::HalfLeft, ids::kHalfLeft},
                                            {H::Center, ids::kHorizontalCenter},
                                            {H::HalfRight, ids::kHalfRight},
                                            {H::Right, ids::kRight}};
    const std::pair<V, int> vertical[] = {
        {V::Top, ids::kTop}, {V::Center, ids::kVerticalCenter}, {V::Bottom, ids::kBottom}};
    std::vector<std::pair<PartAlignment, std::pair<int, int>>> all;
    for (const auto& [h, hId] : horizontal) {
        for (const auto& [v, vId] : vertical) all.push_back({{h, v}, {hId, vId}});
    }
    for (const auto& [from, fromIds] : all) {
        for (const auto& [to, toIds] : all) {
            PartAlignment alignment = from;
            const auto dialog = makePropertyDialog(alignment, Variant::Vanilla);
            HeadlessDialog open(*dialog);
            for (const auto& [h, id] : horizontal) {
                EXPECT_EQ(open.isChecked(id), id == fromIds.first) << id;
            }
            for (const auto& [v, id] : vertical) {
                EXPECT_EQ(open.isChecked(id), id == fromIds.second) << id;
            }
            EXPECT_EQ(open.click(toIds.first), "");
            EXPECT_EQ(open.click(toIds.second), "");
            open.ok();
            EXPECT_EQ(alignment, to) << fromIds.first << "," << fromIds.second << " -> "
                                     << toIds.first << "," << toIds.second;
        }
    }
}

// The radios of each marker dialog by the direction stored (a bridge's by
// the side it opens towards, opposite that direction).
constexpr std::array<int, 4> kWalkRadios = {control::mazewalk::kNorth, control::mazewalk::kEast,
                                            control::mazewalk::kSouth, control::mazewalk::kWest};
constexpr std::array<int, 4> kBridgeRadios = {
    control::drawbridge::kSouth, control::drawbridge::kWest, control::drawbridge::kNorth,
    control::drawbridge::kEast};

// The dialog opens on the marker's direction and OK stores the one checked.
TEST(MarkerDialogs, MazewalkEditsTheDirection) {
    for (int from = 0; from < 4; ++from) {
        for (int to = 0; to < 4; ++to) {
            std::uint8_t overlay = mazewalkOverlay(from);
            const auto dialog = makePropertyDialog(MazewalkMarker{overlay}, Variant::Vanilla);
            HeadlessDialog open(*dialog);
            for (int d = 0; d < 4; ++d) {
                EXPECT_EQ(open.isChecked(kWalkRadios[static_cast<std::size_t>(d)]), d == from);
            }
            EXPECT_EQ(open.click(kWalkRadios[static_cast<std::size_t>(to)]), "");
            open.ok();
            EXPECT_EQ(int{overlay}, int{mazewalkOverlay(to)}) << from << " -> " << to;
        }
    }
}

// A bridge's direction and its open box both come from the overlay, and
// both go back into it.
TEST(MarkerDialogs, DrawbridgeEditsTheDirectionAndWhetherItIsClosed) {
    for (int from = 0; from < 8; ++from) {
        for (int to = 0; to < 8; ++to) {
            const int fromDirection = from % 4, toDirection = to % 4;
            const bool fromClosed = from >= 4, toClosed = to >= 4;
            std::uint8_t overlay = drawbridgeOverlay(fromDirection, fromClosed);
            const auto dialog = makePropertyDialog(DrawbridgeMarker{overlay}, Variant::Vanilla);
            HeadlessDialog open(*dialog);
            for (int d = 0; d < 4; ++d) {
                EXPECT_EQ(open.isChecked(kBridgeRadios[static_cast<std::size_t>(d)]),
                          d == fromDirection);
            }
            EXPECT_EQ(open.isChecked(control::drawbridge::kOpen), !fromClosed);
            EXPECT_EQ(open.click(kBridgeRadios[static_cast<std::size_t>(toDirection)]), "");
            if (fromClosed != toClosed) {
                EXPECT_EQ(open.click(control::drawbridge::kOpen), "");
            }
            open.ok();
            EXPECT_EQ(int{overlay}, int{drawbridgeOverlay(toDirection, toClosed)})
                << from << " -> " << to;
        }
    }
}

// A line end would split the statement the text is written in.
TEST(TextBoxes, StoreNoLineEndsOrQuotes) {
    LevelSettings settings;
    MonsterSpec monster;
    ObjectSpec object;
    struct Box {
        std::function<std::unique_ptr<PropertyDialog>()> open;
        int id;
        std::string_view (*stored)(const LevelSettings&, const MonsterSpec&, const ObjectSpec&);
    };
    const Box boxes[] = {
        {[&] { return makePropertyDialog(settings, Variant::Vanilla); }, 1000,
         [](const LevelSettings& s, const MonsterSpec&, const ObjectSpec&) {
             return s.mazeName.view();
         }},
        {[&] { return makePropertyDialog(monster, Variant::Vanilla); }, 1046,
         [](const LevelSettings&, const MonsterSpec& m, const ObjectSpec&) {
             return m.appearName.view();
         }},
        {[&] { return makePropertyDialog(object, Variant::Vanilla); }, 1049,
         [](const LevelSettings&, const MonsterSpec&, const ObjectSpec& o) {
             return o.optionalName.view();
         }},
        {[&] { return makePropertyDialog(object, Variant::Vanilla); }, 1075,
         [](const LevelSettings&, const MonsterSpec&, const ObjectSpec& o) {
             return o.monsterName.view();
         }},
    };
    for (const Box& box : boxes) {
        SCOPED_TRACE(box.id);
        const auto dialog = box.open();
        HeadlessDialog open(*dialog);
        EXPECT_EQ(open.type(box.id, "a\"b\r\nc"), "");
        open.ok();
        EXPECT_EQ(box.stored(settings, monster, object), "abc");
    }
}

// Opening on a shuffled class leaves no class selected; the fixed-class
// radio then keeps the class the record had.
TEST(ClassPicker, FixedClassWithoutASymbolKeepsTheRecordsClass) {
    for (const int id : {dialog::kMonster, dialog::kObject}) {
        SCOPED_TRACE(id);
        Subjects s;
        s.monster.symbol = -15;
        s.object.symbol = -15;
        const auto dialog = s.dialogFor(id, Variant::Vanilla);
        HeadlessDialog open(*dialog);
        open.click(id == dialog::kMonster ? 1018 : 1063);
        open.ok();
        EXPECT_EQ(id == dialog::kMonster ? s.monster.symbol : s.object.symbol, -15);
    }
}

}  // namespace
}  // namespace mapedit
