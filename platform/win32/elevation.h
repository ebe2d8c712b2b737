// Whether this process has more rights than the desktop it shows on.
#pragma once

#include <windows.h>

#include <optional>

namespace speedrail::win32 {

// True for a token elevated above its user's desktop (TokenElevationTypeFull:
// elevated through UAC, also with another user's password), and when the
// type is not known: the program then assumes the rights its manifest asks
// for. False where the desktop runs with the same rights (UAC off, the
// built-in Administrator) or more (a limited token).
bool aboveTheDesktop(std::optional<TOKEN_ELEVATION_TYPE> type);

// The same for this process's token.
bool processRunsAboveTheDesktop();

}  // namespace speedrail::win32
