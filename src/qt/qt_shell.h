#pragma once

#include <QStringList>
#include <QWidget>
#include <string>

#include "platform/file_filters.h"
#include "platform/shell.h"
#include "qt/command_actions.h"

namespace mapedit {

// Window services for the editor on top of a Qt window: its title, the
// marks and states of its menu and toolbar actions, file dialogs, message
// boxes and modal dialogs.
class QtShell : public Shell {
  public:
    // `window` takes the title and owns message boxes and dialogs;
    // `actions` are the window's menu entries and tool buttons.
    QtShell(QWidget& window, const CommandActions& actions) : window_(window), actions_(actions) {}
    void setClient(QWidget* client) { client_ = client; }

    void invalidate() override;
    void setTitle(const std::string& title) override;
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
    void setMenuText(int id, const std::string& text) override;
    bool isMenuEnabled(int id) const override;
    void checkToolButton(int id) override;
    void closeWindow() override;

    // Whether a full paint was asked for since the last call.
    bool takeInvalidation();
    // Whether the window closes at the editor's request (Quit), which has
    // asked about unsaved changes already.
    bool closingForEditor() const { return closingForEditor_; }

  private:
    QWidget& window_;
    const CommandActions& actions_;
    QWidget* client_ = nullptr;
    bool invalid_ = true;
    bool closingForEditor_ = false;
};

// The type list of a file dialog as Qt spells it, one entry per filter;
// a name that already ends in its pattern in parentheses is kept as it is.
QStringList nameFilters(const FileDialogRequest& request);

// The title with Qt's mark of unsaved changes after the file's name (after
// the program's name when there is no file): the window shows "*" there
// while the level differs from what was last opened or saved.
std::string titleWithModifiedMark(const std::string& title);

}  // namespace mapedit
