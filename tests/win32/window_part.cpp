// window_part TITLE [CLASS]: prints where a top-level window of that
// title, or its first child of that window class, lies on the screen, as
// "LEFT TOP WIDTH HEIGHT"; exit 1 when there is none. The end-to-end test
// aims the mouse with it.
#include <windows.h>

#include <cstdio>

namespace {

struct Search {
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK matchClass(HWND window, LPARAM l) {
    auto& search = *reinterpret_cast<Search*>(l);
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    if (lstrcmpW(name, search.className) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: window_part TITLE [CLASS]\n", stderr);
        return 2;
    }
    HWND window = FindWindowW(nullptr, argv[1]);
    if (window != nullptr && argc == 3) {
        Search search{argv[2]};
        EnumChildWindows(window, &matchClass, reinterpret_cast<LPARAM>(&search));
        window = search.found;
    }
    if (window == nullptr) return 1;
    RECT r;
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}
