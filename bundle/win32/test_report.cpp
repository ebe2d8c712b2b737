// The test bundle's report program, which run-tests.cmd calls:
//
//   test_report require-admin
//       exits 0 when run as administrator; otherwise says so in one line and
//       exits 1.
//   test_report summary <tests.xml> <summary.txt>
//       writes the summary: the machine's facts, then each test's result
//       from GoogleTest's XML report. Exits 0 only when the report holds
//       tests and none failed or was left unrun.
// The headers declare the DPI functions of Windows 8.1 and 10 only to
// programs that require those versions; this file takes their types from
// those declarations and loads them at run time, for Windows 7.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "bundle/test_results.h"
#include "bundle/win32/machine_facts.h"
#include "bundle/win32/process_token.h"
#include "platform/win32/system_library.h"

namespace {

using namespace speedrail;

struct User32Functions {
    win32::SystemLibrary user32{L"user32.dll"};
    SPEEDRAIL_SYSTEM_FUNCTION(user32, SetProcessDpiAwarenessContext);
};

// Per-monitor aware where the system knows it (Windows 10 1703 on), else
// system aware: an unaware process reads every DPI as 96.
void readRealDpis() {
    const auto perMonitor = win32::loadedOnce<User32Functions>().SetProcessDpiAwarenessContext;
    if (!perMonitor || !perMonitor(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
        ::SetProcessDPIAware();
    }
}

int summary(const wchar_t* xmlPath, const wchar_t* summaryPath) {
    std::ifstream xmlFile(xmlPath, std::ios::binary);
    const std::string xml((std::istreambuf_iterator<char>(xmlFile)), {});
    const std::vector<bundle::TestResult> results = bundle::readTestResults(xml);

    readRealDpis();
    std::string text =
        "\xEF\xBB\xBF"
        "SpeeDRaiL test report\r\n\r\n";
    for (const auto& [label, value] : win32::machineFacts()) {
        text += label + ": " + value + "\r\n";
    }
    int passed = 0, skipped = 0, failed = 0;
    std::string lines;
    for (const bundle::TestResult& result : results) {
        lines += result.outcome + "  " + result.name +
                 (result.detail.empty() ? "" : "  (" + result.detail + ")") + "\r\n";
        if (result.outcome == "passed")
            ++passed;
        else if (result.outcome == "skipped")
            ++skipped;
        else
            ++failed;
    }
    text += "\r\nTests: " + std::to_string(passed) + " passed, " + std::to_string(skipped) +
            " skipped, " + std::to_string(failed) + " failed or not run\r\n" + lines;
    if (results.empty()) text += "No test results: the test program did not finish.\r\n";

    std::ofstream out(summaryPath, std::ios::binary);
    out << text;
    return out && !results.empty() && failed == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"require-admin" && argc == 2) {
        if (win32::runsAsAdministrator()) return 0;
        std::puts(
            "run-tests.cmd needs administrator rights: right-click it and choose "
            "\"Run as administrator\".");
        return 1;
    }
    if (mode == L"summary" && argc == 4) return summary(argv[2], argv[3]);
    std::fputs("usage: test_report require-admin | summary <tests.xml> <summary.txt>\n", stderr);
    return 2;
}
