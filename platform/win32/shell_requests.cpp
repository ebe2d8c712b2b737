// Win32Platform: the message box and opening web addresses.
#include <windows.h>
// shellapi.h builds on the types windows.h declares.
#include <shellapi.h>

#include "platform/win32/desktop_shell.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace speedrail::win32 {

namespace {

// The result as the shell's own open function reports it: above 32 on
// success, otherwise a small error code. Its codes up to 32 are the
// system's error numbers (2 file not found, 5 access denied, ...).
constexpr std::int32_t kOpened = 42;
std::int32_t openResult(HRESULT result) {
    if (SUCCEEDED(result)) return kOpened;
    const DWORD code = HRESULT_CODE(result);
    return HRESULT_FACILITY(result) == FACILITY_WIN32 && code <= 32
               ? static_cast<std::int32_t>(code)
               : SE_ERR_NOASSOC;
}

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
// user, is asked to open the address; only where there is no such shell
// does this program's shell do it. Either way the browser gets the address
// alone and shows its window.
std::int32_t Win32Platform::openWebAddress(const std::string& address) {
    const std::wstring wideAddress = toWide(address);
    if (const auto result = openThroughDesktopShell(wideAddress)) return openResult(*result);
    // The shell answers with a pseudo instance handle that fits in 32 bits.
    const HINSTANCE instance =
        ::ShellExecuteW(owner_, L"open", wideAddress.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(instance));
}

}  // namespace speedrail::win32
