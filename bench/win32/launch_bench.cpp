// Win32Platform::launch of a stop run's service command line (sc from the
// system folder, minimised, reading the null device) against bare
// CreateProcessW of the same program and line with the same flags, whose
// null device, handle list and program path are made once beforehand. 200
// launches each, in turn; only the calls are timed, and each child is waited
// for before the next launch, so the children never pile up. The service
// does not exist, so nothing is stopped. Prints the times in milliseconds.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/inherited_handles.h"
#include "platform/win32/launch_target.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"
#include "services/command_line.h"

namespace {

using speedrail::win32::UniqueKernelHandle;
using Clock = std::chrono::steady_clock;

constexpr int kLaunches = 200;
constexpr DWORD kChildTimeoutMs = 30000;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double launchThroughPlatform(speedrail::win32::Win32Platform& platform, const std::string& line) {
    const auto start = Clock::now();
    auto child = platform.launch(line, speedrail::ProgramLookup::SystemFolder,
                                 speedrail::WindowStyle::MinimizedNoFocus,
                                 speedrail::ChildInput::NullDevice);
    const double elapsed = millisecondsSince(start);
    child->waitForExit(kChildTimeoutMs);
    return elapsed;
}

// What the bare launches share: the program and line, the null device and
// the list of handles the child may inherit.
struct BareLaunch {
    speedrail::win32::LaunchTarget target;
    HANDLE nullDevice;
    const speedrail::win32::InheritedHandles& inherited;
};

double launchBare(const BareLaunch& launch) {
    std::vector<wchar_t> writable(launch.target.commandLine.begin(),
                                  launch.target.commandLine.end());
    writable.push_back(L'\0');
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.StartupInfo.wShowWindow = SW_SHOWMINIMIZED;
    startup.StartupInfo.hStdInput = launch.nullDevice;
    startup.StartupInfo.hStdOutput = launch.nullDevice;
    startup.StartupInfo.hStdError = launch.nullDevice;
    startup.lpAttributeList = launch.inherited.attributes();
    PROCESS_INFORMATION info{};
    const auto start = Clock::now();
    const BOOL started =
        ::CreateProcessW(launch.target.application.c_str(), writable.data(), nullptr, nullptr, TRUE,
                         CREATE_NEW_CONSOLE | EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr,
                         &startup.StartupInfo, &info);
    const double elapsed = millisecondsSince(start);
    if (!started) return -1;
    const UniqueKernelHandle process(info.hProcess);
    const UniqueKernelHandle thread(info.hThread);
    ::WaitForSingleObject(process.get(), kChildTimeoutMs);
    return elapsed;
}

void report(const char* label, std::vector<double> times, double baseline) {
    std::sort(times.begin(), times.end());
    double total = 0;
    for (const double t : times) total += t;
    std::printf("%s: %d launches, total %.1f ms, mean %.2f ms, median %.2f ms, best %.2f ms", label,
                static_cast<int>(times.size()), total, total / static_cast<double>(times.size()),
                times[times.size() / 2], times.front());
    if (baseline > 0) std::printf(", %.3f x bare", total / baseline);
    std::printf("\n");
}

}  // namespace

int main() {
    const std::string line = speedrail::scStopCommand("SpeeDRaiLBenchNoSuchService");

    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof security;
    security.bInheritHandle = TRUE;
    const UniqueKernelHandle nullDevice(::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE,
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE, &security,
                                                      OPEN_EXISTING, 0, nullptr));
    if (!nullDevice) return 1;
    const speedrail::win32::InheritedHandles inherited({nullDevice.get()});
    if (!inherited.attributes()) return 1;
    speedrail::win32::Win32Platform platform;

    std::vector<double> bare;
    std::vector<double> throughPlatform;
    try {
        const BareLaunch bareLaunch{
            speedrail::win32::launchTarget(line, speedrail::ProgramLookup::SystemFolder),
            nullDevice.get(), inherited};
        // A few launches of each to warm up, then the measured ones in turn.
        for (int i = 0; i < 5; ++i) {
            launchBare(bareLaunch);
            launchThroughPlatform(platform, line);
        }
        for (int i = 0; i < kLaunches; ++i) {
            const double b = launchBare(bareLaunch);
            if (b < 0) return 1;
            bare.push_back(b);
            throughPlatform.push_back(launchThroughPlatform(platform, line));
        }
    } catch (const speedrail::LaunchError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }

    std::printf("command line: %s\n", line.c_str());
    double bareTotal = 0;
    for (const double t : bare) bareTotal += t;
    report("bare CreateProcessW", bare, 0);
    report("Win32Platform::launch", throughPlatform, bareTotal);
    return 0;
}
