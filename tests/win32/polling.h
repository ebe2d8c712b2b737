// Waiting for something the system does in its own time, with a bound and
// never a fixed sleep: the tests share a machine that may be slow.
#pragma once

#include <windows.h>

namespace speedrail::win32::testing {

// The longest a test waits for the system: far beyond what a step takes on
// a slow machine, so that reaching it means the step will not come.
inline constexpr DWORD kWaitMs = 30000;

// Polls `condition` every 50 ms until it holds or `timeoutMs` has passed.
template <typename Condition>
bool waitFor(Condition condition, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (::GetTickCount64() > deadline) return false;
        ::Sleep(50);
    }
    return true;
}

}  // namespace speedrail::win32::testing
