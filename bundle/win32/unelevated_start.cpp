// Runs its command line (everything after its own name) as this process's
// user but without administrator rights, as a program started without "Run
// as administrator" is: the Administrators group kept for denying only, as
// UAC keeps it in a filtered token. Waits for it and exits with its exit
// code; 3 when it cannot start it. The test run starts run-tests.cmd so
// (scripts/check-bundle.sh), where every process would be elevated.
#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

using speedrail::win32::UniqueKernelHandle;

int main() {
    std::wstring commandLine = ::GetCommandLineW();
    const bool quoted = commandLine[0] == L'"';
    std::size_t rest = commandLine.find(quoted ? L'"' : L' ', quoted ? 1 : 0);
    rest = rest == std::wstring::npos ? commandLine.size() : rest + 1;
    rest = commandLine.find_first_not_of(L' ', rest);
    if (rest == std::wstring::npos) return 3;
    commandLine = commandLine.substr(rest);

    UniqueKernelHandle token, restricted;
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof sid;
    SID_AND_ATTRIBUTES administrators{sid, 0};
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ALL_ACCESS, token.put()) ||
        !::CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &size) ||
        !::CreateRestrictedToken(token.get(), 0, 1, &administrators, 0, nullptr, 0, nullptr,
                                 restricted.put())) {
        return 3;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessAsUserW(restricted.get(), nullptr, commandLine.data(), nullptr, nullptr,
                                TRUE, 0, nullptr, nullptr, &startup, &started)) {
        return 3;
    }
    const UniqueKernelHandle process(started.hProcess), thread(started.hThread);
    ::WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 3;
    ::GetExitCodeProcess(process.get(), &exitCode);
    return static_cast<int>(exitCode);
}
