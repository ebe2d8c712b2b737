// Who a process runs as: its token's user and elevation type. The report
// tells them for the tests and for the desktop's shell; the browser probe
// of the tests logs them for the browser a web picture starts.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace speedrail::win32 {

struct TokenFacts {
    std::wstring user;                              // the user's SID, as S-1-5-...
    std::optional<TOKEN_ELEVATION_TYPE> elevation;  // none where the system does not say
};

// The facts of `process`'s token (opened with PROCESS_QUERY_LIMITED_INFORMATION);
// nothing when the token cannot be read.
std::optional<TokenFacts> tokenFacts(HANDLE process);

// The same for the process that owns the desktop's shell window (Explorer);
// nothing where there is no shell or it cannot be read.
std::optional<TokenFacts> desktopShellTokenFacts();

// "Default", "Full", "Limited", or "unknown".
const char* elevationName(std::optional<TOKEN_ELEVATION_TYPE> elevation);

// Whether this process's token holds the Administrators group enabled: run
// as administrator, or by an administrator with UAC off. A token UAC has
// filtered holds it for denying only, and does not count.
bool runsAsAdministrator();

}  // namespace speedrail::win32
