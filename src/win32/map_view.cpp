#include "win32/map_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include "win32/bitmap_format.h"
#include "win32/wide_text.h"

namespace mapedit {

namespace {

constexpr wchar_t kClassName[] = L"MapeditMapView";

void registerClass(WNDPROC procedure) {
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    // The second press of a double click arrives as the double click.
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = procedure;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = kClassName;
    RegisterClassExW(&c);  // fails harmlessly when already registered
}

}  // namespace

POINT framebufferPixel(int x, int y, int zoom) {
    // Floor division: a point left of or above the window is outside.
    auto floorDiv = [zoom](int v) { return v >= 0 ? v / zoom : -((-v + zoom - 1) / zoom); };
    return {floorDiv(x), floorDiv(y)};
}

MapView::MapView(HWND parent, const Canvas& canvas, int zoom) : canvas_(canvas), zoom_(zoom) {
    registerClass(&MapView::procedure);
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, canvas.width() * zoom,
                    canvas.height() * zoom, parent, nullptr, GetModuleHandleW(nullptr), this);
    // One tool over the whole area; its text is asked for when shown.
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    GetClientRect(window_, &tool.rect);
    SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MapView::setZoom(int zoom) {
    zoom_ = zoom;
    SetWindowPos(window_, nullptr, 0, 0, canvas_.width() * zoom, canvas_.height() * zoom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    GetClientRect(window_, &tool.rect);
    SendMessageW(toolTip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    InvalidateRect(window_, nullptr, FALSE);
}

MapView::~MapView() {
    if (IsWindow(window_)) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

LRESULT CALLBACK MapView::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* created =
            reinterpret_cast<MapView*>(reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* view = reinterpret_cast<MapView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view == nullptr) return DefWindowProcW(window, message, w, l);
    return view->handle(message, w, l);
}

LRESULT MapView::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the framebuffer covers every pixel
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetFocus(window_);
            [[fallthrough]];
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            mouse(message, w, l);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            if (input_ != nullptr && w == VK_ESCAPE) input_->keyDown(Key::Escape);
            if (input_ != nullptr && w == VK_DELETE) input_->keyDown(Key::Delete);
            return 0;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(l);
            if (header->hwndFrom == toolTip_ && header->code == TTN_GETDISPINFOW) {
                auto* info = reinterpret_cast<NMTTDISPINFOW*>(l);
                static_assert(sizeof info->szText / sizeof info->szText[0] == 80);
                const std::wstring text = wideFromBytes(toolTipText_.substr(0, 79));
                wcscpy(info->szText, text.c_str());
                return 0;
            }
            break;
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, w, l);
}

bool MapView::inside(int px, int py) const {
    return px >= 0 && py >= 0 && px < canvas_.width() && py < canvas_.height();
}

void MapView::mouse(UINT message, WPARAM w, LPARAM l) {
    const POINT p = framebufferPixel(GET_X_LPARAM(l), GET_Y_LPARAM(l), zoom_);
    if (input_ == nullptr || !inside(p.x, p.y)) return;
    switch (message) {
        case WM_LBUTTONDOWN:
            input_->leftDown(p.x, p.y);
            break;
        case WM_RBUTTONDOWN:
            input_->rightDown(p.x, p.y);
            break;
        case WM_LBUTTONDBLCLK:
            input_->doubleClick(p.x, p.y);
            break;
        case WM_LBUTTONUP:
            input_->leftUp(p.x, p.y);
            break;
        default:
            updateToolTip(p.x, p.y);
            input_->mouseMove(p.x, p.y, (w & MK_LBUTTON) != 0);
            break;
    }
}

// The tooltip names the palette entry under the pointer; moving onto
// another entry (or off the palette) takes the old name away.
void MapView::updateToolTip(int px, int py) {
    std::string text = input_->toolTipAt(px, py);
    if (text == toolTipText_) return;
    toolTipText_ = std::move(text);
    SendMessageW(toolTip_, TTM_POP, 0, 0);
    SendMessageW(toolTip_, TTM_ACTIVATE, toolTipText_.empty() ? FALSE : TRUE, 0);
}

void MapView::present() {
    InvalidateRect(window_, nullptr, FALSE);
}

void MapView::paint() {
    if (input_ != nullptr) input_->beforePaint();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    // 0x00RRGGBB words are exactly a 32-bit DIB's pixels.
    BITMAPINFO info = topDownBitmap32(canvas_.width(), canvas_.height());
    // Nearest neighbour: each framebuffer pixel a sharp block.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, canvas_.width() * zoom_, canvas_.height() * zoom_, 0, 0,
                  canvas_.width(), canvas_.height(), canvas_.pixels().data(), &info, DIB_RGB_COLORS,
                  SRCCOPY);
    EndPaint(window_, &ps);
}

}  // namespace mapedit
