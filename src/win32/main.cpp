// mapedit: the desktop editor, native on Windows.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "platform/png_file.h"
#include "win32/main_window.h"
#include "win32/wide_text.h"
#include "win32/window_grab.h"

namespace {

using namespace mapedit;

std::vector<std::string> utf8Arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

// Help and usage errors go to the console the program was started from,
// or into a message box when there is none.
void tell(const std::string& text, bool error) {
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE* out = std::fopen("CONOUT$", "w");
        if (out != nullptr) {
            std::fputs(text.c_str(), out);
            std::fclose(out);
            return;
        }
    }
    MessageBoxW(nullptr, wideFromBytes(text).c_str(), L"mapedit",
                MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
}

// The scale of the monitor the window opens on, as large as the window
// fits its work area.
int startZoom(int asked) {
    if (asked > 0) return asked;
    const POINT origin = {0, 0};
    HMONITOR monitor = MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return monitorZoom(static_cast<unsigned>(dpi), info.rcWork);
}

constexpr UINT_PTR kGrabTimer = 1;

// Saves what the screen shows of the map area or of the whole window,
// as asked, and quits.
int grabAndQuit(MainWindow& window, const StartOptions& options) {
    std::string error;
    bool ok = true;
    if (!options.grabPath.empty()) {
        ok = savePng(grabClientArea(window.mapWindow()), 1, options.grabPath, error);
    }
    if (ok && !options.screenshotPath.empty()) {
        ok = savePng(grabWholeWindow(window.window()), 1, options.screenshotPath, error);
    }
    if (!ok) tell("mapedit: " + error + "\n", true);
    return ok ? 0 : 1;
}

int run(MainWindow& window, const StartOptions& options) {
    if (!options.grabPath.empty() || !options.screenshotPath.empty())
        SetTimer(window.window(), kGrabTimer, 700, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Controls run timers of their own with small ids too.
        if (message.message == WM_TIMER && message.hwnd == window.window() &&
            message.wParam == kGrabTimer) {
            KillTimer(window.window(), kGrabTimer);
            return grabAndQuit(window, options);
        }
        if (TranslateAcceleratorW(window.window(), window.shortcuts().table(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    const StartRequest request =
        parseStartArguments(utf8Arguments(), static_cast<std::uint32_t>(std::time(nullptr)));
    if (!request.options) {
        tell(request.message, request.exitCode != 0);
        return request.exitCode;
    }
    const StartOptions& options = *request.options;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    MainWindow window(options, startZoom(options.zoom));
    ShowWindow(window.window(), show);
    UpdateWindow(window.window());
    // The start-up file waits for the window: a question about the file
    // opens over it.
    if (!options.file.empty()) window.openFile(options.file);
    return run(window, options);
}
