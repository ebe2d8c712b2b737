// Win32Platform: the message box and opening web addresses.
#include "platform/win32/web_request.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace speedrail::win32 {

// While the main window is still hidden (the start-up warning) the box has
// no owner, so that it gets a taskbar button of its own and cannot be lost
// behind other windows.
std::int32_t Win32Platform::messageBox(const std::string& text, std::int32_t style,
                                       const std::string& title) {
    const HWND owner = owner_ && ::IsWindowVisible(owner_) ? owner_ : nullptr;
    return ::MessageBoxW(owner, toWide(text).c_str(), toWide(title).c_str(),
                         static_cast<UINT>(style));
}

// On a worker: the shell asked may be slow or hung. Which shell is asked,
// the desktop's or the program's own, the worker decides by the program's
// rights and user (openWebAddressNow).
void Win32Platform::openWebAddress(const std::string& address) {
    openOnWorker(owner_, desktopShellRoute(), toWide(address));
}

DesktopShellRequest Win32Platform::desktopShellRoute() const { return openThroughDesktopShell; }

}  // namespace speedrail::win32
