// Opening an address through the desktop's own shell, so that what it
// starts runs as the signed-in user and not with this program's rights.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace speedrail::win32 {

// A request to open an address through the desktop's shell: nothing when
// the desktop offers no shell to ask, otherwise the shell's answer.
using DesktopShellRequest = std::function<std::optional<HRESULT>(const std::wstring& address)>;

// Asks the shell that runs the desktop (Explorer, unelevated) to open
// `address` with the verb "open", no parameters, no folder, in a normal
// window. Needs COM on the calling thread; every call crosses into the
// shell's process and may wait on it for as long as the shell is busy.
std::optional<HRESULT> openThroughDesktopShell(const std::wstring& address);

}  // namespace speedrail::win32
