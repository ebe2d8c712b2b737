#include "platform/win32/system_library.h"

#include <vector>

namespace speedrail::win32 {

void restrictDllSearchToSystemFolder() {
    const auto setDefaultDllDirectories = exportedFunction<decltype(&::SetDefaultDllDirectories)>(
        ::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    ::SetDllDirectoryW(L"");
}

std::wstring systemFolder() {
    std::vector<wchar_t> folder(MAX_PATH + 1);
    UINT length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length + 1);
        length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    }
    if (length == 0 || length >= folder.size()) return {};
    return std::wstring(folder.data(), length);
}

namespace {

// Whether the program's manifest redirects the DLL `name` (the common
// controls, version 6): such a name is resolved by its side-by-side
// assembly before any folder is searched.
bool redirectedByManifest(const wchar_t* name) {
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    return ::FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, name,
                                      &data) != FALSE;
}

}  // namespace

// Without update KB2533623 Windows 7 refuses the search flag. The DLL is then
// named by its full path in the system folder, unless the manifest redirects
// it: a full path would bypass that redirection.
SystemLibrary::SystemLibrary(const wchar_t* name)
    : module_(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    if (module_ || ::GetLastError() != ERROR_INVALID_PARAMETER) return;
    if (redirectedByManifest(name)) {
        module_.reset(::LoadLibraryW(name));
        return;
    }
    const std::wstring folder = systemFolder();
    if (!folder.empty()) module_.reset(::LoadLibraryW((folder + L"\\" + name).c_str()));
}

}  // namespace speedrail::win32
