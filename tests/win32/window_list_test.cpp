// The service list and the check boxes of the real main window: what a
// user's click or key changes, and what it leaves alone.
#include <windows.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/drawing/gdi_scope.h"
#include "window_fixture.h"

namespace speedrail::win32::testing {
namespace {

using layout::ControlId;

class WindowListTest : public WindowTest {
protected:
    // The names, scanned; unticked by hand unless `ticked`.
    void fill(const std::vector<std::string>& names, bool ticked) {
        scan(names);
        for (std::int16_t i = 0; !ticked && i < entries().count(); ++i) {
            window->form().ToggleEntry(i);
        }
    }
    HWND list() const { return child(ControlId::List1); }
    void clickTick(std::int16_t index) { click(list(), onTick(index)); }
    // The ticks the shown list draws: a mark in a tick box is a second
    // colour around its centre.
    std::vector<bool> shownTicks() const {
        const WindowDc surface(list());
        std::vector<bool> shown;
        for (std::int16_t i = 0; i < entries().count(); ++i) {
            const POINT centre = onTick(i);
            std::set<COLORREF> colours;
            for (int y = centre.y - 4; y <= centre.y + 4; ++y) {
                for (int x = centre.x - 4; x <= centre.x + 4; ++x) {
                    colours.insert(::GetPixel(surface.get(), x, y));
                }
            }
            shown.push_back(colours.size() > 1);
        }
        return shown;
    }
};

TEST_F(WindowListTest, ClickOnATickTogglesThatEntryAlone) {
    open();
    fill({"AudioSrv", "Dhcp", "Spooler  ", "WSearch"}, true);
    const std::string statusBefore = window->form().state().status;

    clickTick(2);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, false, true}));
    clickTick(2);
    clickTick(0);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, true, true}));

    // Nothing else moves: no handler ran, no box changed.
    EXPECT_TRUE(platform.calls.empty());
    for (int b = 0; b < kBoxCount; ++b)
        EXPECT_EQ(window->form().state().box(static_cast<Box>(b)), 0);
    EXPECT_EQ(window->form().state().status, statusBefore);
    EXPECT_EQ(entries().text(2), "Spooler  ");
}

// As in a check-box list, a click on an entry's text toggles it like a
// click on its tick box; keys that move the caret leave the ticks alone.
TEST_F(WindowListTest, ClickOnAnEntrysTextTicksItAndMovesTheCaret) {
    open(96, /*show=*/true);
    fill({"AudioSrv", "Dhcp", "Spooler"}, false);
    click(list(), onText(1));
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(::SendMessageW(list(), LB_GETCARETINDEX, 0, 0), 1);
    EXPECT_EQ(::GetFocus(), list());

    // Space toggles the entry at the caret.
    pressKey(VK_SPACE);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
    for (const int key : {VK_DOWN, VK_UP, VK_END, VK_HOME, VK_NEXT, VK_PRIOR}) {
        pressKey(static_cast<WORD>(key));
    }
    pressKey(VK_DOWN);
    EXPECT_EQ(::SendMessageW(list(), LB_GETCARETINDEX, 0, 0), 1);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));

    // Below the last entry a click changes nothing.
    const RECT last = listRow(2);
    click(list(), POINT{onText(2).x, last.bottom + (last.bottom - last.top)});
    EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(WindowListTest, KeepsEntriesInTheOrderAddedAndEmptiesOnARescan) {
    open();
    fill({"b", "a", "", "c  ", "a"}, false);
    EXPECT_EQ(::SendMessageW(list(), LB_GETCOUNT, 0, 0), 5);
    const std::vector<std::string> expected{"b", "a", "", "c  ", "a"};
    for (std::int16_t i = 0; i < 5; ++i) EXPECT_EQ(entries().text(i), expected[i]);
    scan({});
    EXPECT_EQ(entries().count(), 0);
    EXPECT_EQ(::SendMessageW(list(), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(WindowListTest, HoldsTheFullSixteenBitRange) {
    open();
    std::vector<std::string> names;
    for (int i = 0; i < ServiceList::kMaxEntries; ++i) names.push_back("Svc" + std::to_string(i));
    names.push_back("one too many");
    fill(names, false);
    EXPECT_EQ(entries().count(), ServiceList::kMaxEntries);
    EXPECT_EQ(::SendMessageW(list(), LB_GETCOUNT, 0, 0), ServiceList::kMaxEntries);
    // The last row can be scrolled to and ticked by hand.
    ::SendMessageW(list(), LB_SETTOPINDEX, ServiceList::kMaxEntries - 1, 0);
    clickTick(ServiceList::kMaxEntries - 1);
    EXPECT_TRUE(entries().selected(ServiceList::kMaxEntries - 1));
    EXPECT_EQ(entries().text(ServiceList::kMaxEntries - 1), "Svc32766");
    EXPECT_FALSE(entries().selected(ServiceList::kMaxEntries - 2));
}

// A click on a box reaches the form as that box's click, and the list shows
// the ticks its keep rule leaves (the unit tests hold the rules themselves).
TEST_F(WindowListTest, BoxClicksReachTheFormAndTheListShowsTheirTicks) {
    open(96, /*show=*/true);
    scan({"AudioSrv", "Dhcp", "CryptSvc", "Spooler", "WSearch"});
    const std::pair<Box, ControlId> boxes[] = {{Box::Check1, ControlId::Check1},
                                               {Box::Check2, ControlId::Check2},
                                               {Box::Check3, ControlId::Check3},
                                               {Box::Check4, ControlId::Check4},
                                               {Box::Check5, ControlId::Check5}};
    for (const auto& [box, control] : boxes) {
        SCOPED_TRACE(layout::control(control).name);
        for (const int value : {1, 0}) {
            click(child(control), POINT{5, 5});
            for (const auto& other : boxes) {
                EXPECT_EQ(window->form().state().box(other.first), other.first == box ? value : 0);
            }
            EXPECT_EQ(shownTicks(), ticks());
        }
    }
}

// Picking by hand: clicks anywhere on a row toggle it (a double click is
// two clicks), and the stop run sends exactly the entries picked.
TEST_F(WindowListTest, ClicksOnEntriesPickWhatTheStopRunStops) {
    open(96, /*show=*/true);
    fill({"AudioSrv  ", "Dhcp      ", "KeyIso    ", "Spooler   ", "Themes    "}, false);
    click(list(), onText(1));
    const LPARAM third = MAKELPARAM(onText(3).x, onText(3).y);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        ::PostMessageW(list(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, third);
    }
    clickTick(4);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, false, false, true}));

    platform.messageBoxAnswers.push_back(::speedrail::message_box::kAnswerYes);
    window->form().Click(ControlId::Command4);
    const auto stops = platform.callsStartingWith("launch sc stop");
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(stops[0].rfind("launch sc stop \"Dhcp\" |", 0), 0u) << stops[0];
    EXPECT_EQ(stops[1].rfind("launch sc stop \"Themes\" |", 0), 0u) << stops[1];
}

TEST_F(WindowListTest, SpaceOnAFocusedBoxClicksIt) {
    open(96, /*show=*/true);
    window->enableBoxes();
    ::SetFocus(child(ControlId::Check3));
    pressKey(VK_SPACE);
    EXPECT_EQ(window->form().state().box(Box::Check3), 1);
    EXPECT_TRUE(window->form().state().keepSecurity());
}

}  // namespace
}  // namespace speedrail::win32::testing
