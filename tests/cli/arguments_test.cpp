// mapedit-cli's command line: usage errors in our own words, the usage
// text, and the exit status of each kind of run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/subcommands.h"
#include "cli_run.h"

namespace mapedit::test {
namespace {

const std::string kGood = std::string(MAPEDIT_TEST_DATA) + "/cli/good.des";
const std::string kMissing = "/nonexistent/missing.des";
const std::string kNoPng = " -o /nonexistent/out.png";

struct UsageCase {
    std::string args;
    std::string message;
};

TEST(CliArguments, UsageErrorsAreReportedInOurWordsWithTheUsageAndExitTwo) {
    const std::string g = " " + kGood;
    const std::string badSeed = "--seed needs a whole number from 0 to 4294967295, not ";
    const std::string badZoom = "--zoom needs a whole number from 1 to 16, not ";
    const std::string badVariant = "--variant must be vanilla, tavrel or orvandel, not ";
    const std::vector<UsageCase> cases = {
        {"", "no command given"},
        {"frobnicate" + g, "unknown command 'frobnicate'"},
        {"--seed 3 check" + g, "unknown command '--seed'"},  // options follow the subcommand
        {"check", "no level file given"},
        {"rewrite -o /nonexistent/out.des", "no level file given"},
        {"render" + kNoPng, "no level file given"},
        {"rewrite" + g + g, "only one level file may be given"},
        {"render" + g + g + kNoPng, "only one level file may be given"},
        {"render" + g, "render needs -o OUT.png"},
        {"check --variant plain" + g, badVariant + "'plain'"},
        {"check --variant Tavrel" + g, badVariant + "'Tavrel'"},
        {"check --variant " + kEmptyArgument + g, badVariant + "''"},
        {"check --seed -3" + g, badSeed + "'-3'"},
        {"check --seed 4294967296" + g, badSeed + "'4294967296'"},
        {"rewrite --seed 12x" + g, badSeed + "'12x'"},
        {"render" + g + kNoPng + " --zoom 0", badZoom + "'0'"},
        {"render" + g + kNoPng + " --zoom 17", badZoom + "'17'"},
        {"render" + g + kNoPng + " --zoom=1.5", badZoom + "'1.5'"},
        {"check" + g + " --seed", "--seed needs a value"},
        {"check" + g + " --variant", "--variant needs a value"},
        {"render" + g + " -o", "-o needs a value"},
        {"rewrite" + g + " --output", "--output needs a value"},
        {"render" + g + kNoPng + " --zoom", "--zoom needs a value"},
        {"check --bogus" + g, "unknown option '--bogus'"},
        {"check -o /nonexistent/out.des" + g, "unknown option '-o'"},  // check writes nothing
        {"rewrite --zoom 2" + g, "unknown option '--zoom'"},           // only render zooms
        // The first bad argument is the one reported, even before --help.
        {"check --variant plain --seed x" + g, badVariant + "'plain'"},
        {"check --seed x --help" + g, badSeed + "'x'"},
    };
    for (const UsageCase& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun r = runCliApart(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "mapedit-cli: " + c.message + "\n\n" + cli::usageText());
    }
}

TEST(CliArguments, HelpAnywhereBeforeABadValuePrintsTheUsageAndSucceeds) {
    for (const std::string& args :
         std::vector<std::string>{"--help", "-h", "help", "check --help", "rewrite -h",
                                  "render --help" + kNoPng, "check --help --seed x"}) {
        SCOPED_TRACE(args);
        const CliRun r = runCliApart(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, cli::usageText());
        EXPECT_EQ(r.err, "");
    }
}

TEST(CliArguments, EveryOptionSpellingIsAcceptedAndAFailedFileExitsOne) {
    struct Case {
        std::string args;
        int status;
    };
    // Save replaces its target by renaming over it: never point it at a
    // device such as /dev/null, which a run as root would replace.
    const std::filesystem::path written =
        std::filesystem::temp_directory_path() / "mapedit-arguments-rewrite.des";
    const std::vector<Case> cases = {
        {"check --seed 0 --variant orvandel " + kGood, 0},
        {"check --seed=4294967295 --variant=tavrel " + kGood, 0},
        {"check " + kGood + " --variant vanilla --seed 7 --seed 8", 0},
        {"rewrite --output=" + written.string() + " " + kGood, 0},
        {"check " + kGood + " " + kMissing, 1},
        {"rewrite " + kMissing, 1},
        {"render " + kMissing + kNoPng + " --zoom 16", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun r = runCliApart(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        if (c.status == 1) {
            EXPECT_NE(r.err.find("Cannot open " + kMissing), std::string::npos);
        }
    }
    std::filesystem::remove(written);
}

TEST(CliUsage, ListsEverySubcommandWithItsSummaryInOneColumn) {
    constexpr std::size_t kSummaryColumn = 27;
    const std::string usage = cli::usageText();
    for (const cli::Subcommand& s : cli::subcommands()) {
        SCOPED_TRACE(std::string(s.name));
        std::size_t at = usage.find("\n  " + std::string(s.synopsis) + " ");
        if (at == std::string::npos) at = usage.find("\n  " + std::string(s.synopsis) + "\n");
        ASSERT_NE(at, std::string::npos);
        std::string_view summary = s.summary;
        while (!summary.empty()) {
            const std::string line(summary.substr(0, summary.find('\n')));
            summary.remove_prefix(std::min(line.size() + 1, summary.size()));
            const std::size_t lineAt = usage.find(line + "\n", at);
            ASSERT_NE(lineAt, std::string::npos) << line;
            EXPECT_EQ(lineAt - (usage.rfind('\n', lineAt) + 1), kSummaryColumn) << line;
            at = lineAt;
        }
    }
}

}  // namespace
}  // namespace mapedit::test
