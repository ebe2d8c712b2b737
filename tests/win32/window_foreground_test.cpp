// The consoles a run starts take the foreground; when the run ends, the
// window is in front again with the keyboard focus where it was, so that
// the next key reaches it.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/layout.h"
#include "app/win32/main_window.h"
#include "platform/win32/win32_platform.h"
#include "tests/win32/platform_test_folder.h"

namespace speedrail::win32::testing {
namespace {

// The real platform, with the stop run's confirmation answered Yes.
class ConfirmingPlatform : public Win32Platform {
public:
    std::int32_t messageBox(const std::string&, std::int32_t, const std::string&) override {
        return message_box::kAnswerYes;
    }
};

using WindowForeground = PlatformTest;

TEST_F(WindowForeground, AStopRunStartedByKeyEndsWithTheWindowInFrontAndTheKeyFocusBack) {
    ConfirmingPlatform platform;
    MainWindow window(platform);
    platform.setOwnerWindow(window.hwnd());
    // A service that does not exist: sc and net start, fail and end.
    window.listAppend("SpeeDRaiLServicioInexistente");
    window.setListSelected(0, true);
    window.show(SW_SHOWNORMAL);
    window.processPendingEvents();
    ::SetForegroundWindow(window.hwnd());
    const HWND stopButton = window.controlWindow(layout::ControlId::Command4);
    ::SetFocus(stopButton);
    ASSERT_EQ(::GetForegroundWindow(), window.hwnd());

    const UINT scan = ::MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC);
    ::PostMessageW(stopButton, WM_KEYDOWN, VK_RETURN, 1 | (scan << 16));
    ::PostMessageW(stopButton, WM_KEYUP, VK_RETURN, 1 | (scan << 16) | 0xC0000000);
    window.processPendingEvents();
    ASSERT_EQ(window.form().state().msgAnswer, message_box::kAnswerYes) << "no stop run";

    window.processPendingEvents();
    EXPECT_EQ(::GetForegroundWindow(), window.hwnd());
    EXPECT_EQ(::GetFocus(), stopButton);
}

}  // namespace
}  // namespace speedrail::win32::testing
