#include "platform/win32/child_environment.h"

#include <windows.h>

#include <cwchar>

namespace speedrail::win32 {
namespace {

struct EnvironmentStrings {
    wchar_t* block = ::GetEnvironmentStringsW();
    EnvironmentStrings() = default;
    EnvironmentStrings(const EnvironmentStrings&) = delete;
    EnvironmentStrings& operator=(const EnvironmentStrings&) = delete;
    ~EnvironmentStrings() {
        if (block) ::FreeEnvironmentStringsW(block);
    }
};

// The name of a "NAME=value" entry; entries such as "=C:=C:\folder" keep
// their leading '='.
std::wstring nameOf(const wchar_t* entry) {
    const wchar_t* equals = std::wcschr(entry + 1, L'=');
    return equals ? std::wstring(entry, equals) : std::wstring(entry);
}

int compareNames(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                  static_cast<int>(b.size()), TRUE);
}

}  // namespace

// The system keeps its environment sorted by name, ignoring case; the new
// entry goes where that order puts it.
std::vector<wchar_t> environmentWith(const std::wstring& name, const std::wstring& value) {
    const EnvironmentStrings current;
    if (!current.block) return {};
    std::vector<wchar_t> block;
    const auto append = [&](const std::wstring& entry) {
        block.insert(block.end(), entry.begin(), entry.end());
        block.push_back(L'\0');
    };
    bool placed = false;
    for (const wchar_t* entry = current.block; *entry; entry += std::wcslen(entry) + 1) {
        const std::wstring entryName = nameOf(entry);
        const int order = entryName[0] == L'=' ? CSTR_LESS_THAN : compareNames(entryName, name);
        if (!placed && order != CSTR_LESS_THAN) {
            append(name + L"=" + value);
            placed = true;
        }
        if (order != CSTR_EQUAL) append(entry);
    }
    if (!placed) append(name + L"=" + value);
    block.push_back(L'\0');
    return block;
}

}  // namespace speedrail::win32
