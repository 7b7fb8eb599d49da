#include "win32/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "app/cell_readout.h"
#include "app/title.h"
#include "model/terrain.h"
#include "platform/canvas.h"
#include "view/map_view.h"
#include "view/panel.h"
#include "win32/pixel_art_bitmap.h"
#include "win32/tool_bar.h"
#include "win32/wide_text.h"

namespace mapedit {

namespace {

constexpr wchar_t kClassName[] = L"MapeditMainWindow";
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void registerClass(WNDPROC procedure, HICON icon) {
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = procedure;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hIcon = icon;
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    c.lpszClassName = kClassName;
    RegisterClassExW(&c);
}

int windowHeight(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return r.bottom - r.top;
}

}  // namespace

int zoomThatFits(unsigned dpi, SIZE available, SIZE chrome) {
    int zoom = std::max(1, static_cast<int>((dpi + 48) / 96));
    while (zoom > 1 && (Canvas::kClientWidth * zoom + chrome.cx > available.cx ||
                        Canvas::kClientHeight * zoom + chrome.cy > available.cy)) {
        --zoom;
    }
    return zoom;
}

int monitorZoom(unsigned dpi, const RECT& work) {
    const int scale = std::max(1, static_cast<int>((dpi + 48) / 96));
    const SIZE chrome = {16 * scale, 120 * scale};
    return zoomThatFits(dpi, {work.right - work.left, work.bottom - work.top}, chrome);
}

MainWindow::MainWindow(const StartOptions& options, int zoom)
    : zoom_(zoom), followsDpi_(options.zoom == 0) {
    icon_ = programIconHandle(2);
    registerClass(&MainWindow::procedure, icon_);
    menu_ = buildMenuBar();
    CreateWindowExW(0, kClassName, wideFromBytes(kProgramName).c_str(), kFrameStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu_.bar,
                    GetModuleHandleW(nullptr), this);
    toolBar_ = buildToolBar(frame_, zoom_);
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame_,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    // The shell's windows exist before the editor, which sets menu and
    // toolbar marks as it starts.
    shell_.attach({frame_, menu_.bar, toolBar_, nullptr, zoom_});
    editor_ = std::make_unique<Editor>(shell_, options.seed, options.variant);
    map_ = std::make_unique<MapView>(frame_, editor_->canvas(), zoom_);
    shell_.attach({frame_, menu_.bar, toolBar_, map_->window(), zoom_});
    map_->setInput(this);
    layOut();
    // The first frame is ready before any message can arrive.
    beforePaint();
    SetWindowTextW(frame_, wideFromBytes(markedTitle(kProgramName, false)).c_str());
}

MainWindow::~MainWindow() {
    if (IsWindow(frame_)) {
        SetWindowLongPtrW(frame_, GWLP_USERDATA, 0);
        DestroyWindow(frame_);
    }
    if (icon_ != nullptr) DestroyIcon(icon_);
}

// The frame's client area holds the tool bar, the map and the status line
// one under the other; the frame takes the size that fits them exactly.
void MainWindow::layOut() {
    SendMessageW(toolBar_, TB_AUTOSIZE, 0, 0);
    SendMessageW(status_, WM_SIZE, 0, 0);
    const int top = windowHeight(toolBar_);
    const int mapWidth = Canvas::kClientWidth * zoom_, mapHeight = Canvas::kClientHeight * zoom_;
    MoveWindow(map_->window(), 0, top, mapWidth, mapHeight, TRUE);
    RECT frame = {0, 0, mapWidth, top + mapHeight + windowHeight(status_)};
    AdjustWindowRectEx(&frame, kFrameStyle, TRUE, 0);
    SetWindowPos(frame_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps takes height from the client area: grow again.
    RECT client;
    GetClientRect(frame_, &client);
    const int missing = top + mapHeight + windowHeight(status_) - client.bottom;
    if (missing > 0) {
        SetWindowPos(frame_, nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + missing,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageW(status_, WM_SIZE, 0, 0);
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<MainWindow*>(
            reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams);
        created->frame_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || !self->editor_) return DefWindowProcW(window, message, w, l);
    return self->handle(message, w, l);
}

LRESULT MainWindow::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            command(LOWORD(w), HIWORD(w) == 1);
            return 0;
        case WM_INITMENUPOPUP: {
            const auto popup = menu_.popups.find(reinterpret_cast<HMENU>(w));
            if (popup != menu_.popups.end()) {
                deliver([&] { editor_->onMenuOpening(*popup->second); });
            }
            return 0;
        }
        case WM_NOTIFY:
            if (notify(*reinterpret_cast<const NMHDR*>(l))) return 0;
            break;
        case WM_SETFOCUS:
            SetFocus(map_->window());
            return 0;
        case WM_CLOSE: {
            bool mayClose = shell_.closingForEditor();
            if (!mayClose) deliver([&] { mayClose = editor_->onClose(); });
            if (mayClose) DestroyWindow(frame_);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_DPICHANGED:
            dpiChanged(HIWORD(w), *reinterpret_cast<const RECT*>(l));
            return 0;
        default:
            break;
    }
    return DefWindowProcW(frame_, message, w, l);
}

// On a monitor of another scale the map takes that scale's zoom (unless
// the command line fixed one), and the window stands where Windows says.
void MainWindow::dpiChanged(unsigned dpi, const RECT& suggested) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), &monitor);
    const int zoom = followsDpi_ ? monitorZoom(dpi, monitor.rcWork) : zoom_;
    if (zoom != zoom_) {
        zoom_ = zoom;
        setToolBarZoom(toolBar_, zoom_);
        map_->setZoom(zoom_);
        shell_.attach({frame_, menu_.bar, toolBar_, map_->window(), zoom_});
    }
    SetWindowPos(frame_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    layOut();
}

