// Win32Platform: the message box and opening web addresses.
#include <windows.h>
// shellapi.h builds on the types windows.h declares.
#include <shellapi.h>

#include "platform/win32/desktop_shell.h"
#include "platform/win32/elevation.h"
#include "platform/win32/shell_open_result.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace speedrail::win32 {

namespace {

constexpr const char* kNotOpenedAsDesktopUser =
    "No se ha podido abrir la página como usuario del escritorio. Ábrala en su navegador:";

}  // namespace

// While the main window is still hidden (the start-up warning) the box has
// no owner, so that it gets a taskbar button of its own and cannot be lost
// behind other windows.
std::int32_t Win32Platform::messageBox(const std::string& text, std::int32_t style,
                                       const std::string& title) {
    const HWND owner = owner_ && ::IsWindowVisible(owner_) ? owner_ : nullptr;
    return ::MessageBoxW(owner, toWide(text).c_str(), toWide(title).c_str(),
                         static_cast<UINT>(style));
}

// The program runs elevated, and whatever the shell starts from here would
// inherit that: a browser with administrator rights, perhaps in another
// user's profile. So the desktop's own shell, which runs as the signed-in
// user, is asked to open the address. Where there is no such shell, or it
// does not answer in time, an elevated program starts nothing and shows the
// address instead; only an unelevated one opens it through its own shell.
// Either way the browser gets the address alone and shows its window.
std::int32_t Win32Platform::openWebAddress(const std::string& address) {
    const std::wstring wideAddress = toWide(address);
    const DesktopShellRoute route = desktopShellRoute();
    if (const auto answer = askWithin(route.request, wideAddress, route.limitMs)) {
        return shellOpenResult(*answer);
    }
    if (processIsElevated()) {
        messageBox(std::string(kNotOpenedAsDesktopUser) + "\n\n" + address,
                   message_box::kExclamationOk, message_box::kTitle);
        return SE_ERR_ACCESSDENIED;
    }
    // The shell answers with a pseudo instance handle that fits in 32 bits.
    const HINSTANCE instance =
        ::ShellExecuteW(owner_, L"open", wideAddress.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(instance));
}

Win32Platform::DesktopShellRoute Win32Platform::desktopShellRoute() const { return {}; }

}  // namespace speedrail::win32
