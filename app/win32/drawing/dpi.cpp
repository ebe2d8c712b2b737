// The headers declare the DPI functions of Windows 8.1 and 10 only to
// programs that require those versions. This file takes their types from
// those declarations and loads them at run time, so the program still
// starts on Windows 7.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00

#include "app/win32/drawing/dpi.h"

#include <shellscalingapi.h>

#include "app/win32/drawing/gdi_scope.h"
#include "platform/win32/system_library.h"

namespace speedrail::win32 {
namespace {

struct Functions {
    // user32 is mapped into every process with a window; shcore is loaded
    // from the system folder.
    decltype(&::GetDpiForWindow) forWindow = exportedFunction<decltype(&::GetDpiForWindow)>(
        ::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    SystemLibrary shcore{L"shcore.dll"};
    decltype(&::GetDpiForMonitor) forMonitor =
        shcore.find<decltype(&::GetDpiForMonitor)>("GetDpiForMonitor");
};

// Loaded on first use; never changed after.
const Functions& functions() {
    static const Functions loaded;
    return loaded;
}

}  // namespace

int dpiForWindow(HWND window) {
    const Functions& dpi = functions();
    if (dpi.forWindow) {
        const UINT value = dpi.forWindow(window);
        if (value != 0) return static_cast<int>(value);
    }
    if (dpi.forMonitor) {
        UINT x = 0;
        UINT y = 0;
        const HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (SUCCEEDED(dpi.forMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y)) && x != 0) {
            return static_cast<int>(x);
        }
    }
    const WindowDc screen(nullptr);
    const int value = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return value > 0 ? value : kDefaultDpi;
}

}  // namespace speedrail::win32
