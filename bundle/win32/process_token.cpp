#include "bundle/win32/process_token.h"

#include <sddl.h>

#include <vector>

#include "platform/win32/page_route.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

std::optional<TokenFacts> tokenFacts(HANDLE process) {
    std::vector<BYTE> user = tokenUser(process);
    wchar_t* sid = nullptr;
    if (user.empty() ||
        !::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &sid)) {
        return std::nullopt;
    }
    TokenFacts facts{sid, elevationType(process)};
    ::LocalFree(sid);
    return facts;
}

std::optional<TokenFacts> desktopShellTokenFacts() {
    const UniqueKernelHandle process = openDesktopShellProcess();
    if (!process) return std::nullopt;
    return tokenFacts(process.get());
}

const char* elevationName(std::optional<TOKEN_ELEVATION_TYPE> elevation) {
    if (!elevation) return "unknown";
    switch (*elevation) {
        case TokenElevationTypeDefault:
            return "Default";
        case TokenElevationTypeFull:
            return "Full";
        case TokenElevationTypeLimited:
            return "Limited";
    }
    return "unknown";
}

bool runsAsAdministrator() {
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof sid;
    BOOL member = FALSE;
    return ::CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &size) &&
           ::CheckTokenMembership(nullptr, sid, &member) && member;
}

}  // namespace speedrail::win32
