// The answer of a shell request, as the shell's own open function gives it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace speedrail::win32 {

// Above 32 on success, otherwise a small error code. S_FALSE is a failure:
// the shell answers so when it started nothing.
std::int32_t shellOpenResult(HRESULT result);

}  // namespace speedrail::win32
