#include "win32/tool_bar.h"

#include <commctrl.h>

#include <vector>

#include "resources/pixel_art.h"
#include "resources/toolbar.h"
#include "win32/pixel_art_bitmap.h"
#include "win32/wide_text.h"

namespace mapedit {

namespace {

HIMAGELIST toolImages(int zoom) {
    const int w = 16 * zoom, h = 15 * zoom;
    HIMAGELIST images = ImageList_Create(w, h, ILC_COLOR32, kToolImageCount, 0);
    for (int i = 0; i < kToolImageCount; ++i) {
        HBITMAP bitmap = pixelArtBitmap(toolImage(i), zoom);
        ImageList_Add(images, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    return images;
}

}  // namespace

void setToolBarZoom(HWND toolBar, int zoom) {
    const auto old =
        SendMessageW(toolBar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolImages(zoom)));
    if (old != 0) ImageList_Destroy(reinterpret_cast<HIMAGELIST>(old));
    SendMessageW(toolBar, TB_AUTOSIZE, 0, 0);
}

std::wstring toolButtonTip(int id) {
    int digit = 1;
    for (const ToolButton& b : toolbarButtons()) {
        if (b.id == id) {
            std::wstring tip = wideFromBytes(b.name);
            if (digit <= 9) tip += L" (" + std::to_wstring(digit) + L")";
            return tip;
        }
        ++digit;
    }
    return {};
}

HWND buildToolBar(HWND window, int zoom) {
    HWND bar = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, nullptr,
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_TOP, 0, 0, 0,
        0, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    setToolBarZoom(bar, zoom);
    std::vector<TBBUTTON> buttons;
    for (const ToolButton& b : toolbarButtons()) {
        TBBUTTON button{};
        button.iBitmap = b.image;
        button.idCommand = b.id;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_CHECKGROUP;
        buttons.push_back(button);
    }
    SendMessageW(bar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(bar, TB_AUTOSIZE, 0, 0);
    return bar;
}

void checkToolBarButton(HWND toolBar, int id) {
    for (const ToolButton& b : toolbarButtons()) {
        SendMessageW(toolBar, TB_CHECKBUTTON, b.id, b.id == id ? TRUE : FALSE);
    }
}

}  // namespace mapedit
