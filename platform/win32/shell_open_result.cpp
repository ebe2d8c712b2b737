#include "platform/win32/shell_open_result.h"

// shellapi.h builds on the types windows.h declares.
#include <shellapi.h>

namespace speedrail::win32 {

std::int32_t shellOpenResult(HRESULT result) {
    constexpr std::int32_t kOpened = 42;
    if (result == S_OK) return kOpened;
    // The shell's own codes up to 32 are the system's error numbers (2 file
    // not found, 5 access denied, ...).
    const DWORD code = HRESULT_CODE(result);
    return FAILED(result) && HRESULT_FACILITY(result) == FACILITY_WIN32 && code <= 32
               ? static_cast<std::int32_t>(code)
               : SE_ERR_NOASSOC;
}

}  // namespace speedrail::win32
