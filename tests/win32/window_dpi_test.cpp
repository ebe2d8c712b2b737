// The real main window at 120 and 144 dpi, and moving between DPIs: the
// client area and the controls scale, fonts keep their point sizes.
#include <windows.h>

#include "app/win32/control_window_ids.h"
#include "window_fixture.h"

namespace speedrail::win32::testing {
namespace {

using layout::ControlId;

struct DpiCase {
    int dpi;
    SIZE client;
    RECT command1, list1, check5;  // client pixels, twips rounded to the nearest
    LONG listFontHeight;           // Consolas 9 pt
};

void PrintTo(const DpiCase& c, std::ostream* out) { *out << c.dpi << " dpi"; }

const DpiCase kAt96{96, {378, 393}, {9, 78, 124, 123}, {8, 268, 370, 366}, {13, 221, 365, 241},
                    -12};
const DpiCase kAt120{120, {473, 491}, {11, 98, 155, 154}, {10, 335, 463, 458}, {16, 276, 456, 301},
                     -15};
const DpiCase kAt144{144, {567, 590}, {14, 117, 186, 185}, {12, 402, 555, 549}, {20, 332, 548, 362},
                     -18};

// The window laid out at the case's DPI: its client area, its child
// windows, the list's font, and the tool tips of its windowless controls.
void expectLayout(HWND window, const DpiCase& c) {
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.right, c.client.cx) << c.dpi;
    EXPECT_EQ(client.bottom, c.client.cy) << c.dpi;
    const auto expectRect = [&](ControlId id, const RECT& expected) {
        RECT r{};
        ::GetWindowRect(::GetDlgItem(window, controlWindowId(id)), &r);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_TRUE(::EqualRect(&r, &expected))
            << layout::control(id).name << " at " << c.dpi << ": " << r.left << "," << r.top << ","
            << r.right << "," << r.bottom;
    };
    expectRect(ControlId::Command1, c.command1);
    expectRect(ControlId::List1, c.list1);
    expectRect(ControlId::Check5, c.check5);
    const auto font = reinterpret_cast<HFONT>(
        ::SendMessageW(::GetDlgItem(window, controlWindowId(ControlId::List1)), WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    ASSERT_TRUE(::GetObjectW(font, sizeof(logFont), &logFont));
    EXPECT_EQ(logFont.lfHeight, c.listFontHeight) << c.dpi;
    const layout::PixelRect help = layout::toPixels(layout::control(ControlId::Image5).rect, c.dpi);
    const RECT helpArea{help.left, help.top, help.right, help.bottom};
    int helpTips = 0;
    for (const ToolTip& tip : toolTipsOf(window)) {
        if (!tip.control && ::EqualRect(&tip.area, &helpArea)) ++helpTips;
    }
    EXPECT_EQ(helpTips, 1) << "the help picture's tip at " << c.dpi;
}

class WindowDpiTest : public WindowTest, public ::testing::WithParamInterface<DpiCase> {};

TEST_P(WindowDpiTest, ClientAreaControlsAndFontsScale) {
    const DpiCase& c = GetParam();
    open(c.dpi);
    expectLayout(window->hwnd(), c);
    // Rows grow with the font, so the tick boxes stay clickable.
    const auto rowHeight = ::SendMessageW(child(ControlId::List1), LB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(rowHeight, -c.listFontHeight);
    // The logo text still reaches Image6 alone.
    clickForm(centreOf(ControlId::Label1));
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(platform.calls[0].rfind("open ", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Dpis, WindowDpiTest, ::testing::Values(kAt96, kAt120, kAt144));

// Moved to a monitor of another DPI, the window goes where Windows suggests
// (under the pointer, on that monitor), lays itself out again and keeps the
// exact client area.
TEST_F(WindowTest, DpiChangeRelaysTheWindowOut) {
    open(96);
    for (const DpiCase* next : {&kAt144, &kAt120, &kAt96}) {
        RECT suggested{};
        ::GetWindowRect(window->hwnd(), &suggested);
        ::OffsetRect(&suggested, 40, 30);
        suggested.right = suggested.left + next->client.cx + 20;
        suggested.bottom = suggested.top + next->client.cy + 40;
        ::SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(next->dpi, next->dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        RECT placed{};
        ::GetWindowRect(window->hwnd(), &placed);
        EXPECT_EQ(placed.left, suggested.left);
        EXPECT_EQ(placed.top, suggested.top);
        expectLayout(window->hwnd(), *next);
    }
}

}  // namespace
}  // namespace speedrail::win32::testing
