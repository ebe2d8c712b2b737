// Win32Platform: the message box and the shell's open request.
#include <windows.h>
// shellapi.h builds on the types windows.h declares.
#include <shellapi.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace speedrail::win32 {

namespace {
// An empty text means "not given": the shell then takes its default (the
// default verb, no parameters, the current folder).
const wchar_t* optionalText(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
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

// The shell answers with a pseudo instance handle: above 32 on success,
// otherwise an error code. It fits in 32 bits, as the ANSI function's
// declared result always did.
std::int32_t Win32Platform::shellExecute(std::uintptr_t ownerWindow, const std::string& operation,
                                         const std::string& file, const std::string& parameters,
                                         const std::string& directory, std::int32_t showCommand) {
    const std::wstring wideOperation = toWide(operation);
    const std::wstring wideParameters = toWide(parameters);
    const std::wstring wideDirectory = toWide(directory);
    const HINSTANCE result = ::ShellExecuteW(
        reinterpret_cast<HWND>(ownerWindow), optionalText(wideOperation), toWide(file).c_str(),
        optionalText(wideParameters), optionalText(wideDirectory), showCommand);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace speedrail::win32
