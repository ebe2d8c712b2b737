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
        const std::string utf8 = "Name      \r\nAudioSrv  \r\nDhcp      \r\nKeyIso    \r\n"
                                 "Spooler   \r\nThemes    \r\n";
        std::string listing = "\xFF\xFE";
        for (const char c : utf8) listing += {c, '\0'};
        platform.files["srv.tmp"] = listing;
        window->form().Command1_Click();
    }
    Ticks ticks() const {
        Ticks result;
        for (std::int16_t i = 0; i < window->list().count(); ++i) {
            result.push_back(window->list().selected(i));
        }
        return result;
    }
    void clickBox(ControlId box) { click(window->controlWindow(box), POINT{5, 5}); }
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
    EXPECT_EQ(window->boxValue(Box::Check5), 0);
    EXPECT_FALSE(window->form().state().keepNetwork);
}

TEST_F(WindowSelectionTest, TabReachesTheBoxesInTheirOrderOnceAScanEnabledThem) {
    open(96, /*show=*/true);
    scanKnownListing();
    ::SetFocus(window->controlWindow(ControlId::List1));
    std::vector<HWND> visited;
    for (int i = 0; i < 6; ++i) {
        pressTab();
        visited.push_back(::GetFocus());
    }
    std::vector<HWND> expected;
    for (const ControlId id : {ControlId::Check1, ControlId::Check3, ControlId::Check2,
                               ControlId::Check4, ControlId::Check5, ControlId::Command1}) {
        expected.push_back(window->controlWindow(id));
    }
    EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace speedrail::win32::testing
