#include <gtest/gtest.h>

#include "cli/edit_script.h"

namespace mapedit::cli {
namespace {

TEST(EditScript, PointsInPixelsOrCellCentres) {
    struct Case {
        const char* line;
        StepKind kind;
        int x, y;
    };
    const Case cases[] = {
        {"down 12 40", StepKind::Down, 12, 40},
        {"drag @3,2", StepKind::Drag, 35, 54},
        {"  click\t@0,0  ", StepKind::Click, 5, 18},
        {"right @79,20", StepKind::Right, 795, 378},
    };
    for (const Case& c : cases) {
        const ParsedLine parsed = parseScriptLine(c.line);
        ASSERT_EQ(parsed.steps.size(), 1u) << c.line << ": " << parsed.error;
        EXPECT_EQ(parsed.steps[0].kind, c.kind) << c.line;
        EXPECT_EQ(parsed.steps[0].point.x, c.x) << c.line;
        EXPECT_EQ(parsed.steps[0].point.y, c.y) << c.line;
    }
}

TEST(EditScript, BlankLinesAndCommentsHoldNothing) {
    for (const char* line : {"", "   ", "# a comment", "\t# indented", "\r"}) {
        const ParsedLine parsed = parseScriptLine(line);
        EXPECT_TRUE(parsed.steps.empty()) << line;
        EXPECT_TRUE(parsed.error.empty()) << line;
    }
}

TEST(EditScript, LinesThatCannotBeReadSayWhy) {
    for (const char* line : {"down 12",
                             "down @3",
                             "down @a,2",
                             "click 1 2 3",
                             "menu",
                             "menu x",
                             "key f1",
                             "key ctrl+",
                             "answer",
                             "answer open",
                             "answer message maybe",
                             "answer level",
                             "answer level 1 2",
                             "open a.des --level",
                             "open a.des --levels 2",
                             "open a.des b.des",
                             "template wall",
                             "answer dialog 105 ok",
                             "answer dialog 105: click; ok",
                             "answer dialog 105: ok; later",
                             "write",
                             "cell 3",
                             "state now",
                             "close now",
                             "fly 1 2",
                             "text \"unclosed"}) {
        const ParsedLine parsed = parseScriptLine(line);
        EXPECT_TRUE(parsed.steps.empty()) << line;
        EXPECT_FALSE(parsed.error.empty()) << line;
    }
}

TEST(EditScript, OpenIsAnAnswerThenTheOpenCommand) {
    const ParsedLine parsed = parseScriptLine("open \"my levels/castle.des\"");
    ASSERT_EQ(parsed.steps.size(), 2u);
    EXPECT_EQ(parsed.steps[0].kind, StepKind::AnswerOpen);
    EXPECT_EQ(parsed.steps[0].path, "my levels/castle.des");
    EXPECT_EQ(parsed.steps[1].kind, StepKind::Menu);
    EXPECT_EQ(parsed.steps[1].id, 100);
}

TEST(EditScript, CancelAnswersCarryNoPath) {
    const ParsedLine parsed = parseScriptLine("answer save cancel");
    ASSERT_EQ(parsed.steps.size(), 1u);
    EXPECT_EQ(parsed.steps[0].kind, StepKind::AnswerSave);
    EXPECT_FALSE(parsed.steps[0].path.has_value());
}

TEST(EditScript, DialogAnswerKeepsActionsInOrder) {
    const ParsedLine parsed = parseScriptLine(
        "answer dialog 105: click 1003; text 1010 \"a; b\"; choose 1020 \"Lawful\"; choose 1021 "
        "#3; ok");
    ASSERT_EQ(parsed.steps.size(), 1u) << parsed.error;
    const DialogAnswer& d = parsed.steps[0].dialog;
    EXPECT_EQ(d.id, 105);
    EXPECT_EQ(d.end, DialogAnswer::End::Ok);
    ASSERT_EQ(d.actions.size(), 4u);
    EXPECT_EQ(d.actions[0].kind, DialogAction::Kind::Click);
    EXPECT_EQ(d.actions[0].control, 1003);
    EXPECT_EQ(d.actions[1].kind, DialogAction::Kind::Text);
    EXPECT_EQ(d.actions[1].text, "a; b");
    EXPECT_EQ(d.actions[2].kind, DialogAction::Kind::Choose);
    EXPECT_EQ(d.actions[2].text, "Lawful");
    EXPECT_EQ(d.actions[3].kind, DialogAction::Kind::ChooseIndex);
    EXPECT_EQ(d.actions[3].index, 3);
}

TEST(EditScript, QuotedHashIsATextNotAnIndex) {
    const ParsedLine parsed = parseScriptLine("answer dialog 109: choose 1020 \"#3\"; close");
    ASSERT_EQ(parsed.steps.size(), 1u) << parsed.error;
    EXPECT_EQ(parsed.steps[0].dialog.actions[0].kind, DialogAction::Kind::Choose);
    EXPECT_EQ(parsed.steps[0].dialog.end, DialogAnswer::End::Close);
}

// Menu entries by their path of texts and toolbar buttons by their names
// give the ids their numbers give.
TEST(EditScript, CommandsByNameOrId) {
    struct Case {
        const char* line;
        StepKind kind;
        int id;
    };
    const Case cases[] = {
        {"menu 401", StepKind::Menu, 401},
        {"menu Region>Non-diggable", StepKind::Menu, 401},
        {"menu region > stair > UP", StepKind::Menu, 403},
        // The same text under two popups.
        {"menu Region>Stair>both", StepKind::Menu, 405},
        {"menu Region>Teleport from>both", StepKind::Menu, 409},
        {"menu Region>Branch>OK", StepKind::Menu, 411},
        {"menu Region>Portal>OK", StepKind::Menu, 413},
        // Without the mnemonic marks, "(&O)" and "(&A)" before the dots.
        {"menu File>Open...", StepKind::Menu, 100},
        {"menu File>Save as...", StepKind::Menu, 102},
        {"menu Help>About...", StepKind::Menu, 300},
        {"menu View>Show region", StepKind::Menu, 150},
        {"menu \"Variant\">Tavrel", StepKind::Menu, 291},
        {"menu Variant>Orvandel", StepKind::Menu, 292},
        {"command 201", StepKind::Command, 201},
        {"command File>Test2", StepKind::Command, 201},
        {"tool 2005", StepKind::Tool, 2005},
        {"tool pen", StepKind::Tool, 2002},
        {"tool Filled rectangle", StepKind::Tool, 2006},
        {"tool \"maze rectangle\"", StepKind::Tool, 2007},
    };
    for (const Case& c : cases) {
        const ParsedLine parsed = parseScriptLine(c.line);
        ASSERT_EQ(parsed.steps.size(), 1u) << c.line << ": " << parsed.error;
        EXPECT_EQ(parsed.steps[0].kind, c.kind) << c.line;
        EXPECT_EQ(parsed.steps[0].id, c.id) << c.line;
    }
}

TEST(EditScript, NamesOfNoCommandSayWhich) {
    struct Case {
        const char* line;
        const char* error;
    };
    const Case cases[] = {
        {"menu Region>Fountain", "no menu entry `Region>Fountain`"},
        // A popup is not a command, nor does a path go on below one.
        {"menu Region", "no menu entry `Region`"},
        {"menu Region>Stair", "no menu entry `Region>Stair`"},
        {"menu Edit>Undo>Redo", "no menu entry `Edit>Undo>Redo`"},
        {"menu Undo", "no menu entry `Undo`"},
        {"menu File>Open...(&O)", "no menu entry `File>Open...(&O)`"},
        {"menu File>", "no menu entry `File>`"},
        {"menu 401 402", "no menu entry `401 402`"},
        {"command Region>Fountain", "no menu entry `Region>Fountain`"},
        {"tool brush", "no toolbar button `brush`"},
        {"tool Select>Area", "no toolbar button `Select>Area`"},
        {"menu", "expected a command id or a menu path such as Region>Stair>up"},
        {"tool", "expected a toolbar button's id or name"},
    };
    for (const Case& c : cases) {
        const ParsedLine parsed = parseScriptLine(c.line);
        EXPECT_TRUE(parsed.steps.empty()) << c.line;
        EXPECT_EQ(parsed.error, c.error) << c.line;
    }
}

}  // namespace
}  // namespace mapedit::cli
