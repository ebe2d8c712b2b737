#include "started_program.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace speedrail::win32::testing {

ProgramWindows windowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        ProgramWindows found;
    } search{processId, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner != s.processId) return TRUE;
            wchar_t title[128] = {};
            ::GetWindowTextW(window, title, 128);
            if (std::wstring(title) == L"Información - SpeeDRaiL") s.found.warning = window;
            if (std::wstring(title) == L"SpeeDRaiL > Ejecute como Admin...") s.found.main = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring distributionFolder() {
    std::wstring folder = L"" SPEEDRAIL_DIST_DIR;
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    return folder;
}

std::wstring distributedProgram() { return distributionFolder() + L"\\SpeeDRaiL.exe"; }

StartedProgram::~StartedProgram() {
    if (process && ::WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process.get(), 1);
        ::WaitForSingleObject(process.get(), 10000);
    }
}

StartedProgram start(const std::wstring& program, const std::wstring& workingFolder) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    StartedProgram result;
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.c_str(), &startup, &started)) {
        ADD_FAILURE() << "cannot start the program: error " << ::GetLastError();
        return result;
    }
    result.process.reset(started.hProcess);
    result.thread.reset(started.hThread);
    result.id = started.dwProcessId;
    return result;
}

}  // namespace speedrail::win32::testing
