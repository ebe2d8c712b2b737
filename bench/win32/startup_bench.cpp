// Start-up time: from the process's start to its main window shown, for
// SpeeDRaiL.exe, whose start-up warning is answered as soon as it shows,
// and side by side for a bare program that opens one empty window. The
// programs are started in turn, several times; the figures are the medians
// in milliseconds and their ratio to the bare window's. SpeeDRaiL runs once
// in its distribution folder (music playing) and once in an empty folder (no
// music); its warning, its first window, is compared with the bare window
// too.
//
// Then the start-up without music step by step, from the step-by-step child
// (children/startup_steps.cpp), started afresh each round like the others so
// that every step pays its first loads: the median of each step, and how
// their sum compares with the program's own time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "form/layout.h"
#include "platform/platform_ops.h"
#include "platform/win32/inherited_handles.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "tests/win32/program_folder.h"

namespace {

using speedrail::win32::InheritedHandles;
using speedrail::win32::toWide;
using speedrail::win32::UniqueKernelHandle;

// Rounds unless the command line names another count: the test bundle's
// report takes fewer, enough for medians on Windows, whose noise is smaller.
constexpr int kRuns = 41;
constexpr double kTimeoutMs = 60000;

// Milliseconds on the clock the step-by-step child writes its counts in.
double milliseconds(LONGLONG count) {
    static const double perMillisecond = [] {
        LARGE_INTEGER frequency{};
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    return static_cast<double>(count) / perMillisecond;
}

double now() {
    LARGE_INTEGER count{};
    ::QueryPerformanceCounter(&count);
    return milliseconds(count.QuadPart);
}

struct Program {
    const char* label;
    std::wstring path;
    std::wstring folder;   // working folder
    std::wstring warning;  // title of a message box to answer, or empty
    std::wstring main;     // title of the main window
    bool writesSteps;      // writes when each start-up step ends (startup_steps)
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
            if (!s.program->warning.empty() && title == s.program->warning) {
                s.found.warning = window;
            }
            if (title == s.program->main) s.found.main = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A start-up step and the milliseconds it took.
using Steps = std::vector<std::pair<std::string, double>>;

struct Times {
    double warning = 0;  // milliseconds to the warning shown (0 without one)
    double main = -1;    // milliseconds to the main window shown; -1 on failure
    Steps steps;         // for a program that writes its steps
};

// All the child wrote, once it has ended.
std::string readAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    return text;
}

// The child's lines ("<count>\t<step>", each at the step's end) as steps
// from `start` on, then the two the benchmark sees itself.
Steps stepsOf(const std::string& written, double start, const Times& times) {
    Steps steps;
    double previous = 0;
    std::size_t line = 0;
    for (std::size_t end; (end = written.find('\n', line)) != std::string::npos; line = end + 1) {
        const std::size_t tab = written.find('\t', line);
        if (tab == std::string::npos || tab > end) break;
        const double at = milliseconds(std::stoll(written.substr(line, tab - line))) - start;
        steps.emplace_back(written.substr(tab + 1, end - tab - 1), at - previous);
        previous = at;
    }
    steps.emplace_back("warning box until it shows", times.warning - previous);
    steps.emplace_back("warning answered until the main window shows", times.main - times.warning);
    return steps;
}

// Times from CreateProcessW on.
Times startOnce(const Program& program) {
    std::wstring commandLine = L"\"" + program.path + L"\"";
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup.StartupInfo;
    DWORD flags = 0;
    // The step-by-step child writes into a pipe, the only handle it inherits.
    UniqueKernelHandle stepsRead, stepsWrite;
    std::optional<InheritedHandles> inherited;
    if (program.writesSteps) {
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        if (!::CreatePipe(stepsRead.put(), stepsWrite.put(), &inheritable, 0)) return {};
        inherited.emplace(std::vector<HANDLE>{stepsWrite.get()});
        if (!inherited->attributes()) return {};
        startup.StartupInfo.cb = sizeof startup;
        startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
        startup.StartupInfo.hStdOutput = stepsWrite.get();
        startup.lpAttributeList = inherited->attributes();
        flags = EXTENDED_STARTUPINFO_PRESENT;
    }
    PROCESS_INFORMATION started{};
    const double start = now();
    if (!::CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr,
                          program.writesSteps, flags, nullptr, program.folder.c_str(),
                          &startup.StartupInfo, &started)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.path.c_str(),
                     ::GetLastError());
        return {};
    }
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    stepsWrite.reset();  // the child's copy is the only one left: its end ends the pipe

