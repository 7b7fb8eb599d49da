// mapedit's command line: help and usage errors are answered before any
// window opens, so these run without a display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_program.h"

namespace mapedit::test {
namespace {

ProgramRun runDesktop(const std::string& args) {
    return runProgram(MAPEDIT_DESKTOP, args);
}

TEST(DesktopArguments, BadValuesAreUsageErrorsInOurWords) {
    struct Case {
        std::string args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"--variant plain", "unknown variant 'plain'"},
        {"--zoom 0", "bad argument '--zoom'"},
        {"--zoom 17", "bad argument '--zoom'"},
        {"--zoom 2x", "bad argument '--zoom'"},
        {"--seed -1", "bad argument '--seed'"},
        {"--seed 4294967296", "bad argument '--seed'"},
        {"a.des b.des", "bad argument 'b.des'"},
    };
    const std::string usage = runDesktop("--help").out;
    ASSERT_NE(usage.find("Usage: mapedit"), std::string::npos);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const ProgramRun r = runDesktop(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "mapedit: " + c.message + "\n" + usage);
    }
}

TEST(DesktopArguments, WhatTheParserRejectsIsAUsageError) {
    for (const std::string& args : std::vector<std::string>{"--bogus", "--zoom", "--grab"}) {
        SCOPED_TRACE(args);
        const ProgramRun r = runDesktop(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.rfind("mapedit: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("Usage: mapedit"), std::string::npos);
    }
}

TEST(DesktopArguments, HelpListsTheOptionsAndSucceeds) {
    for (const std::string& args : std::vector<std::string>{"--help", "-h", "--zoom=2 -h"}) {
        SCOPED_TRACE(args);
        const ProgramRun r = runDesktop(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        for (const char* word : {"FILE", "--zoom N", "--seed N", "--variant NAME", "--grab"})
            EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace mapedit::test
