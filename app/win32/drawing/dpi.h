// The DPI a window is drawn at, and sizes scaled to it.
#pragma once

#include <windows.h>

namespace speedrail::win32 {

constexpr int kDefaultDpi = 96;

// The window's DPI, from the first the system has (each looked up at run
// time): the window's own (Windows 10 1607 and later), its monitor's
// (Windows 8.1 and later), then the system's, from the screen's device caps.
int dpiForWindow(HWND window);

// A size given in pixels at 96 dpi, at `dpi`.
inline int scaleFrom96(int pixels, int dpi) { return ::MulDiv(pixels, dpi, kDefaultDpi); }

}  // namespace speedrail::win32
