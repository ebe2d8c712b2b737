// What the tests and benchmarks use lies beside the running program, laid out
// the same in the build folder and in the test bundle: no build path is
// compiled in, and a copy of the folder runs from anywhere.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace speedrail::win32::testing {

// The running program's folder, with a trailing backslash.
inline std::wstring programFolder() {
    std::vector<wchar_t> path(32768);
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring folder(path.data(), length);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder;
}

// The distribution folder under test (the program, its scripts and tracks),
// beside the running program.
inline std::wstring distributionFolder() { return programFolder() + L"" SPEEDRAIL_DIST_NAME; }

}  // namespace speedrail::win32::testing
