#include "platform/win32/page_route.h"

#include <vector>

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {
namespace {

PSID sidOf(std::vector<BYTE>& user) { return reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid; }

}  // namespace

std::vector<BYTE> tokenUser(HANDLE process) {
    UniqueKernelHandle token;
    DWORD size = 0;
    if (!::OpenProcessToken(process, TOKEN_QUERY, token.put())) return {};
    ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    if (size == 0 || !::GetTokenInformation(token.get(), TokenUser, user.data(), size, &size)) {
        return {};
    }
    return user;
}

PageRoute pageRoute(std::optional<TOKEN_ELEVATION_TYPE> type, bool desktopShellUser) {
    const bool elevated = !type || *type == TokenElevationTypeFull;
    return !elevated && desktopShellUser ? PageRoute::OwnShell : PageRoute::DesktopShell;
}

std::optional<TOKEN_ELEVATION_TYPE> elevationType(HANDLE process) {
    UniqueKernelHandle token;
    TOKEN_ELEVATION_TYPE type{};
    DWORD size = 0;
    if (!::OpenProcessToken(process, TOKEN_QUERY, token.put()) ||
        !::GetTokenInformation(token.get(), TokenElevationType, &type, sizeof type, &size)) {
        return std::nullopt;
    }
    return type;
}

UniqueKernelHandle openDesktopShellProcess() {
    DWORD id = 0;
    const HWND shell = ::GetShellWindow();
    if (!shell || !::GetWindowThreadProcessId(shell, &id)) return {};
    return UniqueKernelHandle(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
}

bool runsAsDesktopShellUser() {
    const UniqueKernelHandle shellProcess = openDesktopShellProcess();
    if (!shellProcess) return false;
    std::vector<BYTE> shellUser = tokenUser(shellProcess.get());
    std::vector<BYTE> ownUser = tokenUser(::GetCurrentProcess());
    return !shellUser.empty() && !ownUser.empty() &&
           ::EqualSid(sidOf(shellUser), sidOf(ownUser)) != FALSE;
}

PageRoute pageRouteOfThisProcess() {
    return pageRoute(elevationType(::GetCurrentProcess()), runsAsDesktopShellUser());
}

}  // namespace speedrail::win32
