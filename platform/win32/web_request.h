// Opening a web address on a worker thread of its own: the shell it asks may
// take long to answer, or never, and the window's thread must not wait for
// it. The answer comes back to the asking window as a message.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/platform_ops.h"
#include "platform/win32/desktop_shell.h"

namespace speedrail::win32 {

// Posted to the window that asked once the request has ended, and before
// that once it has taken kSlowWebAnswerMs: wParam is the WebOutcome, lParam
// the shell's result.
constexpr UINT kWebAnswerMessage = WM_APP + 3;
WebAnswer webAnswerOf(WPARAM wParam, LPARAM lParam);

// The whole request, on the calling thread, which needs COM. The browser
// must run as the desktop's user (pageRouteOfThisProcess): the process
// opens the address through its own shell only where it is that user with
// no more rights; otherwise it asks the desktop's shell (`desktopShell`),
// and where there is none it starts nothing.
WebAnswer openWebAddressNow(const DesktopShellRequest& desktopShell, const std::wstring& address);

// Runs the request on a worker thread with a COM apartment of its own and
// returns at once; throws when no thread can start. The answers go to
// `window` as kWebAnswerMessage, however the request ends.
void openOnWorker(HWND window, DesktopShellRequest desktopShell, std::wstring address);

// Calls `post` until it succeeds: a full message queue refuses a post for a
// while. False, without trying again, once `window` is gone.
bool postUntilTaken(HWND window, const std::function<bool()>& post);

}  // namespace speedrail::win32
