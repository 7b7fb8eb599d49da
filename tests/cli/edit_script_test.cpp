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

}  // namespace
}  // namespace mapedit::cli
