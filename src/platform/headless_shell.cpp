#include "platform/headless_shell.h"

#include <fmt/format.h>

#include "platform/headless_dialog.h"

namespace mapedit {

const char* answerWord(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok:
            return "ok";
        case MessageAnswer::Yes:
            return "yes";
        case MessageAnswer::No:
            return "no";
        case MessageAnswer::Cancel:
            break;
    }
    return "cancel";
}

std::optional<MessageAnswer> messageAnswerNamed(std::string_view word) {
    for (const MessageAnswer a :
         {MessageAnswer::Ok, MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel}) {
        if (word == answerWord(a)) return a;
    }
    return std::nullopt;
}

void HeadlessShell::setTitle(const std::string& t) {
    title = t;
    log.push_back(fmt::format("title \"{}\"", t));
}

void HeadlessShell::showMessage(const std::string& text, const std::string& caption,
                                MessageKind kind) {
    messages.push_back({text, caption, kind});
    log.push_back(fmt::format("message \"{}\" \"{}\"", caption, text));
}

MessageAnswer HeadlessShell::askMessage(const std::string& text, const std::string& caption,
                                        MessageButtons buttons) {
    messages.push_back({text, caption});
    std::string line = fmt::format("message \"{}\" \"{}\" -> ", caption, text);
    if (buttons == MessageButtons::Ok) {
        log.push_back(line + "ok");
        return MessageAnswer::Ok;
    }
    if (messageAnswers.empty()) {
        log.push_back(line + "cancel (no answer)");
        return MessageAnswer::Cancel;
    }
    const MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    log.push_back(line + answerWord(answer));
    return answer;
}

std::optional<std::string> HeadlessShell::askPath(const char* kind,
                                                  const FileDialogRequest& request,
                                                  std::deque<std::optional<std::string>>& answers) {
    std::string line = fmt::format("{}-dialog \"{}\" initial=\"{}\" -> ", kind, request.title,
                                   request.initialPath);
    if (answers.empty()) {
        log.push_back(line + "cancel (no answer)");
        return std::nullopt;
    }
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    log.push_back(line + (answer ? *answer : std::string("cancel")));
    return answer;
}

std::optional<std::string> HeadlessShell::askOpenPath(const FileDialogRequest& request) {
    return askPath("open", request, openAnswers);
}

// A type other than the first is logged after the path.
std::optional<ChosenFile> HeadlessShell::askSavePath(const FileDialogRequest& request) {
    std::string line =
        fmt::format("save-dialog \"{}\" initial=\"{}\" -> ", request.title, request.initialPath);
    if (saveAnswers.empty()) {
        log.push_back(line + "cancel (no answer)");
        return std::nullopt;
    }
    std::optional<ChosenFile> answer = saveAnswers.front();
    saveAnswers.pop_front();
    if (!answer) {
        log.push_back(line + "cancel");
    } else if (answer->type == 0) {
        log.push_back(line + answer->path);
    } else {
        log.push_back(fmt::format("{}{} (type {})", line, answer->path, answer->type + 1));
    }
    return answer;
}

// Lists the levels as the dialog shows them; an answer naming no level
// that can be edited is logged and cancels.
std::optional<int> HeadlessShell::askLevel(const LevelChoiceRequest& request) {
    log.push_back(fmt::format("level-dialog \"{}\" \"{}\"", request.title, request.fileName));
    for (std::size_t i = 0; i < request.levels.size(); ++i) {
        log.push_back("  " + levelListEntry(request.levels[i], static_cast<int>(i)));
    }
    if (levelAnswers.empty()) {
        log.push_back("  -> cancel (no answer)");
        return std::nullopt;
    }
    const std::optional<std::string> answer = levelAnswers.front();
    levelAnswers.pop_front();
    if (!answer) {
        log.push_back("  -> cancel");
        return std::nullopt;
    }
    const LevelPick pick = pickLevel(request.levels, *answer);
    if (!pick.index) {
        log.push_back(fmt::format("  -> cancel: {}", pick.error));
        return std::nullopt;
    }
    log.push_back(fmt::format("  -> {}", *pick.index + 1));
    return pick.index;
}

// Without a host, or an answer from it, the dialog opens and the user
// dismisses it at once.
DialogResult HeadlessShell::runDialog(PropertyDialog& dialog) {
    if (dialogHost) {
        if (const auto result = dialogHost(dialog)) return *result;
    }
    HeadlessDialog opened(dialog);
    log.push_back(fmt::format("dialog {} (no answer)", dialog.templateId()));
    return DialogResult::Cancel;
}

void HeadlessShell::setMenuCheck(int id, bool checked) {
    auto [it, added] = checked_.try_emplace(id, !checked);
    if (it->second == checked) return;
    it->second = checked;
    log.push_back(fmt::format("check {} {}", id, checked ? "on" : "off"));
}

void HeadlessShell::setMenuRadio(int firstId, int lastId, int checkedId) {
    if (isMenuChecked(checkedId)) return;
    for (int id = firstId; id <= lastId; ++id) checked_[id] = id == checkedId;
    log.push_back(fmt::format("radio {}", checkedId));
}

void HeadlessShell::setMenuEnabled(int id, bool enabled) {
    enabled_[id] = enabled;
}

void HeadlessShell::checkToolButton(int id) {
    if (toolButton == id) return;
    toolButton = id;
    log.push_back(fmt::format("toolbar {}", id));
}

void HeadlessShell::closeWindow() {
    closed = true;
    log.push_back("window closed");
}

std::string HeadlessShell::menuText(int id) const {
    const auto it = menuTexts_.find(id);
    return it == menuTexts_.end() ? std::string() : it->second;
}

bool HeadlessShell::isMenuEnabled(int id) const {
    const auto it = enabled_.find(id);
    return it == enabled_.end() || it->second;
}

bool HeadlessShell::isMenuChecked(int id) const {
    const auto it = checked_.find(id);
    return it != checked_.end() && it->second;
}

bool HeadlessShell::takeInvalidation() {
    const bool pending = invalidations != seenInvalidations_;
    seenInvalidations_ = invalidations;
    return pending;
}

}  // namespace mapedit
