// Saving is stable: every level file the tests hold, opened in the editor
// and saved, then opened again and saved again, gives the same bytes both
// times, so that saving a level without touching it never shows up as a
// change in its history; and a map's cells come back as they were read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "platform/headless_shell.h"
#include "reader/level_file.h"
#include "support/level_files.h"
#include "support/run_program.h"
#include "writer/writer.h"

namespace mapedit {
namespace {

namespace fs = std::filesystem;

using test::slurp;

using test::everyLevelFile;
using test::variantOfFile;

// What Save writes right after the text is opened in a new editor; empty
// when the text does not read or the level cannot be written. Cells at the
// edge of a map part settle against the background around the part, which
// a random filling makes anew at every open: each open starts the
// generator alike, so that only the trip through the file could differ.
// A level of a file of several levels is saved as Save does it: the whole
// file with that level's text replaced.
std::string openAndSave(const std::string& text, const fs::path& path,
                        std::optional<int> level = std::nullopt) {
    HeadlessShell shell;
    Editor editor(shell, 7, variantOfFile(path));
    if (!editor.openText(text, path.string(), level)) return {};
    Result<WrittenLevel> saved = writeLevel(editor.level(), editor.state().variant);
    std::string out = saved ? std::move(saved->text) : std::string();
    if (level) out = LevelFile(text).withLevel(*level, out);
    return out;
}

// Calls check(text, file, level) for every level of every level file,
// `level` empty for a file of one level; returns how many were checked,
// check telling whether it could.
template <class Check>
int forEveryLevel(Check check) {
    int compared = 0;
    for (const fs::path& file : everyLevelFile()) {
        const std::string text = slurp(file);
        const LevelFile levels(text);
        const int count = levels.isSingleLevel() ? 1 : static_cast<int>(levels.levels().size());
        for (int i = 0; i < count; ++i) {
            SCOPED_TRACE(file.string() + " level " + std::to_string(i + 1));
            const std::optional<int> level =
                levels.isSingleLevel() ? std::nullopt : std::optional<int>(i);
            if (check(text, file, level)) ++compared;
        }
    }
    return compared;
}

TEST(StableSave, OpenSaveOpenSaveGivesTheSameBytes) {
    const int compared =
        forEveryLevel([](const std::string& text, const fs::path& file, std::optional<int> level) {
            const std::string first = openAndSave(text, file, level);
            // It does not read, has no map part, or cannot be edited.
            if (first.empty()) return false;
            EXPECT_EQ(openAndSave(first, file, level), first);
            return true;
        });
    EXPECT_GE(compared, 40);
}

// What the default Save writes right after Open: the designer's own text.
std::string openAndSaveKeepingText(const std::string& text, const fs::path& path,
                                   std::optional<int> level) {
    HeadlessShell shell;
    Editor editor(shell, 7, variantOfFile(path));
    if (!editor.openText(text, path.string(), level)) return {};
    const Result<LevelSave> save = editor.levelSave();
    if (!save) return {};
    return level ? LevelFile(text).withLevel(*level, save->saved.text) : save->saved.text;
}

std::string withCrLf(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// Saving a level right after opening it gives the file back byte for
// byte, comments and spacing included, with either line end, and in a
// file of several levels whichever level was opened.
TEST(StableSave, SaveRightAfterOpenGivesTheFileBack) {
    const int compared =
        forEveryLevel([](const std::string& text, const fs::path& file, std::optional<int> level) {
            const std::string saved = openAndSaveKeepingText(text, file, level);
            if (saved.empty()) return false;
            EXPECT_EQ(saved, text);
            if (text.find('\r') == std::string::npos) {
                EXPECT_EQ(openAndSaveKeepingText(withCrLf(text), file, level), withCrLf(text));
            }
            return true;
        });
    EXPECT_GE(compared, 40);
}

// The rows of every MAP ... ENDMAP block of a level description.
std::vector<std::vector<std::string>> mapRows(const std::string& text) {
    std::vector<std::vector<std::string>> maps;
    std::istringstream in(text);
    bool inMap = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!inMap && line == "MAP") {
            maps.emplace_back();
            inMap = true;
        } else if (inMap && line.rfind("ENDMAP", 0) == 0) {
            inMap = false;
        } else if (inMap) {
            maps.back().push_back(line);
        }
    }
    return maps;
}

// Levels whose maps put rock (' ') beside floor and walls at junctions:
// opening them must change no cell, so Save writes the rows as they were
// read, and saving that again changes nothing.
TEST(StableSave, MapsWithRockBesideFloorAreSavedAsRead) {
    const fs::path data(MAPEDIT_TEST_DATA);
    const fs::path samples = fs::path(MAPEDIT_SOURCE_DIR) / "samples";
    for (const fs::path& file : {data / "levels/grotto.des", data / "levels/town.des",
                                 data / "levels/puzzle.des", samples / "keep.des"}) {
        SCOPED_TRACE(file.string());
        const std::string text = slurp(file);
        const std::string saved = openAndSave(text, file);
        ASSERT_FALSE(saved.empty());
        EXPECT_EQ(mapRows(saved), mapRows(text));
        EXPECT_EQ(openAndSave(saved, file), saved);
    }
}

}  // namespace
}  // namespace mapedit
