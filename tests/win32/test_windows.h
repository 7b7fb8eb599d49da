#pragma once

// Windows for the tests of the Windows shell: an owner to open dialogs
// over, and the checks that need one.
#include <windows.h>

#include <string>

namespace mapedit::test {

// A plain top-level window at `area`, hidden (Wine waits for a window
// manager to unmap a shown one), or null when no window can be
// created (no display).
inline HWND makeOwner(RECT area) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, area.left,
                                       area.top, area.right - area.left, area.bottom - area.top,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return owner;
}

// Destroys a window when the test ends.
class WindowGuard {
  public:
    explicit WindowGuard(HWND window) : window_(window) {}
    ~WindowGuard() {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    WindowGuard(const WindowGuard&) = delete;
    WindowGuard& operator=(const WindowGuard&) = delete;
    HWND get() const { return window_; }

  private:
    HWND window_;
};

inline RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

inline RECT clientRect(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

// A control's rectangle in its dialog's client coordinates.
inline RECT rectInParent(HWND control) {
    RECT r = windowRect(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// Runs the messages waiting, as a modal loop would between inputs.
inline void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace mapedit::test

#define MAPEDIT_OWNER_OR_SKIP(owner, area)                                         \
    const HWND owner = ::mapedit::test::makeOwner(area);                           \
    if (owner == nullptr) GTEST_SKIP() << "no window can be created (no display)"; \
    const ::mapedit::test::WindowGuard owner##Guard(owner)
