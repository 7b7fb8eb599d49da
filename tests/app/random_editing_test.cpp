// Seeded random sessions of presses, moves, drags, releases, double and
// right clicks, keys and commands, with property dialogs answered by random
// clicks, texts and choices: nothing crashes and the editor's invariants
// hold after every event. MAPEDIT_RANDOM_EDIT_SECONDS makes it
// run on with fresh seeds for that long (for sanitizer soak runs).
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "model/grid.h"
#include "platform/headless_dialog.h"
#include "platform/headless_shell.h"
#include "reader/reader.h"
#include "resources/menu.h"
#include "support/game_meaning.h"
#include "support/run_program.h"
#include "view/map_view.h"
#include "writer/writer.h"

namespace mapedit {
namespace {

namespace fs = std::filesystem;

// Commands a session may send; Open, Save and Save as find no answer and
// are cancelled.
constexpr int kCommands[] = {100,  101,  102,  110,  111,  112,  113,  114,  115, 120, 121, 122,
                             150,  151,  152,  200,  201,  290,  291,  292,  300, 400, 401, 402,
                             403,  404,  405,  406,  407,  408,  409,  410,  411, 412, 413, 414,
                             2000, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008};

class Session {
  public:
    // Half of the sessions start from a level file.
    explicit Session(std::uint32_t seed) : editor_(shell_, seed), rng_(seed) {
        shell_.dialogHost = [this](PropertyDialog& dialog) { return answer(dialog); };
        if (seed % 2 == 1) {
            static constexpr const char* kLevels[] = {"castle", "town",      "mines",  "large",
                                                      "puzzle", "labyrinth", "sanctum"};
            const std::string name = std::string(kLevels[pick(0, std::size(kLevels) - 1)]) + ".des";
            openCopy(fs::path(MAPEDIT_TEST_DATA) / "levels" / name, seed);
        }
        start_ = editor_.level();
    }
    // A session on a copy of the level file.
    Session(std::uint32_t seed, const fs::path& level) : editor_(shell_, seed), rng_(seed) {
        shell_.dialogHost = [this](PropertyDialog& dialog) { return answer(dialog); };
        openCopy(level, seed);
        start_ = editor_.level();
    }
    ~Session() {
        if (!copy_.empty()) fs::remove(copy_);
    }

    // One random event; returns a short description for failure messages.
    std::string step() {
        const auto [px, py] = point();
        switch (pick(0, 11)) {
            case 0:
            case 1:
                editor_.onLeftDown(px, py);
                return at("down", px, py);
            case 2:
            case 3:
                editor_.onMouseMove(px, py, true);
                return at("drag", px, py);
            case 4:
                editor_.onMouseMove(px, py, false);
                return at("move", px, py);
            case 5:
            case 6:
                editor_.onLeftUp(px, py);
                return at("up", px, py);
            case 7:
                editor_.onDoubleClick(px, py);
                return at("double", px, py);
            case 8:
                editor_.onRightDown(px, py);
                return at("right", px, py);
            case 9:
                editor_.onKeyDown(pick(0, 1) == 0 ? Key::Escape : Key::Delete);
                return "key";
            case 10: {
                const MenuPath path = popupsHolding(kCommands[pick(0, std::size(kCommands) - 1)]);
                if (path.depth > 0) editor_.onMenuOpening(*path.popups[path.depth - 1]);
                return "menu opening";
            }
            default: {
                const int id = kCommands[pick(0, std::size(kCommands) - 1)];
                editor_.onCommand(id);
                return "command " + std::to_string(id);
            }
        }
    }

    // Empty when every invariant holds, else what broke.
    std::string broken() const {
        if (!strayCall_.empty()) return "dialog procedure called for no control: " + strayCall_;
        const EditorState& s = editor_.state();
        if (s.selectedArea != nullptr && s.selectedCell != CellPos{}) return "two selections";
        if (s.selectedArea != nullptr && !inAreaList(s.selectedArea)) return "stray selected area";
        if (s.selectedCell != CellPos{} && !isEditableCell(s.selectedCell.x, s.selectedCell.y)) {
            return "selected cell off the map";
        }
        for (int y = 0; y < kMapHeight; ++y) {
            const MapCell& c = editor_.level().cell(0, y);
            if (c.monster || c.trap || !c.objects.empty()) return "placement in column 0";
        }
        for (const auto& a : editor_.level().areas()) {
            if (!isOnGrid(a->x1, a->y1) || !isOnGrid(a->x2, a->y2)) return "area off the grid";
        }
        return readsBack();
    }

    int partCount() const { return editor_.level().settings.partCount; }

