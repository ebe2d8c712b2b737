#include "app/win32/dpi.h"

#include "app/win32/gdi_scope.h"

namespace speedrail::win32 {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction getDpiForWindow() {
    static const GetDpiForWindowFunction function = [] {
        const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
        const FARPROC proc = user32 ? ::GetProcAddress(user32, "GetDpiForWindow") : nullptr;
        // Through void(*)() so that no compiler warns about the cast.
        return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(proc));
    }();
    return function;
}

}  // namespace

int dpiForWindow(HWND window) {
    if (const GetDpiForWindowFunction function = getDpiForWindow()) {
        const UINT dpi = function(window);
        if (dpi != 0) return static_cast<int>(dpi);
    }
    const WindowDc screen(nullptr);
    const int dpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace speedrail::win32
