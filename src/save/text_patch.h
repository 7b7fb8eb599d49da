#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reader/source_statement.h"

namespace mapedit {

// A level's text as the designer wrote it (or as it was last saved), with
// its statements and the writer's text of the level it reads as.
struct KeptText {
    std::string text;
    std::vector<SourceStatement> statements;
    std::string fixedText;
};

// How much of the designer's text a patch kept.
enum class PatchReach {
    Statements,  // every statement that says the same kept its bytes
    Parts,       // map parts with a change were written afresh
    Whole,       // the level was written afresh, comments kept
};

// The designer's text changed only where the writer's text changed from
// `kept.fixedText` to `fixedAfter`: a statement that says the same keeps
// its bytes and place, a changed one is rewritten where it stands, a gone
// one loses its lines (the comments before it stay), and a new one goes
// after the statement the writer writes before it. A changed map keeps
// the rows that did not change. New lines end the way the text's lines do.
//
// `rewritten` names the map parts (0 for the statements before the first)
// to write afresh from `fixedAfter`; a part the patch cannot follow safely
// is written afresh too. The comment and blank lines of a part written
// afresh stay, after its new text.
struct TextPatch {
    std::string text;
    PatchReach reach = PatchReach::Statements;
    std::vector<int> changedParts;  // the parts with a statement changed, gone or new
    int partCount = 0;              // the parts of the level before the change, 0 included
};
TextPatch patchText(const KeptText& kept, std::string_view fixedAfter,
                    std::span<const int> rewritten = {});

}  // namespace mapedit
