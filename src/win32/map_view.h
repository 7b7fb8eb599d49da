#pragma once

#include <windows.h>

#include "app/client_input.h"
#include "platform/canvas.h"

namespace mapedit {

// The client area: a child window that presents the framebuffer, each
// pixel a zoom x zoom block, and hands the mouse and the two keys on in
// framebuffer pixels, as the Qt shell's map widget does.
class MapView {
  public:
    MapView(HWND parent, const Canvas& canvas, int zoom);
    MapView(const MapView&) = delete;
    MapView& operator=(const MapView&) = delete;
    ~MapView();

    HWND window() const { return window_; }
    void setInput(ClientInput* input) { input_ = input; }
    // Shows the framebuffer as it is now.
    void present();
    // Shows each framebuffer pixel as zoom x zoom pixels from now on.
    void setZoom(int zoom);

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void paint();
    void mouse(UINT message, WPARAM w, LPARAM l);
    void updateToolTip(int px, int py);
    bool inside(int px, int py) const;

    const Canvas& canvas_;
    int zoom_;
    HWND window_ = nullptr;
    HWND toolTip_ = nullptr;
    ClientInput* input_ = nullptr;
    std::string toolTipText_;
};

// The framebuffer pixel under a client-area point at the zoom.
POINT framebufferPixel(int x, int y, int zoom);

}  // namespace mapedit
