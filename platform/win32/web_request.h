// Opening a web address on a worker thread of its own: the shell it asks may
// take long to answer, or never, and the window's thread must not wait for
// it. The answer comes back to the asking window as a message.
#pragma once

#include <windows.h>

#include <string>

#include "platform/platform_ops.h"
#include "platform/win32/desktop_shell.h"

namespace speedrail::win32 {

// Posted to the window that asked once the request has ended: wParam is
// the WebOutcome, lParam the shell's result.
constexpr UINT kWebAnswerMessage = WM_APP + 3;
WebAnswer webAnswerOf(WPARAM wParam, LPARAM lParam);

// The whole request, on the calling thread, which needs COM. A process
// above the desktop asks the desktop's shell (`desktopShell`), so that the
// browser runs as the signed-in user; where there is none it starts
// nothing. Any other process opens the address through its own shell.
WebAnswer openWebAddressNow(const DesktopShellRequest& desktopShell, const std::wstring& address);

// Runs the request on a worker thread with a COM apartment of its own and
// returns at once. The answer goes to `window` as kWebAnswerMessage,
// however the request ends.
void openOnWorker(HWND window, DesktopShellRequest desktopShell, std::wstring address);

}  // namespace speedrail::win32
