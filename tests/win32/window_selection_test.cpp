// The selection rules on the real window after a real scan: clicks on the
// boxes give the ticks of the rules in the real list.
#include <gtest/gtest.h>

#include "tests/win32/window_fixture.h"

namespace speedrail::win32::testing {
namespace {

using layout::ControlId;
using Ticks = std::vector<bool>;

class WindowSelectionTest : public WindowTest {
protected:
    void scanKnownListing() {
        // UTF-16LE with its mark, as the listing tool writes it.
        const std::string utf8 =
            "Name      \r\nAudioSrv  \r\nDhcp      \r\nKeyIso    \r\n"
            "Spooler   \r\nThemes    \r\n";
        std::string listing = "\xFF\xFE";
        for (const char c : utf8) listing += {c, '\0'};
        platform.files["srv.tmp"] = listing;
        window->form().Click(ControlId::Command1);
    }
    void clickBox(ControlId box) { click(child(box), POINT{5, 5}); }
};

TEST_F(WindowSelectionTest, BoxClicksAfterAScanGiveTheRulesTicks) {
    open(96, /*show=*/true);
    scanKnownListing();
    ASSERT_EQ(ticks(), (Ticks{true, true, true, true, true}));

    struct Step {
        ControlId box;
        Ticks expected;
    };
    for (const Step& step : {Step{ControlId::Check2, {true, false, true, true, true}},
                             Step{ControlId::Check4, {true, false, true, false, true}},
                             Step{ControlId::Check5, {false, false, false, false, false}},
                             Step{ControlId::Check1, {false, true, true, true, true}},
                             Step{ControlId::Check1, {true, true, true, true, true}}}) {
        clickBox(step.box);
        EXPECT_EQ(ticks(), step.expected) << layout::control(step.box).name;
    }
    EXPECT_EQ(window->form().state().box(Box::Check5), 0);
    EXPECT_FALSE(window->form().state().keepNetwork());
}

// Picking by hand: clicks anywhere on a row toggle it (a double click is
// two clicks), and the stop run sends exactly the entries picked.
TEST_F(WindowSelectionTest, ClicksOnEntriesPickWhatTheStopRunStops) {
    open(96, /*show=*/true);
    scanKnownListing();
    clickBox(ControlId::Check5);
    ASSERT_EQ(ticks(), (Ticks{false, false, false, false, false}));

    const HWND list = child(ControlId::List1);
    click(list, onText(1));
    const LPARAM third = MAKELPARAM(onText(3).x, onText(3).y);
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        ::PostMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, third);
    }
    click(list, onTick(4));
    EXPECT_EQ(ticks(), (Ticks{false, true, false, false, true}));

    platform.messageBoxAnswers.push_back(::speedrail::message_box::kAnswerYes);
    window->form().Click(ControlId::Command4);
    const auto stops = platform.callsStartingWith("launch sc stop");
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(stops[0].rfind("launch sc stop \"Dhcp\" |", 0), 0u) << stops[0];
    EXPECT_EQ(stops[1].rfind("launch sc stop \"Themes\" |", 0), 0u) << stops[1];
}

TEST_F(WindowSelectionTest, TabReachesTheBoxesInTheirOrderOnceAScanEnabledThem) {
    open(96, /*show=*/true);
    scanKnownListing();
    ::SetFocus(child(ControlId::List1));
    std::vector<HWND> visited;
    for (int i = 0; i < 6; ++i) {
        pressTab();
        visited.push_back(::GetFocus());
    }
    std::vector<HWND> expected;
    for (const ControlId id : {ControlId::Check1, ControlId::Check3, ControlId::Check2,
                               ControlId::Check4, ControlId::Check5, ControlId::Command1}) {
        expected.push_back(child(id));
    }
    EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace speedrail::win32::testing
