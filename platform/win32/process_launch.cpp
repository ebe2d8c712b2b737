// Win32Platform::launch: starts a command line as a new process.
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace speedrail::win32 {

namespace {

class Win32LaunchedProcess : public LaunchedProcess {
public:
    explicit Win32LaunchedProcess(UniqueKernelHandle process) : process_(std::move(process)) {}

    bool waitForExit(std::uint32_t milliseconds) override {
        return ::WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0;
    }

private:
    UniqueKernelHandle process_;
};

WORD showCommandFor(WindowStyle style) {
    return style == WindowStyle::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
}

[[noreturn]] void throwLaunchError(const char* what, const std::string& commandLine, DWORD error) {
    throw LaunchError(std::string(what) + " \"" + commandLine + "\" (error " +
                      std::to_string(error) + ")");
}

// The null device, opened so that a child can inherit it: reading gives end
// of input at once and writing discards everything.
UniqueKernelHandle openInheritableNullDevice() {
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof security;
    security.bInheritHandle = TRUE;
    return UniqueKernelHandle(::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, &security,
                                            OPEN_EXISTING, 0, nullptr));
}

}  // namespace

// The command line goes to CreateProcessW as it is: the system finds the
// program (a bare name is looked up in the program's folder, the current
// folder and the search path) and runs .cmd and .bat files through the
// command interpreter by itself. Each child gets its own console, so the
// console tools never share one with each other or with the window.
std::unique_ptr<LaunchedProcess> Win32Platform::launch(const std::string& commandLine,
                                                       WindowStyle style, ChildInput input) {
    // CreateProcessW may write into the command line, so it gets a copy.
    const std::wstring wide = toWide(commandLine);
    std::vector<wchar_t> writable(wide.begin(), wide.end());
    writable.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommandFor(style);

    // `net stop` asks "continue? (Y/N)" for dependent services; reading the
    // null device answers with end of input at once instead of a key that
    // nobody will press. The handles are only borrowed by the child: ours
    // is closed when this function returns.
    UniqueKernelHandle nullDevice;
    BOOL inheritHandles = FALSE;
    if (input == ChildInput::NullDevice) {
        nullDevice = openInheritableNullDevice();
        if (!nullDevice) throwLaunchError("cannot open NUL for", commandLine, ::GetLastError());
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdInput = nullDevice.get();
        startup.hStdOutput = nullDevice.get();
        startup.hStdError = nullDevice.get();
        inheritHandles = TRUE;
    }

    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, writable.data(), nullptr, nullptr, inheritHandles,
                          CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &info)) {
        throwLaunchError("cannot start", commandLine, ::GetLastError());
    }
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    return std::make_unique<Win32LaunchedProcess>(std::move(process));
}

}  // namespace speedrail::win32
