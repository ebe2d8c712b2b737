#include "platform/win32/working_folder_path.h"

#include <windows.h>

#include <vector>

namespace speedrail::win32 {

std::wstring workingFolderPath(const std::wstring& name) {
    if (name.empty()) return {};
    const DWORD length = ::GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (length == 0) return {};
    std::vector<wchar_t> full(length);
    const DWORD written = ::GetFullPathNameW(name.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) return {};
    return std::wstring(full.data(), written);
}

}  // namespace speedrail::win32
