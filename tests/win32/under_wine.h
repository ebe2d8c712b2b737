// Whether the tests run under Wine rather than on Windows.
#pragma once

#include <windows.h>

namespace speedrail::win32::testing {

inline bool underWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace speedrail::win32::testing
