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
    SystemLibrary user32{L"user32.dll"};
    SPEEDRAIL_SYSTEM_FUNCTION(user32, GetDpiForWindow);
    SystemLibrary shcore{L"shcore.dll"};
    SPEEDRAIL_SYSTEM_FUNCTION(shcore, GetDpiForMonitor);
};

}  // namespace

int dpiForWindow(HWND window) {
    const Functions& dpi = loadedOnce<Functions>();
    if (dpi.GetDpiForWindow) {
        const UINT value = dpi.GetDpiForWindow(window);
        if (value != 0) return static_cast<int>(value);
    }
    if (dpi.GetDpiForMonitor) {
        UINT x = 0;
        UINT y = 0;
        const HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (SUCCEEDED(dpi.GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y)) && x != 0) {
            return static_cast<int>(x);
        }
    }
    const WindowDc screen(nullptr);
    const int value = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return value > 0 ? value : kDefaultDpi;
}

}  // namespace speedrail::win32
