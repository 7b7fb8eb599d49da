#pragma once

#include <string>
#include <string_view>

#include "app/editor_state.h"
#include "edit/paint.h"
#include "generate/random.h"
#include "model/level.h"
#include "platform/canvas.h"
#include "platform/shell.h"
#include "view/view_context.h"

namespace mapedit {

// The editor: the level, the brushes, the generator, the editor state and
// the framebuffer of the client area, talking to the window through a Shell.
// It plays the part of the main window's procedure; the commands, mouse and
// dialogs plug in here.
class Editor {
  public:
    explicit Editor(Shell& shell, std::uint32_t seed, Variant variant = Variant::Vanilla);

    Level level;
    Templates templates;
    Random random;
    EditorState state;
    Canvas canvas;

    std::string filePath;   // full path of the current level description
    std::string fileTitle;  // its file name, shown in the title

    ViewContext view() { return ViewContext{canvas, level, state, templates}; }
    PaintContext paintContext() { return PaintContext{canvas, level, state, state, templates}; }

    // The window's paint: the whole client area into the framebuffer.
    void onPaint();

    // Opens a level description file as the Open command does. A file that
    // cannot be read changes nothing and is reported in a message box.
    // Returns true when the file was read without error.
    bool openFile(const std::string& path);
    // The same with the text already in memory; `name` is the file's path.
    bool openText(std::string_view text, const std::string& path);

    void updateTitle();

    // "Refresh background": regenerate, walk the mazewalks, settle the
    // walls, repaint.
    void refreshBackground();

  private:
    void replaceLevel(Level&& read);
    void settleOpenedLevel();

    Shell& shell_;
};

}  // namespace mapedit
