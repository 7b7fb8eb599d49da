#pragma once

#include <string>

#include "app/editor.h"

namespace mapedit {

// What the client area hands on: mouse events in client pixels of the
// framebuffer, the two keys the editor handles, and the moment before it
// shows the framebuffer.
class ClientInput {
  public:
    virtual ~ClientInput() = default;
    virtual void leftDown(int px, int py) = 0;
    virtual void mouseMove(int px, int py, bool leftHeld) = 0;
    virtual void leftUp(int px, int py) = 0;
    virtual void doubleClick(int px, int py) = 0;
    virtual void rightDown(int px, int py) = 0;
    virtual void keyDown(Key key) = 0;
    // The framebuffer is about to be shown: a full paint asked for may run.
    virtual void beforePaint() = 0;
    // What the pointer rests on, named for a tooltip; empty for none.
    virtual std::string toolTipAt(int px, int py) const = 0;
};

}  // namespace mapedit
