// What the stand-ins dropped where nothing may be run or loaded from do when
// they run: leave an empty file named after their own file with `suffix`
// added ("C:\folder\sc.exe.ran").
#pragma once

#include <windows.h>

#include <string>

inline bool leaveMark(HMODULE self, const wchar_t* suffix) {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const std::wstring mark = std::wstring(path, length) + suffix;
    const HANDLE file = ::CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}
