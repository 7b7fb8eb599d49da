#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/editor.h"
#include "cli/edit_script.h"
#include "platform/headless_shell.h"

namespace mapedit::cli {

// The editor as the desktop program starts it, on the headless shell,
// driven one script step at a time. Everything the user would notice goes
// to the log.
class ScriptPlayer {
  public:
    ScriptPlayer(std::uint32_t seed, Variant variant);

    // Runs one step and then the repaint it left pending. False, with
    // `error` set, when the step names something that does not exist.
    bool run(const Step& step, std::string& error);

    // Log lines not yet taken.
    std::vector<std::string> takeLog();

    Editor& editor() { return editor_; }
    // Quit closed the window: the message loop, and so the script, ends.
    bool windowClosed() const { return shell_.closed; }

  private:
    bool input(const Step& step, std::string& error);
    bool choose(int id, std::string& error);
    void deliver(int id);
    void look(const Step& step);
    void write(const Step& step);
    std::optional<DialogResult> answerDialog(PropertyDialog& dialog);

    HeadlessShell shell_;
    Editor editor_;
    std::deque<DialogAnswer> dialogAnswers_;
};

}  // namespace mapedit::cli
