// Win32Platform::launch: starts a command line as a new process.
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/child_environment.h"
#include "platform/win32/inherited_handles.h"
#include "platform/win32/launch_target.h"
#include "platform/win32/unique_handle.h"
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

// A console started for a run must never take the keys: the user types into
// the window, and consoles appear late, after the run may already be over.
WORD showCommandFor(WindowStyle style) {
    return style == WindowStyle::MinimizedNoFocus ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL;
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

// The program comes from where `lookup` says (see launchTarget); .cmd files
// are run through the command interpreter by the system itself. Each child
// gets its own console, so the console tools never share one with each other
// or with the window.
std::unique_ptr<LaunchedProcess> Win32Platform::launch(const std::string& commandLine,
                                                       ProgramLookup lookup, WindowStyle style,
                                                       ChildInput input) {
    const LaunchTarget target = launchTarget(commandLine, lookup);
    // CreateProcessW may write into the command line, so it gets a copy.
    std::vector<wchar_t> writable(target.commandLine.begin(), target.commandLine.end());
    writable.push_back(L'\0');

    std::vector<wchar_t> environment;
    DWORD flags = CREATE_NEW_CONSOLE;
    if (target.withoutWorkingFolderSearch) {
        // Whatever value it has, the variable's presence is what counts.
        environment = environmentWith(L"NoDefaultCurrentDirectoryInExePath", L"1");
        if (environment.empty()) {
            throwLaunchError("no environment for", commandLine, ::GetLastError());
        }
        flags |= CREATE_UNICODE_ENVIRONMENT;
    }

    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW;
    startup.StartupInfo.wShowWindow = showCommandFor(style);

    // `net stop` asks "continue? (Y/N)" for dependent services; reading the
    // null device answers with end of input at once instead of a key that
    // nobody will press. The child inherits that one handle and nothing
    // else of ours; our copy is closed when this function returns.
    UniqueKernelHandle nullDevice;
    std::optional<InheritedHandles> inherited;
    if (input == ChildInput::NullDevice) {
        nullDevice = openInheritableNullDevice();
        if (!nullDevice) throwLaunchError("cannot open NUL for", commandLine, ::GetLastError());
        inherited.emplace(std::vector<HANDLE>{nullDevice.get()});
        if (!inherited->attributes()) {
            throwLaunchError("no handle list for", commandLine, inherited->error());
        }
        startup.StartupInfo.dwFlags |= STARTF_USESTDHANDLES;
        startup.StartupInfo.hStdInput = nullDevice.get();
        startup.StartupInfo.hStdOutput = nullDevice.get();
        startup.StartupInfo.hStdError = nullDevice.get();
        startup.lpAttributeList = inherited->attributes();
        flags |= EXTENDED_STARTUPINFO_PRESENT;
    }

    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(target.application.empty() ? nullptr : target.application.c_str(),
                          writable.data(), nullptr, nullptr, inherited.has_value(), flags,
                          environment.empty() ? nullptr : environment.data(), nullptr,
                          &startup.StartupInfo, &info)) {
        throwLaunchError("cannot start", commandLine, ::GetLastError());
    }
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    return std::make_unique<Win32LaunchedProcess>(std::move(process));
}

}  // namespace speedrail::win32
