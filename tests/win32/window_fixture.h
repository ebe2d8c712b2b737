// Shared by the main window's tests: a real MainWindow in this process,
// with a recording platform behind its Form1, and ways to drive it with
// the messages the mouse and keyboard send.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "form/layout.h"
#include "app/win32/main_window.h"
#include "tests/support/recording_platform.h"

namespace speedrail::win32::testing {

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Creates the window at `dpi`, hidden or shown with the focus on
    // Command1. Tests show it only when they need the focus: without a
    // window manager, Wine takes two seconds to take a shown window down.
    MainWindow& open(int dpi = 96, bool show = false);

    // A left click (button down, button up) at a point of a window's client
    // area, then the window's pending messages handled.
    void click(HWND target, POINT client);
    // The same on the main window's own surface.
    void clickForm(POINT client) { click(window->hwnd(), client); }
    // TAB, or Shift+TAB, through the window's keyboard interface.
    void pressTab(bool shift = false);
    // A key pressed and released on the control with the focus.
    void pressKey(WORD key);

    // Scans a listing naming `entries` (after its header), so that the
    // list holds them all ticked; then forgets the scan's calls.
    void scan(const std::vector<std::string>& entries);
    // The list's ticks, in order.
    std::vector<bool> ticks() const;

    // The centre of a control's rectangle, in client pixels.
    POINT centreOf(layout::ControlId id) const;
    // The control's window rectangle in the main window's client pixels.
    RECT childRect(layout::ControlId id) const;

    ::speedrail::testing::RecordingPlatform platform;
    std::unique_ptr<MainWindow> window;
};

}  // namespace speedrail::win32::testing
