// Shared by the main window's tests: a real MainWindow in this process,
// with a recording platform behind its Form1, ways to drive it with the
// messages the mouse and keyboard send, and ways to read it back through
// Win32 as a user's tools would: its child windows by their ids, its tool
// tips from the tool-tip control, the pointer it puts up.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/win32/main_window.h"
#include "form/layout.h"
#include "tests/support/form_fixture.h"
#include "tests/support/recording_platform.h"

namespace speedrail::win32::testing {

// One tool of the window's tool-tip control.
struct ToolTip {
    HWND control;  // the control's window; null for a rectangle of the window
    RECT area;     // the rectangle, in the window's client pixels
    std::string text;
};
// The tools of the tool-tip control that `window` owns.
std::vector<ToolTip> toolTipsOf(HWND window);

// A pointer by what it shows: "arrow", "help", "working" (the system's
// arrow with an hourglass), "hand" and "busy" (the program's own images),
// else "other".
std::string pointerName(HCURSOR pointer);

class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Creates the window at `dpi`, hidden or shown with the focus on
    // Command1. Tests show it only when they need the focus: without a
    // window manager, Wine takes two seconds to take a shown window down.
    MainWindow& open(int dpi = 96, bool show = false);

    // The control's own window, found by its id; null for the windowless ones.
    HWND child(layout::ControlId id) const;
    // The control's rectangle in client pixels at the DPI the window opened with.
    layout::PixelRect pixelRect(layout::ControlId id) const;
    // The centre of a control's rectangle, in client pixels.
    POINT centreOf(layout::ControlId id) const;
    // The control's window rectangle in the main window's client pixels.
    RECT childRect(layout::ControlId id) const;

    // A left click (button down, button up) at a point of a window's client
    // area, then the window's pending messages handled.
    void click(HWND target, POINT client);
    // The same on the main window's own surface.
    void clickForm(POINT client) { click(window->hwnd(), client); }
    // A double click with the real mouse at a point of the shown window's
    // surface, then the window's pending messages handled.
    void doubleClick(POINT client);
    // TAB, or Shift+TAB, through the window's keyboard interface.
    void pressTab(bool shift = false);
    // A key pressed and released on the control with the focus.
    void pressKey(WORD key);

    // The pointer the window puts up over one of its child windows, as the
    // system asks it on a mouse move (WM_SETCURSOR), wherever the mouse is.
    HCURSOR pointerOverChild(layout::ControlId id) const;
    // The pointer the shown window puts up with the mouse over `client`:
    // the mouse goes there and the window under it is asked.
    HCURSOR pointerOver(POINT client);

    // Scans a listing that names `names`, so that the list holds them all
    // ticked; then forgets the scan's calls. The window's pending messages
    // wait: what the scan drew, it drew before it returned.
    void scan(const std::vector<std::string>& names);
    // The form's service list, and its ticks in order.
    const ServiceList& entries() const { return window->form().state().list; }
    std::vector<bool> ticks() const { return ::speedrail::testing::ticksOf(entries()); }
    // Points of list entry `index`'s row (list client pixels):
    // on its tick box, and on its text.
    POINT onTick(std::int16_t index) const;
    POINT onText(std::int16_t index) const;
    // The row of list entry `index`, in list client pixels.
    RECT listRow(std::int16_t index) const;

    ::speedrail::testing::RecordingPlatform platform;
    std::unique_ptr<MainWindow> window;

private:
    int dpi_ = 96;
    std::optional<POINT> mouseBefore_;  // put back when a test moved the mouse
};

}  // namespace speedrail::win32::testing
