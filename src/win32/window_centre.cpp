#include "win32/window_centre.h"

namespace mapedit {

namespace {

RECT areaToCentreOver(HWND window) {
    RECT area{};
    if (const HWND owner = GetWindow(window, GW_OWNER); owner != nullptr) {
        GetWindowRect(owner, &area);
        return area;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

}  // namespace

void centreOverOwner(HWND window) {
    const RECT area = areaToCentreOver(window);
    RECT own{};
    GetWindowRect(window, &own);
    const long width = own.right - own.left, height = own.bottom - own.top;
    // Integer halves round toward zero, negative overhangs included.
    const long x = area.left + (area.right - area.left - width) / 2;
    const long y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(window, nullptr, static_cast<int>(x), static_cast<int>(y), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace mapedit
