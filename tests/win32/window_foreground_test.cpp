// Something a run starts may take the foreground: here a window the user's
// listing script opens, on Windows also a console that Windows Terminal
// hosts. When the run ends, the program's window is in front again with the
// keyboard focus where it was, so that the next key reaches it: after a
// scan, and after a stop run started by Enter.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/win32/control_window_ids.h"
#include "form/layout.h"
#include "platform/win32/wide_text.h"
#include "tests/win32/polling.h"
#include "tests/win32/started_program.h"

namespace speedrail::win32::testing {
namespace {

using layout::ControlId;

class WindowForeground : public ProgramTest {
protected:
    HWND control(ControlId id) const { return ::GetDlgItem(windows().main, controlWindowId(id)); }
    // The window with the keyboard focus in the program's window thread.
    HWND focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(windows().main, nullptr), &info);
        return info.hwndFocus;
    }
    // A key pressed and released on the control with the focus.
    void press(WORD key) const {
        const UINT scanCode = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
        ::PostMessageW(focus(), WM_KEYDOWN, key, 1 | (scanCode << 16));
        ::PostMessageW(focus(), WM_KEYUP, key, 1 | (scanCode << 16) | 0xC0000000);
    }
    // Waits until the program's thread reads messages again. A run holds
    // that thread until it ends, so once a run has begun this waits for its end.
    bool reading() const {
        DWORD_PTR result = 0;
        return ::SendMessageTimeoutW(windows().main, WM_NULL, 0, 0, SMTO_NORMAL, 2 * kWaitMs,
                                     &result) != 0;
    }
};

TEST_F(WindowForeground, ScanAndStopRunEndWithTheWindowInFrontAndTheKeyFocusBack) {
    // A listing script of the user's opens a window that takes the
    // foreground, and goes on once it has (else it lists nothing). It names
    // a service that does not exist: sc and net start, fail and end. The
    // window's program lies beside the script, which names it by its own
    // folder: cmd reads a script in the console's code page, which may not
    // hold the test program's path.
    ASSERT_TRUE(::CopyFileW(toWide(childPath("foreground_window.exe")).c_str(),
                            (folder_ + L"\\foreground_window.exe").c_str(), FALSE));
    createFile("srv.cmd",
               "@\"%~dp0foreground_window.exe\"\r\n@if errorlevel 1 exit\r\n"
               "@echo Name> srv.tmp\r\n@echo SpeeDRaiLServicioInexistente>> srv.tmp\r\n");
    ASSERT_TRUE(start(folder_));
    ASSERT_TRUE(answerWarning());
    const HWND main = windows().main;
    ::SetForegroundWindow(main);
    ASSERT_TRUE(waitFor([&] { return focus() == control(ControlId::Command1); }, kWaitMs));

    press(VK_RETURN);  // the scan: its end enables the boxes
    ASSERT_TRUE(waitFor([&] { return ::IsWindowEnabled(control(ControlId::Check1)); }, kWaitMs));
    ASSERT_TRUE(reading());
    ASSERT_EQ(::SendMessageW(control(ControlId::List1), LB_GETCOUNT, 0, 0), 1)
        << "the user's window did not take the foreground";
    EXPECT_EQ(::GetForegroundWindow(), main) << "after the scan";
    EXPECT_EQ(focus(), control(ControlId::Command1)) << "after the scan";

    press(VK_TAB);
    ASSERT_TRUE(waitFor([&] { return focus() == control(ControlId::Command4); }, kWaitMs));
    press(VK_RETURN);
    ASSERT_TRUE(waitFor([&] { return shown(windows().warning); }, kWaitMs)) << "no stop run";
    ::PostMessageW(windows().warning, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    ASSERT_TRUE(waitFor([&] { return !windows().warning; }, kWaitMs));
    ASSERT_TRUE(reading());
    EXPECT_EQ(::GetForegroundWindow(), main);
    EXPECT_EQ(focus(), control(ControlId::Command4));
    EXPECT_TRUE(close());
}

}  // namespace
}  // namespace speedrail::win32::testing
