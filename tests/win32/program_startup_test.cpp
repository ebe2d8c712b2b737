// The real program from its distribution folder: the warning appears before
// the main window, and closing the main window ends the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/win32/unique_handle.h"
#include "tests/win32/platform_test_folder.h"

namespace speedrail::win32::testing {
namespace {

struct ProgramWindows {
    HWND warning = nullptr;  // the start-up message box
    HWND main = nullptr;
};

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

template <typename Condition>
bool waitFor(Condition condition, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (::GetTickCount64() > deadline) return false;
        ::Sleep(50);
    }
    return true;
}

using ProgramStartup = PlatformTest;

TEST_F(ProgramStartup, WarningComesFirstThenTheWindowAndClosingItEndsTheProgram) {
    std::wstring program = L"" SPEEDRAIL_DIST_DIR "/SpeeDRaiL.exe";
    std::replace(program.begin(), program.end(), L'/', L'\\');
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                 nullptr, folder_.c_str(), &startup, &started))
        << ::GetLastError();
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    const DWORD id = started.dwProcessId;

    ProgramWindows windows;
    ASSERT_TRUE(waitFor(
        [&] {
            windows = windowsOf(id);
            return windows.warning && ::IsWindowVisible(windows.warning);
        },
        30000))
        << "no start-up message";
    EXPECT_FALSE(windows.main && ::IsWindowVisible(windows.main))
        << "the main window showed before the message was answered";

    ::PostMessageW(windows.warning, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(waitFor(
        [&] {
            windows = windowsOf(id);
            return windows.main && ::IsWindowVisible(windows.main);
        },
        30000))
        << "the main window did not appear";
    EXPECT_EQ(windows.warning, nullptr);

    ::PostMessageW(windows.main, WM_CLOSE, 0, 0);
    ASSERT_EQ(::WaitForSingleObject(process.get(), 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace speedrail::win32::testing