    // Undoes every step, then redoes as many: Undo must end on the level
    // the session started with (while the history still holds every step),
    // Redo on the level it ended with. Empty when both hold, else what
    // broke.
    std::string undoAndRedoEverything(int& steps) {
        // A drag still pending ends as a step of its own.
        editor_.onMouseMove(0, 0, false);
        const Level end = editor_.level();
        const bool redoAtEnd = offered(command::kRedo);
        for (steps = 0; offered(command::kUndo); ++steps) editor_.onCommand(command::kUndo);
        const bool allKept = steps < static_cast<int>(EditHistory::kDefaultSteps);
        if (allKept && !(editor_.level() == start_))
            return "undone to another level than the start";
        for (int i = 0; i < steps; ++i) editor_.onCommand(command::kRedo);
        if (!(editor_.level() == end)) return "redone to another level than the end";
        if (offered(command::kRedo) != redoAtEnd) return "redo offered other than at the end";
        return {};
    }

    // Saves to the file opened, as Save does, and checks what was written:
    // it reads as the level the writer's own layout gives, and opening and
    // saving it again gives it back byte for byte. Empty when both hold.
    std::string savesAlike(std::map<SaveForm, int>& forms) {
        editor_.onMouseMove(0, 0, false);  // a drag still pending ends first
        const Result<LevelSave> save = editor_.levelSave();
        if (!save) return {};
        ++forms[save->saved.form];
        const Variant variant = editor_.state().variant;
        const std::string& text = save->saved.text;
        const auto patched = meaningOfText(text, variant);
        const auto fixed = meaningOfText(editor_.levelSave(SaveLayout::Fixed)->saved.text, variant);
        if (patched != fixed) {
            return "the saved text means another level:\n" + test::meaningDiff(fixed, patched) +
                   text;
        }
        editor_.onCommand(command::kSave);
        if (test::slurp(copy_) != text) return "the file saved is not the text";
        HeadlessShell shell;
        Editor again(shell, 5, variant);
        if (!again.openText(text, copy_.string())) return "the text saved does not open";
        if (again.levelSave()->saved.text != text) return "saving it again changed it:\n" + text;
        return {};
    }

  private:
    static std::vector<std::string> meaningOfText(const std::string& text, Variant variant) {
        Random random(1);
        const auto read = readLevel(text, random, variant);
        if (!read) return {"does not read: " + read.error().message};
        return test::gameMeaning(read->level);
    }