    Times times;
    bool answered = false;
    while (now() - start < kTimeoutMs) {
        const Found found = visibleWindows(started.dwProcessId, program);
        if (found.warning && !answered) {
            times.warning = now() - start;
            ::PostMessageW(found.warning, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            answered = true;
        }
        if (found.main) {
            times.main = now() - start;
            ::PostMessageW(found.main, WM_CLOSE, 0, 0);
            break;
        }
        ::Sleep(1);
    }
    if (::WaitForSingleObject(process.get(), static_cast<DWORD>(kTimeoutMs)) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.get(), 1);
        return {};
    }
    if (program.writesSteps) times.steps = stepsOf(readAll(stepsRead.get()), start, times);
    return times;
}

// The value below which the fraction `q` of the values lie.
double quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

double median(const std::vector<double>& values) { return quantile(values, 0.5); }

// One figure of every round: times to the warning or to the main window.
std::vector<double> each(const std::vector<Times>& rounds, double Times::*figure) {
    std::vector<double> values;
    for (const Times& round : rounds) values.push_back(round.*figure);
    return values;
}

void printStartups(const std::vector<Program>& programs,
                   const std::vector<std::vector<Times>>& times) {
    const double bare = median(each(times[0], &Times::main));
    for (std::size_t i = 0; i < programs.size(); ++i) {
        if (programs[i].writesSteps) continue;
        const std::vector<double> main = each(times[i], &Times::main);
        const auto [best, worst] = std::minmax_element(main.begin(), main.end());
        std::printf("start-up, %s: median %.1f ms (best %.1f, worst %.1f), %.2f x bare",
                    programs[i].label, median(main), *best, *worst, median(main) / bare);
        if (!programs[i].warning.empty()) {
            const double warning = median(each(times[i], &Times::warning));
            std::printf("; warning shown at %.1f ms, %.2f x bare", warning, warning / bare);
        }
        std::printf("\n");
    }
}

// Each step's median over the rounds and the middle half of its values (how
// noisy it was), in the order the steps come.
void printSteps(const std::vector<Times>& rounds, double programMedian) {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> steps;
    for (const Times& round : rounds) {
        for (const auto& [step, ms] : round.steps) {
            if (!steps.count(step)) order.push_back(step);
            steps[step].push_back(ms);
        }
    }
    std::printf(
        "start-up without music, step by step (medians of %zu fresh starts, the middle half in "
        "brackets; a step pays the first loads it brings):\n",
        rounds.size());
    double sum = 0;
    for (const std::string& step : order) {
        const std::vector<double>& values = steps[step];
        sum += median(values);
        std::printf("  %7.1f ms  [%5.1f, %5.1f]  %s\n", median(values), quantile(values, 0.25),
                    quantile(values, 0.75), step.c_str());
    }
    std::printf(
        "  %7.1f ms  sum of the steps; the step-by-step start-up took %.1f ms, SpeeDRaiL "
        "without music %.1f ms (medians)\n",
        sum, median(each(rounds, &Times::main)), programMedian);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kRuns;
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring emptyFolder = std::wstring(temp) + L"speedrail-startup-bench";
    ::CreateDirectoryW(emptyFolder.c_str(), nullptr);

    const std::wstring here = speedrail::win32::testing::programFolder();
    const std::wstring dist = speedrail::win32::testing::distributionFolder();
    const std::wstring warning = toWide(speedrail::message_box::kTitle);
    const std::wstring caption = toWide(speedrail::layout::window().caption);
    const std::vector<Program> programs = {
        {"bare window", here + L"bare_window.exe", dist, {}, L"Bare window", false},
        {"SpeeDRaiL, music", dist + L"\\SpeeDRaiL.exe", dist, warning, caption, false},
        {"SpeeDRaiL, no music", dist + L"\\SpeeDRaiL.exe", emptyFolder, warning, caption, false},
        {"step by step", here + L"startup_steps.exe", emptyFolder, warning, caption, true},
    };
    constexpr std::size_t kNoMusic = 2;
    constexpr std::size_t kStepByStep = 3;

    // One start each to warm the file cache, then the measured rounds, every
    // other one in reverse order: no program always follows the same one,
    // whose end may still keep the machine busy.
    for (const Program& program : programs) startOnce(program);
    std::vector<std::vector<Times>> times(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t turn = 0; turn < programs.size(); ++turn) {
            const std::size_t i = run % 2 == 0 ? turn : programs.size() - 1 - turn;
            // A start the system failed (Wine's process creation now and
            // then fails with an internal error) is tried again, twice at most.
            Times round;
            for (int attempt = 0; attempt < 3 && round.main < 0; ++attempt) {
                round = startOnce(programs[i]);
            }
            if (round.main < 0) return 1;
            times[i].push_back(round);
        }
    }

    printStartups(programs, times);
    printSteps(times[kStepByStep], median(each(times[kNoMusic], &Times::main)));
    ::RemoveDirectoryW(emptyFolder.c_str());
    return 0;
}
