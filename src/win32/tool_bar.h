#pragma once

#include <windows.h>

#include <string>

namespace mapedit {

// The nine tool buttons from the shared pixel art, each image 16 x 15
// framebuffer pixels at the zoom; one button is down at a time. Tooltips
// name each tool and the digit key that chooses it.
HWND buildToolBar(HWND window, int zoom);

// Redraws the buttons' images at another zoom.
void setToolBarZoom(HWND toolBar, int zoom);

// The tooltip text of a tool button's command; empty for another id.
std::wstring toolButtonTip(int id);

// Puts the button of that command down and the others up.
void checkToolBarButton(HWND toolBar, int id);

}  // namespace mapedit
