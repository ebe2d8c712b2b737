// What Windows documents and the program counts on, stated as tests that a
// real Windows runs from the test bundle. Where Wine behaves otherwise a test
// skips there, saying why; where Wine agrees it runs there too.
// The DPI functions are Windows 10's; their types come from the headers.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00

#include <gtest/gtest.h>
#include <windows.h>
// shellscalingapi.h builds on the types windows.h declares.
#include <shellscalingapi.h>

#include "app/win32/control_window_ids.h"
#include "bundle/win32/process_token.h"
#include "platform/win32/page_route.h"
#include "platform/win32/system_library.h"
#include "tests/win32/polling.h"
#include "tests/win32/started_program.h"
#include "tests/win32/under_wine.h"

namespace speedrail::win32::testing {
namespace {

// UAC splits an administrator's token: the program, run as administrator,
// holds the full one (Full), which is above the desktop's. With UAC off, and
// for the built-in Administrator (RID 500) whose token UAC does not filter,
// the token is not split (Default), the same as the desktop's.
TEST(WindowsBehaviour, TheElevationTypeReadFollowsUac) {
    if (underWine()) {
        GTEST_SKIP() << "Wine gives every process a full token, although it sets EnableLUA to 0";
    }
    if (!runsAsAdministrator()) GTEST_SKIP() << "not run as administrator";
    DWORD lua = 1, size = sizeof lua;
    ::RegGetValueW(HKEY_LOCAL_MACHINE,
                   L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", L"EnableLUA",
                   RRF_RT_REG_DWORD, nullptr, &lua, &size);
    const auto facts = tokenFacts(::GetCurrentProcess());
    ASSERT_TRUE(facts);
    const bool builtInAdministrator =
        facts->user.size() > 4 && facts->user.compare(facts->user.size() - 4, 4, L"-500") == 0;
    const bool split = lua != 0 && !builtInAdministrator;
    // What the program reads, which decides how its web pages open.
    EXPECT_EQ(elevationType(::GetCurrentProcess()),
              split ? TokenElevationTypeFull : TokenElevationTypeDefault)
        << "EnableLUA " << lua;
}

// A console the program starts minimised without activation
// (SW_SHOWMINNOACTIVE) never takes the foreground from the window.
TEST_F(PlatformTest, AConsoleStartedMinimisedLeavesTheForegroundWhereItWas) {
    const HWND window =
        ::CreateWindowExW(0, L"STATIC", L"foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                          100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    ::SetForegroundWindow(window);
    ASSERT_TRUE(waitFor([&] { return ::GetForegroundWindow() == window; }, kWaitMs));
    createFile("wait.cmd", "@ping -n 3 127.0.0.1 >nul\r\n");
    Win32Platform platform;
    const auto script = platform.launch("wait.cmd", ProgramLookup::WorkingFolder,
                                        WindowStyle::MinimizedNoFocus, ChildInput::NullDevice);
    bool keptForeground = true;
    while (!script->waitForExit(50)) keptForeground &= ::GetForegroundWindow() == window;
    EXPECT_TRUE(keptForeground);
    ::DestroyWindow(window);
}

using WindowsBehaviourOfTheProgram = ProgramTest;

// The manifest makes the window per-monitor DPI aware: Windows draws it at
// its monitor's DPI, not the system's, and sends WM_DPICHANGED when that
// changes (the window test sends one itself).
TEST_F(WindowsBehaviourOfTheProgram, TheWindowIsPerMonitorAwareAtItsMonitorsDpi) {
    if (underWine()) {
        GTEST_SKIP() << "Wine reports the window per-monitor aware even where the manifest asks "
                        "for system awareness, and has one DPI for every monitor";
    }
    struct Functions {
        SystemLibrary user32{L"user32.dll"};
        SPEEDRAIL_SYSTEM_FUNCTION(user32, GetDpiForWindow);
        SPEEDRAIL_SYSTEM_FUNCTION(user32, GetWindowDpiAwarenessContext);
        SPEEDRAIL_SYSTEM_FUNCTION(user32, GetAwarenessFromDpiAwarenessContext);
        SystemLibrary shcore{L"shcore.dll"};
        SPEEDRAIL_SYSTEM_FUNCTION(shcore, GetDpiForMonitor);
    } const dpi;
    if (!dpi.GetDpiForWindow || !dpi.GetDpiForMonitor) GTEST_SKIP() << "Windows before 10 1607";
    ASSERT_TRUE(start(folder_));
    ASSERT_TRUE(answerWarning());
    const HWND main = windows().main;
    EXPECT_EQ(dpi.GetAwarenessFromDpiAwarenessContext(dpi.GetWindowDpiAwarenessContext(main)),
              DPI_AWARENESS_PER_MONITOR_AWARE);
    UINT x = 0, y = 0;
    ASSERT_EQ(dpi.GetDpiForMonitor(::MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST),
                                   MDT_EFFECTIVE_DPI, &x, &y),
              S_OK);
    EXPECT_EQ(dpi.GetDpiForWindow(main), x);
    EXPECT_TRUE(close());
}

// A run holds the window's thread for seconds. Windows would swap a window
// that answers nothing for five seconds for a frozen "(No responde)" copy,
// of the class "Ghost"; the program tells it not to.
TEST_F(WindowsBehaviourOfTheProgram, AWindowHeldByARunIsNeverGhosted) {
    if (underWine()) GTEST_SKIP() << "Wine never ghosts a window that does not answer";
    createFile("srv.cmd", "@ping -n 9 127.0.0.1 >nul\r\n@echo Name> srv.tmp\r\n");
    ASSERT_TRUE(start(folder_));
    ASSERT_TRUE(answerWarning());
    const HWND main = windows().main;
    ::PostMessageW(::GetDlgItem(main, controlWindowId(layout::ControlId::Command1)), BM_CLICK, 0,
                   0);
    ASSERT_TRUE(waitFor([&] { return ::IsHungAppWindow(main); }, kWaitMs))
        << "the run never held the window";
    ::InvalidateRect(main, nullptr, TRUE);  // a hung window that must repaint is ghosted
    EXPECT_FALSE(waitFor([] { return ::FindWindowW(L"Ghost", nullptr) != nullptr; }, 2000))
        << "a ghost window came up";
    ASSERT_TRUE(waitFor([&] { return !::IsHungAppWindow(main); }, kWaitMs));
    EXPECT_TRUE(close());
}

}  // namespace
}  // namespace speedrail::win32::testing
