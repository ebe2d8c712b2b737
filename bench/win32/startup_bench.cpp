// Start-up time: from the process's start to its main window shown, for
// SpeeDRaiL.exe from its distribution folder, whose start-up warning is
// answered as soon as it shows, and side by side for a bare program that
// opens one empty window. The two are started in turn, several times; the
// figures are the medians in milliseconds and their ratio. SpeeDRaiL runs
// once in its distribution folder (music playing) and once in an empty
// folder (no music).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace {

using speedrail::win32::UniqueKernelHandle;

constexpr int kRuns = 15;
constexpr DWORD kTimeoutMs = 60000;

struct Program {
    const wchar_t* label;
    std::wstring path;
    std::wstring folder;     // working folder
    const wchar_t* warning;  // title of a message box to answer, or nullptr
    const wchar_t* main;     // title of the main window
};

struct Found {
    HWND warning = nullptr;
    HWND main = nullptr;
};

Found visibleWindows(DWORD processId, const Program& program) {
    struct Search {
        DWORD processId;
        const Program* program;
        Found found;
    } search{processId, &program, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner != s.processId || !::IsWindowVisible(window)) return TRUE;
            wchar_t title[128] = {};
            ::GetWindowTextW(window, title, 128);
            if (s.program->warning && std::wstring(title) == s.program->warning) {
                s.found.warning = window;
            }
            if (std::wstring(title) == s.program->main) s.found.main = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring windowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return speedrail::win32::toWide(path);
}

struct Times {
    double warning = 0;  // milliseconds to the warning shown (0 without one)
    double main = -1;    // milliseconds to the main window shown; -1 on failure
};

// Times from CreateProcessW on.
Times startOnce(const Program& program) {
    std::wstring commandLine = L"\"" + program.path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const auto start = std::chrono::steady_clock::now();
    if (!::CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, program.folder.c_str(), &startup, &started)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.path.c_str(),
                     ::GetLastError());
        return {};
    }
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    const auto sinceStart = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    };

    Times times;
    bool answered = false;
    while (sinceStart() < kTimeoutMs) {
        const Found found = visibleWindows(started.dwProcessId, program);
        if (found.warning && !answered) {
            times.warning = sinceStart();
            ::PostMessageW(found.warning, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            answered = true;
        }
        if (found.main) {
            times.main = sinceStart();
            ::PostMessageW(found.main, WM_CLOSE, 0, 0);
            break;
        }
        ::Sleep(1);
    }
    if (::WaitForSingleObject(process.get(), kTimeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.get(), 1);
        return {};
    }
    return times;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring emptyFolder = std::wstring(temp) + L"speedrail-startup-bench";
    ::CreateDirectoryW(emptyFolder.c_str(), nullptr);

    const std::wstring dist = windowsPath(SPEEDRAIL_DIST_DIR);
    const std::vector<Program> programs = {
        {L"bare window", windowsPath(SPEEDRAIL_BARE_WINDOW), dist, nullptr, L"Bare window"},
        {L"SpeeDRaiL, music", dist + L"\\SpeeDRaiL.exe", dist, L"Información - SpeeDRaiL",
         L"SpeeDRaiL > Ejecute como Admin..."},
        {L"SpeeDRaiL, no music", dist + L"\\SpeeDRaiL.exe", emptyFolder, L"Información - SpeeDRaiL",
         L"SpeeDRaiL > Ejecute como Admin..."},
    };

    // One start each to warm the file cache, then the measured rounds.
    for (const Program& program : programs) startOnce(program);
    std::vector<std::vector<double>> mainTimes(programs.size());
    std::vector<std::vector<double>> warningTimes(programs.size());
    for (int run = 0; run < kRuns; ++run) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const Times times = startOnce(programs[i]);
            if (times.main < 0) return 1;
            mainTimes[i].push_back(times.main);
            warningTimes[i].push_back(times.warning);
        }
    }

    const double bare = median(mainTimes[0]);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const auto [best, worst] = std::minmax_element(mainTimes[i].begin(), mainTimes[i].end());
        std::printf("start-up, %ls: median %.1f ms (best %.1f, worst %.1f), %.2f x bare",
                    programs[i].label, median(mainTimes[i]), *best, *worst,
                    median(mainTimes[i]) / bare);
        if (programs[i].warning) std::printf("; warning shown at %.1f ms", median(warningTimes[i]));
        std::printf("\n");
    }
    ::RemoveDirectoryW(emptyFolder.c_str());
    return 0;
}
