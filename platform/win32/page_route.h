// Which shell opens a web page, so that the browser always runs as the
// desktop's user with the desktop's rights, never with this program's.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

enum class PageRoute {
    OwnShell,      // the program's own shell: it is the desktop's user, with no more rights
    DesktopShell,  // the desktop's shell, asked across processes; or nothing, without one
};

// The program's own shell only where its token is not elevated above its
// user (TokenElevationTypeDefault: UAC off, the built-in Administrator;
// Limited) and that user is the desktop shell's. An unknown type counts as
// elevated, the rights the manifest asks for. "Run as another user" with
// UAC off gives a Default token of a user who is not the desktop's.
PageRoute pageRoute(std::optional<TOKEN_ELEVATION_TYPE> type, bool desktopShellUser);

// The elevation type of `process`'s token; nothing when it cannot be read.
std::optional<TOKEN_ELEVATION_TYPE> elevationType(HANDLE process);
// The TOKEN_USER of `process`'s token, in a buffer of its own; empty when it
// cannot be read.
std::vector<BYTE> tokenUser(HANDLE process);
// The process that shows the desktop's shell window (GetShellWindow),
// opened to read its token; null where there is none or it cannot be opened.
UniqueKernelHandle openDesktopShellProcess();
// Whether this process runs as the desktop shell's user; false where there
// is no shell, or its user cannot be read.
bool runsAsDesktopShellUser();

// The route for this process.
PageRoute pageRouteOfThisProcess();

}  // namespace speedrail::win32
