// Test child: a stand-in for a system tool (sc, net, wmic) dropped where it
// must never be run from. When it runs, it leaves an empty file named after
// itself with ".ran" added ("C:\folder\sc.exe.ran") and does nothing else.
#include <windows.h>

#include <string>

int main() {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 2;
    const std::wstring mark = std::wstring(path, length) + L".ran";
    const HANDLE file = ::CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    ::CloseHandle(file);
    return 0;
}
