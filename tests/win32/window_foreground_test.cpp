// The consoles a run starts take the foreground; when the run ends, the
// window is in front again with the keyboard focus where it was, so that
// the next key reaches it: after a scan, and after a stop run started by
// Enter.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/win32/control_window_ids.h"
#include "app/win32/main_window.h"
#include "form/layout.h"
#include "tests/win32/confirming_platform.h"
#include "tests/win32/platform_test_folder.h"

namespace speedrail::win32::testing {
namespace {

using WindowForeground = PlatformTest;

TEST_F(WindowForeground, ScanAndStopRunEndWithTheWindowInFrontAndTheKeyFocusBack) {
    ConfirmingPlatform platform;
    MainWindow window(platform);
    platform.setOwnerWindow(window.hwnd());
    window.show(SW_SHOWNORMAL);
    window.processPendingEvents();
    ::SetForegroundWindow(window.hwnd());
    // A listing script of the user's, started as its own console, names a
    // service that does not exist: sc and net start, fail and end.
    createFile("srv.cmd",
               "@echo Name> srv.tmp\r\n@echo SpeeDRaiLServicioInexistente>> srv.tmp\r\n");
    window.form().Click(layout::ControlId::Command1);
    window.processPendingEvents();
    ASSERT_EQ(window.form().state().list.count(), 1);
    EXPECT_EQ(::GetForegroundWindow(), window.hwnd()) << "after the scan";
    const HWND stopButton =
        ::GetDlgItem(window.hwnd(), controlWindowId(layout::ControlId::Command4));
    ::SetFocus(stopButton);

    const UINT scanCode = ::MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC);
    ::PostMessageW(stopButton, WM_KEYDOWN, VK_RETURN, 1 | (scanCode << 16));
    ::PostMessageW(stopButton, WM_KEYUP, VK_RETURN, 1 | (scanCode << 16) | 0xC0000000);
    window.processPendingEvents();
    ASSERT_EQ(window.form().state().msgAnswer, message_box::kAnswerYes) << "no stop run";

    window.processPendingEvents();
    EXPECT_EQ(::GetForegroundWindow(), window.hwnd());
    EXPECT_EQ(::GetFocus(), stopButton);
}

}  // namespace
}  // namespace speedrail::win32::testing