    // Save writes to the file that was opened: open a copy, never the test data.
    void openCopy(const fs::path& level, std::uint32_t seed) {
        const fs::path copy =
            fs::temp_directory_path() / ("mapedit-random-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(seed) + "-" + level.filename().string());
        fs::copy_file(level, copy, fs::copy_options::overwrite_existing);
        editor_.openFile(copy.string());
        copy_ = copy;
    }

    // Texts a user may type, the awkward ones included.
    static constexpr const char* kTexts[] = {
        "",
        "0",
        "-1",
        "100",
        " 75x",
        "99999999999",
        "-99999999999",
        "abc",
        "a\"b",
        "\"",
        "x\ny",
        "\t",
        "Elbereth",
        "0123456789012345678901234567890123456789012345678901234567890123456789"};

    // Random input to the dialog's controls, then OK or Cancel. Half the
    // input goes to the text boxes, where awkward texts do harm.
    DialogResult answer(PropertyDialog& dialog) {
        HeadlessDialog open(dialog);
        std::vector<const ControlTemplate*> boxes, others;
        for (const ControlTemplate& c : dialog.dialogTemplate().controls) {
            (c.kind == ControlKind::Edit ? boxes : others).push_back(&c);
        }
        for (int n = pick(0, 6); n > 0; --n) {
            const bool typing = !boxes.empty() && pick(0, 1) == 0;
            const auto& from = typing ? boxes : others;
            const ControlTemplate& c =
                *from[static_cast<std::size_t>(pick(0, static_cast<int>(from.size()) - 1))];
            if (typing) {
                open.type(c.id, kTexts[pick(0, std::size(kTexts) - 1)]);
            } else if (c.kind == ControlKind::DropDown) {
                open.choose(c.id, pick(-1, open.entryCount(c.id)));
            } else {
                open.click(c.id);
            }
        }
        if (!open.strayCalls().empty()) strayCall_ = open.strayCalls().front();
        return pick(0, 2) == 0 ? open.cancel() : open.ok();
    }

    // Pure random pixels would rarely hit the palette or stay near cells
    // that hold something, so most points aim at cells or the palette.
    std::pair<int, int> point() {
        switch (pick(0, 3)) {
            case 0:
                return {pick(-20, 830), pick(-20, 470)};
            case 1:
                return {pick(95, 305), pick(396, 431)};
            default: {
                const int cx = pick(0, 79), cy = pick(0, 20);
                return {cellCentreX(cx) + pick(-6, 6), cellCentreY(cy) + pick(-10, 10)};
            }
        }
    }

    // A level with map parts writes and reads back.
    std::string readsBack() const {
        if (editor_.level().settings.partCount == 0) return {};
        const Result<WrittenLevel> written = writeLevel(editor_.level(), editor_.state().variant);
        if (!written) return "write refused: " + written.error();
        Random random(1);
        const auto read = readLevel(written->text, random, editor_.state().variant);
        if (read || leftNoRoom(read.error().message)) return {};
        return "written level does not read: " + read.error().message;
    }

    // Painting can take away every cell a random placement could land on;
    // the game cannot build such a level either, and the reader says so.
    static bool leftNoRoom(const std::string& report) {
        return report.find("Cannot place") != std::string::npos;
    }

    bool offered(int id) {
        const MenuPath path = popupsHolding(id);
        editor_.onMenuOpening(*path.popups[path.depth - 1]);
        return shell_.isMenuEnabled(id);
    }

    bool inAreaList(const AreaRecord* area) const {
        for (const auto& a : editor_.level().areas()) {
            if (a.get() == area) return true;
        }
        return false;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    static std::string at(const char* what, int px, int py) {
        return std::string(what) + " " + std::to_string(px) + "," + std::to_string(py);
    }

    fs::path copy_;
    HeadlessShell shell_;
    Editor editor_;
    std::mt19937 rng_;
    std::string strayCall_;
    Level start_;
};

// The events, with the invariants checked after each; then every step is
// undone and redone. `steps` receives how many there were.
void runSession(std::uint32_t seed, int events, int& steps) {
    Session session(seed);
    for (int i = 0; i < events; ++i) {
        const std::string event = session.step();
        const std::string problem = session.broken();
        ASSERT_TRUE(problem.empty())
            << "seed " << seed << ", event " << i << " (" << event << "): " << problem;
    }
    const std::string problem = session.undoAndRedoEverything(steps);
    ASSERT_TRUE(problem.empty()) << "seed " << seed << ", undoing and redoing: " << problem;
}

// Each session ends undoing every step back to its start and redoing
// them all to its end.
TEST(RandomEditing, InvariantsHoldAfterEveryEventAndUndoReachesTheStart) {
    int allSteps = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        int steps = 0;
        runSession(seed, 600, steps);
        ASSERT_LT(steps, static_cast<int>(EditHistory::kDefaultSteps)) << "seed " << seed;
        allSteps += steps;
    }
    // Only worth its time when the sessions make many steps.
    EXPECT_GE(allSteps, 12 * 20);
}

// The sessions above are only worth their time when they reach the
// editor's deeper states.
TEST(RandomEditing, SessionsMakeMapParts) {
    int withParts = 0;
    for (std::uint32_t seed = 2; seed <= 30; seed += 2) {
        Session session(seed);
        for (int i = 0; i < 600; ++i) session.step();
        if (session.partCount() > 0) ++withParts;
    }
    EXPECT_GE(withParts, 3);
}

// Saving now and then in random sessions on hand-written levels: each
// text saved means what the writer's own layout means, reads back to the
// same bytes, and most saves patch the designer's text rather than
// writing the level afresh.
TEST(RandomEditing, SavesKeepTheDesignersTextAndTheLevel) {
    std::map<SaveForm, int> forms;
    const fs::path data(MAPEDIT_TEST_DATA);
    const fs::path levels[] = {data / "kept/ashes.des", data / "kept/crossing.des",
                               data / "levels/castle.des", data / "meaning/doorways.des"};
    std::uint32_t seed = 40;
    for (const fs::path& level : levels) {
        for (int run = 0; run < 3; ++run, ++seed) {
            Session session(seed, level);
            for (int i = 1; i <= 300; ++i) {
                const std::string event = session.step();
                if (i % 30 != 0) continue;
                const std::string problem = session.savesAlike(forms);
                ASSERT_TRUE(problem.empty()) << level << " seed " << seed << ", event " << i << " ("
                                             << event << "): " << problem;
            }
        }
    }
    const int kept = forms[SaveForm::Unchanged] + forms[SaveForm::Patched];
    const int all = kept + forms[SaveForm::PartsRewritten] + forms[SaveForm::Rewritten] +
                    forms[SaveForm::Fixed];
    std::printf("saves: %d unchanged, %d patched, %d parts, %d whole, %d fixed\n",
                forms[SaveForm::Unchanged], forms[SaveForm::Patched],
                forms[SaveForm::PartsRewritten], forms[SaveForm::Rewritten],
                forms[SaveForm::Fixed]);
    EXPECT_GE(all, 100);
    EXPECT_GE(kept * 4, all * 3);
}

TEST(RandomEditing, SoakForAsLongAsAsked) {
    const char* seconds = std::getenv("MAPEDIT_RANDOM_EDIT_SECONDS");
    if (seconds == nullptr) GTEST_SKIP() << "set MAPEDIT_RANDOM_EDIT_SECONDS to soak";
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(seconds));
    std::uint32_t seed = 1000;
    long events = 0;
    while (std::chrono::steady_clock::now() < end) {
        int steps = 0;
        runSession(seed++, 2000, steps);
        events += 2000;
        if (HasFatalFailure()) return;
    }
    std::printf("soak: %u sessions, %ld events\n", seed - 1000, events);
}

}  // namespace
}  // namespace mapedit
