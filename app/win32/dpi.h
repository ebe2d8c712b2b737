// The DPI a window is drawn at, and sizes scaled to it.
#pragma once

#include <windows.h>

namespace speedrail::win32 {

constexpr int kDefaultDpi = 96;

// The window's DPI: GetDpiForWindow where the system has it (Windows 10
// 1607 and later, looked up at run time), otherwise the screen's DPI from
// the device caps (Windows 7 and 8).
int dpiForWindow(HWND window);

// A size given in pixels at 96 dpi, at `dpi`.
inline int scaleFrom96(int pixels, int dpi) { return ::MulDiv(pixels, dpi, kDefaultDpi); }

}  // namespace speedrail::win32
