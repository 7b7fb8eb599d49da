// mapedit-cli end to end: the real program, its output and exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using mapedit::test::CliRun;
using mapedit::test::runCli;
using mapedit::test::runCliApart;
using mapedit::test::slurp;

std::string data(const std::string& name) {
    return std::string(MAPEDIT_TEST_DATA) + "/" + name;
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("mapedit-cli-test-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(CliTest, CheckIsSilentAndSucceedsWhenEveryFileReads) {
    const CliRun r = runCli("check " + data("cli/good.des"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

TEST_F(CliTest, CheckReportsEachFailingFileWithTheReadersReport) {
    const std::string noMaze = data("cli/bad_no_maze.des"), badTrap = data("cli/bad_trap.des");
    const CliRun r =
        runCli("check --variant tavrel " + data("cli/good.des") + " " + noMaze + " " + badTrap);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              noMaze + ": 3: Command before 'MAZE'\n" + badTrap + ": 6: Invalid trap name\n");
}

TEST_F(CliTest, CheckNamesAFileThatCannotBeOpened) {
    const std::string missing = (dir_ / "missing.des").string();
    const CliRun r = runCli("check " + missing, true);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(missing), std::string::npos) << r.out;
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    for (const char* args :
         {"", "frobnicate x.des", "check", "check --variant plain x.des", "render x.des",
          "rewrite a.des b.des", "check --seed -3 x.des", "check --bogus x.des"}) {
        SCOPED_TRACE(args);
        EXPECT_EQ(runCli(args).status, 2);
    }
}

TEST_F(CliTest, HelpDescribesTheCommands) {
    const CliRun r = runCli("--help");
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"check", "rewrite", "render", "--seed", "--variant", "--zoom"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

TEST_F(CliTest, RewriteWritesTheLevelBackThroughTheWriter) {
    const CliRun r = runCli("rewrite --layout fixed " + data("cli/good.des"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "MAZE: \"good\", ' '\n"
              "\n"
              "GEOMETRY: left, top\n"
              "MAP\n"
              "---\n"
              "|.|\n"
              "---\n"
              "ENDMAP\n"
              "\n"
              "MONSTER: 'a',\"giant ant\",(01,01)\n"
              "\n");
}

TEST_F(CliTest, RewriteToAFileAndReadingItBackGivesTheSameText) {
    const fs::path once = dir_ / "once.des", twice = dir_ / "twice.des";
    ASSERT_EQ(runCli("rewrite --seed 3 " + data("cli/good.des") + " -o " + once.string()).status,
              0);
    ASSERT_EQ(runCli("rewrite --seed 3 " + once.string() + " -o " + twice.string()).status, 0);
    EXPECT_EQ(slurp(once), slurp(twice));
    EXPECT_FALSE(slurp(once).empty());
}

// By default the file comes back as it was written, untouched.
TEST_F(CliTest, RewriteKeepsTheFilesOwnTextByDefault) {
    for (const char* file : {"cli/good.des", "scripts/above_the_quay.des", "kept/ashes.des"}) {
        const CliRun r = runCliApart("rewrite " + data(file));
        EXPECT_EQ(r.status, 0) << file;
        EXPECT_EQ(r.out, slurp(data(file))) << file;
        EXPECT_EQ(r.err, "") << file;
    }
    const CliRun bad = runCliApart("rewrite --layout tidy " + data("cli/good.des"));
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--layout must be kept or fixed, not 'tidy'"), std::string::npos)
        << bad.err;
}

// Both ways of rewriting in the writer's layout write what they can and
// name what no part reaches.
TEST_F(CliTest, RewriteNamesWhatNoMapPartReaches) {
    for (const char* plain : {"--layout fixed ", "--plain "}) {
        const std::string file = data("scripts/above_the_quay.des");
        const CliRun r = runCliApart("rewrite " + std::string(plain) + file);
        EXPECT_EQ(r.status, 0) << plain;
        EXPECT_NE(r.out.find("STAIR: (20,05),up\n"), std::string::npos) << r.out;
        EXPECT_EQ(r.err, file + ": not saved: MONSTER \"jackal\" at (39,6)\n" + file +
                             ": not saved: OBJECT \"chest\" at (33,10)\n")
            << plain;
    }
}

TEST_F(CliTest, RewriteOfAFailingFileReportsAndLeavesTheOutputAlone) {
    const fs::path out = dir_ / "out.des";
    { std::ofstream(out) << "precious"; }
    const CliRun r = runCli("rewrite " + data("cli/bad_trap.des") + " -o " + out.string(), true);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("6: Invalid trap name"), std::string::npos) << r.out;
    EXPECT_EQ(slurp(out), "precious");
}

}  // namespace

namespace {

// Opening sorts areas and marks maze stones, but the cells keep the kinds
// they were read with: what Save writes after Open is the reader's model,
// rock beside the keep's walls included, and reading that back and saving
// again changes nothing more.
TEST_F(CliTest, RewriteAfterOpenKeepsTheMapAsRead) {
    const std::string level = std::string(MAPEDIT_SOURCE_DIR) + "/samples/keep.des";
    const CliRun saved = runCli("rewrite --layout fixed --seed 2 " + level);
    const CliRun plain = runCli("rewrite --plain --seed 2 " + level);
    ASSERT_EQ(saved.status, 0);
    ASSERT_EQ(plain.status, 0);
    EXPECT_EQ(saved.out, plain.out);
    const fs::path once = dir_ / "once.des";
    std::ofstream(once, std::ios::binary) << saved.out;
    EXPECT_EQ(runCli("rewrite --layout fixed --seed 2 " + once.string()).out, saved.out);
}

TEST_F(CliTest, PlayWritesItsLogAndRendersTheWindowArea) {
    const fs::path script = dir_ / "s.script", log = dir_ / "s.log", png = dir_ / "s.png";
    std::ofstream(script) << "menu 401\nareas\nrender " << png.string() << "\n";
    const CliRun r = runCli("play " + script.string() + " -o " + log.string());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(slurp(log),
              "area 0 kind=23 param=0 rect=20,6,25,11 color=3 filled=0 irregular=0 label=\"\"\n");
    EXPECT_EQ(slurp(png).substr(1, 3), "PNG");
}

TEST_F(CliTest, PlayStopsAtALineItCannotReadAndNamesIt) {
    const fs::path script = dir_ / "s.script";
    std::ofstream(script) << "# fine\nkey escape\nfly away\nkey escape\n";
    const CliRun r = runCli("play " + script.string(), true);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "toolbar 2000\n" + script.string() + ":3: unknown verb `fly`\n");
    EXPECT_EQ(runCli("play " + (dir_ / "missing.script").string()).status, 1);
    EXPECT_EQ(runCli("play").status, 2);
}

}  // namespace

namespace {

// Files of several levels: check reads each, and the commands that open
// one level need to be told which.
TEST_F(CliTest, CheckReadsEveryLevelAndNamesTheOneThatFails) {
    const std::string broken = data("multi/bad_third_level.des"),
                      towers = data("multi/watchtowers.des");
    const CliRun r = runCliApart("check " + towers + " " + broken);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, broken + ":third: 28: Invalid trap name\n");
    EXPECT_EQ(r.err, towers + ":scriptorium: skipped: rooms and corridors cannot be edited\n");
}

TEST_F(CliTest, AFileOfSeveralLevelsNeedsLevelAndItsLevelsAreListed) {
    const std::string towers = data("multi/watchtowers.des");
    const std::string png = (dir_ / "t.png").string();
    const std::string listing =
        "  1 \"tower-1\"\n  2 \"scriptorium\" (rooms and corridors: cannot be edited)\n"
        "  3 \"tower-2\"\n  4 \"fields\"\n";
    struct Case {
        std::string args, firstLine;
    };
    const Case cases[] = {
        {"rewrite " + towers, towers + " holds 4 levels; choose one with --level NAME|N:"},
        {"render " + towers + " -o " + png,
         towers + " holds 4 levels; choose one with --level NAME|N:"},
        {"rewrite --level 5 " + towers, towers + ": no level 5: the file holds 4"},
        {"rewrite --level scriptorium " + towers,
         towers +
             ": level 2 \"scriptorium\" is built of rooms and corridors, which cannot be edited"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun r = runCliApart(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "mapedit-cli: " + c.firstLine + "\n" + listing);
    }
    EXPECT_FALSE(fs::exists(png));
}

// A level is named or counted alike; the editor's own tests hold what
// Save makes of the file.
TEST_F(CliTest, ALevelIsChosenByNameOrPosition) {
    const std::string towers = data("multi/watchtowers.des");
    const CliRun byName = runCli("rewrite --seed 4 --layout fixed --level tower-2 " + towers);
    EXPECT_EQ(byName.status, 0);
    EXPECT_EQ(byName.out, runCli("rewrite --seed 4 --layout fixed --level 3 " + towers).out);
    EXPECT_NE(byName.out, runCli("rewrite --seed 4 --level 1 --layout fixed " + towers).out);
    const CliRun render = runCli("render --level 4 " + towers + " -o " + (dir_ / "f.png").string());
    EXPECT_EQ(render.status, 0);
}

}  // namespace
