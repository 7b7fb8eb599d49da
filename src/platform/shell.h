#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_controls.h"
#include "platform/dialog_template.h"
#include "platform/level_choice.h"

namespace mapedit {

// One entry of a file dialog's type list: "text(*.txt)" with "*.txt".
struct FileFilter {
    std::string name;
    std::string pattern;
};

// What an open or save dialog shows.
struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;  // the first is selected
    std::string defaultExtension;     // added to a name typed without one
    std::string initialPath;          // offered as the name
};

// A file chosen in a save dialog, with the entry of the type list (from
// 0) it was chosen under.
struct ChosenFile {
    std::string path;
    int type = 0;

    bool operator==(const ChosenFile&) const = default;
};

enum class MessageButtons { Ok, YesNoCancel };
// What a message with an OK button tells: a failure, or anything else.
enum class MessageKind { Information, Error };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class DialogResult { Ok, Cancel };

// A modal property dialog as the editor asks for it: the template a host
// builds it from, and the procedure the host drives through the controls.
// The procedure works on its subject, which the editor chose.
class PropertyDialog {
  public:
    virtual ~PropertyDialog() = default;
    virtual const DialogTemplate& dialogTemplate() const = 0;
    int templateId() const { return dialogTemplate().id; }

    // Fills the controls from the subject once they exist; may already
    // change the subject, and such changes stay after Cancel.
    virtual void initialise(DialogControls& controls) = 0;
    // The user clicked the button, radio or box `id`, or chose an entry of
    // the drop-down `id`; the host has already changed its state.
    virtual void controlChanged(DialogControls& controls, int id) = 0;
    // OK: writes the subject from the controls. Cancel writes nothing.
    virtual void accept(const DialogControls& controls) = 0;
};

// The window services the editor asks of its host. The desktop shell does
// the real thing; the headless shell answers from a queue and records the
// calls for tests and the script player.
class Shell {
  public:
    virtual ~Shell() = default;
    // Schedule a full repaint of the client area.
    virtual void invalidate() = 0;
    virtual void setTitle(const std::string& title) = 0;
    // A modal message box with an OK button, marked as what it tells.
    virtual void showMessage(const std::string& text, const std::string& caption,
                             MessageKind kind) = 0;
    // A modal message box that asks; the answer is one of its buttons.
    virtual MessageAnswer askMessage(const std::string& text, const std::string& caption,
                                     MessageButtons buttons) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> askOpenPath(const FileDialogRequest& request) = 0;
    virtual std::optional<ChosenFile> askSavePath(const FileDialogRequest& request) = 0;
    // The level the user chose to edit (from 0, one that is editable), or
    // nothing when the user cancelled.
    virtual std::optional<int> askLevel(const LevelChoiceRequest& request) = 0;
    virtual DialogResult runDialog(PropertyDialog& dialog) = 0;
    // Menu marks and states, by command id.
    virtual void setMenuCheck(int id, bool checked) = 0;
    virtual void setMenuRadio(int firstId, int lastId, int checkedId) = 0;
    virtual void setMenuEnabled(int id, bool enabled) = 0;
    virtual bool isMenuEnabled(int id) const = 0;
    // The text an entry shows, its shortcut aside ("Undo Fill").
    virtual void setMenuText(int id, const std::string& text) = 0;
    // Puts the toolbar button of that command down, the others up.
    virtual void checkToolButton(int id) = 0;
    // The window is asked to close (Quit).
    virtual void closeWindow() = 0;
};

}  // namespace mapedit
