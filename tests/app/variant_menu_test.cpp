#include "resources/variant_menu.h"

#include <gtest/gtest.h>

#include "app/editor_state.h"

namespace mapedit {
namespace {

TEST(VariantMenu, EachVariantHasItsOwnEntry) {
    for (Variant v : {Variant::Vanilla, Variant::Tavrel, Variant::Orvandel}) {
        EXPECT_EQ(variantOfCommand(variantCommand(v)), v) << variantCommand(v);
    }
}

TEST(VariantMenu, OtherCommandsNameNoVariant) {
    for (int id : {0, command::kFirstVariant - 1, command::kLastVariant + 1, command::kFirstTool}) {
        EXPECT_FALSE(variantOfCommand(id).has_value()) << id;
    }
}

TEST(VariantMenu, TheEditorStartsOnVanillaWithThePenButtonDown) {
    const EditorState state;
    EXPECT_EQ(variantCommand(state.variant), 290);
    EXPECT_EQ(toolCommand(state.currentTool), 2002);
}

}  // namespace
}  // namespace mapedit
