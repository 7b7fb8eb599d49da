#pragma once

#include <string>

namespace mapedit {

// The window services the editor asks of its host. The desktop shell does
// the real thing; the headless shell records the calls for tests and the CLI.
class Shell {
  public:
    virtual ~Shell() = default;
    // Schedule a full repaint of the client area.
    virtual void invalidate() = 0;
    virtual void setTitle(const std::string& title) = 0;
    // A modal message box with an OK button.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
};

}  // namespace mapedit
