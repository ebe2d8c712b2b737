#include "platform/win32/system_library.h"

namespace speedrail::win32 {

void restrictDllSearchToSystemFolder() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
    const FARPROC proc =
        kernel32 ? ::GetProcAddress(kernel32, "SetDefaultDllDirectories") : nullptr;
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(proc));
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    ::SetDllDirectoryW(L"");
}

// Without update KB2533623 Windows 7 refuses the search flag; the DLL then
// comes from the search that restrictDllSearchToSystemFolder left.
SystemLibrary::SystemLibrary(const wchar_t* name)
    : module_(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    if (!module_ && ::GetLastError() == ERROR_INVALID_PARAMETER) {
        module_.reset(::LoadLibraryW(name));
    }
}

}  // namespace speedrail::win32
