// Files of several levels: every level the editor can edit opens, and
// saving it writes the whole file back with only that level's text
// replaced, by exactly what a file of that level alone would get.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>

#include "app/editor.h"
#include "platform/headless_shell.h"
#include "reader/level_file.h"
#include "resources/command_ids.h"
#include "support/run_program.h"
#include "writer/writer.h"

namespace mapedit {
namespace {

namespace fs = std::filesystem;

using test::slurp;

constexpr std::uint32_t kSeed = 3;

// What Save writes for a file holding only `text`.
std::string savedAlone(std::string_view text) {
    HeadlessShell shell;
    Editor editor(shell, kSeed);
    if (!editor.openText(text, "alone.des")) return {};
    const Result<LevelSave> save = editor.levelSave();
    return save ? save->saved.text : std::string();
}

class LevelFiles : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("mapedit-level-files-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_P(LevelFiles, SavingALevelReplacesOnlyItsSpan) {
    const fs::path original = fs::path(MAPEDIT_TEST_DATA) / "multi" / GetParam();
    const LevelFile file(slurp(original));
    ASSERT_FALSE(file.isSingleLevel());
    int saved = 0;
    for (std::size_t i = 0; i < file.levels().size(); ++i) {
        const LevelSpan& span = file.levels()[i];
        if (span.style != LevelStyle::Maze) continue;
        SCOPED_TRACE(span.name);
        const std::string alone = savedAlone(file.levelText(static_cast<int>(i)));
        if (alone.empty()) continue;  // a level that does not read
        const fs::path copy = dir_ / original.filename();
        fs::copy_file(original, copy, fs::copy_options::overwrite_existing);
        HeadlessShell shell;
        Editor editor(shell, kSeed);
        ASSERT_TRUE(editor.openFile(copy.string(), static_cast<int>(i)));
        editor.onCommand(command::kSave);
        EXPECT_TRUE(shell.messages.empty()) << shell.messages.front().text;

        const std::string after = slurp(copy);
        const std::string& before = file.text();
        EXPECT_EQ(after.substr(0, span.begin), before.substr(0, span.begin));
        EXPECT_EQ(after.substr(span.begin, alone.size()), alone);
        EXPECT_EQ(after.substr(span.begin + alone.size()), before.substr(span.end));
        ++saved;
    }
    EXPECT_GE(saved, 2);
}

INSTANTIATE_TEST_SUITE_P(Files, LevelFiles,
                         ::testing::Values("watchtowers.des", "bad_third_level.des"),
                         [](const auto& paramInfo) {
                             std::string id = paramInfo.param;
                             return id.substr(0, id.find('.'));
                         });

}  // namespace
}  // namespace mapedit

namespace mapedit {
namespace {

// The comments a file of several levels opens with belong to the file:
// its first level saved in the writer's layout keeps them, and in the
// designer's text they stay where they are.
TEST(LevelFiles, TheFilesOpeningCommentsStayWithEitherLayout) {
    const std::string text = test::slurp(fs::path(MAPEDIT_TEST_DATA) / "multi/watchtowers.des");
    const std::string header = text.substr(0, text.find("MAZE"));
    ASSERT_TRUE(header.starts_with("# The watchtowers"));
    for (const SaveLayout layout : {SaveLayout::KeepText, SaveLayout::Fixed}) {
        HeadlessShell shell;
        Editor editor(shell, kSeed);
        ASSERT_TRUE(editor.openText(text, "watchtowers.des", 0));
        const Result<LevelSave> save = editor.levelSave(layout);
        ASSERT_TRUE(save);
        EXPECT_TRUE(save->saved.text.starts_with(header)) << save->saved.text;
        EXPECT_EQ(save->saved.text.find("MAZE"), header.size());
    }
}

}  // namespace
}  // namespace mapedit
