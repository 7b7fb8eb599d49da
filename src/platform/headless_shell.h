#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.h"

namespace mapedit {

// A shell without a window: answers requests from queues, keeps the menu
// and toolbar marks, and logs one line per thing a user would notice, in
// the words of the edit-script log.
class HeadlessShell : public Shell {
  public:
    struct Message {
        std::string text;
        std::string caption;
        MessageKind kind = MessageKind::Information;
    };

    void invalidate() override { ++invalidations; }
    void setTitle(const std::string& t) override;
    void showMessage(const std::string& text, const std::string& caption,
                     MessageKind kind) override;
    MessageAnswer askMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons) override;
    std::optional<std::string> askOpenPath(const FileDialogRequest& request) override;
    std::optional<ChosenFile> askSavePath(const FileDialogRequest& request) override;
    std::optional<int> askLevel(const LevelChoiceRequest& request) override;
    DialogResult runDialog(PropertyDialog& dialog) override;
    void setMenuCheck(int id, bool checked) override;
    void setMenuRadio(int firstId, int lastId, int checkedId) override;
    void setMenuEnabled(int id, bool enabled) override;
    void checkToolButton(int id) override;
    void closeWindow() override;
    bool isMenuEnabled(int id) const override;
    void setMenuText(int id, const std::string& text) override { menuTexts_[id] = text; }
    // The text last given to an entry; empty when none was.
    std::string menuText(int id) const;

    // Takes the pending repaint request, if any.
    bool takeInvalidation();

    // Queued answers; a request finding its queue empty is cancelled.
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<ChosenFile>> saveAnswers;
    std::deque<MessageAnswer> messageAnswers;
    // A level's position from 1 or its name; nothing cancels.
    std::deque<std::optional<std::string>> levelAnswers;
    // Runs property dialogs; without one, or when it answers nothing, the
    // dialog opens and is cancelled at once.
    std::function<std::optional<DialogResult>(PropertyDialog&)> dialogHost;

    std::vector<std::string> log;
    int invalidations = 0;
    std::string title;
    std::vector<Message> messages;
    int toolButton = 0;
    bool closed = false;

  private:
    bool isMenuChecked(int id) const;
    std::optional<std::string> askPath(const char* kind, const FileDialogRequest& request,
                                       std::deque<std::optional<std::string>>& answers);

    std::map<int, bool> checked_;
    std::map<int, bool> enabled_;
    std::map<int, std::string> menuTexts_;
    int seenInvalidations_ = 0;
};

// The log's and the scripts' spelling of a message answer: ok, yes, no,
// cancel; and the answer a word spells, if any.
const char* answerWord(MessageAnswer answer);
std::optional<MessageAnswer> messageAnswerNamed(std::string_view word);

}  // namespace mapedit
