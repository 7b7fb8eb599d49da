// Save As offers the writer's own layout as the last file type; the
// others keep the designer's text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/editor.h"
#include "platform/headless_shell.h"
#include "resources/menu.h"
#include "support/run_program.h"

namespace mapedit {
namespace {

namespace fs = std::filesystem;

TEST(SaveLayout, TheLastFileTypeWritesTheFixedLayout) {
    const fs::path level = fs::path(MAPEDIT_TEST_DATA) / "kept/ashes.des";
    const std::string text = test::slurp(level);
    const fs::path out =
        fs::temp_directory_path() / ("mapedit-layout-" + std::to_string(::getpid()) + ".des");
    struct Case {
        int type;
        bool fixed;
    };
    for (const Case c : {Case{0, false}, Case{2, false}, Case{3, true}}) {
        SCOPED_TRACE(c.type);
        HeadlessShell shell;
        Editor editor(shell, 3);
        ASSERT_TRUE(editor.openFile(level.string()));
        shell.saveAnswers.push_back(ChosenFile{out.string(), c.type});
        editor.onCommand(command::kSaveAs);
        const std::string saved = test::slurp(out);
        EXPECT_EQ(saved, c.fixed ? editor.levelSave(SaveLayout::Fixed)->saved.text : text);
        EXPECT_EQ(saved == text, !c.fixed);
        // The next Save starts from the text now in the file.
        editor.onCommand(command::kSave);
        EXPECT_EQ(test::slurp(out), saved);
    }
    fs::remove(out);
}

}  // namespace
}  // namespace mapedit
