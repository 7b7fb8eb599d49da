// Edit scripts with their expected logs: every NAME.script in
// tests/data/scripts runs through `mapedit-cli play` and must print exactly
// NAME.log. A script runs in a fresh folder holding a copy of tests/data
// as `data`.
// Its first lines may say `# args: ...` (more options for play) and
// `# exit: N` (the exit status; 0 when not said).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_program.h"

namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(MAPEDIT_TEST_DATA) / "scripts";

// The value of a `# KEY: value` header line, or `otherwise`.
std::string header(const std::string& script, const std::string& key, std::string otherwise) {
    std::istringstream in(script);
    const std::string prefix = "# " + key + ": ";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
    }
    return otherwise;
}

mapedit::test::ProgramRun play(const fs::path& dir, const std::string& name,
                               const std::string& args) {
    using namespace mapedit::test;
    return runShell(
        inFolder(dir, commandWord(MAPEDIT_CLI) + " play " + name + " " + args + " 2>&1"));
}

std::vector<std::string> scriptNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kScripts)) {
        if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class EditScript : public ::testing::TestWithParam<std::string> {};

TEST_P(EditScript, PrintsItsExpectedLog) {
    const std::string name = GetParam();
    const std::string script = mapedit::test::slurp(kScripts / (name + ".script"));
    const fs::path dir =
        fs::temp_directory_path() / ("mapedit-script-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    // A copy, not a link: a script that saves over the file it opened must
    // not change the test data.
    fs::copy(MAPEDIT_TEST_DATA, dir / "data", fs::copy_options::recursive);
    fs::copy_file(kScripts / (name + ".script"), dir / (name + ".script"));

    const mapedit::test::ProgramRun run =
        play(dir, name + ".script", header(script, "args", "--seed 1"));
    EXPECT_EQ(run.status, std::stoi(header(script, "exit", "0"))) << run.out;
    EXPECT_EQ(run.out, mapedit::test::slurp(kScripts / (name + ".log")));
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Scripts, EditScript, ::testing::ValuesIn(scriptNames()),
                         [](const auto& paramInfo) {
                             std::string id = paramInfo.param;
                             for (char& c : id) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return id;
                         });

}  // namespace