// A key's command runs the menu-opening rule on the popups holding its
// entry and is not delivered when greyed; a digit presses its tool's
// button, as a click on it does.
void MainWindow::command(int id, bool fromKey) {
    if (const auto key = shortcuts_.action(id); fromKey && key) {
        if (key->toolButton) {
            checkToolBarButton(toolBar_, key->command);
            deliver([&] { editor_->onCommand(key->command); });
        } else {
            deliver([&] { editor_->chooseMenuEntry(key->command); });
        }
        return;
    }
    deliver([&] { editor_->onCommand(id); });
}

bool MainWindow::notify(const NMHDR& header) {
    if (header.code != TTN_GETDISPINFOW) return false;
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(const_cast<NMHDR&>(header));
    const std::wstring tip = toolButtonTip(static_cast<int>(header.idFrom));
    if (tip.empty()) return false;
    lstrcpynW(info.szText, tip.c_str(), 80);
    return true;
}

template <typename Event>
void MainWindow::deliver(Event&& event) {
    ++busy_;
    event();
    --busy_;
    if (busy_ != 0) return;
    // What the editor drew at once is on screen either way; a full paint
    // asked for runs now, so what is shown never depends on how messages
    // were batched.
    beforePaint();
    map_->present();
    const bool modified = editor_->document().hasUnsavedChanges();
    SetWindowTextW(
        frame_,
        wideFromBytes(markedTitle(shell_.title().empty() ? kProgramName : shell_.title(), modified))
            .c_str());
}

// A paint the system asks for while the editor is busy (a dialog open over
// the window) shows the framebuffer as it is.
void MainWindow::beforePaint() {
    if (busy_ == 0 && shell_.takeInvalidation()) editor_->onPaint();
}

std::string MainWindow::toolTipAt(int px, int py) const {
    const int kind = paletteKindAt(editor_->state(), px, py);
    return kind != 0 ? terrainKind(kind).name : std::string();
}

void MainWindow::showStatus(int px, int py) {
    const CellPos cell = cellAt(px, py);
    const bool onMap = py >= 0 && py < cellTop(kMapHeight) && isOnGrid(cell.x, cell.y);
    const std::string text = onMap ? cellReadout(editor_->level(), cell.x, cell.y) : "";
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wideFromBytes(text).c_str()));
}

void MainWindow::openFile(const std::string& path) {
    deliver([&] { editor_->openFile(path); });
}

void MainWindow::leftDown(int px, int py) {
    deliver([&] { editor_->onLeftDown(px, py); });
}

void MainWindow::mouseMove(int px, int py, bool leftHeld) {
    deliver([&] { editor_->onMouseMove(px, py, leftHeld); });
    showStatus(px, py);
}

void MainWindow::leftUp(int px, int py) {
    deliver([&] { editor_->onLeftUp(px, py); });
}

void MainWindow::doubleClick(int px, int py) {
    deliver([&] { editor_->onDoubleClick(px, py); });
}

void MainWindow::rightDown(int px, int py) {
    deliver([&] { editor_->onRightDown(px, py); });
}

void MainWindow::keyDown(Key key) {
    deliver([&] { editor_->onKeyDown(key); });
}

}  // namespace mapedit
