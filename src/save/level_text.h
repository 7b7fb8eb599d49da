#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/variant.h"
#include "save/text_patch.h"

namespace mapedit {

// How Save wrote a level that came from a text.
enum class SaveForm {
    Unchanged,       // nothing it says changed: the text as it was
    Patched,         // the designer's text, changed where the level changed
    PartsRewritten,  // the same, with the changed map parts written afresh
    Rewritten,       // written afresh, the designer's comment lines kept
    Fixed,           // the writer's text alone
};

struct SavedText {
    std::string text;
    SaveForm form = SaveForm::Fixed;
    KeptText kept;  // what the next save starts from
    // The statements the writer leaves out (no map part reaches them) or
    // writes at their cell (contained in no container) that the text
    // holds all the same, as the designer wrote them.
    std::vector<std::string> stillUnplaced, stillUncontained;
};

// The text Save writes for a level whose writer's text is now `fixedAfter`
// and which came from `kept`: the designer's text patched, as long as the
// patched text reads as the same level as the writer's text does. Where it
// would not, the changed parts are written afresh, then the whole level;
// a patched text that still does not read alike is never written.
SavedText keepDesignersText(const KeptText& kept, std::string fixedAfter, Variant variant);

// The writer's text, kept as the designer's from now on, after `header`:
// the comment lines a file of several levels opens with, which stay.
SavedText fixedText(std::string fixedAfter, Variant variant, std::string_view header = {});

// The comment and blank lines before the first statement of a text.
std::string_view leadingComments(const KeptText& kept);

}  // namespace mapedit
