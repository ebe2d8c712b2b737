#include "platform/win32/elevation.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

bool processIsElevated() {
    UniqueKernelHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put())) return true;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    if (!::GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size)) {
        return true;
    }
    return elevation.TokenIsElevated != 0;
}

}  // namespace speedrail::win32
