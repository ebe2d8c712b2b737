// The service list and the check boxes of the real main window: what a
// user's click or key changes, and what it leaves alone.
#include <windows.h>

#include <string>
#include <vector>

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

struct BoxClickCase {
    Box box;
    ControlId control;
    std::vector<bool> ticksAfter;  // of AudioSrv, Dhcp, CryptSvc, Spooler, WSearch
};

void PrintTo(const BoxClickCase& c, std::ostream* out) { *out << layout::control(c.control).name; }

class WindowBoxClickTest : public WindowListTest,
                           public ::testing::WithParamInterface<BoxClickCase> {};

// A click on an enabled box reaches the form as that box's click: its value
// turns over and its own handler runs.
TEST_P(WindowBoxClickTest, ClickTurnsTheBoxOverAndRunsItsHandler) {
    const BoxClickCase& c = GetParam();
    open();
    fill({"AudioSrv", "Dhcp", "CryptSvc", "Spooler", "WSearch"}, true);
    const HWND box = child(c.control);
    window->enableBoxes();
    EXPECT_TRUE(::IsWindowEnabled(box));
    click(box, POINT{5, 5});
    for (int b = 0; b < kBoxCount; ++b) {
        EXPECT_EQ(window->form().state().box(static_cast<Box>(b)),
                  static_cast<Box>(b) == c.box ? 1 : 0)
            << layout::control(c.control).name << " clicked; box " << b;
    }
    EXPECT_EQ(ticks(), c.ticksAfter) << layout::control(c.control).name;
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, WindowBoxClickTest,
    ::testing::Values(BoxClickCase{Box::Check1, ControlId::Check1, {false, true, true, true, true}},
                      BoxClickCase{Box::Check2, ControlId::Check2, {true, false, true, true, true}},
                      BoxClickCase{Box::Check3, ControlId::Check3, {true, true, false, true, true}},
                      BoxClickCase{Box::Check4, ControlId::Check4, {true, true, true, false, true}},
                      BoxClickCase{
                          Box::Check5, ControlId::Check5, {false, false, false, false, false}}));

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
