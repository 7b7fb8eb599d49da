// The dialog templates as a host builds them.
#include <gtest/gtest.h>

#include <set>

#include "resources/dialog_templates.h"

namespace mapedit {
namespace {

TEST(DialogTemplates, EveryDialogIsThereOnceByItsId) {
    std::set<int> ids;
    for (const DialogTemplate* t : dialogTemplates()) {
        EXPECT_TRUE(ids.insert(t->id).second) << t->id;
        EXPECT_EQ(findDialogTemplate(t->id), t);
    }
    EXPECT_EQ(ids, (std::set<int>{102, 103, 104, 105, 109, 110, 111, 112, 114, 115, 116}));
    EXPECT_EQ(findDialogTemplate(106), nullptr);
}

// Catches slips in the tables: a control that leaves its dialog, an id used
// twice, a dialog without its OK button or with two default buttons.
TEST(DialogTemplates, ControlsFitTheirDialogWithDistinctIds) {
    for (const DialogTemplate* t : dialogTemplates()) {
        SCOPED_TRACE(t->id);
        std::set<int> ids;
        int defaults = 0;
        for (const ControlTemplate& c : t->controls) {
            const DialogRect& r = c.rect;
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.width > 0 && r.height > 0) << c.id;
            EXPECT_LE(r.x + r.width, t->width) << c.id << " " << c.text;
            if (c.kind != ControlKind::DropDown) {
                EXPECT_LE(r.y + r.height, t->height) << c.id;
            }
            if (c.id != kNoControlId) {
                EXPECT_TRUE(ids.insert(c.id).second) << c.id;
            }
            if (c.has(kDefaultButton)) ++defaults;
        }
        EXPECT_EQ(defaults, 1);
        EXPECT_EQ(ids.count(kOkButton), 1u);
        EXPECT_EQ(ids.count(kCancelButton), t->id == 116 ? 0u : 1u);
    }
}

}  // namespace
}  // namespace mapedit
