#pragma once

#include <windows.h>

#include "platform/shell.h"

namespace mapedit {

// The parts of the main window the shell's services reach.
struct ShellWindows {
    HWND frame = nullptr;    // title, owner of message boxes and dialogs
    HMENU menu = nullptr;    // the menu bar, searched by command id
    HWND toolBar = nullptr;  // the tool buttons
    HWND client = nullptr;   // the map area, repainted on invalidate
    int zoom = 1;            // dialogs follow it
};

// Window services for the editor on top of Win32 windows: the title, the
// menu's marks and states, tool buttons, common file dialogs, message
// boxes, the level question and property dialogs.
class Win32Shell : public Shell {
  public:
    void attach(const ShellWindows& windows) { windows_ = windows; }

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
    // The title the editor last set, without the mark of unsaved changes.
    const std::string& title() const { return title_; }
    // Whether the window closes at the editor's request (Quit), which has
    // asked about unsaved changes already.
    bool closingForEditor() const { return closingForEditor_; }

  private:
    ShellWindows windows_;
    std::string title_;
    bool invalid_ = true;
    bool closingForEditor_ = false;
};

// The title with a "*" after the file's name (after the program's name
// when there is no file) while there are unsaved changes.
std::string markedTitle(const std::string& title, bool modified);

}  // namespace mapedit
