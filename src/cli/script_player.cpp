#include "cli/script_player.h"

#include <fmt/format.h>

#include "app/file_io.h"
#include "cli/dialog_actions.h"
#include "cli/script_looks.h"
#include "platform/headless_dialog.h"
#include "platform/png_file.h"
#include "resources/menu.h"
#include "resources/toolbar.h"
#include "writer/writer.h"

namespace mapedit::cli {

ScriptPlayer::ScriptPlayer(std::uint32_t seed, Variant variant) : editor_(shell_, seed, variant) {
    shell_.dialogHost = [this](PropertyDialog& d) { return answerDialog(d); };
    editor_.onPaint();
    // What start-up shows is not the script's doing.
    shell_.log.clear();
    shell_.takeInvalidation();
}

std::vector<std::string> ScriptPlayer::takeLog() {
    std::vector<std::string> lines;
    lines.swap(shell_.log);
    return lines;
}

bool ScriptPlayer::run(const Step& step, std::string& error) {
    bool ok = true;
    switch (step.kind) {
        case StepKind::AnswerOpen:
            shell_.openAnswers.push_back(step.path);
            break;
        case StepKind::AnswerSave:
            shell_.saveAnswers.push_back(
                step.path ? std::optional<ChosenFile>(ChosenFile{*step.path, step.id})
                          : std::nullopt);
            break;
        case StepKind::AnswerLevel:
            shell_.levelAnswers.push_back(step.path);
            break;
        case StepKind::AnswerMessage:
            shell_.messageAnswers.push_back(*messageAnswerNamed(step.word));
            break;
        case StepKind::AnswerDialog:
            dialogAnswers_.push_back(step.dialog);
            break;
        case StepKind::Write:
            write(step);
            break;
        case StepKind::Render:
        case StepKind::Pixel:
        case StepKind::Cell:
        case StepKind::State:
        case StepKind::Areas:
        case StepKind::Parts:
        case StepKind::Template:
        case StepKind::Changes:
            look(step);
            break;
        default:
            ok = input(step, error);
            break;
    }
    // The message loop paints once its queue is empty.
    if (shell_.takeInvalidation()) editor_.onPaint();
    return ok;
}

bool ScriptPlayer::input(const Step& step, std::string& error) {
    const int x = step.point.x, y = step.point.y;
    switch (step.kind) {
        case StepKind::Down:
            editor_.onLeftDown(x, y);
            break;
        case StepKind::Up:
            editor_.onLeftUp(x, y);
            break;
        case StepKind::Drag:
            editor_.onMouseMove(x, y, true);
            break;
        case StepKind::Move:
            editor_.onMouseMove(x, y, false);
            break;
        case StepKind::Click:
            editor_.onLeftDown(x, y);
            editor_.onLeftUp(x, y);
            break;
        case StepKind::Double:
            // The platform's order: press, release, double click, release.
            editor_.onLeftDown(x, y);
            editor_.onLeftUp(x, y);
            editor_.onDoubleClick(x, y);
            editor_.onLeftUp(x, y);
            break;
        case StepKind::Right:
            editor_.onRightDown(x, y);
            break;
        case StepKind::Key:
            if (step.word == "escape") {
                editor_.onKeyDown(Key::Escape);
            } else if (step.word == "delete") {
                editor_.onKeyDown(Key::Delete);
            } else if (const int id = acceleratorCommand(step.word.back()); id != 0) {
                deliver(id);
            }
            break;
        case StepKind::Menu:
            return choose(step.id, error);
        case StepKind::Tool:
            if (!toolOfCommand(step.id)) {
                error = fmt::format("no toolbar button {}", step.id);
                return false;
            }
            // The toolbar moves its check mark itself, then sends the command.
            shell_.checkToolButton(step.id);
            editor_.onCommand(step.id);
            break;
        case StepKind::Command:
            editor_.onCommand(step.id);
            break;
        case StepKind::Close:
            if (editor_.onClose()) shell_.closeWindow();
            break;
        default:
            break;
    }
    return true;
}

// The user opens the popups down to the entry, then picks it.
bool ScriptPlayer::choose(int id, std::string& error) {
    const MenuPath path = popupsHolding(id);
    if (path.depth == 0) {
        error = fmt::format("no menu entry {}", id);
        return false;
    }
    deliver(id);
    return true;
}

// A greyed entry cannot be chosen, and its accelerator is not delivered.
void ScriptPlayer::deliver(int id) {
    if (!editor_.chooseMenuEntry(id)) shell_.log.push_back(fmt::format("greyed {}", id));
}

void ScriptPlayer::look(const Step& step) {
    const Editor& e = editor_;
    switch (step.kind) {
        case StepKind::Render: {
            std::string error;
            if (!savePng(e.canvas(), 1, *step.path, error))
                shell_.log.push_back("render failed: " + error);
            break;
        }
        case StepKind::Pixel:
            shell_.log.push_back(pixelLine(e.canvas(), step.point.x, step.point.y));
            break;
        case StepKind::Cell:
            shell_.log.push_back(cellLine(e.level(), step.point.x, step.point.y));
            break;
        case StepKind::State:
            shell_.log.push_back(stateLine(e));
            break;
        case StepKind::Areas:
            appendAreaLines(e.level(), shell_.log);
            break;
        case StepKind::Parts:
            appendPartLines(e, shell_.log);
            break;
        case StepKind::Template:
            shell_.log.push_back(templateLine(e.templates(), step.word));
            break;
        case StepKind::Changes:
            appendSaveChanges(e, shell_.log);
            break;
        default:
            break;
    }
}

void ScriptPlayer::write(const Step& step) {
    const Result<WrittenLevel> written = writeLevel(editor_.level(), editor_.state().variant);
    if (!written) {
        shell_.log.push_back("write refused: " + written.error());
        return;
    }
    const std::string& text = written->text;
    if (*step.path == "-") {
        shell_.log.push_back("--- write");
        std::size_t start = 0;
        while (start < text.size()) {
            const auto end = text.find('\n', start);
            shell_.log.push_back(text.substr(start, end - start));
            start = end == std::string::npos ? text.size() : end + 1;
        }
        shell_.log.push_back("--- end");
        return;
    }
    const Status stored = writeFileAtomically(*step.path, text);
    if (!stored) shell_.log.push_back("write failed: " + stored.error());
}

// The dialog opens (its initialisation runs whatever the answer), then
// the answer's input is applied with its reactions, and it ends as the
// answer says. Input the user could not give is logged and skipped.
// Without an answer the shell's own way goes: opened and cancelled.
std::optional<DialogResult> ScriptPlayer::answerDialog(PropertyDialog& dialog) {
    if (dialogAnswers_.empty()) return std::nullopt;
    HeadlessDialog opened(dialog);
    const int id = dialog.templateId();
    const DialogAnswer answer = dialogAnswers_.front();
    dialogAnswers_.pop_front();
    if (answer.id != id) {
        shell_.log.push_back(fmt::format("unexpected dialog {}", id));
        return DialogResult::Cancel;
    }
    shell_.log.push_back(fmt::format("dialog {} \"{}\"", id, dialog.dialogTemplate().caption));
    for (std::string& line : opened.stateLines()) shell_.log.push_back(std::move(line));
    for (const DialogAction& action : answer.actions) {
        const std::string refused = apply(opened, action);
        if (!refused.empty()) {
            shell_.log.push_back(fmt::format("  cannot {}: {}", describe(action), refused));
        }
    }
    if (answer.end == DialogAnswer::End::Ok) {
        shell_.log.push_back("  -> ok");
        return opened.ok();
    }
    shell_.log.push_back("  -> cancel");
    return opened.cancel();
}

}  // namespace mapedit::cli
