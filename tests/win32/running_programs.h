// Whether a program runs now, looked for among every process by its file
// name: for the programs a test starts only indirectly.
#pragma once

#include <windows.h>
// tlhelp32.h builds on the types windows.h declares.
#include <tlhelp32.h>

#include <initializer_list>

#include "platform/win32/unique_handle.h"

namespace speedrail::win32::testing {

// True while any process runs a program of one of these file names.
inline bool programRunning(std::initializer_list<const wchar_t*> fileNames) {
    const UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry)) {
        for (const wchar_t* name : fileNames) {
            if (::lstrcmpiW(entry.szExeFile, name) == 0) return true;
        }
    }
    return false;
}

}  // namespace speedrail::win32::testing
