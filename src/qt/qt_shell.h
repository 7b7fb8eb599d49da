#pragma once

#include <QWidget>

#include "platform/shell.h"

namespace mapedit {

// Window services for the editor on top of a Qt window.
class QtShell : public Shell {
  public:
    // `window` takes the title and owns message boxes; the client repaints.
    explicit QtShell(QWidget& window) : window_(window) {}
    void setClient(QWidget* client) { client_ = client; }

    void invalidate() override;
    void setTitle(const std::string& title) override;
    void showMessage(const std::string& text, const std::string& caption) override;
    MessageAnswer askMessage(const std::string& text, const std::string& caption,
                             MessageButtons buttons) override;
    std::optional<std::string> askOpenPath(const FileDialogRequest& request) override;
    std::optional<std::string> askSavePath(const FileDialogRequest& request) override;
    // Property dialogs come with the dialog host; until then they are cancelled.
    DialogResult runDialog(PropertyDialog&) override { return DialogResult::Cancel; }
    // The menu bar and toolbar take these marks once they exist.
    void setMenuCheck(int, bool) override {}
    void setMenuRadio(int, int, int) override {}
    void setMenuEnabled(int, bool) override {}
    void checkToolButton(int) override {}
    void closeWindow() override;

    // Whether a full paint was asked for since the last call.
    bool takeInvalidation();

  private:
    QWidget& window_;
    QWidget* client_ = nullptr;
    bool invalid_ = true;
};

}  // namespace mapedit
