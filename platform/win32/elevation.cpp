#include "platform/win32/elevation.h"

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

bool aboveTheDesktop(std::optional<TOKEN_ELEVATION_TYPE> type) {
    return !type || *type == TokenElevationTypeFull;
}

bool processRunsAboveTheDesktop() {
    UniqueKernelHandle token;
    TOKEN_ELEVATION_TYPE type{};
    DWORD size = 0;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put()) ||
        !::GetTokenInformation(token.get(), TokenElevationType, &type, sizeof type, &size)) {
        return aboveTheDesktop(std::nullopt);
    }
    return aboveTheDesktop(type);
}

}  // namespace speedrail::win32
