// Opening an address through the desktop's own shell, so that what it
// starts runs as the signed-in user and not with this program's rights.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace speedrail::win32 {

// Asks the shell that runs the desktop (Explorer, unelevated) to open
// `address` with the verb "open", no parameters, no folder, in a normal
// window. Nothing when the desktop offers no shell to ask; otherwise the
// result of the request.
std::optional<HRESULT> openThroughDesktopShell(const std::wstring& address);

}  // namespace speedrail::win32
